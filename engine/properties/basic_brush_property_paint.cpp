// Turning a plain colour paint into brushes.
#include <algorithm>
#include <memory>

#include "core/configuration.h"
#include "core/rect_geometry.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/solid_brush.h"
#include "properties/basic_brush_property.h"

namespace {

// The compatible look: path gradients over the ellipse of their rectangle, with the outer
// colour painted around it.
constexpr int kCompatibleLook = 1100;

}  // namespace

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

Brush* CQarnBasicBrushProperty::CreateBrush(RectF rect, GraphicsPath* path, int mode,
                                            int brightness) {
    PrepareForDrawing();
    return MakeBrush(rect, path, mode, brightness);
}

Brush* CQarnBasicBrushProperty::MakeBrush(RectF, const GraphicsPath*, int mode,
                                          int brightness) const {
    return new SolidBrush(Brighten(ModeColor(GetColor1(), mode), brightness));
}

void CQarnBasicBrushProperty::FillPath(Graphics* graphics, GraphicsPath* path, RectF* rect,
                                       int brightness, int mode) {
    if (graphics == nullptr || path == nullptr) {
        return;
    }
    PrepareForDrawing();
    FillArea(graphics, *path, nullptr, rect, brightness, mode);
}

void CQarnBasicBrushProperty::FillArea(Graphics* graphics, const GraphicsPath& path,
                                       const PreparedPath* prepared, const RectF* rect,
                                       int brightness, int mode) const {
    if (graphics == nullptr) {
        return;
    }
    RectF r;
    if (rect != nullptr) {
        r = *rect;
    } else {
        path.GetBounds(&r);
    }
    std::unique_ptr<Brush> brush(MakeBrush(r, &path, mode, brightness));
    if (!brush) {
        return;
    }
    const auto fill = [&](const Brush* with) {
        if (prepared != nullptr) {
            graphics->FillPath(with, *prepared);
        } else {
            graphics->FillPath(with, &path);
        }
    };
    if (brush->GetType() == BrushTypePathGradient &&
        Qarn::GetSVGCompatibility() == kCompatibleLook) {
        // In the compatible look a path gradient paints nothing outside the ellipse of its
        // rectangle; the outer colour fills that part. The caller's clip comes back afterwards.
        GraphicsPath ellipse;
        RectF round = r;
        Qarn::NormalizeRectF(round);
        ellipse.AddEllipse(round);
        const GraphicsState state = graphics->Save();
        graphics->SetClip(&ellipse, CombineModeExclude);
        const SolidBrush outer(GetToCenter() ? GetColor1() : GetColor2());
        fill(&outer);
        graphics->Restore(state);
    }
    fill(brush.get());
}
