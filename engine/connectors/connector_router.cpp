#include "connectors/connector_router.h"

#include <algorithm>
#include <cmath>

namespace Qarn {

namespace {

constexpr float kClearance = 30.0f;
constexpr int kUp = 1;
constexpr int kRight = 2;
constexpr int kDown = 4;
constexpr int kLeft = 8;
constexpr int kNone = 16;

struct Box {
    float left;
    float top;
    float right;
    float bottom;
};

Box BoxOf(const ConnectorEnd& end) {
    const PointF& p = end.point;
    return {p.X - end.toLeft, p.Y - end.toTop, p.X + end.toRight, p.Y + end.toBottom};
}

// A frame in which the leading end leaves to the right: a quarter-turn rotation, then
// optionally a mirror of y, so that every direction pair reduces to a few cases.
class LocalFrame {
public:
    explicit LocalFrame(int direction) : m_nDirection(direction) {}

    void SetMirror(bool on) { m_bMirror = on; }

    PointF Map(const PointF& p) const {
        PointF q = p;
        switch (m_nDirection) {
            case kLeft:
                q = PointF(-p.X, -p.Y);
                break;
            case kUp:
                q = PointF(-p.Y, p.X);
                break;
            case kDown:
                q = PointF(p.Y, -p.X);
                break;
            default:
                break;
        }
        if (m_bMirror) {
            q.Y = -q.Y;
        }
        return q;
    }

    PointF Unmap(const PointF& local) const {
        PointF q = local;
        if (m_bMirror) {
            q.Y = -q.Y;
        }
        switch (m_nDirection) {
            case kLeft:
                return PointF(-q.X, -q.Y);
            case kUp:
                return PointF(q.Y, -q.X);
            case kDown:
                return PointF(-q.Y, q.X);
            default:
                return q;
        }
    }

    Box Map(const Box& b) const {
        const PointF a = Map(PointF(b.left, b.top));
        const PointF c = Map(PointF(b.right, b.bottom));
        return {std::min(a.X, c.X), std::min(a.Y, c.Y), std::max(a.X, c.X), std::max(a.Y, c.Y)};
    }

