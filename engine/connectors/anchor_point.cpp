#include "connectors/anchor_point.h"

#include "core/clone_as.h"
#include "platform/archive.h"

QARN_IMPLEMENT_SERIAL(CQarnAnchorPoint, CQarnPoint, 0)

CQarnAnchorPoint::CQarnAnchorPoint() {
    SetMarkerStyle(MarkerCircle);
}

CQarnAnchorPoint::CQarnAnchorPoint(const RectF& rect) : CQarnPoint(rect) {
    SetMarkerStyle(MarkerCircle);
}

CQarnAnchorPoint::CQarnAnchorPoint(const PointF& center) : CQarnPoint(center) {
    SetMarkerStyle(MarkerCircle);
    SetFillColor(kMarkerFill);
}

void CQarnAnchorPoint::Serialize(CArchive& ar) {
    CQarnPoint::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::uint8_t(m_nDirection) << std::uint32_t(0) << std::uint32_t(0);
        return;
    }
    std::uint8_t direction = 0;
    std::uint32_t reserved = 0;
    ar >> direction >> reserved >> reserved;
    m_nDirection = direction;
}

void CQarnAnchorPoint::Copy(const CQarnAnchorPoint* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnPoint::Copy(source);
    m_nDirection = source->m_nDirection;
}

CQarnComponent* CQarnAnchorPoint::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}
