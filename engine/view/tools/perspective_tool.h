#pragma once
// Picking a perspective quadrilateral: four clicks place its corners (the corner being placed
// follows the pointer), the fourth finishes it. A finished quadrilateral becomes the
// perspective of the one selected component, as one undo step; Escape drops the corners.

#include <QPoint>
#include <QVector>

#include "view/tool.h"

class CPerspectiveTool : public CQarnTool {
    QARN_DECLARE_DYNAMIC(CPerspectiveTool)

public:
    CPerspectiveTool();

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override { return !m_Points.isEmpty() && !m_bFinished; }
    void PaintOverlay(CQarnView* view, QPainter& painter) override;

    bool IsFinished() const { return m_bFinished; }
    void ClearAll();
    void AddPoint(const CPoint& point);
    // The corners in client pixels, in the order they were placed.
    const QVector<QPoint>& GetPoints() const { return m_Points; }

    static constexpr UINT kPerspectiveToolID = 18059;
    static constexpr int kCorners = 4;

private:
    // Gives the one selected component the quadrilateral (in document units) as its
    // perspective; false when there is no single component or the view refuses the step.
    bool Apply(CQarnView* view);

    QVector<QPoint> m_Points;
    bool m_bFinished = false;
    bool m_bFinishedByPress = false;
};
