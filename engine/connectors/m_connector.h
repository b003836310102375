#pragma once
// A connector class kept so that its name resolves in files; nothing creates it, it stores
// nothing and its handles do not move.

#include "core/component_list.h"
#include "shapes/poly.h"

class CQarnMConnector : public CQarnPoly {
    QARN_DECLARE_SERIAL(CQarnMConnector)

public:
    CQarnMConnector();
    explicit CQarnMConnector(const RectF& rect);
    ~CQarnMConnector() override;

    // A placeholder of the same class (not a plain poly), with the poly's content.
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
    // Changes nothing; 1.
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;

    ComponentList& GetFirstList() { return m_FirstList; }
    ComponentList& GetSecondList() { return m_SecondList; }

protected:
    // The handles of a poly, every one at (0, 0) however the connector is turned.
    void GetHandles(std::vector<CQarnHandle>& handles) const override;

private:
    // Owned.
    ComponentList m_FirstList;
    ComponentList m_SecondList;
};