    int MapDirection(int direction) const {
        PointF v;
        switch (direction) {
            case kUp:
                v = PointF(0, -1);
                break;
            case kRight:
                v = PointF(1, 0);
                break;
            case kDown:
                v = PointF(0, 1);
                break;
            case kLeft:
                v = PointF(-1, 0);
                break;
            default:
                return kNone;
        }
        // Directions turn like points about the origin.
        const PointF m = Map(v);
        if (m.X > 0.5f) {
            return kRight;
        }
        if (m.X < -0.5f) {
            return kLeft;
        }
        return m.Y < 0 ? kUp : kDown;
    }

private:
    int m_nDirection;
    bool m_bMirror = false;
};

bool Same(float a, float b) {
    return std::fabs(a - b) < 0.0001f;
}

// Drops repeated points and points in the middle of a straight run; the ends stay, and so
// does a point where the route turns back on itself.
std::vector<PointF> Simplified(const std::vector<PointF>& route) {
    std::vector<PointF> out;
    for (const PointF& p : route) {
        if (!out.empty() && Same(out.back().X, p.X) && Same(out.back().Y, p.Y)) {
            continue;
        }
        out.push_back(p);
        while (out.size() >= 3) {
            const PointF& a = out[out.size() - 3];
            const PointF& b = out[out.size() - 2];
            // Straight on through b; a run that turns back at b keeps b.
            const bool onward = (b.X - a.X) * (p.X - b.X) >= 0 && (b.Y - a.Y) * (p.Y - b.Y) >= 0;
            const bool straight = onward && ((Same(a.X, b.X) && Same(b.X, p.X)) ||
                                             (Same(a.Y, b.Y) && Same(b.Y, p.Y)));
            if (!straight) {
                break;
            }
            out.erase(out.end() - 2);
        }
    }
    if (out.size() == 1) {
        out.push_back(out.front());
    }
    return out;
}

// From an end leaving to the right (local frame) to a point that imposes no direction.
std::vector<PointF> FromOneAnchor(const PointF& c, const Box& box, const PointF& f) {
    const float leave = box.right;
    if (leave <= f.X) {
        if (std::fabs(c.Y - f.Y) <= std::fabs(leave - f.X)) {
            const float m = (leave + f.X) / 2;
            return {c, PointF(m, c.Y), PointF(m, f.Y), f};
        }
        return {c, PointF(f.X, c.Y), f};
    }
    // Behind the leaving edge: out, past the shape on the point's side, then across.
    const float x = leave + kClearance;
    const float y = f.Y <= c.Y ? box.top - kClearance : box.bottom + kClearance;
    return {c, PointF(x, c.Y), PointF(x, y), PointF(f.X, y), f};
}

// The level of a horizontal leg between two boxes, or around both above them.
float LevelBetween(const Box& a, const Box& b) {
    if (a.bottom < b.top) {
        return (a.bottom + b.top) / 2;
    }
    if (b.bottom < a.top) {
        return (b.bottom + a.top) / 2;
    }
    return std::min(a.top, b.top) - kClearance;
}

// The end enters against a leftward anchor (its anchor faces left).
std::vector<PointF> IntoLeftFacing(const PointF& s, const Box& sb, const PointF& e, const Box& eb) {
    const float leaveS = sb.right;
    const float leaveE = eb.left;
    if (leaveS < leaveE) {
        const float m = (leaveS + leaveE) / 2;
        return {s, PointF(m, s.Y), PointF(m, e.Y), e};
    }
    const float xs = leaveS + kClearance;
    const float xe = leaveE - kClearance;
    const float y = LevelBetween(sb, eb);
    return {s, PointF(xs, s.Y), PointF(xs, y), PointF(xe, y), PointF(xe, e.Y), e};
}

// Both anchors face right.
std::vector<PointF> IntoRightFacing(const PointF& s, const Box& sb, const PointF& e,
                                    const Box& eb) {
    const float leaveS = sb.right;
    const float leaveE = eb.right;
    // The end's shape stands in the way of the start's leg.
    if (eb.left > leaveS && s.Y >= eb.top && s.Y <= eb.bottom) {
        const float m = (leaveS + eb.left) / 2;
        const float y =
            (s.Y - eb.top <= eb.bottom - s.Y) ? eb.top - kClearance : eb.bottom + kClearance;
        const float x = leaveE + kClearance;
        return {s, PointF(m, s.Y), PointF(m, y), PointF(x, y), PointF(x, e.Y), e};
    }
    // The start's shape stands in the way of the leg coming back to the end.
    if (sb.left > leaveE && e.Y >= sb.top && e.Y <= sb.bottom) {
        const float xs = leaveS + kClearance;
        const float m = (leaveE + sb.left) / 2;
        const float y =
            (e.Y - sb.top <= sb.bottom - e.Y) ? sb.top - kClearance : sb.bottom + kClearance;
        return {s, PointF(xs, s.Y), PointF(xs, y), PointF(m, y), PointF(m, e.Y), e};
    }
    const float x = std::max(leaveS, leaveE) + kClearance;
    return {s, PointF(x, s.Y), PointF(x, e.Y), e};
}

// The end's anchor faces up: the route comes down onto it.
std::vector<PointF> IntoUpFacing(const PointF& s, const Box& sb, const PointF& e, const Box& eb) {
    const float leaveS = sb.right;
    if (leaveS <= e.X && s.Y <= eb.top) {
        return {s, PointF(e.X, s.Y), e};
    }
    if (s.Y <= eb.top && sb.bottom < eb.top) {
        // Below the start's shape but behind its leaving edge: through the gap between.
        const float x = leaveS + kClearance;
        const float y = (sb.bottom + eb.top) / 2;
        return {s, PointF(x, s.Y), PointF(x, y), PointF(e.X, y), e};
    }
    if (leaveS < eb.left) {
        const float x = (leaveS + eb.left) / 2;
        const float y = eb.top - kClearance;
        return {s, PointF(x, s.Y), PointF(x, y), PointF(e.X, y), e};
    }
    const float x = std::max(leaveS, eb.right) + kClearance;
    const float y = std::min(eb.top, sb.top) - kClearance;
    return {s, PointF(x, s.Y), PointF(x, y), PointF(e.X, y), e};
}

std::vector<PointF> BothAnchored(const ConnectorEnd& start, const ConnectorEnd& end) {
    LocalFrame frame(start.direction);
    int into = frame.MapDirection(end.direction);
    if (into == kDown) {
        frame.SetMirror(true);
        into = kUp;
    }
    const PointF s = frame.Map(start.point);
    const PointF e = frame.Map(end.point);
    const Box sb = frame.Map(BoxOf(start));
    const Box eb = frame.Map(BoxOf(end));
    std::vector<PointF> local;
    switch (into) {
        case kLeft:
            local = IntoLeftFacing(s, sb, e, eb);
            break;
        case kRight:
            local = IntoRightFacing(s, sb, e, eb);
            break;
        case kUp:
            local = IntoUpFacing(s, sb, e, eb);
            break;
        default:
            local = FromOneAnchor(s, sb, e);
            break;
    }
    for (PointF& p : local) {
        p = frame.Unmap(p);
    }
    return local;
}

std::vector<PointF> OneAnchored(const ConnectorEnd& anchored, const PointF& other) {
    const LocalFrame frame(anchored.direction);
    std::vector<PointF> local =
        FromOneAnchor(frame.Map(anchored.point), frame.Map(BoxOf(anchored)), frame.Map(other));
    for (PointF& p : local) {
        p = frame.Unmap(p);
    }
    return local;
}

}  // namespace

std::vector<PointF> RouteFreeConnector(const PointF& s, const PointF& e) {
    if (std::fabs(s.X - e.X) <= std::fabs(s.Y - e.Y)) {
        const float m = (s.Y + e.Y) / 2;
        return {s, PointF(s.X, m), PointF(e.X, m), e};
    }
    const float m = (s.X + e.X) / 2;
    return {s, PointF(m, s.Y), PointF(m, e.Y), e};
}

std::vector<PointF> RouteConnector(const ConnectorEnd& start, const ConnectorEnd& end) {
    if (!start.connected && !end.connected) {
        return RouteFreeConnector(start.point, end.point);
    }
    std::vector<PointF> route;
    if (start.Anchored() && end.Anchored()) {
        route = BothAnchored(start, end);
    } else if (start.Anchored()) {
        route = OneAnchored(start, end.point);
    } else if (end.Anchored()) {
        route = OneAnchored(end, start.point);
        std::reverse(route.begin(), route.end());
    } else {
        // Neither end imposes a direction: one bend.
        route = {start.point, PointF(end.point.X, start.point.Y), end.point};
    }
    return Simplified(route);
}

}  // namespace Qarn
