#include "connectors/m_connector.h"

#include "core/clone_as.h"
#include "core/component.h"

QARN_IMPLEMENT_SERIAL(CQarnMConnector, CQarnPoly, 0)

CQarnMConnector::CQarnMConnector() = default;

// Only the component base: no arrow or pen set-up of a poly.
CQarnMConnector::CQarnMConnector(const RectF& rect) {
    SetRectF(rect);
}

CQarnMConnector::~CQarnMConnector() {
    qDeleteAll(m_FirstList);
    qDeleteAll(m_SecondList);
}

CQarnComponent* CQarnMConnector::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnMConnector::Serialize(CArchive&) {}

int CQarnMConnector::MoveHandleTo(int, PointF, MoveFlags) {
    return 1;
}

void CQarnMConnector::GetHandles(std::vector<CQarnHandle>& handles) const {
    CQarnPoly::GetHandles(handles);
    for (CQarnHandle& h : handles) {
        h.point = PointF();
        h.followsTransform = false;
    }
}
