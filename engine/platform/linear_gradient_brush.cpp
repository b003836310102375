#include "platform/linear_gradient_brush.h"

#include <QBrush>
#include <QLinearGradient>
#include <QTransform>

#include "platform/gradient_colors.h"

LinearGradientBrush::LinearGradientBrush(const RectF& rect, const Color& color1,
                                         const Color& color2, LinearGradientMode mode)
    : Brush(BrushTypeLinearGradient), rect_(rect), color1_(color1), color2_(color2), mode_(mode) {
    if (mode < LinearGradientModeHorizontal || mode > LinearGradientModeBackwardDiagonal) {
        mode_ = LinearGradientModeHorizontal;
        lastStatus_ = InvalidParameter;
    } else if (rect.Width == 0.0f || rect.Height == 0.0f) {
        lastStatus_ = InvalidParameter;
    }
}

Status LinearGradientBrush::GetRectangle(RectF* rect) const {
    if (rect == nullptr) {
        return InvalidParameter;
    }
    *rect = rect_;
    return Ok;
}

Status LinearGradientBrush::GetLinearColors(Color* colors) const {
    if (colors == nullptr) {
        return InvalidParameter;
    }
    colors[0] = color1_;
    colors[1] = color2_;
    return Ok;
}

Status LinearGradientBrush::SetLinearColors(const Color& color1, const Color& color2) {
    color1_ = color1;
    color2_ = color2;
    return lastStatus_ = Ok;
}

Status LinearGradientBrush::SetGammaCorrection(BOOL on) {
    gamma_ = on ? TRUE : FALSE;
    return lastStatus_ = Ok;
}

Status LinearGradientBrush::SetWrapMode(WrapMode mode) {
    if (mode < WrapModeTile || mode > WrapModeClamp) {
        return lastStatus_ = InvalidParameter;
    }
    wrap_ = mode;
    return lastStatus_ = Ok;
}

QBrush LinearGradientBrush::ToQBrush() const {
    // The gradient runs over the unit square, which the brush transform stretches onto the
    // rectangle; a diagonal there keeps its lines of equal colour through the other corners.
    QPointF start(0, 0);
    QPointF end(1, 0);
    switch (mode_) {
        case LinearGradientModeVertical:
            end = QPointF(0, 1);
            break;
        case LinearGradientModeForwardDiagonal:
            end = QPointF(1, 1);
            break;
        case LinearGradientModeBackwardDiagonal:
            start = QPointF(1, 0);
            end = QPointF(0, 1);
            break;
        default:
            break;
    }
    QLinearGradient gradient(start, end);
    gradient.setStops(GradientColors::Stops(color1_, color2_, gamma_ != FALSE));
    switch (wrap_) {
        case WrapModeTile:
            gradient.setSpread(QGradient::RepeatSpread);
            break;
        case WrapModeClamp:
            gradient.setSpread(QGradient::PadSpread);
            break;
        default:
            gradient.setSpread(QGradient::ReflectSpread);
            break;
    }
    QBrush brush(gradient);
    const qreal width = rect_.Width != 0.0f ? rect_.Width : 1.0f;
    const qreal height = rect_.Height != 0.0f ? rect_.Height : 1.0f;
    brush.setTransform(QTransform(width, 0, 0, height, rect_.X, rect_.Y));
    return brush;
}
