#pragma once
// How far two renderings of the same page differ, for comparing our drawing with an outside
// renderer's: edges are anti-aliased differently, so a thin band along every outline may
// differ while the pages still agree.

#include <QImage>

struct ImageDifference {
    // The share of pixels whose largest channel difference exceeds the threshold.
    double share = 1.0;
    // The mean difference over all channels (0-255).
    double mean = 255.0;

    // The tolerance the SVG export is held to: at most 3% of the page differs strongly (by
    // more than 96 of 255) and the mean difference stays below 3 of 255.
    static constexpr int kStrongThreshold = 96;
    bool WithinSvgTolerance() const { return share < 0.03 && mean < 3.0; }
};

// Images of different sizes differ entirely.
ImageDifference CompareImages(const QImage& a, const QImage& b, int threshold);
