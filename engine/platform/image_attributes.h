#pragma once
// How an image's colours change as it is drawn: here a colour matrix.

#include <optional>

#include "platform/color_matrix.h"
#include "platform/status.h"

class QImage;

class ImageAttributes {
public:
    ImageAttributes* Clone() const { return new ImageAttributes(*this); }

    Status SetColorMatrix(const ColorMatrix* matrix);
    Status ClearColorMatrix();
    bool HasColorMatrix() const { return matrix_.has_value(); }

    // The image with the colour matrix applied to every pixel (the image itself without one).
    QImage Apply(const QImage& image) const;

private:
    std::optional<ColorMatrix> matrix_;
};
