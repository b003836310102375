#include "view/paint_bounds.h"

#include <cmath>
#include <cstring>

#include "core/component.h"
#include "core/conversions.h"
#include "core/label_facet.h"
#include "core/rect_geometry.h"
#include "core/shadow_facet.h"
#include "platform/line_join.h"
#include "platform/matrix.h"
#include "platform/runtime_class.h"
#include "properties/pen_property.h"
#include "properties/text_property.h"

namespace Qarn {

namespace {

// Kinds whose bounds are the component's own computation (no override).
bool HasBaseBounds(const CQarnComponent* c) {
    const char* name = c->GetRuntimeClass()->m_lpszClassName;
    return std::strcmp(name, "CQarnRect") == 0 || std::strcmp(name, "CQarnArcPie") == 0 ||
           std::strcmp(name, "CQarnPoly") == 0;
}

bool ShowsArrowHeads(const CQarnComponent* c) {
    return !c->IsClosed() &&
           (c->GetStartArrow() != ArrowTypeNone || c->GetEndArrow() != ArrowTypeNone);
}

CRect Covering(const RectF& r) {
    return CRect(int(std::floor(r.X)), int(std::floor(r.Y)), int(std::ceil(r.X + r.Width)),
                 int(std::ceil(r.Y + r.Height)));
}

RectF CornersUnder(const RectF& r, const Matrix& m) {
    PointF corners[4] = {
        {r.X, r.Y}, {r.X + r.Width, r.Y}, {r.X + r.Width, r.Y + r.Height}, {r.X, r.Y + r.Height}};
    m.TransformPoints(corners, 4);
    return GetBoundRect(corners, 4);
}

// Where the component paints, its text aside.
CRect OwnPaintBounds(CQarnComponent* c) {
    if (!HasBaseBounds(c) || ShowsArrowHeads(c)) {
        return c->GetBoundCache();
    }
    // The document's bounds without the room for arrow heads.
    CRect bound = c->GetRect();
    bound.NormalizeRect();
    const float width = c->GetLineWidth();
    const int pen = int(width);
    bound.InflateRect(pen, pen);
    const CQarnPenProperty* property = c->GetPenProperty();
    const BYTE join = property != nullptr ? property->GetLineJoin() : BYTE(LineJoinBevel);
    if (width > 2.0f && join != LineJoinBevel && join != LineJoinRound) {
        const int miter = int(double(width) * 3.0);
        bound.InflateRect(miter, miter);
    }
    Matrix m;
    const bool turned = c->NeedTransform();
    if (turned) {
        c->GetTransformMatrix(m);
        bound = Covering(CornersUnder(
            RectF(float(bound.left), float(bound.top), float(bound.Width()), float(bound.Height())),
            m));
    }
    if (CQarnShadowFacet* shadow = c->GetShadowFacet()) {
        const RectF placed = shadow->GetBoundRect(c->GetRectF());
        CRect shadowBound = turned ? Covering(CornersUnder(placed, m)) : cast(placed);
        shadowBound.NormalizeRect();
        shadowBound.InflateRect(2, 2);
        bound.UnionRect(bound, shadowBound);
    }
    if (CQarnLabelFacet* label = c->GetLabelFacet()) {
        CRect labelBound = label->GetBoundRect();
        labelBound.NormalizeRect();
        bound.UnionRect(bound, labelBound);
    }
    return bound;
}

// A text drawn without clipping may leave its component: the box of its lines, turned with the
// component, and its shadow's copy where the shadow shows through an unfilled shape.
void AddTextSpill(CQarnComponent* c, CRect& bound) {
    const auto* text = dynamic_cast<const CQarnTextProperty*>(c->GetTextFacet());
    if (text == nullptr || !c->GetDrawText() ||
        (text->GetStringFormat() & CQarnTextProperty::NoClip) == 0) {
        return;
    }
    const RectF frame = c->GetTextPosition();
    RectF box = text->GetBoundRect(nullptr, frame);
    // Glyphs reach a little beyond the boxes of their lines (slanted letters, accents).
    constexpr float kUnitsPerPoint = 100.0f / 72.0f;
    const float overhang = text->GetFontSize() * kUnitsPerPoint * 0.5f + 2.0f;
    box.Inflate(overhang, overhang);
    Matrix world;
    if (c->NeedTransform()) {
        c->GetTransformMatrix(world);
    }
    const auto add = [&](const RectF& r) {
        CRect covered = Covering(CornersUnder(r, world));
        covered.NormalizeRect();
        bound.UnionRect(bound, covered);
    };
    add(box);
    if (CQarnShadowFacet* shadow = c->GetShadowFacet(); shadow != nullptr && !c->GetFill()) {
        Matrix placed;
        shadow->GetTransformMatrix(placed, c->GetRectF());
        add(CornersUnder(box, placed));
    }
}

}  // namespace

CRect PaintBounds(CQarnComponent* c) {
    CRect bound = OwnPaintBounds(c);
    AddTextSpill(c, bound);
    return bound;
}

}  // namespace Qarn
