#pragma once
// An area of the plane in floating-point coordinates: built from rectangles and paths and
// combined with the usual set operations. A new region is infinite (the whole plane).

#include <memory>

#include "platform/combine_mode.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"
#include "platform/status.h"
#include "platform/win_types.h"

class GraphicsPath;
class Matrix;
class QPainterPath;
class QRegion;

class Region {
public:
    // The plane stands in for infinity with this square, as large as any drawing can be.
    static constexpr float kInfiniteExtent = 4194304.0f;

    Region();
    explicit Region(const RectF& rect);
    explicit Region(const Rect& rect);
    // The interior of the path under its fill mode.
    explicit Region(const GraphicsPath* path);
    explicit Region(const QPainterPath& path);
    Region(const Region& other);
    Region& operator=(const Region& other);
    ~Region();

    Region* Clone() const { return new Region(*this); }

    Status MakeInfinite();
    Status MakeEmpty();

    Status Combine(const Region& other, CombineMode mode);
    Status Intersect(const RectF& rect) { return Combine(Region(rect), CombineModeIntersect); }
    Status Intersect(const GraphicsPath* path);
    Status Intersect(const Region* region);
    Status Union(const RectF& rect) { return Combine(Region(rect), CombineModeUnion); }
    Status Union(const GraphicsPath* path);
    Status Union(const Region* region);
    Status Xor(const RectF& rect) { return Combine(Region(rect), CombineModeXor); }
    Status Xor(const Region* region);
    Status Exclude(const RectF& rect) { return Combine(Region(rect), CombineModeExclude); }
    Status Exclude(const GraphicsPath* path);
    Status Exclude(const Region* region);
    Status Complement(const RectF& rect) { return Combine(Region(rect), CombineModeComplement); }
    Status Complement(const Region* region);

    Status Translate(float dx, float dy);
    // An infinite region stays infinite.
    Status Transform(const Matrix* matrix);

    BOOL IsVisible(const PointF& point) const;
    BOOL IsVisible(float x, float y) const { return IsVisible(PointF(x, y)); }
    // True when any part of the rectangle lies in the region.
    BOOL IsVisible(const RectF& rect) const;
    BOOL IsEmpty() const;
    BOOL IsInfinite() const { return infinite_ ? TRUE : FALSE; }
    Status GetBounds(RectF* bounds) const;

    // The area as a Qt path (the stand-in square for an infinite region).
    QPainterPath ToQPainterPath() const;
    // The whole pixels whose centres lie in the area.
    QRegion ToQRegion() const;

private:
    std::unique_ptr<QPainterPath> path_;
    bool infinite_ = true;
};
