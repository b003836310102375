#pragma once
// Drawing a connector: elbow (laid out around the shapes), curved, round-cornered or direct,
// each without arrow heads, with one at the end, or with both. The press starts it on the
// anchor of the shape under the pointer nearest to it (or where the press is), the drag pulls
// its end, and the release drops the end on the anchor of the shape under the pointer nearest
// to it. While the pointer moves, the shape a connector would rest on shows its anchors. Both
// ends stay attached when the shapes move. A click draws nothing.

#include "view/tools/draw_tool.h"

class CQarnConnector;

class CConnectorTool : public CDrawTool {
    QARN_DECLARE_DYNAMIC(CConnectorTool)

public:
    explicit CConnectorTool(UINT id);

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;

    // The connector kind and arrow heads of a tool identifier.
    static WORD ConnectorTypeOf(UINT id);
    // 0 no arrow heads, 1 one at the end, 2 both.
    static int ArrowStyleOf(UINT id);

private:
    CQarnConnector* GetConnector() const;
    std::unique_ptr<CQarnConnector> CreateConnector(PointF p) const;
    // The shape under the point that the connector's end would rest on (shown with its
    // anchors), or null.
    CQarnComponent* Aim(CQarnView* view, PointF p, const CQarnComponent* exclude);
};
