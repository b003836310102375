#pragma once
// Draws a page into an image on several cores, with the pixels of drawing it on one.
//
// The image is cut into bands of rows, one per thread, each holding about as many components.
// A thread draws the page's underlay and every component that meets its band, whole and in
// the document's order, on a surface as large as the page (the first thread on the image
// itself), and its band's rows are then copied into the image. Components are drawn whole and
// never clipped, because Qt starts thin lines and gradients where they enter a surface or a
// clip: a band cut out of the page would draw a shape crossing its edge a level off here and
// there. Everything drawing would write to is built first, on the calling thread
// (CQarnComponent::PrepareForDrawing), so the threads only read the document.

#include <QImage>
#include <vector>

class CQarnCanvas;
class CQarnComponent;
class CQarnDoc;

class CParallelPagePainter {
public:
    // The page drawn at `scale` device pixels per unit into `image`, on at most `threads`
    // threads (0: every core). Must be called on the thread that owns the document.
    CParallelPagePainter(const CQarnDoc& doc, CQarnCanvas* canvas, double scale, int threads);

    void Paint(QImage* image) const;

    // The threads a drawing uses on this machine when asked for 0.
    static int CoreCount();
    // Pixels of the extra surfaces the threads may hold at once; a larger page is drawn on
    // fewer threads.
    static constexpr qint64 kMaxScratchPixels = qint64(1) << 26;

private:
    struct Band {
        int top = 0;
        int bottom = 0;  // exclusive
        std::vector<CQarnComponent*> components;
    };
    struct Placed {
        CQarnComponent* component;
        int top;
        int bottom;  // inclusive rows of the device the component may paint
    };

    // Splits the rows among the threads so that each band meets about as many components.
    std::vector<Band> Bands(int height, int count) const;
    void PaintBand(QImage* target, const Band& band) const;

    const CQarnDoc& m_Doc;
    CQarnCanvas* m_pCanvas;
    double m_dScale;
    int m_nThreads;
    std::vector<Placed> m_Placed;  // in drawing order
};
