#include "platform/custom_line_cap.h"

#include <cmath>

CustomLineCap::CustomLineCap(const GraphicsPath* fillPath, const GraphicsPath* strokePath,
                             LineCap baseCap, float baseInset)
    : baseCap_(baseCap), baseInset_(std::isfinite(baseInset) ? baseInset : 0.0f) {
    if (fillPath != nullptr) {
        fill_ = *fillPath;
    }
    if (strokePath != nullptr) {
        stroke_ = *strokePath;
    }
    if (fillPath == nullptr && strokePath == nullptr) {
        lastStatus_ = InvalidParameter;
    }
}

Status CustomLineCap::SetBaseCap(LineCap cap) {
    baseCap_ = cap;
    return lastStatus_ = Ok;
}

Status CustomLineCap::SetBaseInset(float inset) {
    if (!std::isfinite(inset)) {
        return lastStatus_ = InvalidParameter;
    }
    baseInset_ = inset;
    return lastStatus_ = Ok;
}

Status CustomLineCap::SetWidthScale(float scale) {
    if (!std::isfinite(scale)) {
        return lastStatus_ = InvalidParameter;
    }
    widthScale_ = scale;
    return lastStatus_ = Ok;
}

bool CustomLineCap::SameAs(const CustomLineCap& other) const {
    return fill_.SameAs(other.fill_) && stroke_.SameAs(other.stroke_) &&
           baseCap_ == other.baseCap_ && baseInset_ == other.baseInset_ &&
           widthScale_ == other.widthScale_;
}
