#pragma once
// An integer region of windows and device contexts: a set of whole units, built from
// rectangles and polygons, combined and tested. Right and bottom edges are outside.

#include <memory>

#include "platform/cpoint.h"
#include "platform/crect.h"
#include "platform/win_types.h"

class QRegion;

// Combination modes.
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// What a region operation produced.
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
// Polygon fill rules.
enum : int { ALTERNATE = 1, WINDING = 2 };

class CRgn {
public:
    CRgn();
    CRgn(const CRgn& other);
    CRgn& operator=(const CRgn& other);
    ~CRgn();

    // The rectangle between the two corners, in either order.
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(const RECT* rect);
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
    BOOL CreateFromQRegion(const QRegion& region);
    // This region := a combined with b (b is ignored by RGN_COPY); returns the result type.
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    int OffsetRgn(int dx, int dy);

    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(const POINT& point) const { return PtInRegion(point.x, point.y); }
    // True when any part of the rectangle lies in the region.
    BOOL RectInRegion(const RECT* rect) const;
    BOOL EqualRgn(const CRgn* other) const;
    // The bounding box; returns the region type.
    int GetRgnBox(RECT* box) const;
    // Whether one of the Create functions has made the region.
    bool IsCreated() const { return created_; }

    QRegion ToQRegion() const;

private:
    int Type() const;

    std::unique_ptr<QRegion> region_;
    bool created_ = false;
};
