#pragma once
// A picture as paint: the picture (or a part of it) repeated as the wrap mode says, placed by
// the brush transform in the coordinates being drawn in. A clamped picture is painted once.

#include <QImage>

#include "platform/brush.h"
#include "platform/matrix.h"
#include "platform/rect_f.h"
#include "platform/wrap_mode.h"

class ImageAttributes;

class TextureBrush : public Brush {
public:
    // The part `source` of the picture, its colours changed by the attributes when given.
    TextureBrush(const QImage* image, const RectF& source,
                 const ImageAttributes* attributes = nullptr);
    TextureBrush(const QImage* image, WrapMode wrapMode = WrapModeTile);

    Brush* Clone() const override { return new TextureBrush(*this); }
    QBrush ToQBrush() const override;
    bool PaintsItself() const override { return wrap_ == WrapModeClamp; }
    void PaintArea(QPainter* painter, const QPainterPath& area) const override;

    // The picture as it paints (after the part is cut and the attributes applied).
    const QImage& GetImage() const { return texture_; }
    Status SetWrapMode(WrapMode mode);
    WrapMode GetWrapMode() const { return wrap_; }
    Status SetTransform(const Matrix* matrix);
    Matrix GetTransform() const { return transform_; }
    Status ResetTransform();
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);

private:
    TextureBrush(const TextureBrush&) = default;
    // One period of the pattern: the picture with its mirror images for the flip modes.
    QImage Tile() const;

    QImage texture_;
    WrapMode wrap_ = WrapModeTile;
    Matrix transform_;
};
