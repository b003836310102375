#include "connectors/m_connector.h"

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

void CQarnMConnector::Serialize(CArchive&) {}

int CQarnMConnector::MoveHandleTo(int, PointF, DWORD) {
    return 1;
}

void CQarnMConnector::GetHandles(std::vector<CQarnHandle>& handles) const {
    CQarnPoly::GetHandles(handles);
    for (CQarnHandle& h : handles) {
        h.point = PointF();
        h.followsTransform = false;
    }
}
