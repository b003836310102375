#include "core/value_archive.h"

#include "core/drawing_limits.h"

namespace Qarn {

CArchive& operator<<(CArchive& ar, const RectF& r) {
    return ar << r.X << r.Y << r.Width << r.Height;
}

// Every frame and point a file holds enters the model here, within the coordinate bounds.
CArchive& operator>>(CArchive& ar, RectF& r) {
    RectF read;
    ar >> read.X >> read.Y >> read.Width >> read.Height;
    r = SaneRect(read);
    return ar;
}

CArchive& operator<<(CArchive& ar, const PointF& p) {
    return ar << p.X << p.Y;
}

CArchive& operator>>(CArchive& ar, PointF& p) {
    PointF read;
    ar >> read.X >> read.Y;
    p = SanePoint(read);
    return ar;
}

CArchive& operator<<(CArchive& ar, const Color& c) {
    return ar << c.GetA() << c.GetR() << c.GetG() << c.GetB();
}

CArchive& operator>>(CArchive& ar, Color& c) {
    BYTE a = 0;
    BYTE r = 0;
    BYTE g = 0;
    BYTE b = 0;
    ar >> a >> r >> g >> b;
    c = Color(a, r, g, b);
    return ar;
}

}  // namespace Qarn
