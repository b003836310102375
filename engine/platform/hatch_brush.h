#pragma once
// An 8x8 two-colour pattern fixed to the device: it starts at the rendering origin and keeps
// its pixel size whatever the world transform.

#include <array>

#include "platform/brush.h"
#include "platform/color.h"
#include "platform/hatch_style.h"

class HatchBrush : public Brush {
public:
    HatchBrush(HatchStyle style, const Color& foreColor,
               const Color& backColor = Color(Color::Black));

    Brush* Clone() const override { return new HatchBrush(*this); }
    QBrush ToQBrush() const override;
    bool IsDeviceAligned() const override { return true; }

    HatchStyle GetHatchStyle() const { return style_; }
    Status GetForegroundColor(Color* color) const;
    Status GetBackgroundColor(Color* color) const;
    Color GetForegroundColor() const { return fore_; }
    Color GetBackgroundColor() const { return back_; }

    // The rows of a pattern from the top; bit (1 << x) of a row is the foreground at column x.
    // A style outside the table answers the horizontal pattern.
    static std::array<unsigned char, 8> Pattern(int style);
    static bool IsForeground(int style, int x, int y);

private:
    HatchBrush(const HatchBrush&) = default;

    HatchStyle style_;
    Color fore_;
    Color back_;
};
