#pragma once
// Writes an image as a PNG file on several cores.
//
// The rows are filtered and compressed in pieces, each on its own thread, and the pieces
// joined into the one zlib stream a PNG holds: a piece ends on a byte boundary (a sync flush),
// so the file reads as if it had been compressed in one go. Compressing runs (zlib's
// run-length strategy) looks back one byte only, so a piece loses nothing by starting afresh.
// Pieces are taken a batch at a time, so a large image never needs all its filtered bytes in memory
// at once. An opaque image is written without its alpha channel; the resolution of the image goes
// into the file.

#include <QImage>
#include <QString>

class QIODevice;

class CPngWriter {
public:
    // Filtered bytes held at once, by default.
    static constexpr qsizetype kMostBatchBytes = qsizetype(64) * 1024 * 1024;

    // Writes `image` to `device` with zlib's `level` (1 fastest, 9 smallest) on at most
    // `threads` threads (0: every core), holding about `batchBytes` of filtered rows at once
    // (at least one piece); false with *error when the image is null, memory runs out or the
    // device refuses bytes.
    static bool Write(const QImage& image, QIODevice* device, QString* error, int level = 1,
                      int threads = 0, qsizetype batchBytes = kMostBatchBytes);
};
