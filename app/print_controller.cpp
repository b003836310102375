#include "print_controller.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "controls/warning.h"
#include "core/doc.h"
#include "platform/win_app.h"
#include "view/enum_printers.h"
#include "view/print_job.h"
#include "view/printer_export.h"
#include "view/qarn_view.h"

namespace {

const QString kSection = QString::fromLatin1(CEnumPrinters::kSection);
const QString kModeEntry = QStringLiteral("PrintMode");

// The placement choice, as a tab of the print dialog.
QComboBox* MakeModeBox(int mode) {
    auto* box = new QComboBox();
    box->addItems({QStringLiteral("Actual size"), QStringLiteral("Centred on the page"),
                   QStringLiteral("Fit to page")});
    box->setCurrentIndex(mode);
    box->setAccessibleName(QStringLiteral("Placement of each page"));
    box->setToolTip(QStringLiteral("How each page of the drawing is placed on the paper"));
    return box;
}

}  // namespace

CPrintController::CPrintController(QWidget* frame, CWinApp* app) : m_pFrame(frame), m_pApp(app) {
    if (m_pApp != nullptr) {
        SetPrintMode(int(m_pApp->GetProfileInt(kSection, kModeEntry, 0)));
    }
}

CPrintController::~CPrintController() = default;

QPrinter& CPrintController::GetPrinter() {
    if (m_pPrinter == nullptr) {
        // Made on first use: asking the print system for its printers takes a moment.
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        RestorePrinter();
    }
    return *m_pPrinter;
}

void CPrintController::RestorePrinter() {
    CEnumPrinters printers;
    printers.RestorePrinterSelection(*m_pPrinter, m_pApp);
}

void CPrintController::SetPrintMode(int mode) {
    m_nMode = mode >= 0 && mode < CQarnPrintJob::kModeCount ? mode : 0;
    if (m_pApp != nullptr) {
        m_pApp->WriteProfileInt(kSection, kModeEntry, m_nMode);
    }
}

bool CPrintController::PrintDocument(const CQarnDoc& doc, QPrinter& printer, int fromPage,
                                     int toPage, CQarnView* selectionOf, QString* error) const {
    CQarnPrintJob job(doc);
    job.SetMode(m_nMode);
    if (selectionOf != nullptr) {
        job.SetPrintList(selectionOf->GetSelection());
    }
    return job.Print(printer, fromPage, toPage, error);
}

bool CPrintController::ExportPdf(const CQarnDoc& doc, const QString& path, QString* error) const {
    return Qarn::ExportToFileByPrinter(doc, path, nullptr, CPrinterExport::Pdf, error);
}

void CPrintController::Print(CQarnView* view) {
    if (view == nullptr || view->GetDoc() == nullptr) {
        return;
    }
    CQarnDoc& doc = *view->GetDoc();
    QPrinter& printer = GetPrinter();
    QPrintDialog dialog(&printer, m_pFrame);
    dialog.setWindowTitle(QStringLiteral("Print"));
    const int pages = int(doc.GetCanvasList().size());
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, !view->GetSelection().isEmpty());
    auto* placement = new QWidget();
    placement->setWindowTitle(QStringLiteral("Placement"));
    auto* form = new QFormLayout(placement);
    QComboBox* mode = MakeModeBox(m_nMode);
    form->addRow(QStringLiteral("&Each page:"), mode);
    dialog.setOptionTabs({placement});
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    SetPrintMode(mode->currentIndex());
    CEnumPrinters::SavePrinterSelection(printer, m_pApp);
    int from = 0;
    int to = 0;
    if (dialog.printRange() == QAbstractPrintDialog::PageRange) {
        from = dialog.fromPage();
        to = dialog.toPage();
    }
    const bool selection = dialog.printRange() == QAbstractPrintDialog::Selection;
    QString error;
    if (!PrintDocument(doc, printer, from, to, selection ? view : nullptr, &error)) {
        Qarn::ShowWarning(m_pFrame,
                          QStringLiteral("The drawing could not be printed: %1.").arg(error));
    }
}

void CPrintController::PrintPreview(CQarnView* view) {
    if (view == nullptr || view->GetDoc() == nullptr) {
        return;
    }
    const CQarnDoc& doc = *view->GetDoc();
    QPrintPreviewDialog preview(&GetPrinter(), m_pFrame);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    preview.setAccessibleName(QStringLiteral("Print preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this, &doc](QPrinter* printer) {
                         QString error;
                         PrintDocument(doc, *printer, 0, 0, nullptr, &error);
                     });
    preview.resize(900, 700);
    preview.exec();
}

void CPrintController::PageSetup() {
    QPageSetupDialog dialog(&GetPrinter(), m_pFrame);
    dialog.setWindowTitle(QStringLiteral("Page Setup"));
    if (dialog.exec() == QDialog::Accepted) {
        CEnumPrinters::SavePrinterSelection(GetPrinter(), m_pApp);
    }
}
