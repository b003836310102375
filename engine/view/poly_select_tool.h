#pragma once
// Selecting within a polygon (a lasso of clicks): each click adds a corner, a click within a
// few pixels of the previous one or a double click closes the lasso, and closing selects the
// components that lie wholly inside it (adding to the selection with Shift or Ctrl).

#include <QPolygon>

#include "view/select_tool.h"

class CPolySelectTool : public CSelectTool {
    QARN_DECLARE_DYNAMIC(CPolySelectTool)

public:
    CPolySelectTool();

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonDblClk(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override { return !m_Points.isEmpty() && !m_bFinished; }

    bool IsFinished() const { return m_bFinished; }
    void ClearAll();
    void AddPoint(const CPoint& point);
    const QPolygon& GetPoints() const { return m_Points; }

private:
    // Closes the lasso and selects what lies inside it.
    void Finish(CQarnView* view, bool add);
    void Show(CQarnView* view);

    QPolygon m_Points;
    bool m_bFinished = false;
};
