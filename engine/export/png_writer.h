#pragma once
// Writes an image as a PNG file on several cores.
//
// The rows are filtered and compressed in pieces, each on its own thread, and the pieces
// joined into the one zlib stream a PNG holds: a piece ends on a byte boundary (a sync flush)
// and starts from the previous piece's last 32 KiB as its dictionary, so the file reads as if
// it had been compressed in one go, at nearly the same size. An opaque image is written
// without its alpha channel; the resolution of the image goes into the file.

#include <QImage>
#include <QString>

class QIODevice;

class CPngWriter {
public:
    // Writes `image` to `device` with zlib's `level` (1 fastest, 9 smallest) on at most
    // `threads` threads (0: every core); false with *error when the image is null or the
    // device refuses bytes.
    static bool Write(const QImage& image, QIODevice* device, QString* error, int level = 1,
                      int threads = 0);
};
