#include "platform/rgn.h"

#include <QPolygon>
#include <QRegion>
#include <algorithm>
#include <cstdlib>

namespace {

QRect ToQRect(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QSize(std::abs(x2 - x1), std::abs(y2 - y1)));
}

}  // namespace

CRgn::CRgn() : region_(std::make_unique<QRegion>()) {}

CRgn::CRgn(const CRgn& other)
    : region_(std::make_unique<QRegion>(*other.region_)), created_(other.created_) {}

CRgn& CRgn::operator=(const CRgn& other) {
    if (this != &other) {
        *region_ = *other.region_;
        created_ = other.created_;
    }
    return *this;
}

CRgn::~CRgn() = default;

int CRgn::Type() const {
    if (!created_) {
        return RGN_ERROR;
    }
    if (region_->isEmpty()) {
        return NULLREGION;
    }
    return region_->rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
    *region_ = QRegion(ToQRect(x1, y1, x2, y2));
    created_ = true;
    return TRUE;
}

BOOL CRgn::CreateRectRgnIndirect(const RECT* rect) {
    if (rect == nullptr) {
        return FALSE;
    }
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (points == nullptr || count < 2 || (fillMode != ALTERNATE && fillMode != WINDING)) {
        return FALSE;
    }
    QPolygon polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i) {
        polygon << QPoint(points[i].x, points[i].y);
    }
    *region_ = QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    created_ = true;
    return TRUE;
}

BOOL CRgn::CreateFromQRegion(const QRegion& region) {
    *region_ = region;
    created_ = true;
    return TRUE;
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode) {
    if (a == nullptr || !a->created_ || (mode != RGN_COPY && (b == nullptr || !b->created_))) {
        return RGN_ERROR;
    }
    QRegion result;
    switch (mode) {
        case RGN_AND:
            result = *a->region_ & *b->region_;
            break;
        case RGN_OR:
            result = *a->region_ | *b->region_;
            break;
        case RGN_XOR:
            result = *a->region_ ^ *b->region_;
            break;
        case RGN_DIFF:
            result = *a->region_ - *b->region_;
            break;
        case RGN_COPY:
            result = *a->region_;
            break;
        default:
            return RGN_ERROR;
    }
    *region_ = result;
    created_ = true;
    return Type();
}

int CRgn::OffsetRgn(int dx, int dy) {
    region_->translate(dx, dy);
    return Type();
}

BOOL CRgn::PtInRegion(int x, int y) const {
    return region_->contains(QPoint(x, y)) ? TRUE : FALSE;
}

BOOL CRgn::RectInRegion(const RECT* rect) const {
    if (rect == nullptr) {
        return FALSE;
    }
    QRect r = ToQRect(rect->left, rect->top, rect->right, rect->bottom);
    return !r.isEmpty() && region_->intersects(r) ? TRUE : FALSE;
}

BOOL CRgn::EqualRgn(const CRgn* other) const {
    return other != nullptr && *region_ == *other->region_ ? TRUE : FALSE;
}

int CRgn::GetRgnBox(RECT* box) const {
    if (box == nullptr) {
        return RGN_ERROR;
    }
    QRect r = region_->boundingRect();
    if (r.isEmpty()) {
        *box = RECT{};
    } else {
        *box = RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    }
    return Type();
}

QRegion CRgn::ToQRegion() const {
    return *region_;
}
