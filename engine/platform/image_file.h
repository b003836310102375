#pragma once
// Pictures named by documents. A picture is a regular file (never a FIFO or device) of at most
// kMaxBytes that decodes as an image; its name and extension prove nothing. The decoders' own
// complaints about a damaged picture stay off the terminal; the answer says what was wrong.

#include <QByteArray>
#include <QImage>
#include <QString>

class ImageFile {
public:
    // Larger picture files are refused before they are decoded.
    static constexpr qint64 kMaxBytes = qint64(256) << 20;

    // The picture at `path`, decoded; false with one line in *error when it is not an image.
    // `bytes`, when given, receives the file's bytes (as read for the decoding).
    static bool Load(const QString& path, QImage* image, QString* error,
                     QByteArray* bytes = nullptr);
    // The bytes decoded as an image; a null image when they are not one.
    static QImage Decode(const QByteArray& bytes);
};
