// Turning a fill into brushes of each kind.
#include <QImage>
#include <memory>

#include "core/configuration.h"
#include "platform/color_matrix.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/hatch_brush.h"
#include "platform/image_attributes.h"
#include "platform/linear_gradient_brush.h"
#include "platform/path_gradient_brush.h"
#include "platform/solid_brush.h"
#include "platform/texture_brush.h"
#include "properties/brush_property.h"

namespace {

// The compatible look: path gradients over the ellipse of their rectangle, with the outer
// colour painted around it.
constexpr int kCompatibleLook = 1100;

RectF Normalised(RectF r) {
    if (r.Width < 0) {
        r.X += r.Width;
        r.Width = -r.Width;
    }
    if (r.Height < 0) {
        r.Y += r.Height;
        r.Height = -r.Height;
    }
    return r;
}

Brush* CreateTextureBrush(const QImage* image, const RectF& r, BYTE alpha, BYTE wrap,
                          bool stretch) {
    const float width = float(image->width());
    const float height = float(image->height());
    ImageAttributes attributes;
    if (alpha != 255) {
        ColorMatrix matrix = ColorMatrix::Identity();
        matrix.m[3][3] = alpha / 255.0f;
        attributes.SetColorMatrix(&matrix);
    }
    auto* brush = new TextureBrush(image, RectF(0, 0, width, height), &attributes);
    brush->SetWrapMode(wrap <= WrapModeClamp ? WrapMode(wrap) : WrapModeTile);
    brush->TranslateTransform(r.X, r.Y);
    if (wrap == WrapModeClamp && !stretch) {
        brush->TranslateTransform((r.Width - width) * 0.5f, (r.Height - height) * 0.5f);
    }
    if (stretch) {
        brush->ScaleTransform(r.Width / width, r.Height / height);
    }
    return brush;
}

}  // namespace

void CQarnBrushProperty::PrepareForDrawing() {
    if (brushType_ == Texture) {
        GetImage();
    }
}

Brush* CQarnBrushProperty::MakeBrush(RectF rect, const GraphicsPath* path, int mode,
                                     int brightness) const {
    if (brushType_ == Solid || mode == 1 || mode == 2 || mode == 3) {
        return CQarnBasicBrushProperty::MakeBrush(rect, path, mode, brightness);
    }
    Color color1 = GetColor1();
    Color color2 = GetColor2();
    if (mode == 4) {
        color1 = ModeColor(color1, 4);
        color2 = ModeColor(color2, 4);
    }
    color1 = Brighten(color1, brightness);
    color2 = Brighten(color2, brightness);
    const RectF r = Normalised(rect);
    const bool gamma = Qarn::GetGamma() != 0;

    switch (brushType_) {
        case Hatch:
            if (hatchOrMode_ > HatchStyleMax) {
                return nullptr;
            }
            return new HatchBrush(HatchStyle(hatchOrMode_), color1, color2);
        case Texture: {
            const QImage* image = image_.get();
            if (image == nullptr || image->width() <= 0 || image->height() <= 0) {
                return nullptr;
            }
            return CreateTextureBrush(image, r, color1.GetA(), wrapMode_, GetStretch());
        }
        case PathGradient: {
            std::unique_ptr<PathGradientBrush> brush;
            if (path != nullptr && !path->IsEmpty() &&
                Qarn::GetSVGCompatibility() != kCompatibleLook) {
                brush = std::make_unique<PathGradientBrush>(path);
            } else {
                GraphicsPath ellipse;
                ellipse.AddEllipse(r);
                brush = std::make_unique<PathGradientBrush>(&ellipse);
            }
            brush->SetCenterPoint(PointF(r.X + r.Width / 2, r.Y + r.Height / 2));
            Color inner = GetColor1();
            Color outer = GetColor2();
            if (GetToCenter()) {
                std::swap(inner, outer);
            }
            brush->SetCenterColor(inner);
            int count = 1;
            brush->SetSurroundColors(&outer, &count);
            brush->SetGammaCorrection(gamma);
            return brush.release();
        }
        case LinearGradient: {
            if (hatchOrMode_ > LinearGradientModeBackwardDiagonal) {
                return nullptr;
            }
            const RectF grown(r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2);
            auto* brush =
                new LinearGradientBrush(grown, color1, color2, LinearGradientMode(hatchOrMode_));
            brush->SetGammaCorrection(gamma);
            return brush;
        }
        default:
            return nullptr;
    }
}
