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

}  // namespace

CRect PaintBounds(CQarnComponent* c) {
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

}  // namespace Qarn
