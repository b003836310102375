#include "platform/region.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRegion>
#include <QTransform>

#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/path_union.h"

namespace {

QPainterPath Plane() {
    QPainterPath plane;
    const qreal e = Region::kInfiniteExtent;
    plane.addRect(QRectF(-e, -e, 2 * e, 2 * e));
    return plane;
}

QPainterPath RectPath(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h).normalized());
    return path;
}

}  // namespace

Region::Region() : path_(std::make_unique<QPainterPath>()), infinite_(true) {}

Region::Region(const RectF& rect)
    : path_(std::make_unique<QPainterPath>(RectPath(rect.X, rect.Y, rect.Width, rect.Height))),
      infinite_(false) {}

Region::Region(const Rect& rect)
    : path_(std::make_unique<QPainterPath>(RectPath(rect.X, rect.Y, rect.Width, rect.Height))),
      infinite_(false) {}

Region::Region(const GraphicsPath* path)
    : path_(std::make_unique<QPainterPath>(path ? path->ToQPainterPath() : QPainterPath())),
      infinite_(false) {}

Region::Region(const QPainterPath& path)
    : path_(std::make_unique<QPainterPath>(path)), infinite_(false) {}

Region::Region(const Region& other)
    : path_(std::make_unique<QPainterPath>(*other.path_)), infinite_(other.infinite_) {}

Region& Region::operator=(const Region& other) {
    if (this != &other) {
        *path_ = *other.path_;
        infinite_ = other.infinite_;
    }
    return *this;
}

Region::~Region() = default;

Status Region::MakeInfinite() {
    *path_ = QPainterPath();
    infinite_ = true;
    return Ok;
}

Status Region::MakeEmpty() {
    *path_ = QPainterPath();
    infinite_ = false;
    return Ok;
}

QPainterPath Region::ToQPainterPath() const {
    return infinite_ ? Plane() : *path_;
}

Status Region::Combine(const Region& other, CombineMode mode) {
    switch (mode) {
        case CombineModeReplace:
            *this = other;
            return Ok;
        case CombineModeIntersect:
            if (infinite_) {
                *this = other;
            } else if (!other.infinite_) {
                *path_ = path_->intersected(*other.path_);
            }
            return Ok;
        case CombineModeUnion:
            if (other.infinite_) {
                MakeInfinite();
            } else if (!infinite_) {
                *path_ = path_->united(*other.path_);
            }
            return Ok;
        case CombineModeXor: {
            QPainterPath a = ToQPainterPath();
            QPainterPath b = other.ToQPainterPath();
            *path_ = a.united(b).subtracted(a.intersected(b));
            infinite_ = false;
            return Ok;
        }
        case CombineModeExclude:
            if (other.infinite_) {
                MakeEmpty();
            } else {
                *path_ = ToQPainterPath().subtracted(*other.path_);
                infinite_ = false;
            }
            return Ok;
        case CombineModeComplement:
            if (infinite_) {
                MakeEmpty();
            } else {
                *path_ = other.ToQPainterPath().subtracted(*path_);
                infinite_ = false;
            }
            return Ok;
    }
    return InvalidParameter;
}

Status Region::Intersect(const GraphicsPath* path) {
    return path ? Combine(Region(path), CombineModeIntersect) : InvalidParameter;
}

Status Region::Intersect(const Region* region) {
    return region ? Combine(*region, CombineModeIntersect) : InvalidParameter;
}

Status Region::Union(const GraphicsPath* path) {
    return path ? Combine(Region(path), CombineModeUnion) : InvalidParameter;
}

Status Region::Union(const Region* region) {
    return region ? Combine(*region, CombineModeUnion) : InvalidParameter;
}

Status Region::Xor(const Region* region) {
    return region ? Combine(*region, CombineModeXor) : InvalidParameter;
}

Status Region::Exclude(const GraphicsPath* path) {
    return path ? Combine(Region(path), CombineModeExclude) : InvalidParameter;
}

Status Region::Exclude(const Region* region) {
    return region ? Combine(*region, CombineModeExclude) : InvalidParameter;
}

Status Region::Complement(const Region* region) {
    return region ? Combine(*region, CombineModeComplement) : InvalidParameter;
}

Status Region::Translate(float dx, float dy) {
    if (!infinite_) {
        path_->translate(dx, dy);
    }
    return Ok;
}

Status Region::Transform(const Matrix* matrix) {
    if (matrix == nullptr) {
        return InvalidParameter;
    }
    if (!infinite_) {
        *path_ = matrix->ToQTransform().map(*path_);
    }
    return Ok;
}

BOOL Region::IsVisible(const PointF& point) const {
    if (infinite_) {
        return TRUE;
    }
    return path_->contains(QPointF(point.X, point.Y)) ? TRUE : FALSE;
}

BOOL Region::IsVisible(const RectF& rect) const {
    if (infinite_) {
        return TRUE;
    }
    return path_->intersects(QRectF(rect.X, rect.Y, rect.Width, rect.Height).normalized()) ? TRUE
                                                                                           : FALSE;
}

BOOL Region::IsEmpty() const {
    if (infinite_) {
        return FALSE;
    }
    // A path can enclose nothing and still have points; what counts is the area it fills.
    // Merging a tangled path to find out would take for ever: one with extent counts as
    // holding some.
    if (path_->isEmpty()) {
        return TRUE;
    }
    if (!PathUnion::Affordable(*path_)) {
        return path_->boundingRect().isEmpty() ? TRUE : FALSE;
    }
    return path_->simplified().isEmpty() ? TRUE : FALSE;
}

Status Region::GetBounds(RectF* bounds) const {
    if (bounds == nullptr) {
        return InvalidParameter;
    }
    QRectF r = ToQPainterPath().boundingRect();
    *bounds = RectF(float(r.x()), float(r.y()), float(r.width()), float(r.height()));
    return Ok;
}

QRegion Region::ToQRegion() const {
    QPainterPath path = ToQPainterPath();
    return QRegion(path.toFillPolygon().toPolygon(), path.fillRule());
}
