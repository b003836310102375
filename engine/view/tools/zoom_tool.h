#pragma once
// Zooming by clicks: a click zooms in (or, for the zoom-out command, out) by 1.2 about the
// click; in zoom-in a drag zooms to the dragged rectangle. Zooming in stops at 1000%, out at
// 10%. The tool stays current until another one is chosen.

#include <QRect>

#include "view/tool.h"

class CZoomTool : public CQarnTool {
    QARN_DECLARE_DYNAMIC(CZoomTool)

public:
    CZoomTool();

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override { return m_bPressed; }
    bool Serves(UINT id) const override;

    // Whether a click zooms in (else out) in the view now.
    static bool ZoomsIn(const CQarnView* view);

    static constexpr UINT kZoomInID = 18207;
    static constexpr UINT kZoomOutID = 18208;
    static constexpr float kLargestRatio = 10.0f;
    static constexpr float kSmallestRatio = 0.1f;
    static constexpr float kStep = 1.2f;

private:
    QRect m_rcBand;
    CPoint m_ptDown;
    bool m_bPressed = false;
};
