#pragma once
// A page of a document as a raster image or a vector PDF, drawn through the same pipeline as
// the screen.

#include <QImage>
#include <QString>

class CQarnCanvas;
class CQarnDoc;

class CPageRenderer {
public:
    // The page at `dpi` pixels per inch (a document unit is 1/100 inch), drawn on `threads`
    // threads (0: every core) with the same pixels whatever their number. A page too large to
    // hold in memory at that resolution gives a null image. The document's components are
    // prepared for drawing (CQarnComponent::PrepareForDrawing) on the calling thread, which
    // must own the document.
    static QImage ToImage(const CQarnDoc& doc, CQarnCanvas* canvas, int dpi, int threads = 0);
    // Writes the image in the format of the file's extension; false with *error on failure.
    static bool WriteImage(const QImage& image, const QString& path, QString* error);
    // The page as one PDF page of the same size, in vectors.
    static bool WritePdf(const CQarnDoc& doc, CQarnCanvas* canvas, const QString& path,
                         QString* error);

    // Pixels of the largest image made (a limit on memory).
    static constexpr qint64 kMaxPixels = qint64(16384) * 16384;
};
