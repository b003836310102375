#pragma once
// The selection tool: a click selects the topmost component under the pointer (Shift or Ctrl
// adds it to the selection or takes it out), a drag from empty space draws a rubber band
// that selects what lies wholly inside it, a drag from a component moves the selection, a drag
// from a handle of the one selected component sizes it (Shift keeps its proportions; a
// connector end attaches to the shape it is dropped on). A press becomes a drag only once the
// pointer has left it by a few pixels, so a click never nudges anything; the whole drag is
// one undo step, and Escape puts everything back.

#include <QRect>

#include "platform/point_f.h"
#include "view/tool.h"

class CQarnAction;
class CQarnComponent;
class CQarnConnector;
class CQarnDoc;

class CSelectTool : public CQarnTool {
    QARN_DECLARE_DYNAMIC(CSelectTool)

public:
    explicit CSelectTool(UINT id = kSelectTool);

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonDblClk(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override;

    // How far (client pixels) the pointer must leave the press before a drag starts.
    static constexpr int kDragStartPixels = 3;

protected:
    // The rubber band in client pixels while one is drawn (empty otherwise).
    QRect GetBand() const { return m_rcBand; }
    void SetBand(CQarnView* view, const QRect& band);
    // Ends whatever the press started, without a trace (the band, the drag state).
    void Reset(CQarnView* view);

private:
    void PressOnHandle(CQarnView* view, CQarnComponent* component, int handle);
    void PressOnComponent(CQarnView* view, UINT flags, CQarnComponent* component);
    void PressOnEmpty(CQarnView* view, UINT flags);
    // Whether the pointer has left the press far enough for a drag.
    bool PastDragStart(const CPoint& point) const;
    void DragSelection(CQarnView* view, UINT flags, const CPoint& point);
    void DragHandle(CQarnView* view, UINT flags, const CPoint& point);
    bool StartHandleAction(CQarnView* view, CQarnComponent* component);
    void AimConnectorEnd(CQarnView* view, CQarnConnector* connector, const PointF& p);
    void Hover(CQarnView* view, const PointF& p);
    // The point the drag follows: snapped to the grid when the view snaps and Shift is up.
    PointF DragPoint(CQarnView* view, UINT flags, const CPoint& point) const;

    QRect m_rcBand;
    PointF m_ptPress;
    PointF m_ptApplied;
    bool m_bSelectionChanged = false;
    bool m_bPressed = false;
    CQarnComponent* m_pDragged = nullptr;
};
