#pragma once
// A poly whose two ends can rest on other components. Its inner points are placed by the
// router so that the line runs in horizontal and vertical legs around the shapes it joins
// (elbow, round-corner elbow, curved), or it runs straight from end to end (direct). Handles
// are the two ends and the middles of the inner legs, in the untransformed frame.

#include <vector>

#include "shapes/poly.h"

class CQarnConnection;

class CQarnConnector : public CQarnPoly {
    QARN_DECLARE_SERIAL(CQarnConnector)

public:
    enum ConnectorType : WORD {
        TypeElbow = 1,
        TypeDirect = 2,
        TypeCurved = 3,
        TypeRoundCorner = 4,
    };
    // The router's routes have at most this many handles (six points).
    static constexpr int kMaxHandles = 5;
    static constexpr float kDefaultCornerRadius = 20.0f;
    // How far a route going around a shape keeps from its bounding edge.
    static constexpr float kClearance = 30.0f;

    CQarnConnector();
    // A free elbow connector without fill, both handles at the frame's origin.
    explicit CQarnConnector(const RectF& rect);
    ~CQarnConnector() override;

    void Copy(const CQarnConnector* source);
    // Connections are copied too; the table of a copied list re-aims them.
    CQarnComponent* Clone(CQarnLayer* layer) override;
    void Serialize(CArchive& ar) override;

    WORD GetConnectorType() const { return m_nConnectorType; }
    void SetConnectorType(WORD type) { m_nConnectorType = type; }
    WORD GetToEdge() const { return m_nToEdge; }
    void SetToEdge(WORD toEdge) { m_nToEdge = toEdge; }
    DWORD GetAutoLayoutSwitch() const { return m_dwAutoLayout; }
    void SetAutoLayoutSwitch(DWORD on) { m_dwAutoLayout = on; }
    void SetHandleCount(int count);
    // The handle being dragged by the last MoveHandleTo.
    int GetDraggedHandle() const { return m_nDraggedHandle; }

    CQarnConnection* GetLeftConnection() const { return m_pStart; }
    CQarnConnection* GetRightConnection() const { return m_pEnd; }
    // Drops the old connection of that end, then attaches the given one (may be null).
    void SetLeftConnection(CQarnConnection* connection);
    void SetRightConnection(CQarnConnection* connection);
    // Drops the start (start = 1) or end (0) connection when it rests on the component.
    void KillConnection(CQarnComponent* component, int start);
    CQarnComponent* GetOtherSide(CQarnComponent* component) const;
    bool NeedAutoLayout() const;
    void OnFinishedMove();

    void Initialize(CQarnLayer* layer) override;
    // Out of the document the ends are off their shapes' lists (the shapes may be freed
    // before the connector); back in, they are listed again.
    void OnRemoved() override;
    void OnAdded(int newlyNumbered) override;

    void ResetHandles();
    // Rebuilds the route between the two ends.
    void AutoLayout();
    // Sets a handle, untransformed, without touching the points.
    void SetHandle(int handle, PointF point);
    // The poly's points, then the handle count and the handles.
    void WriteHandlesToList(QList<PointF>& list) const override;
    using CQarnPoly::ReadHandlesFromList;
    void ReadHandlesFromList(const QList<PointF>& list, POSITION& position) override;

    BOOL CreateElements(RectF* rect) override;
    // The stored handles (the description numbers them unless the connector is grouped).
    int GetStoredHandleCount() const { return m_nHandleCount; }
    int MoveTo(const RectF& rect, MoveFlags flags) override;
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;
    void Shift(float dx, float dy) override;
    bool CanFlip() const override;
    void OnPositionChanged(const RectF& oldRect, ComponentList* moving, int change) override;
    void RecordlastPosition() override;
    void Normalize() override;

    CVariant GetPropValue(UINT id) override;
    HRESULT SetPropValue(const CVariant& value, UINT id) override;

    // Whether the connector is following a connected shape right now: a ring of connectors
    // resting on each other stops there instead of following round for ever.
    bool IsFollowing() const { return m_bFollowing; }
    void SetFollowing(bool on) { m_bFollowing = on; }

protected:
    // The ends (red when resting on a shape, green when free) and the middles of the inner
    // legs. The ends lie over the middles and are hit first, the start before the end.
    void GetHandles(std::vector<CQarnHandle>& handles) const override;

private:
    CQarnConnection*& EndConnection(bool start) { return start ? m_pStart : m_pEnd; }
    void AttachConnection(CQarnConnection* connection, bool start);
    int MoveEndHandleTo(bool start, PointF point);
    void MoveMiddleHandleTo(int handle, PointF point);
    void SetRoute(const std::vector<PointF>& route);
    void AddRoundCornerOutline(GraphicsPath& path, const std::vector<PointF>& points) const;
    std::vector<PointF> RoutePoints() const;

    WORD m_nConnectorType = TypeElbow;
    WORD m_nToEdge = 0;
    DWORD m_dwAutoLayout = 0;
    CQarnConnection* m_pStart = nullptr;
    CQarnConnection* m_pEnd = nullptr;
    int m_nHandleCount = 2;
    std::vector<PointF> m_Handles = std::vector<PointF>(2);
    int m_nDraggedHandle = 0;
    bool m_bFollowing = false;
    bool m_bRecording = false;
    // Removed from the document: the shapes no longer list the connections.
    bool m_bDetached = false;
};
