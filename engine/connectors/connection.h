#pragma once
// One end of a connector resting on a component: on one of its anchors, or (anchor 0) on a
// free point of a component that takes connections anywhere. The connector owns it; the
// component only lists it.

#include "platform/object.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"
#include "platform/win_types.h"

class CQarnComponent;
class CQarnConnector;

class CQarnConnection : public CObject {
    QARN_DECLARE_SERIAL(CQarnConnection)

public:
    CQarnConnection();
    CQarnConnection(CQarnComponent* component, int anchor);
    // With an anchor the point is that anchor's position now; anchor 0 keeps the point.
    CQarnConnection(CQarnComponent* component, int anchor, CQarnConnector* connector, PointF point);

    CQarnComponent* GetComponent() const { return m_pComponent; }
    void SetComponent(CQarnComponent* component) { m_pComponent = component; }
    CQarnConnector* GetConnector() const { return m_pConnector; }
    void SetConnector(CQarnConnector* connector) { m_pConnector = connector; }
    int GetAnchor() const { return m_nAnchor; }
    void SetAnchor(int anchor) { m_nAnchor = anchor; }
    BYTE GetStartFlag() const { return m_nStart; }
    void SetStartFlag(BYTE start) { m_nStart = start; }
    bool IsStart() const { return m_nStart != 0; }
    PointF GetPoint() const { return m_ptPoint; }
    void SetPoint(const PointF& point) { m_ptPoint = point; }
    int GetLayerNumber() const { return m_nLayerNumber; }
    int GetComponentNumber() const { return m_nComponentNumber; }
    void SetNumbers(int layerNumber, int componentNumber);

    // The free point itself, or the anchor's position on the component now.
    PointF GetConnectPoint() const;
    // Joins or leaves the component's connection list.
    void Connect();
    void Disconnect();

    void Copy(const CQarnConnection* source);
    // Null when there is no component to rest on.
    CQarnConnection* Clone() const;

    // Moves the connector end after the component moved (1), was sized (2), rotated (3) or
    // flipped (4), then re-routes and redraws the connector.
    void OnChangeComponent(int change, const RectF& oldRect, const float& oldAngle,
                           const DWORD& oldStyle);

    // Anchor, component and layer numbers, point, the spare byte, the start flag.
    void Serialize(CArchive& ar) override;

private:
    PointF FollowFreePoint(int change, const RectF& oldRect, const float& oldAngle,
                           const DWORD& oldStyle) const;

    CQarnComponent* m_pComponent = nullptr;
    CQarnConnector* m_pConnector = nullptr;
    int m_nLayerNumber = 0;
    int m_nComponentNumber = 0;
    int m_nAnchor = 0;
    BYTE m_nStart = 0;
    PointF m_ptPoint;
    // Kept from the file and written back as it was.
    BYTE m_nSpare = 0;
};
