#include "platform/image_file.h"

#include <QBuffer>
#include <QImageReader>

#include "platform/qt_warning_mute.h"
#include "platform/regular_file.h"
#include "platform/standard_error_mute.h"

QImage ImageFile::Decode(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return QImage();
    }
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) {
        return QImage();
    }
    const QtWarningMute mute;
    const StandardErrorMute quiet;
    // The format is told by the bytes, not by a name.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

bool ImageFile::Load(const QString& path, QImage* image, QString* error, QByteArray* bytes) {
    QByteArray content;
    if (!RegularFile::Read(path, kMaxBytes, &content, error)) {
        return false;
    }
    QImage decoded = Decode(content);
    if (decoded.isNull()) {
        if (error != nullptr) {
            *error = QStringLiteral("%1 is not a picture this program can read").arg(path);
        }
        return false;
    }
    if (image != nullptr) {
        *image = std::move(decoded);
    }
    if (bytes != nullptr) {
        *bytes = std::move(content);
    }
    return true;
}
