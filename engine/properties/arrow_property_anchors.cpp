// Arrow heads as custom caps of a pen.
#include <cmath>
#include <memory>
#include <vector>

#include "platform/custom_line_cap.h"
#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/pen.h"
#include "properties/arrow_property.h"

namespace {

void AddPolygon(GraphicsPath* outline, const std::vector<PointF>& uv) {
    outline->AddPolygon(uv.data(), int(uv.size()));
}

// The head at one end, or nothing for no head.
bool MakeCap(ArrowType type, BYTE size, std::unique_ptr<CustomLineCap>* cap) {
    GraphicsPath outline;
    const float inset = CQarnArrowProperty::HeadOutline(type, size, &outline);
    if (inset < 0.0f) {
        return false;
    }
    // Head units (u along the line, v across) turn into cap space, where y runs out of the end.
    Matrix turn;
    turn.Rotate(90.0f);
    outline.Transform(&turn);
    *cap = std::make_unique<CustomLineCap>(&outline, nullptr, LineCapFlat, 0.0f);
    (*cap)->SetBaseInset(inset);
    (*cap)->SetWidthScale(float(size));
    return true;
}

}  // namespace

float CQarnArrowProperty::HeadOutline(ArrowType type, BYTE size, GraphicsPath* outline) {
    if (outline == nullptr || type == ArrowTypeNone || size == 0) {
        return -1.0f;
    }
    // Half the line's width in head units: the back of a head is as wide as the line.
    const float h = 0.5f / float(size);
    const float root3 = std::sqrt(3.0f);
    const float side = 2.0f / root3;
    switch (type) {
        case ArrowTypeSquare:
            outline->AddRectangle(RectF(-2, -1, 2, 2));
            return 2.0f;
        case ArrowTypeRound:
            outline->AddEllipse(RectF(-2, -1, 2, 2));
            return 2.0f;
        case ArrowTypeDiamond:
            AddPolygon(outline, {{-3, h}, {-2, 1}, {0, 0}, {-2, -1}, {-3, -h}});
            return 3.0f;
        case ArrowTypeArrow:
            AddPolygon(outline, {{-2, -0.8f}, {0, 0}, {-2, 0.8f}});
            return 2.0f;
        case ArrowTypeOpen:
            AddPolygon(outline, {{-2, h},
                                 {-3 * root3 * h, h},
                                 {-2, side - 1.5f * h},
                                 {-2, side},
                                 {0, 0},
                                 {-2, -side},
                                 {-2, 1.5f * h - side},
                                 {-3 * root3 * h, -h},
                                 {-2, -h}});
            return 2.0f;
        case ArrowTypeNotched:
            AddPolygon(outline, {{-2, h}, {-3, 1}, {0, 0}, {-3, -1}, {-2, -h}});
            return 2.0f;
        case ArrowTypeBarbFirst:
            AddPolygon(outline, {{-2, -h}, {-2, h}, {-3, 1}, {0, -h}});
            return 2.0f;
        case ArrowTypeBarbSecond:
            AddPolygon(outline, {{-2, h}, {-2, -h}, {-3, -1}, {0, h}});
            return 2.0f;
        default:
            return -1.0f;
    }
}

void CQarnArrowProperty::SetArrowAnchors(Pen* pen, int ends) {
    if (pen == nullptr || ends < 0 || ends > 2) {
        return;
    }
    std::unique_ptr<CustomLineCap> cap;
    if ((ends == 0 || ends == 1) && MakeCap(startArrow_, startSize_, &cap)) {
        pen->SetCustomStartCap(cap.get());
    }
    if ((ends == 0 || ends == 2) && MakeCap(endArrow_, endSize_, &cap)) {
        pen->SetCustomEndCap(cap.get());
    }
}
