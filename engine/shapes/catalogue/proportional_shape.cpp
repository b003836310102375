#include "shapes/catalogue/proportional_shape.h"

#include <cmath>
#include <optional>

#include "platform/archive.h"

CQarnProportionalShape::CQarnProportionalShape(double ratio) : CQarnShapeBase(1), m_dRatio(ratio) {}

CQarnProportionalShape::CQarnProportionalShape(const RectF& rect, double ratio)
    : CQarnShapeBase(rect, 1), m_dRatio(ratio) {}

void CQarnProportionalShape::PlaceHandle() {
    SetFreeHandle(HandleAt(m_dRatio), 0);
}

void CQarnProportionalShape::PlaceHandleAt(PointF framePoint) {
    const PointF placed = GetFreeHandleConstraint(0).Apply(framePoint);
    SetFreeHandle(placed, 0);
    m_dRatio = RatioAt(placed);
}

bool CQarnProportionalShape::SetAdjustParameter(int parameter, const PointF& framePoint) {
    if (!CQarnShapeBase::SetAdjustParameter(parameter, framePoint)) {
        return false;
    }
    m_dRatio = RatioAt(framePoint);
    return true;
}

int CQarnProportionalShape::MoveTo(const RectF& rect, MoveFlags flags) {
    // The views hear of the move once the handle is back at its ratio.
    const MoveFlags quiet = flags.Without(MoveFlags::Invalidate | MoveFlags::Outline);
    if (CQarnShapeBase::MoveTo(rect, quiet) == 0) {
        return 0;
    }
    PlaceHandle();
    ResetPath();
    HonourMoveFlags(flags);
    return 1;
}

int CQarnProportionalShape::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    const std::optional<CQarnHandle> h = FindHandle(handle);
    if (!h || h->kind != QarnHandleKind::Sizing) {
        return CQarnShapeBase::MoveHandleTo(handle, point, flags);
    }
    const MoveFlags quiet = flags.Without(MoveFlags::Invalidate | MoveFlags::Outline);
    if (CQarnShapeBase::MoveHandleTo(handle, point, quiet) == 0) {
        return 0;
    }
    PlaceHandle();
    ResetPath();
    HonourMoveFlags(flags);
    return 1;
}

void CQarnProportionalShape::Copy(const CQarnProportionalShape* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_dRatio = source->m_dRatio;
}

void CQarnProportionalShape::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_dRatio;
        return;
    }
    double ratio = 0.0;
    ar >> ratio;
    if (!std::isfinite(ratio)) {
        ar.FailAt(ar.Position() - 8, QStringLiteral("the proportion of a shape is not a number"));
    }
    m_dRatio = ratio;
}
