#include "view/hit_shape.h"

#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/component.h"
#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/runtime_class.h"

namespace {

// Beyond the allowance, the pixel's corner (0.71), the flattening and rounding of the exact
// test: a distance this far past the allowance is surely off the stroke, and this far within it
// surely on it.
constexpr double kMargin = 1.0;

double DistanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    double t = length2 > 0.0 ? QPointF::dotProduct(p - a, ab) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = a + ab * t;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

}  // namespace

bool CQarnHitShape::Applies(const CQarnComponent* component) {
    const char* name = component->GetRuntimeClass()->m_lpszClassName;
    return std::strcmp(name, "CQarnRect") == 0 || std::strcmp(name, "CQarnArcPie") == 0;
}

CQarnHitShape CQarnHitShape::Make(CQarnComponent* component, const CRect& indexed) {
    CQarnHitShape shape;
    shape.m_Box = QRectF(indexed.left, indexed.top, indexed.Width(), indexed.Height());
    const GraphicsPath* outline = component->GetPath();
    if (outline == nullptr || outline->IsEmpty()) {
        return shape;  // not exact: every point in the box is "unsure"
    }
    shape.m_fAllowance = std::max(1.0f, std::trunc(component->GetLineWidth()));
    shape.m_bInside = component->GetFill() || component->IsClosed();
    Matrix m;
    component->GetTransformMatrix(m);
    RectF bounds;
    outline->GetBounds(&bounds, &m);
    const double grow = shape.m_fAllowance + kMargin;
    shape.m_Box =
        QRectF(bounds.X, bounds.Y, bounds.Width, bounds.Height).adjusted(-grow, -grow, grow, grow);
    QPainterPath path = outline->ToQPainterPath();
    path.setFillRule(component->GetFillWinding() ? Qt::WindingFill : Qt::OddEvenFill);
    shape.m_Outline = path.toSubpathPolygons();
    shape.m_Fill = path;
    shape.m_bExact = outline->GetFillMode() ==
                     (component->GetFillWinding() ? FillModeWinding : FillModeAlternate);
    return shape;
}

CQarnHitShape::Answer CQarnHitShape::Test(CQarnComponent* component, const CPoint& point) const {
    if (!m_Box.intersects(QRectF(point.x, point.y, 1, 1))) {
        return No;
    }
    if (!m_bExact) {
        return Unsure;
    }
    // The pixel's centre, in the unturned frame (turning and flipping keep distances).
    PointF centre(float(point.x) + 0.5f, float(point.y) + 0.5f);
    component->AntiTransformPoints(&centre, 1);
    const QPointF c(centre.X, centre.Y);
    // The stroke follows the outline; the fill is bounded by the outline and, for an open
    // figure, by the edge that closes it.
    double stroke = std::numeric_limits<double>::max();
    double edge = stroke;
    for (const QPolygonF& figure : m_Outline) {
        for (qsizetype i = 1; i < figure.size(); ++i) {
            stroke = std::min(stroke, DistanceToSegment(c, figure[i - 1], figure[i]));
        }
        if (figure.size() == 1) {
            stroke = std::min(stroke, std::hypot(c.x() - figure[0].x(), c.y() - figure[0].y()));
        }
        if (figure.size() > 2) {
            edge = std::min(edge, DistanceToSegment(c, figure.last(), figure.first()));
        }
    }
    edge = std::min(edge, stroke);
    if (stroke <= m_fAllowance - kMargin) {
        return Yes;
    }
    if (m_bInside) {
        if (edge <= kMargin) {
            return Unsure;  // at the fill's edge the exact test decides
        }
        if (m_Fill.contains(c)) {
            return Yes;
        }
    }
    return stroke > m_fAllowance + kMargin ? No : Unsure;
}
