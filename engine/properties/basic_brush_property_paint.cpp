// Turning a plain colour paint into brushes.
#include <algorithm>
#include <memory>

#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/solid_brush.h"
#include "properties/basic_brush_property.h"

Color CQarnBasicBrushProperty::ModeColor(const Color& color, int mode) {
    switch (mode) {
        case 1:
            return Color(0xFF808080u);
        case 2:
            return Color(0xFFFF0000u);
        case 3:
            return Color(0x80000000u);
        case 4:
            return Color(color.GetA(), BYTE(255 - color.GetR()), BYTE(255 - color.GetG()),
                         BYTE(255 - color.GetB()));
        default:
            return color;
    }
}

Color CQarnBasicBrushProperty::Brighten(const Color& color, int brightness) {
    if (brightness == 100) {
        return color;
    }
    const int percent = std::clamp(brightness, 0, 100);
    auto scale = [percent](BYTE channel) { return BYTE(int(channel) * percent / 100); };
    return Color(color.GetA(), scale(color.GetR()), scale(color.GetG()), scale(color.GetB()));
}

Brush* CQarnBasicBrushProperty::CreateBrush(RectF, GraphicsPath*, int mode, int brightness) {
    return new SolidBrush(Brighten(ModeColor(GetColor1(), mode), brightness));
}

void CQarnBasicBrushProperty::FillPath(Graphics* graphics, GraphicsPath* path, RectF* rect,
                                       int brightness, int mode) {
    if (graphics == nullptr || path == nullptr) {
        return;
    }
    std::unique_ptr<Brush> brush(
        CreateBrush(rect != nullptr ? *rect : RectF(), path, mode, brightness));
    if (brush) {
        graphics->FillPath(brush.get(), path);
    }
}
