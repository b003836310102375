#pragma once
// A path of the graphics layer: points with a type byte each (start, line, Bezier, and the
// close flag on the last point of a closed figure), grouped into figures, with a fill mode.
// Arcs, ellipses and cardinal curves are stored as cubic Beziers. Angles are in degrees,
// clockwise on screen (y grows downwards), measured from the positive x axis.

#include <vector>

#include "platform/fill_mode.h"
#include "platform/path_point_type.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"
#include "platform/status.h"
#include "platform/win_types.h"

class Matrix;
class Pen;
class QPainterPath;

class GraphicsPath {
public:
    explicit GraphicsPath(FillMode fillMode = FillModeAlternate);
    // Takes points and types as they are (the types are not checked).
    GraphicsPath(const PointF* points, const BYTE* types, int count,
                 FillMode fillMode = FillModeAlternate);
    // Figures and curves of a Qt path; a subpath that returns to its start is a closed figure.
    explicit GraphicsPath(const QPainterPath& path);

    GraphicsPath* Clone() const { return new GraphicsPath(*this); }

    Status Reset();
    FillMode GetFillMode() const { return fillMode_; }
    Status SetFillMode(FillMode mode);

    // Figures.
    // The next point added begins a new figure.
    Status StartFigure();
    // Marks the last point as closing its figure; the next point begins a new figure.
    Status CloseFigure();
    Status CloseAllFigures();

    // Open segments join the current figure with a line from its last point, unless the
    // figure has just been started or closed.
    Status AddLine(const PointF& from, const PointF& to);
    Status AddLine(float x1, float y1, float x2, float y2);
    Status AddLines(const PointF* points, int count);
    Status AddBezier(const PointF& p1, const PointF& c1, const PointF& c2, const PointF& p2);
    Status AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                     float y4);
    // 3k + 1 points: a start point and k triples of control, control, end point.
    Status AddBeziers(const PointF* points, int count);
    // An arc of the ellipse inscribed in the rectangle. A sweep beyond a full turn is
    // limited to one turn; the angles are those of rays from the ellipse's centre.
    Status AddArc(const RectF& rect, float startAngle, float sweepAngle);
    Status AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    // A cardinal spline through the points; tension 0 gives straight lines, 0.5 is the
    // default curve.
    Status AddCurve(const PointF* points, int count);
    Status AddCurve(const PointF* points, int count, float tension);
    // Only the segments from point `offset` on, the tangents taken from all points.
    Status AddCurve(const PointF* points, int count, int offset, int numberOfSegments,
                    float tension);

    // Closed figures, each a figure of its own.
    Status AddRectangle(const RectF& rect);
    Status AddRectangles(const RectF* rects, int count);
    // Starts at the rightmost point and runs clockwise.
    Status AddEllipse(const RectF& rect);
    Status AddEllipse(float x, float y, float width, float height);
    Status AddPolygon(const PointF* points, int count);
    // From the centre to the arc and back.
    Status AddPie(const RectF& rect, float startAngle, float sweepAngle);
    Status AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status AddClosedCurve(const PointF* points, int count);
    Status AddClosedCurve(const PointF* points, int count, float tension);
    // Appends the other path's figures; with `connect` its first figure continues the
    // current open figure.
    Status AddPath(const GraphicsPath* path, BOOL connect);

    // Geometry.
    Status Transform(const Matrix* matrix);
    // Replaces every Bezier by lines that stay within `flatness` of the curve. A path whose
    // curves would need more than kMaxFlattenedLines lines in all is flattened with the
    // coarser flatness that keeps it near that many, so no path costs more.
    static constexpr size_t kMaxFlattenedLines = size_t(1) << 20;
    Status Flatten(const Matrix* matrix = nullptr, float flatness = FlatnessDefault);
    // Replaces the path by the outline of its stroke with the pen (dashes, caps and joins
    // included), flattened; the result fills with the winding rule.
    Status Widen(const Pen* pen, const Matrix* matrix = nullptr, float flatness = FlatnessDefault);
    // The smallest rectangle holding the curves (not their control points); with a pen, the
    // whole stroke.
    Status GetBounds(RectF* bounds, const Matrix* matrix = nullptr, const Pen* pen = nullptr) const;

    // Hit tests: inside the interior under the fill mode (open figures count as closed), or
    // on the stroke that the pen would draw.
    BOOL IsVisible(const PointF& point) const;
    BOOL IsVisible(float x, float y) const { return IsVisible(PointF(x, y)); }
    BOOL IsOutlineVisible(const PointF& point, const Pen* pen) const;
    BOOL IsOutlineVisible(float x, float y, const Pen* pen) const {
        return IsOutlineVisible(PointF(x, y), pen);
    }

    // Point and type arrays.
    int GetPointCount() const { return int(points_.size()); }
    Status GetPathPoints(PointF* points, int count) const;
    Status GetPathTypes(BYTE* types, int count) const;
    Status GetLastPoint(PointF* point) const;
    const std::vector<PointF>& Points() const { return points_; }
    const std::vector<BYTE>& Types() const { return types_; }
    bool IsEmpty() const { return points_.empty(); }
    // True when every figure is closed (and there is at least one).
    bool AllFiguresClosed() const;
    // The same points (bit for bit), types and fill mode: what was made from one path serves
    // the other.
    bool SameAs(const GraphicsPath& other) const;

    QPainterPath ToQPainterPath() const;
    Status GetLastStatus() const { return lastStatus_; }

    // The stroke outline of a Qt path drawn with the pen.
    static QPainterPath StrokeOutline(const QPainterPath& path, const Pen& pen);

private:
    // The first point of an open segment: a new figure's start, or a line from the last
    // point (skipped when it repeats the last point).
    void AppendFirstPoint(const PointF& p);
    void AppendBeziers(const std::vector<PointF>& curve);
    void AppendArc(const RectF& rect, float startAngle, float sweepAngle);
    Status AppendCurve(const PointF* points, int count, int offset, int segments, float tension,
                       bool closed);
    Status Fail(Status status) const;
    // The lines flattening at that flatness would make.
    double FlattenedLines(float flatness) const;

    std::vector<PointF> points_;
    std::vector<BYTE> types_;
    FillMode fillMode_ = FillModeAlternate;
    bool newFigure_ = true;
    mutable Status lastStatus_ = Ok;
};
