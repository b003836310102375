// Where connectors attach to an instance, and where its text goes: the template's anchors and
// text area placed in the instance's rectangle.
#include <cmath>

#include "core/rect_geometry.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"

namespace {

constexpr int kStandardAnchors = 5;
constexpr int kNoDirection = 16;

// Exchanges two direction codes; others stay.
int Swap(int direction, int a, int b) {
    if (direction == a) {
        return b;
    }
    return direction == b ? a : direction;
}

// One quarter turn clockwise; "no direction" and unknown codes stay.
int TurnClockwise(int direction) {
    switch (direction) {
        case 1:
            return 2;
        case 2:
            return 4;
        case 4:
            return 8;
        case 8:
            return 1;
        default:
            return direction;
    }
}

}  // namespace

int CQarnAutoShape::GetAnchorCount() const {
    const CQarnAutoShapeTempl* templ = GetTemplate();
    if (templ == nullptr) {
        return CQarnComponent::GetAnchorCount();
    }
    return int(templ->GetAnchorPoints().size()) +
           (templ->HasStandardAnchors() ? kStandardAnchors : 0);
}

PointF CQarnAutoShape::GetAnchorPoint(int anchor) const {
    const CQarnAutoShapeTempl* templ = GetTemplate();
    if (templ == nullptr || (templ->HasStandardAnchors() && anchor <= kStandardAnchors)) {
        return CQarnComponent::GetAnchorPoint(anchor);
    }
    const int k = anchor - (templ->HasStandardAnchors() ? kStandardAnchors : 0);
    if (k < 1 || k > templ->GetAnchorPoints().size()) {
        // No such anchor: the centre, as for any number the component does not know.
        return CQarnComponent::GetAnchorPoint(kStandardAnchors);
    }
    PointF p = templ->Place(templ->GetAnchorPoints()[k - 1], GetRectF());
    TransformPoints(&p, 1);
    return p;
}

int CQarnAutoShape::GetAnchorDirection(int anchor) const {
    const CQarnAutoShapeTempl* templ = GetTemplate();
    if (templ == nullptr || (templ->HasStandardAnchors() && anchor <= kStandardAnchors)) {
        return CQarnComponent::GetAnchorDirection(anchor);
    }
    const int k = anchor - (templ->HasStandardAnchors() ? kStandardAnchors : 0);
    if (k < 1 || k > templ->GetAnchorDirections().size()) {
        return kNoDirection;
    }
    int direction = templ->GetAnchorDirections()[k - 1];
    // A frame sized past its opposite edge mirrors the symbol, and its anchors with it.
    const RectF r = GetRectF();
    if (r.Width < 0) {
        direction = Swap(direction, 2, 8);
    }
    if (r.Height < 0) {
        direction = Swap(direction, 1, 4);
    }
    if (GetHoriFlip()) {
        direction = Swap(direction, 2, 8);
    }
    if (GetVertFlip()) {
        direction = Swap(direction, 1, 4);
    }
    // Whole degrees taken into [0, 360), then one quarter turn per 90 degrees (from 45 on).
    double whole = std::fmod(std::trunc(double(GetRotateAngle())), 360.0);
    if (!std::isfinite(whole)) {
        whole = 0.0;
    } else if (whole < 0) {
        whole += 360.0;
    }
    const int turns = (int(whole) + 45) / 90;
    for (int i = 0; i < turns; ++i) {
        direction = TurnClockwise(direction);
    }
    return direction;
}

RectF CQarnAutoShape::GetTextPosition() const {
    const CQarnAutoShapeTempl* templ = GetTemplate();
    if (templ == nullptr) {
        return CQarnComponent::GetTextPosition();
    }
    RectF text = templ->Place(templ->GetTextPosition(), GetRectF());
    Qarn::NormalizeRectF(text);
    return text;
}
