#pragma once
// Moving the view with the mouse: a drag carries the page along with the pointer. The tool
// stays current; the view pans the same way with the middle button, or with the left button
// while Space is held, whatever tool is current.

#include "view/tool.h"

class CPanTool : public CQarnTool {
    QARN_DECLARE_DYNAMIC(CPanTool)

public:
    CPanTool();

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override { return m_bPanning; }

    // Scrolls the view so that what was under `from` comes under `to` (client pixels).
    static void PanBy(CQarnView* view, const CPoint& from, const CPoint& to);

    static constexpr UINT kPanToolID = 18333;

private:
    bool m_bPanning = false;
    CPoint m_ptLast;
};
