#pragma once
// Drawing a shape of the catalogue: the press places a tiny shape of the current kind, the
// drag pulls its bottom-right corner (Shift keeps it square), the release fixes it. A click
// without a drag makes a shape of the default size centred on the click; a very small drag
// still gives a shape that can be seen and grabbed.
//
// The kind is the current tool identifier when it is a shape command (the rectangle, ellipse
// and round-rectangle commands draw their auto-shape kinds), else the kind set with
// SetShapeID for the shape tool's own identifier.

#include <memory>

#include "platform/rect_f.h"
#include "view/tools/draw_tool.h"

class CShapeTool : public CDrawTool {
    QARN_DECLARE_DYNAMIC(CShapeTool)

public:
    explicit CShapeTool(UINT id = kShapeToolID);

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool Serves(UINT id) const override;
    void PaintOverlay(CQarnView* view, QPainter& painter) override;

    static void SetShapeID(UINT id) { c_nShapeID = id; }
    static UINT GetShapeID() { return c_nShapeID; }
    // The kind a command draws: the rectangle, ellipse and round-rectangle commands map to
    // their auto-shape kinds; every other id is its own kind.
    static UINT KindOfCommand(UINT id);
    // The kind the tool draws now.
    static UINT CurrentKind();

    static constexpr UINT kShapeToolID = 18210;
    // The size of a shape made by a click, and the least size of a drawn one.
    static constexpr float kDefaultSize = 100.0f;
    static constexpr float kBraceWidth = 40.0f;
    static constexpr float kLeastSize = 8.0f;

protected:
    // The new component at the press point, null when the kind cannot be made.
    virtual std::unique_ptr<CQarnComponent> CreateAt(CQarnView* view, PointF p);
    // Where a click (no drag) puts the component, centred on the press point.
    virtual RectF ClickFrame(CQarnComponent* component, PointF p) const;
    // The frame after the drag: grown to the least visible size where it is smaller.
    virtual RectF LeastFrame(CQarnComponent* component, const RectF& frame) const;
    // Whether the release is close enough to the press to count as a click.
    static bool IsClick(const CPoint& down, const CPoint& up);
    PointF GetStartPoint() const { return m_ptStart; }

private:
    static UINT c_nShapeID;
    PointF m_ptStart;
};
