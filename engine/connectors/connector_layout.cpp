// The route of a connector and its outline: plain legs, a curve, or legs with round corners;
// ends drawn from their shape's outline when connect-to-edge is on.
#include <algorithm>
#include <cmath>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "connectors/connector_router.h"
#include "core/conversions.h"
#include "core/element.h"
#include "core/rect_geometry.h"
#include "platform/graphics_path.h"

namespace {

Qarn::ConnectorEnd EndOf(const CQarnConnection* c, const PointF& point) {
    Qarn::ConnectorEnd end;
    end.point = point;
    if (c == nullptr || c->GetComponent() == nullptr) {
        return end;
    }
    end.connected = true;
    const int anchor = c->GetAnchor();
    if (anchor == 0) {
        return end;
    }
    const CQarnComponent* shape = c->GetComponent();
    end.direction = shape->GetAnchorDirection(anchor);
    end.toTop = shape->GetAnchorToBoundDistance(anchor, 1);
    end.toRight = shape->GetAnchorToBoundDistance(anchor, 2);
    end.toBottom = shape->GetAnchorToBoundDistance(anchor, 4);
    end.toLeft = shape->GetAnchorToBoundDistance(anchor, 8);
    return end;
}

// The direction of an axis-aligned leg in degrees as arcs count them (0 right, 90 down), or
// -1 when the leg is slanted or has no length.
float LegAngle(const PointF& from, const PointF& to) {
    if (from.Y == to.Y && from.X != to.X) {
        return to.X > from.X ? 0.0f : 180.0f;
    }
    if (from.X == to.X && from.Y != to.Y) {
        return to.Y > from.Y ? 90.0f : 270.0f;
    }
    return -1.0f;
}

float HalfLongerSide(const PointF& a, const PointF& b) {
    return std::max(std::fabs(a.X - b.X), std::fabs(a.Y - b.Y)) / 2;
}

PointF Toward(const PointF& from, const PointF& to, float distance) {
    const float dx = to.X > from.X ? 1.0f : (to.X < from.X ? -1.0f : 0.0f);
    const float dy = to.Y > from.Y ? 1.0f : (to.Y < from.Y ? -1.0f : 0.0f);
    return PointF(from.X + dx * distance, from.Y + dy * distance);
}

}  // namespace

void CQarnConnector::SetRoute(const std::vector<PointF>& route) {
    // Points come and go in the middle, so that connections resting on this connector's ends
    // keep their numbers.
    while (GetPointCount() < int(route.size())) {
        AddPointAt(2, route.front());
        OnAddPoint(2);
    }
    while (GetPointCount() > int(route.size()) && GetPointCount() > 2) {
        RemovePointAt(2);
        OnDeletePoint(2);
    }
    for (size_t i = 0; i < route.size(); ++i) {
        SetPoint(int(i) + 1, route[i], 0);
    }
}

void CQarnConnector::AutoLayout() {
    const int n = GetPointCount();
    if (n < 2) {
        return;
    }
    const PointF start = GetPoint(1, 1);
    const PointF end = GetPoint(n, 1);
    // The route is laid out as it shows: nothing turns or mirrors it afterwards.
    SetRotateAngle(0.0f);
    SetHoriFlip(false);
    SetVertFlip(false);
    if (m_nConnectorType == TypeDirect) {
        SetRoute({start, end});
    } else {
        SetRoute(Qarn::RouteConnector(EndOf(m_pStart, start), EndOf(m_pEnd, end)));
    }
    RecalcBounds(0);
    UpdateRotateCenter();
    ResetPath();
}

std::vector<PointF> CQarnConnector::RoutePoints() const {
    std::vector<PointF> points(GetPointArray(), GetPointArray() + GetPointCount());
    if (m_nToEdge != 0 && points.size() >= 2) {
        for (bool start : {true, false}) {
            const CQarnConnection* c = start ? m_pStart : m_pEnd;
            if (c == nullptr || c->GetComponent() == nullptr) {
                continue;
            }
            const size_t at = start ? 0 : points.size() - 1;
            const size_t next = start ? 1 : points.size() - 2;
            PointF ends[2] = {points[at], points[next]};
            TransformPoints(ends, 2);
            // From the end, inside or on the shape, out along the leg to where it leaves.
            const POINT edge = c->GetComponent()->GetIntersectPoint(
                POINT{LONG(std::lround(ends[0].X)), LONG(std::lround(ends[0].Y))},
                POINT{LONG(std::lround(ends[1].X)), LONG(std::lround(ends[1].Y))});
            PointF p = Qarn::cast(edge);
            AntiTransformPoints(&p, 1);
            points[at] = p;
        }
    }
    if (GetIntegerPoint() != 0) {
        for (PointF& q : points) {
            q = PointF(std::floor(q.X + 0.5f), std::floor(q.Y + 0.5f));
        }
    }
    return points;
}

void CQarnConnector::AddRoundCornerOutline(GraphicsPath& path, const std::vector<PointF>& p) const {
    PointF from = p.front();
    for (size_t k = 1; k + 1 < p.size(); ++k) {
        const PointF& corner = p[k];
        const float in = LegAngle(p[k - 1], corner);
        const float out = LegAngle(corner, p[k + 1]);
        const float radius = std::min({HalfLongerSide(p[k - 1], corner),
                                       HalfLongerSide(corner, p[k + 1]), GetCornerRadius()});
        const bool turns = in >= 0 && out >= 0 && std::fmod(std::fabs(in - out), 180.0f) == 90.0f;
        if (!turns || radius <= 0) {
            path.AddLine(from, corner);
            from = corner;
            continue;
        }
        const PointF arcStart = Toward(corner, p[k - 1], radius);
        const PointF arcEnd = Toward(corner, p[k + 1], radius);
        // The circle touches both legs; the arc runs from where the incoming leg stops.
        const PointF centre(arcStart.X + arcEnd.X - corner.X, arcStart.Y + arcEnd.Y - corner.Y);
        const float startAngle = std::fmod(out + 180.0f, 360.0f);
        float sweep = in - startAngle;
        while (sweep > 180.0f) {
            sweep -= 360.0f;
        }
        while (sweep < -180.0f) {
            sweep += 360.0f;
        }
        path.AddLine(from, arcStart);
        path.AddArc(centre.X - radius, centre.Y - radius, 2 * radius, 2 * radius, startAngle,
                    sweep);
        from = arcEnd;
    }
    path.AddLine(from, p.back());
}

BOOL CQarnConnector::CreateElements(RectF* rect) {
    ClearElements();
    if (GetPointCount() < 2) {
        return FALSE;
    }
    // One empty element of the component, not the poly's: the route is drawn below, not the
    // stored points.
    CQarnComponent::CreateElements(rect);  // NOLINT(bugprone-parent-virtual-call)
    GraphicsPath* path = GetElement(0)->GetPath();
    const std::vector<PointF> points = RoutePoints();
    if (m_nConnectorType == TypeRoundCorner) {
        AddRoundCornerOutline(*path, points);
    } else if (GetJoinKind() == JoinCurve && points.size() >= 3) {
        path->AddCurve(points.data(), int(points.size()), GetTension());
    } else {
        path->AddLines(points.data(), int(points.size()));
    }
    if (rect != nullptr) {
        // The outline the connector would have in that rectangle, without moving it.
        std::vector<PointF> mapped = path->Points();
        Qarn::TransformPoints(mapped.data(), int(mapped.size()), GetRectF(), *rect);
        const std::vector<BYTE> types = path->Types();
        *path = GraphicsPath(mapped.data(), types.data(), int(mapped.size()), path->GetFillMode());
    }
    return TRUE;
}
