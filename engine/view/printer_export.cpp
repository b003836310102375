#include "view/printer_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <algorithm>

#include "core/canvas.h"
#include "core/component.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/edit_view.h"
#include "core/layer.h"
#include "export/eps_rewriter.h"
#include "export/postscript_converter.h"
#include "platform/regular_file.h"
#include "platform/safe_save_file.h"
#include "view/print_job.h"

namespace {

// The settings' word for "no printer chosen".
const QString kNoPrinter = QStringLiteral("Invalid");
// What the printing path writes may be large, but not without bound.
constexpr qint64 kMaxOutputBytes = qint64(1) << 30;

bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error) {
    SafeSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.Commit()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace

// The system's own text.
const char* const CPrinterExport::kPrinterMissingMessage =
    "PostScript Printer is not available\nPlease select one in the Preference page.";

CPrinterExport::CPrinterExport(const CQarnDoc& doc) : m_Doc(doc) {}

void CPrinterExport::SetPages(int fromPage, int toPage) {
    m_nFromPage = fromPage;
    m_nToPage = toPage;
}

QString CPrinterExport::ConfiguredPrinter(int kind) {
    const CCustomConfig* config = Qarn::GetConfig();
    const QString name = kind == Pdf ? config->m_strPDFPrinter : config->m_strPSPrinter;
    return name == kNoPrinter ? QString() : name.trimmed();
}

CRect CPrinterExport::ComputeEpsBox(const CQarnCanvas* canvas) const {
    if (Qarn::GetConfig()->m_nExportSelectionToEPS != 0) {
        ComponentList onPage;
        for (CQarnComponent* c : m_Selection) {
            if (m_Doc.Contains(c) && c->GetLayer() != nullptr &&
                c->GetLayer()->GetCanvas() == canvas) {
                onPage.append(c);
            }
        }
        const CRect box = CQarnDoc::GetBound(onPage);
        if (CEpsRewriter::IsPublishable(box)) {
            return box;
        }
    }
    CRect box;
    if (canvas != nullptr) {
        for (const CQarnLayer* layer : canvas->GetLayers()) {
            if (layer->IsVisible(-1)) {
                box.UnionRect(box, CQarnDoc::GetBound(layer->GetList()));
            }
        }
    }
    return CEpsRewriter::IsPublishable(box) ? box : CRect();
}

bool CPrinterExport::PrintToPdf(const QString& pdfPath, int kind, int fromPage, int toPage,
                                QString* error) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setCreator(QCoreApplication::applicationName());
    printer.setDocName(m_Doc.GetTitle());
    CQarnPrintJob job(m_Doc);
    job.SetMode(CQarnPrintJob::ActualSize);
    const QString name = ConfiguredPrinter(kind);
    if (name.isEmpty()) {
        job.SetPaperFollowsCanvas(true);
    } else {
        // The chosen printer's paper, the drawing at its actual size from the corner.
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        printer.setPageSize(info.defaultPageSize());
    }
    if (!job.Print(printer, fromPage, toPage, error)) {
        *error = QStringLiteral("The drawing could not be printed to %1: %2.")
                     .arg(QDir::toNativeSeparators(pdfPath), *error);
        return false;
    }
    return true;
}

bool CPrinterExport::Export(const QString& path, int kind, QString* error) {
    if (kind < PostScript || kind > Pdf) {
        *error = QStringLiteral("Unknown export kind %1.").arg(kind);
        return false;
    }
    const int pages = int(m_Doc.GetCanvasList().size());
    if (pages == 0) {
        *error = QStringLiteral("The drawing has no page to export.");
        return false;
    }
    const QString printerName = ConfiguredPrinter(kind);
    if (!printerName.isEmpty() && QPrinterInfo::printerInfo(printerName).isNull()) {
        *error = QString::fromLatin1(kPrinterMissingMessage);
        return false;
    }
    CPostScriptConverter converter;
    if (kind != Pdf && !converter.IsAvailable()) {
        *error = CPostScriptConverter::MissingMessage();
        return false;
    }
    int from = m_nFromPage;
    int to = m_nToPage;
    const CQarnCanvas* canvas = m_Doc.GetCurrentCanvas();
    if (kind == Eps) {
        // One page: the one asked for, else the current one.
        const int page = from > 0 ? std::min(from, pages) : m_Doc.GetCanvasIndex(canvas) + 1;
        from = to = std::max(page, 1);
        canvas = m_Doc.GetCanvasList()[from - 1];
    }
    const CRect box = kind == Eps ? ComputeEpsBox(canvas) : CRect();

    QTemporaryDir work;
    if (!work.isValid()) {
        *error = QStringLiteral("No temporary folder for the export: %1.").arg(work.errorString());
        return false;
    }
    const QString pdfPath = work.filePath(QStringLiteral("printed.pdf"));
    if (!PrintToPdf(pdfPath, kind, from, to, error)) {
        return false;
    }
    QString outputPath = pdfPath;
    if (kind != Pdf) {
        outputPath = work.filePath(QStringLiteral("printed.ps"));
        QString reason;
        if (!converter.Convert(pdfPath, outputPath, &reason, kind == Eps)) {
            *error = QStringLiteral("The PostScript could not be made: %1.").arg(reason);
            return false;
        }
    }
    QByteArray bytes;
    QString reason;
    if (!RegularFile::Read(outputPath, kMaxOutputBytes, &bytes, &reason)) {
        *error = QStringLiteral("The printed output could not be read: %1.").arg(reason);
        return false;
    }
    if (kind == Eps) {
        QByteArray eps;
        if (!CEpsRewriter::Rewrite(bytes, box.IsRectEmpty() ? nullptr : &box, &eps, &reason)) {
            *error = QStringLiteral("The EPS could not be made: %1.").arg(reason);
            return false;
        }
        bytes = eps;
    }
    if (!WriteWhole(path, bytes, &reason)) {
        *error = QStringLiteral("The file could not be written.\n%1").arg(reason);
        return false;
    }
    return true;
}

namespace Qarn {

bool ExportToFileByPrinter(const CQarnDoc& doc, const QString& path, const CQarnEditView* view,
                           int kind, QString* error) {
    CPrinterExport exporter(doc);
    if (view != nullptr) {
        exporter.SetSelection(view->GetSelection());
    }
    return exporter.Export(path, kind, error);
}

}  // namespace Qarn
