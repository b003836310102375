#include "platform/graphics_path.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool Finite(const PointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

bool AllFinite(const PointF* points, int count) {
    for (int i = 0; i < count; ++i) {
        if (!Finite(points[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

GraphicsPath::GraphicsPath(FillMode fillMode) : fillMode_(fillMode) {}

GraphicsPath::GraphicsPath(const PointF* points, const BYTE* types, int count, FillMode fillMode)
    : fillMode_(fillMode) {
    if (points == nullptr || types == nullptr || count <= 0) {
        lastStatus_ = count == 0 ? Ok : InvalidParameter;
        return;
    }
    points_.assign(points, points + count);
    types_.assign(types, types + count);
    newFigure_ = (types_.back() & PathPointTypeCloseSubpath) != 0;
}

Status GraphicsPath::Fail(Status status) const {
    // Only a change is written: threads drawing one path at once only read it.
    if (lastStatus_ != status) {
        lastStatus_ = status;
    }
    return status;
}

Status GraphicsPath::Reset() {
    points_.clear();
    types_.clear();
    fillMode_ = FillModeAlternate;
    newFigure_ = true;
    return Fail(Ok);
}

Status GraphicsPath::SetFillMode(FillMode mode) {
    if (mode != FillModeAlternate && mode != FillModeWinding) {
        return Fail(InvalidParameter);
    }
    if (fillMode_ != mode) {
        fillMode_ = mode;
    }
    return Fail(Ok);
}

Status GraphicsPath::StartFigure() {
    newFigure_ = true;
    return Fail(Ok);
}

Status GraphicsPath::CloseFigure() {
    if (!types_.empty()) {
        types_.back() |= PathPointTypeCloseSubpath;
    }
    newFigure_ = true;
    return Fail(Ok);
}

Status GraphicsPath::CloseAllFigures() {
    for (size_t i = 0; i < types_.size(); ++i) {
        bool lastOfFigure = i + 1 == types_.size() ||
                            (types_[i + 1] & PathPointTypePathTypeMask) == PathPointTypeStart;
        if (lastOfFigure) {
            types_[i] |= PathPointTypeCloseSubpath;
        }
    }
    newFigure_ = true;
    return Fail(Ok);
}

bool GraphicsPath::AllFiguresClosed() const {
    if (types_.empty()) {
        return false;
    }
    for (size_t i = 0; i < types_.size(); ++i) {
        bool lastOfFigure = i + 1 == types_.size() ||
                            (types_[i + 1] & PathPointTypePathTypeMask) == PathPointTypeStart;
        if (lastOfFigure && (types_[i] & PathPointTypeCloseSubpath) == 0) {
            return false;
        }
    }
    return true;
}

bool GraphicsPath::SameAs(const GraphicsPath& other) const {
    return fillMode_ == other.fillMode_ && points_.size() == other.points_.size() &&
           types_ == other.types_ &&
           (points_.empty() || std::memcmp(points_.data(), other.points_.data(),
                                           points_.size() * sizeof(PointF)) == 0);
}

void GraphicsPath::AppendFirstPoint(const PointF& p) {
    if (newFigure_ || points_.empty()) {
        points_.push_back(p);
        types_.push_back(PathPointTypeStart);
        newFigure_ = false;
        return;
    }
    if (points_.back().Equals(p)) {
        return;
    }
    points_.push_back(p);
    types_.push_back(PathPointTypeLine);
}

void GraphicsPath::AppendBeziers(const std::vector<PointF>& curve) {
    if (curve.empty()) {
        return;
    }
    AppendFirstPoint(curve.front());
    for (size_t i = 1; i < curve.size(); ++i) {
        points_.push_back(curve[i]);
        types_.push_back(PathPointTypeBezier);
    }
}

Status GraphicsPath::AddLine(const PointF& from, const PointF& to) {
    const PointF both[2] = {from, to};
    return AddLines(both, 2);
}

Status GraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
    return AddLine(PointF(x1, y1), PointF(x2, y2));
}

Status GraphicsPath::AddLines(const PointF* points, int count) {
    if (points == nullptr || count <= 0 || !AllFinite(points, count)) {
        return Fail(InvalidParameter);
    }
    AppendFirstPoint(points[0]);
    for (int i = 1; i < count; ++i) {
        points_.push_back(points[i]);
        types_.push_back(PathPointTypeLine);
    }
    return Fail(Ok);
}

Status GraphicsPath::AddBezier(const PointF& p1, const PointF& c1, const PointF& c2,
                               const PointF& p2) {
    const PointF all[4] = {p1, c1, c2, p2};
    return AddBeziers(all, 4);
}

Status GraphicsPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                               float y4) {
    return AddBezier(PointF(x1, y1), PointF(x2, y2), PointF(x3, y3), PointF(x4, y4));
}

Status GraphicsPath::AddBeziers(const PointF* points, int count) {
    if (points == nullptr || count < 4 || (count - 1) % 3 != 0 || !AllFinite(points, count)) {
        return Fail(InvalidParameter);
    }
    AppendBeziers(std::vector<PointF>(points, points + count));
    return Fail(Ok);
}

Status GraphicsPath::AddRectangle(const RectF& rect) {
    return AddRectangles(&rect, 1);
}

Status GraphicsPath::AddRectangles(const RectF* rects, int count) {
    if (rects == nullptr || count <= 0) {
        return Fail(InvalidParameter);
    }
    for (int i = 0; i < count; ++i) {
        const RectF& r = rects[i];
        const PointF corners[4] = {{r.X, r.Y},
                                   {r.X + r.Width, r.Y},
                                   {r.X + r.Width, r.Y + r.Height},
                                   {r.X, r.Y + r.Height}};
        if (!AllFinite(corners, 4)) {
            return Fail(InvalidParameter);
        }
        newFigure_ = true;
        AddLines(corners, 4);
        CloseFigure();
    }
    return Fail(Ok);
}

Status GraphicsPath::AddPolygon(const PointF* points, int count) {
    if (points == nullptr || count < 3 || !AllFinite(points, count)) {
        return Fail(InvalidParameter);
    }
    newFigure_ = true;
    AddLines(points, count);
    return CloseFigure();
}

Status GraphicsPath::AddPath(const GraphicsPath* path, BOOL connect) {
    if (path == nullptr) {
        return Fail(InvalidParameter);
    }
    if (path->points_.empty()) {
        return Fail(Ok);
    }
    // Copy first: the path may be this one.
    const std::vector<PointF> points = path->points_;
    const std::vector<BYTE> types = path->types_;
    const bool joinFirst = connect && !newFigure_ && !points_.empty();
    for (size_t i = 0; i < points.size(); ++i) {
        BYTE type = types[i];
        if (i == 0 && joinFirst) {
            if (points_.back().Equals(points[0])) {
                continue;
            }
            type = BYTE((type & ~PathPointTypePathTypeMask) | PathPointTypeLine);
        }
        points_.push_back(points[i]);
        types_.push_back(type);
    }
    newFigure_ = (types_.back() & PathPointTypeCloseSubpath) != 0;
    return Fail(Ok);
}

Status GraphicsPath::GetPathPoints(PointF* points, int count) const {
    if (points == nullptr || count < GetPointCount()) {
        return Fail(InsufficientBuffer);
    }
    std::copy(points_.begin(), points_.end(), points);
    return Fail(Ok);
}

Status GraphicsPath::GetPathTypes(BYTE* types, int count) const {
    if (types == nullptr || count < GetPointCount()) {
        return Fail(InsufficientBuffer);
    }
    std::copy(types_.begin(), types_.end(), types);
    return Fail(Ok);
}

Status GraphicsPath::GetLastPoint(PointF* point) const {
    if (point == nullptr || points_.empty()) {
        return Fail(InvalidParameter);
    }
    *point = points_.back();
    return Fail(Ok);
}
