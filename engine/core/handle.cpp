#include "core/handle.h"

#include <algorithm>

namespace {

constexpr Color kYellow = Color(0xFFFFFF00u);

CQarnHandle Make(QarnHandleKind kind, const PointF& point, QarnHandleCursor cursor,
                 const CQarnHandle::TrackerMark& mark) {
    CQarnHandle h;
    h.kind = kind;
    h.point = point;
    h.cursor = cursor;
    h.mark = mark;
    return h;
}

}  // namespace

CQarnHandle::TrackerMark CQarnHandle::StateSquare() {
    return TrackerMark{};
}

CQarnHandle::TrackerMark CQarnHandle::Square(Color fill) {
    return TrackerMark{TrackerMark::Shape::Square, fill, fill};
}

CQarnHandle::TrackerMark CQarnHandle::Diamond(Color fill) {
    return TrackerMark{TrackerMark::Shape::Diamond, fill, fill};
}

CQarnHandle CQarnHandle::Sizing(QarnHandleId id, const PointF& framePoint) {
    CQarnHandle h = Make(QarnHandleKind::Sizing, framePoint, QarnHandleCursor::Move, StateSquare());
    h.id = id;
    return h;
}

CQarnHandle CQarnHandle::Label(const PointF& centre) {
    CQarnHandle h = Make(QarnHandleKind::Label, centre, QarnHandleCursor::Move, Diamond(kYellow));
    h.id = QarnHandleId::Label;
    h.followsTransform = false;
    return h;
}

CQarnHandle CQarnHandle::Adjust(const PointF& framePoint, const CQarnHandleConstraint& constraint,
                                int parameter) {
    CQarnHandle h =
        Make(QarnHandleKind::Adjust, framePoint, QarnHandleCursor::Adjust, Diamond(kYellow));
    h.constraint = constraint;
    h.parameter = parameter;
    return h;
}

CQarnHandle CQarnHandle::LineEnd(const PointF& framePoint) {
    return Make(QarnHandleKind::LineEnd, framePoint, QarnHandleCursor::Cross, StateSquare());
}

CQarnHandle CQarnHandle::ArcEnd(const PointF& framePoint) {
    return Make(QarnHandleKind::ArcEnd, framePoint, QarnHandleCursor::Cross, Diamond(kYellow));
}

CQarnHandle CQarnHandle::ConnectorEnd(const PointF& framePoint, bool connected) {
    return Make(QarnHandleKind::ConnectorEnd, framePoint, QarnHandleCursor::Cross,
                Square(Color(connected ? 0xFFFF0000u : 0xFF00FF00u)));
}

CQarnHandle CQarnHandle::ConnectorLeg(const PointF& framePoint) {
    return Make(QarnHandleKind::ConnectorLeg, framePoint, QarnHandleCursor::Move, Diamond(kYellow));
}

CQarnHandle CQarnHandle::Marker(const PointF& framePoint) {
    return Make(QarnHandleKind::Marker, framePoint, QarnHandleCursor::Move,
                TrackerMark{TrackerMark::Shape::Dot, Color(0xC800FF00u), Color(0xC80000FFu)});
}

namespace Qarn {

std::vector<const CQarnHandle*> HandleDrawOrder(const std::vector<CQarnHandle>& handles) {
    std::vector<const CQarnHandle*> order;
    order.reserve(handles.size());
    for (const CQarnHandle& h : handles) {
        order.push_back(&h);
    }
    std::stable_sort(order.begin(), order.end(), [](const CQarnHandle* a, const CQarnHandle* b) {
        return a->layer < b->layer;
    });
    return order;
}

}  // namespace Qarn
