#pragma once
// A gradient from one colour to another across a rectangle: left to right, top to bottom, or
// from one corner to the opposite one (the lines of equal colour then run through the other
// two corners). Beyond the rectangle the gradient repeats as the wrap mode says.

#include "platform/brush.h"
#include "platform/color.h"
#include "platform/linear_gradient_mode.h"
#include "platform/rect_f.h"
#include "platform/win_types.h"
#include "platform/wrap_mode.h"

class LinearGradientBrush : public Brush {
public:
    LinearGradientBrush(const RectF& rect, const Color& color1, const Color& color2,
                        LinearGradientMode mode);

    Brush* Clone() const override { return new LinearGradientBrush(*this); }
    QBrush ToQBrush() const override;

    Status GetRectangle(RectF* rect) const;
    RectF GetRectangle() const { return rect_; }
    Status GetLinearColors(Color* colors) const;
    Status SetLinearColors(const Color& color1, const Color& color2);
    LinearGradientMode GetMode() const { return mode_; }
    // With gamma correction the colours blend in linear light, as the eye sees it.
    Status SetGammaCorrection(BOOL on);
    BOOL GetGammaCorrection() const { return gamma_; }
    Status SetWrapMode(WrapMode mode);
    WrapMode GetWrapMode() const { return wrap_; }

private:
    LinearGradientBrush(const LinearGradientBrush&) = default;

    RectF rect_;
    Color color1_;
    Color color2_;
    LinearGradientMode mode_;
    BOOL gamma_ = FALSE;
    WrapMode wrap_ = WrapModeTile;
};
