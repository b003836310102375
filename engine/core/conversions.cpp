#include "core/conversions.h"

#include <cmath>
#include <iterator>

namespace Qarn {

namespace {

constexpr float kPointTolerance = 0.0001f;

// The picker order of the arrow kinds.
constexpr ArrowType kArrowByIndex[] = {
    ArrowTypeNone,  ArrowTypeArrow,  ArrowTypeOpen,      ArrowTypeNotched,    ArrowTypeDiamond,
    ArrowTypeRound, ArrowTypeSquare, ArrowTypeBarbFirst, ArrowTypeBarbSecond,
};

int Truncate(float v) {
    return TruncateToInt(v);
}

}  // namespace

int TruncateToInt(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    const double t = std::trunc(v);
    if (t > kMaxCoordinate) {
        return kMaxCoordinate;
    }
    if (t < -kMaxCoordinate) {
        return -kMaxCoordinate;
    }
    return int(t);
}

CPoint cast(const PointF& p) {
    return CPoint(Truncate(p.X), Truncate(p.Y));
}

PointF cast(const POINT& p) {
    return PointF(float(p.x), float(p.y));
}

RectF cast(const CRect& r) {
    return RectF(float(r.left), float(r.top), float(r.right - r.left), float(r.bottom - r.top));
}

CRect cast(const RectF& r) {
    return CRect(Truncate(r.X), Truncate(r.Y), Truncate(r.X + r.Width), Truncate(r.Y + r.Height));
}

bool operator==(const PointF& a, const PointF& b) {
    return std::fabs(a.X - b.X) < kPointTolerance && std::fabs(a.Y - b.Y) < kPointTolerance;
}

bool operator!=(const PointF& a, const PointF& b) {
    return !(a == b);
}

bool operator==(const RectF& a, const RectF& b) {
    return a.Equals(b);
}

bool operator!=(const RectF& a, const RectF& b) {
    return !a.Equals(b);
}

bool operator==(const Color& a, const Color& b) {
    return a.GetValue() == b.GetValue();
}

bool operator!=(const Color& a, const Color& b) {
    return a.GetValue() != b.GetValue();
}

DWORD ColorToDWORD(const Color& c) {
    return c.GetValue();
}

Color DWORDToColor(const DWORD& d) {
    return Color(ARGB(d));
}

void SetA(Color& c, BYTE alpha) {
    c.SetValue((c.GetValue() & 0x00FFFFFFu) | (ARGB(alpha) << 24));
}

ArrowType Index2ArrowType(int index) {
    if (index < 0 || index >= int(std::size(kArrowByIndex))) {
        return ArrowTypeNone;
    }
    return kArrowByIndex[index];
}

int ArrowType2Index(ArrowType type) {
    for (int i = 0; i < int(std::size(kArrowByIndex)); ++i) {
        if (kArrowByIndex[i] == type) {
            return i;
        }
    }
    return 0;
}

void CopyMatrix(const Matrix& from, Matrix* to) {
    if (to == nullptr) {
        return;
    }
    float m[6];
    from.GetElements(m);
    to->SetElements(m[0], m[1], m[2], m[3], m[4], m[5]);
}

}  // namespace Qarn
