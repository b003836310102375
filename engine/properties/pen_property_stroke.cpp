// Turning a pen property into pens and stroking paths with them.
#include <memory>

#include "core/configuration.h"

#include "platform/brush.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/kept_form.h"
#include "platform/pen.h"
#include "platform/prepared_stroke.h"
#include "platform/solid_brush.h"
#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/pen_property.h"

namespace {

// The dash cap that matches a line cap: round and triangle exist for dashes, the rest is flat.
DashCap DashCapFor(BYTE lineCap) {
    switch (lineCap) {
        case LineCapRound:
            return DashCapRound;
        case LineCapTriangle:
            return DashCapTriangle;
        default:
            return DashCapFlat;
    }
}

}  // namespace

Pen* CQarnPenProperty::CreatePen(const Color& color) {
    auto* pen = new Pen(color, lineWidth_, UnitWorld);
    pen->SetDashStyle(DashStyle(dashStyle_));
    pen->SetDashCap(DashCap(dashCap_));
    pen->SetAlignment(PenAlignment(alignment_));
    pen->SetLineJoin(LineJoin(lineJoin_));
    pen->SetMiterLimit(float(miterLimit_));
    return pen;
}

Pen* CQarnPenProperty::CreatePen(RectF, unsigned long, int) {
    auto* pen = new Pen(GetColor1(), lineWidth_, UnitWorld);
    pen->SetDashStyle(DashStyle(dashStyle_));
    pen->SetLineCap(LineCap(lineCap_), LineCap(lineCap_), DashCapFor(lineCap_));
    pen->SetAlignment(PenAlignment(alignment_));
    pen->SetLineJoin(LineJoin(lineJoin_));
    pen->SetMiterLimit(float(miterLimit_));
    return pen;
}

Brush* CQarnPenProperty::CreateBrush(RectF* rect, unsigned long mode, int brightness) {
    if (brush_ == nullptr) {
        return nullptr;
    }
    return brush_->CreateBrush(rect != nullptr ? *rect : RectF(), nullptr, int(mode), brightness);
}

std::vector<std::unique_ptr<Pen>> CQarnPenProperty::CreateLineStylePens(const Pen& base) const {
    std::vector<std::unique_ptr<Pen>> pens;
    pens.emplace_back(base.Clone());
    const float w = lineWidth_;
    auto extra = [&](const Color& color, float width) {
        auto pen = std::make_unique<Pen>(color, width, UnitWorld);
        pen->SetLineJoin(LineJoin(lineJoin_));
        pen->SetMiterLimit(float(miterLimit_));
        pens.push_back(std::move(pen));
    };
    const Color white(Color::White);
    switch (lineStyle_) {
        case 1:
            extra(white, w / 3.0f);
            break;
        case 2:
            extra(white, w * 0.5f);
            break;
        case 3:
            extra(white, w * 2.0f / 3.0f);
            extra(GetColor1(), w / 6.0f);
            break;
        case 4:
            extra(white, w * 2.0f / 3.0f);
            extra(GetColor1(), w / 3.0f);
            break;
        default:
            break;
    }
    return pens;
}

void CQarnPenProperty::DrawPath(Graphics* graphics, GraphicsPath* path, RectF& bounds,
                                CQarnArrowProperty* arrows, int brightness, unsigned long mode,
                                CQarnBasicBrushProperty* paint,
                                const KeptForm<PreparedStroke>* kept) {
    if (graphics == nullptr || path == nullptr) {
        return;
    }
    std::unique_ptr<Pen> base(CreatePen(bounds, mode, brightness));
    if (arrows != nullptr) {
        arrows->SetArrowAnchors(base.get(), 0);
    }
    std::vector<std::unique_ptr<Pen>> pens = CreateLineStylePens(*base);
    // The base pen's stroke, made once for the path and the pen's geometry.
    std::shared_ptr<const PreparedStroke> stroke;
    if (kept != nullptr) {
        const float pixelsPerUnit = graphics->PixelsPerUnit();
        const auto fits = [&](const PreparedStroke& form) {
            return form.IsFor(*path, *base) && form.Covers(pixelsPerUnit);
        };
        // A drawing made once (an export) strokes directly unless a stroke is kept already.
        stroke = graphics->DrawsOnce() ? kept->Find(fits) : kept->Get(fits, [&] {
            return std::make_shared<const PreparedStroke>(*path, *base, pixelsPerUnit);
        });
    }
    const auto draw = [&](size_t i) {
        if (i == 0 && stroke != nullptr) {
            graphics->DrawPath(pens[i].get(), *stroke);
        } else {
            graphics->DrawPath(pens[i].get(), path);
        }
    };

    RectF paintRect = bounds;
    const float grow = alignment_ == PenAlignmentCenter ? lineWidth_ / 2.0f : 1.0f;
    paintRect.Inflate(grow, grow);
    CQarnBasicBrushProperty* source = paint != nullptr ? paint : brush_;
    std::unique_ptr<Brush> brush(
        source != nullptr ? source->CreateBrush(paintRect, path, int(mode), brightness) : nullptr);
    // In the compatible look a path-gradient stroke shows its outer colour where it leaves the
    // ellipse of the paint rectangle.
    const bool outerFirst =
        brush && brush->GetType() == BrushTypePathGradient && Qarn::GetSVGCompatibility() >= 1100;

    for (size_t i = 0; i < pens.size(); ++i) {
        // The white line of a compound style stays white; the others carry the paint.
        const bool white = i == 1;
        if (!brush || white) {
            draw(i);
            continue;
        }
        if (outerFirst) {
            GraphicsPath ellipse;
            ellipse.AddEllipse(paintRect);
            const Color outer = source->GetToCenter() ? source->GetColor1() : source->GetColor2();
            const SolidBrush outerBrush(outer);
            const GraphicsState state = graphics->Save();
            graphics->SetClip(&ellipse, CombineModeExclude);
            pens[i]->SetBrush(&outerBrush);
            draw(i);
            graphics->Restore(state);
        }
        pens[i]->SetBrush(brush.get());
        draw(i);
    }
}
