#pragma once
// Selecting within a circle: the press marks the centre, the drag draws the ellipse through
// the pointer, and the release selects what lies wholly inside it (replacing the selection).

#include "view/select_tool.h"

class CCircleSelectTool : public CSelectTool {
    QARN_DECLARE_DYNAMIC(CCircleSelectTool)

public:
    CCircleSelectTool();

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override { return m_bDrawing; }

private:
    QRect EllipseThrough(const CPoint& point) const;

    QRect m_rcEllipse;
    bool m_bDrawing = false;
};
