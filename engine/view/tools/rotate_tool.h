#pragma once
// Turning the selection with the mouse: a press on a selected component (or one of its
// handles) grabs it, the drag turns every selected component that may turn about its rotate
// centre by the angle the pointer sweeps, in whole degrees (Shift: steps of 15 degrees). The
// centre and the angle show while turning. A turn of less than a degree records nothing.

#include "platform/point_f.h"
#include "view/tool.h"

class CRotateAction;

class CRotateTool : public CQarnTool {
    QARN_DECLARE_DYNAMIC(CRotateTool)

public:
    CRotateTool();

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override { return m_bRotating; }
    void PaintOverlay(CQarnView* view, QPainter& painter) override;

    // The direction of A->B measured from the direction of A->O, in degrees (clockwise on
    // screen is positive).
    static float GetAngleAOB(PointF a, PointF o, PointF b);
    // The angle of the last turn, in degrees.
    static float GetLastAngle() { return c_fLastAngle; }

    static constexpr UINT kRotateToolID = 18066;
    static constexpr int kShiftStep = 15;

private:
    // The selected component a press at p grabs, or null.
    static CQarnComponent* Grabbed(CQarnView* view, PointF p);
    bool IsCurrentAction(CQarnView* view) const;
    void Reset();

    static float c_fLastAngle;
    CRotateAction* m_pAction = nullptr;
    PointF m_ptCentre;
    PointF m_ptStart;
    CPoint m_ptDown;
    int m_nApplied = 0;
    bool m_bRotating = false;
};
