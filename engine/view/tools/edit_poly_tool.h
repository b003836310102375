#pragma once
// Editing the points of the selected poly (a line, polygon, curve or connector). A press on a
// point drags it; a press on a segment inserts a point there and drags it; in remove mode (the
// "Delete Point" command) a click on a point removes it. Each gesture is one undo step; Escape
// takes back a drag in progress. A poly keeps at least two points; a connector keeps its ends,
// and a point that a connector rests on is not removed.

#include "platform/point_f.h"
#include "view/tool.h"

class CQarnPoly;
class CQarnAction;

class CEditPolyTool : public CQarnTool {
    QARN_DECLARE_DYNAMIC(CEditPolyTool)

public:
    CEditPolyTool();

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonDblClk(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnRButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override;
    bool Serves(UINT id) const override;

    // Remove mode is the "Delete Point" command's.
    static bool IsRemoveMode();
    // The poly the tool edits in the view: its first selected component when that is a poly.
    static CQarnPoly* EditedPoly(CQarnView* view);
    // The point of the poly under p (1-based), 0 for none.
    static int PointAt(const CQarnPoly& poly, PointF p, float tolerance);
    // The segment under p (its first point, 1-based), 0 for none.
    static int SegmentAt(CQarnPoly& poly, PointF p, float tolerance);
    // Whether the point may be removed: a poly keeps two points, a connector its ends, and a
    // point a connector rests on stays.
    static bool CanRemovePoint(CQarnPoly& poly, int index);

    static constexpr UINT kEditPointID = 18052;
    static constexpr UINT kDeletePointID = 18142;

private:
    void Reset();

    CQarnPoly* m_pPoly = nullptr;
    CQarnAction* m_pAction = nullptr;
    int m_nPoint = 0;
    CPoint m_ptDown;
};
