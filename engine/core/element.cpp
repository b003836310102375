#include "core/element.h"

#include "core/rect_geometry.h"
#include "platform/graphics.h"
#include "platform/prepared_path.h"
#include "platform/prepared_stroke.h"
#include "properties/basic_brush_property.h"
#include "properties/pen_property.h"

CQarnElement::CQarnElement() = default;
CQarnElement::~CQarnElement() = default;

void CQarnElement::SetRectF(const RectF& rect) {
    if (rect_.X != rect.X || rect_.Y != rect.Y || rect_.Width != rect.Width ||
        rect_.Height != rect.Height) {
        rect_ = rect;
    }
}

void CQarnElement::PrepareForDrawing() {
    if (brush_ != nullptr) {
        brush_->PrepareForDrawing();
    }
    if (pen_ != nullptr && pen_->GetBrush() != nullptr) {
        pen_->GetBrush()->PrepareForDrawing();
    }
}

void CQarnElement::Draw(Graphics* graphics, DWORD /*state*/, BYTE mode) {
    if (graphics == nullptr || path_.IsEmpty()) {
        return;
    }
    RectF bounds = rect_;
    Qarn::NormalizeRectF(bounds);
    const bool outlineOnly = mode == kOutlineMode;
    if (!outlineOnly && HasFlag(kFill) && brush_ != nullptr) {
        // Readying a paint that is ready reads it only.
        brush_->PrepareForDrawing();
        // A drawing made once (an export) uses a kept form but keeps none of its own.
        const auto fits = [&](const PreparedPath& form) { return form.IsFor(path_); };
        const std::shared_ptr<const PreparedPath> fill =
            graphics->DrawsOnce()
                ? fillForm_.Find(fits)
                : fillForm_.Get(fits, [&] { return std::make_shared<const PreparedPath>(path_); });
        brush_->FillArea(graphics, path_, fill.get(), &bounds, shade_, 0);
    }
    if ((outlineOnly || HasFlag(kDrawLine)) && pen_ != nullptr) {
        // Arrow heads belong at the ends of open lines only.
        CQarnArrowProperty* arrows = HasFlag(kClosed) ? nullptr : arrow_;
        pen_->DrawPath(graphics, &path_, bounds, arrows, 100, 0, nullptr, &strokeForm_);
    }
}
