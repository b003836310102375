#include "headless_runner.h"

#include <QBuffer>
#include <QFileInfo>

#include "command_line.h"
#include "core/doc.h"
#include "document_summary.h"
#include "export/page_renderer.h"
#include "view/printer_export.h"

int CHeadlessRunner::Run(const CommandLine& line, QString* output, QString* error) {
    QByteArray printed;
    QBuffer buffer(&printed);
    buffer.open(QIODevice::WriteOnly);
    const int status = Run(line, &buffer, error);
    *output = QString::fromUtf8(printed);
    return status;
}

int CHeadlessRunner::Run(const CommandLine& line, QIODevice* output, QString* error) {
    std::unique_ptr<CQarnDoc> opened;
    return Run(line, output, error, &opened);
}

int CHeadlessRunner::Run(const CommandLine& line, QIODevice* output, QString* error,
                         std::unique_ptr<CQarnDoc>* opened) {
    *opened = std::make_unique<CQarnDoc>();
    CQarnDoc& doc = **opened;
    QString reason;
    if (!doc.OnOpenDocument(line.file, &reason)) {
        *error = QStringLiteral("cannot open %1").arg(reason);
        return 1;
    }
    if (line.info && !CDocumentSummary::Write(doc, output)) {
        *error = QStringLiteral("cannot write the summary: %1").arg(output->errorString());
        return 1;
    }
    if (line.exportFile.isEmpty()) {
        return 0;
    }
    if (line.page > doc.GetCanvasList().size()) {
        *error = QStringLiteral("%1 has %2 page(s); there is no page %3")
                     .arg(line.file)
                     .arg(doc.GetCanvasList().size())
                     .arg(line.page);
        return 1;
    }
    const QString suffix = QFileInfo(line.exportFile).suffix().toLower();
    if (suffix == QLatin1String("met")) {
        if (!doc.OnSaveDocument(line.exportFile, &reason)) {
            *error = QStringLiteral("cannot save %1").arg(reason);
            return 1;
        }
        return 0;
    }
    CQarnCanvas* page = doc.GetCanvasList()[line.page - 1];
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("svgz")) {
        if (!doc.ExportToSVG(line.exportFile, page, suffix == QLatin1String("svgz") ? 1 : 0,
                             &reason)) {
            *error = QStringLiteral("cannot export %1").arg(reason);
            return 1;
        }
        return 0;
    }
    if (suffix == QLatin1String("pdf")) {
        if (!CPageRenderer::WritePdf(doc, page, line.exportFile, &reason)) {
            *error = QStringLiteral("cannot export %1: %2").arg(line.exportFile, reason);
            return 1;
        }
        return 0;
    }
    if (suffix == QLatin1String("ps") || suffix == QLatin1String("eps")) {
        // Through the printing path, the page asked for.
        CPrinterExport exporter(doc);
        exporter.SetPages(line.page, line.page);
        if (!exporter.Export(
                line.exportFile,
                suffix == QLatin1String("ps") ? CPrinterExport::PostScript : CPrinterExport::Eps,
                &reason)) {
            *error =
                QStringLiteral("cannot export %1: %2").arg(line.exportFile, reason.simplified());
            return 1;
        }
        return 0;
    }
    if (suffix == QLatin1String("png") || suffix == QLatin1String("jpg") ||
        suffix == QLatin1String("jpeg") || suffix == QLatin1String("bmp")) {
        const QImage image = CPageRenderer::ToImage(doc, page, line.dpi);
        if (!CPageRenderer::WriteImage(image, line.exportFile, &reason)) {
            *error = QStringLiteral("cannot export %1: %2").arg(line.exportFile, reason);
            return 1;
        }
        return 0;
    }
    *error = QStringLiteral("cannot export %1: the format \".%2\" is not one this program writes")
                 .arg(line.exportFile, suffix);
    return 2;
}
