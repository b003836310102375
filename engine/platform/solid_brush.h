#pragma once
// A brush of one colour.

#include "platform/brush.h"
#include "platform/color.h"

class SolidBrush : public Brush {
public:
    explicit SolidBrush(const Color& color) : Brush(BrushTypeSolidColor), color_(color) {}

    Brush* Clone() const override { return new SolidBrush(*this); }
    QBrush ToQBrush() const override;

    Color GetColor() const { return color_; }
    Status SetColor(const Color& color);

private:
    SolidBrush(const SolidBrush&) = default;

    Color color_;
};
