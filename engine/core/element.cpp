#include "core/element.h"

#include "core/rect_geometry.h"
#include "properties/basic_brush_property.h"
#include "properties/pen_property.h"

void CQarnElement::Draw(Graphics* graphics, DWORD /*state*/, BYTE mode) {
    if (graphics == nullptr || path_.IsEmpty()) {
        return;
    }
    RectF bounds = rect_;
    Qarn::NormalizeRectF(bounds);
    const bool outlineOnly = mode == kOutlineMode;
    if (!outlineOnly && HasFlag(kFill) && brush_ != nullptr) {
        brush_->FillPath(graphics, &path_, &bounds, shade_, 0);
    }
    if ((outlineOnly || HasFlag(kDrawLine)) && pen_ != nullptr) {
        // Arrow heads belong at the ends of open lines only.
        CQarnArrowProperty* arrows = HasFlag(kClosed) ? nullptr : arrow_;
        pen_->DrawPath(graphics, &path_, bounds, arrows, 100, 0, nullptr);
    }
}
