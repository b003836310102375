#include "view/enum_printers.h"

#include <QPrinter>

#include "controls/warning.h"
#include "platform/win_app.h"

const char* const CEnumPrinters::kPrinterGoneMessage =
    "Warning : Unable to re-select your preffered printer\nas it is no longer available. The "
    "system default printer will be used.";
const char* const CEnumPrinters::kSection = "PrinterConfig";

namespace {

QString Error() {
    return QStringLiteral("Error");
}

}  // namespace

CEnumPrinters::CEnumPrinters() {
    ReadLocalPrinters();
}

void CEnumPrinters::ReadLocalPrinters() {
    m_Printers = QPrinterInfo::availablePrinters();
}

QString CEnumPrinters::GetPrinterName(int index) const {
    return index >= 0 && index < m_Printers.size() ? m_Printers[index].printerName() : Error();
}

QString CEnumPrinters::GetPrinterLocation(int index) const {
    return index >= 0 && index < m_Printers.size() ? m_Printers[index].location() : Error();
}

QString CEnumPrinters::GetPrinterShareName(int index) const {
    // The print system shares a printer under its own name.
    return GetPrinterName(index);
}

QString CEnumPrinters::GetPrinterPortName(int index) const {
    // The print system hides the device a printer is attached to; its description stands in.
    return index >= 0 && index < m_Printers.size() ? m_Printers[index].description() : Error();
}

QString CEnumPrinters::GetDriver(int index) const {
    return index >= 0 && index < m_Printers.size() ? m_Printers[index].makeAndModel() : Error();
}

int CEnumPrinters::IdentifyCurrentPrinter(const QPrinter& printer) const {
    QString name = printer.printerName();
    if (name.isEmpty()) {
        name = QPrinterInfo::defaultPrinterName();
    }
    for (int i = 0; i < m_Printers.size(); ++i) {
        if (m_Printers[i].printerName() == name) {
            return i;
        }
    }
    return -1;
}

bool CEnumPrinters::SetNewPrinter(QPrinter& printer, int index) const {
    if (index < 0 || index >= m_Printers.size()) {
        return false;
    }
    return SetNewPrinter(printer, m_Printers[index].printerName());
}

bool CEnumPrinters::SetNewPrinter(QPrinter& printer, const QString& name) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        return false;
    }
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(name);
    return printer.isValid();
}

bool CEnumPrinters::SavePrinterSelection(const QPrinter& printer, CWinApp* app) {
    if (app == nullptr || printer.outputFormat() != QPrinter::NativeFormat) {
        return false;
    }
    const QString section = QString::fromLatin1(kSection);
    const bool named =
        app->WriteProfileString(section, QStringLiteral("PrinterName"), printer.printerName());
    const int orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    return app->WriteProfileInt(section, QStringLiteral("Orientation"), orientation) && named;
}

bool CEnumPrinters::RestorePrinterSelection(QPrinter& printer, CWinApp* app) const {
    if (app == nullptr) {
        return false;
    }
    const QString section = QString::fromLatin1(kSection);
    const QString saved = app->GetProfileString(section, QStringLiteral("PrinterName"));
    if (saved.isEmpty() || saved == printer.printerName()) {
        return false;
    }
    bool installed = false;
    for (const QPrinterInfo& info : m_Printers) {
        installed = installed || info.printerName() == saved;
    }
    if (!installed || !SetNewPrinter(printer, saved)) {
        Qarn::ShowWarning(nullptr, QString::fromLatin1(kPrinterGoneMessage));
        return false;
    }
    SetPrintOrientation(printer,
                        int(app->GetProfileInt(section, QStringLiteral("Orientation"), 1)));
    return true;
}

bool CEnumPrinters::SetPrintOrientation(QPrinter& printer, int orientation) {
    if (orientation != 1 && orientation != 2) {
        return false;
    }
    return printer.setPageOrientation(orientation == 1 ? QPageLayout::Portrait
                                                       : QPageLayout::Landscape);
}

int CEnumPrinters::QueryPSSupport(int index) const {
    if (index < 0 || index >= m_Printers.size()) {
        return 0;
    }
    // The print system converts to PostScript for printers whose driver speaks it.
    const QString model = m_Printers[index].makeAndModel();
    return model.contains(QLatin1String("postscript"), Qt::CaseInsensitive) ? 1 : 0;
}
