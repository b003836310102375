#pragma once
// Drawing lines and polys: line, arrow, polyline, polygon, curve, closed curve and scribble.
// The first press starts the poly with a point that follows the pointer (the rubber line);
// each further press fixes it and starts the next. A line, an arrow and a scribble end with the
// release; the others end with a double click or a right click. Ctrl turns the rubber line in
// steps of 45 degrees from the point before it. A click that draws nothing leaves nothing in
// the document or its history; Escape takes back the whole poly.

#include "view/tools/draw_tool.h"

class CQarnPoly;

class CPolyTool : public CDrawTool {
    QARN_DECLARE_DYNAMIC(CPolyTool)

public:
    explicit CPolyTool(UINT id);

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonDblClk(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnRButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnDeactivate() override;

    // Whether the tool draws an outline poly (a poly that keeps its outline as drawn).
    void SetOutline(bool outline) { m_bOutline = outline; }

    // Whether the poly ends with the release of its first drag (line, arrow, scribble).
    bool EndsOnRelease() const;
    bool IsScribble() const;

    // Two last points closer than this (|dx| + |dy|) are one vertex when a double click ends.
    static constexpr float kDoubleClickJoin = 2.0f;
    // The least number of points a scribble keeps.
    static constexpr int kLeastScribblePoints = 3;
    // Two last points within this of each other coincide when a right click ends.
    static constexpr float kSamePoint = 0.0002f;

private:
    CQarnPoly* GetPoly() const;
    // A new poly of the tool's kind starting at p.
    std::unique_ptr<CQarnPoly> CreatePoly(PointF p) const;
    // The point the rubber line ends at for the pointer: snapped, and in 45-degree steps
    // from the point before it with Ctrl.
    PointF RubberPoint(CQarnView* view, UINT flags, const CPoint& point) const;
    void MoveRubberPoint(CQarnView* view, PointF p);
    void Refresh(CQarnPoly* poly) const;
    // Ends a poly drawn point by point: drops the rubber point when asked, or when it repeats
    // the point before within `join` (|dx| + |dy|); a poly that covers no distance is taken
    // back.
    void EndPoly(CQarnView* view, float join, bool dropRubber);
    // Whether some point lies away from the first.
    static bool HasExtent(const CQarnPoly& poly);

    bool m_bOutline = false;
    CQarnView* m_pView = nullptr;
};
