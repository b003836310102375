#include "export/page_renderer.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "core/canvas.h"
#include "core/doc.h"
#include "export/image_opacity.h"
#include "export/parallel_page_painter.h"
#include "export/png_writer.h"
#include "platform/graphics.h"
#include "platform/qt_warning_mute.h"
#include "platform/safe_save_file.h"
#include "platform/standard_error_mute.h"

namespace {

constexpr double kUnitsPerInch = 100.0;

}  // namespace

QImage CPageRenderer::ToImage(const CQarnDoc& doc, CQarnCanvas* canvas, int dpi, int threads) {
    if (canvas == nullptr || dpi < 1) {
        return QImage();
    }
    const double scale = dpi / kUnitsPerInch;
    const qint64 width = qint64(std::ceil(canvas->GetWidth() * scale));
    const qint64 height = qint64(std::ceil(canvas->GetHeight() * scale));
    if (width < 1 || height < 1 || width * height > kMaxPixels) {
        return QImage();
    }
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(dpi / 0.0254));
    image.setDotsPerMeterY(int(dpi / 0.0254));
    CParallelPagePainter(doc, canvas, scale, threads).Paint(&image);
    return image;
}

bool CPageRenderer::WriteImage(const QImage& image, const QString& path, QString* error) {
    if (image.isNull()) {
        *error = QStringLiteral("the page is too large for an image at that resolution");
        return false;
    }
    SafeSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    bool written = false;
    QString writerReason;
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (format == "png") {
        // Compressed on every core, at zlib's fastest level.
        written = CPngWriter::Write(image, &file, &writerReason);
    } else {
        // The image plug-ins report a failed write on the terminal themselves; the failure
        // is reported once, with the system's reason that the file kept.
        const QtWarningMute mute;
        const StandardErrorMute quiet;
        QImageWriter writer(&file, format);
        // A page is opaque: without an alpha channel the file holds the same colours.
        written = writer.write(Qarn::IsOpaque(image) ? image.convertToFormat(QImage::Format_RGB32)
                                                     : image);
        writerReason = writer.errorString();
    }
    if (!written || file.HasFailed()) {
        *error = file.HasFailed() ? file.errorString() : writerReason;
        file.Discard();
        return false;
    }
    if (!file.Commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool CPageRenderer::WritePdf(const CQarnDoc& doc, CQarnCanvas* canvas, const QString& path,
                             QString* error) {
    if (canvas == nullptr) {
        *error = QStringLiteral("no page to write");
        return false;
    }
    SafeSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        // The PDF writer ignores failed writes; the file notices them and refuses to commit.
        QPdfWriter pdf(&file);
        const QSizeF inches(canvas->GetWidth() / kUnitsPerInch,
                            canvas->GetHeight() / kUnitsPerInch);
        pdf.setPageSize(QPageSize(inches, QPageSize::Inch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(1200);
        pdf.setCreator(QStringLiteral("Inkvane"));
        QPainter painter(&pdf);
        if (!painter.isActive()) {
            *error =
                file.HasFailed() ? file.errorString() : QStringLiteral("cannot start the PDF page");
            return false;
        }
        painter.scale(1200 / kUnitsPerInch, 1200 / kUnitsPerInch);
        {
            Graphics graphics(&painter);
            graphics.SetDrawsOnce(true);
            doc.Draw(&graphics, CRect(0, 0, canvas->GetWidth(), canvas->GetHeight()), canvas, 0);
        }
        painter.end();
    }
    if (!file.Commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
