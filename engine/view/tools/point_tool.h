#pragma once
// Placing a point marker (or, under the anchor-point identifier, an anchor point of a
// symbol): the press places it, a drag carries it, the release leaves it selected.

#include "view/tools/draw_tool.h"

class CPointTool : public CDrawTool {
    QARN_DECLARE_DYNAMIC(CPointTool)

public:
    explicit CPointTool(UINT id = kPointToolID);

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;

    static constexpr UINT kPointToolID = 18060;
    static constexpr UINT kAnchorPointToolID = 18037;

private:
    void CentreOn(CQarnComponent* point, PointF p) const;
};
