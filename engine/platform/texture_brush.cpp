#include "platform/texture_brush.h"

#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "platform/image_attributes.h"

TextureBrush::TextureBrush(const QImage* image, const RectF& source,
                           const ImageAttributes* attributes)
    : Brush(BrushTypeTextureFill) {
    if (image == nullptr || image->isNull()) {
        lastStatus_ = InvalidParameter;
        return;
    }
    // The part is cut in whole pixels and kept inside the picture.
    const QRect wanted(int(std::floor(source.X)), int(std::floor(source.Y)),
                       int(std::lround(source.Width)), int(std::lround(source.Height)));
    const QRect part = wanted.intersected(image->rect());
    if (part.isEmpty()) {
        lastStatus_ = InvalidParameter;
        return;
    }
    QImage cut = image->copy(part).convertToFormat(QImage::Format_ARGB32);
    texture_ = attributes != nullptr ? attributes->Apply(cut) : cut;
}

TextureBrush::TextureBrush(const QImage* image, WrapMode wrapMode)
    : TextureBrush(image, image != nullptr
                              ? RectF(0, 0, float(image->width()), float(image->height()))
                              : RectF()) {
    // A failure to take the picture stays the brush's status.
    if (wrapMode >= WrapModeTile && wrapMode <= WrapModeClamp) {
        wrap_ = wrapMode;
    } else if (lastStatus_ == Ok) {
        lastStatus_ = InvalidParameter;
    }
}

Status TextureBrush::SetWrapMode(WrapMode mode) {
    if (mode < WrapModeTile || mode > WrapModeClamp) {
        return lastStatus_ = InvalidParameter;
    }
    wrap_ = mode;
    return lastStatus_ = Ok;
}

Status TextureBrush::SetTransform(const Matrix* matrix) {
    if (matrix == nullptr) {
        return lastStatus_ = InvalidParameter;
    }
    transform_ = *matrix;
    return lastStatus_ = Ok;
}

Status TextureBrush::ResetTransform() {
    transform_.Reset();
    return lastStatus_ = Ok;
}

Status TextureBrush::TranslateTransform(float dx, float dy, MatrixOrder order) {
    return lastStatus_ = transform_.Translate(dx, dy, order);
}

Status TextureBrush::ScaleTransform(float sx, float sy, MatrixOrder order) {
    return lastStatus_ = transform_.Scale(sx, sy, order);
}

QImage TextureBrush::Tile() const {
    const bool flipX = wrap_ == WrapModeTileFlipX || wrap_ == WrapModeTileFlipXY;
    const bool flipY = wrap_ == WrapModeTileFlipY || wrap_ == WrapModeTileFlipXY;
    if (texture_.isNull() || (!flipX && !flipY)) {
        return texture_;
    }
    const int w = texture_.width();
    const int h = texture_.height();
    QImage tile(flipX ? 2 * w : w, flipY ? 2 * h : h, QImage::Format_ARGB32);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, texture_);
    if (flipX) {
        painter.drawImage(w, 0, texture_.mirrored(true, false));
    }
    if (flipY) {
        painter.drawImage(0, h, texture_.mirrored(false, true));
    }
    if (flipX && flipY) {
        painter.drawImage(w, h, texture_.mirrored(true, true));
    }
    return tile;
}

QBrush TextureBrush::ToQBrush() const {
    if (texture_.isNull()) {
        return QBrush();
    }
    QBrush brush(Tile());
    brush.setTransform(transform_.ToQTransform());
    return brush;
}

void TextureBrush::PaintArea(QPainter* painter, const QPainterPath& area) const {
    if (painter == nullptr || texture_.isNull()) {
        return;
    }
    painter->save();
    painter->setClipPath(area, Qt::IntersectClip);
    painter->setTransform(transform_.ToQTransform(), true);
    painter->drawImage(QPointF(0, 0), texture_);
    painter->restore();
}
