#pragma once
// A scroll: a sheet between two rolls, each roll showing the curl of its end in a darker
// shade. The horizontal scroll has its rolls along the top and bottom edges (the top one
// curling at the right, the bottom one at the left); the vertical scroll has them along the
// left and right edges.
//
// The one free handle sets the thickness of the rolls: it lies on the left edge of a
// horizontal scroll and on the top edge of a vertical one, at most a quarter of the frame's
// shorter side from the corner. The orientation is the shape id's: it is derived again from
// the id whenever the record is written or read.

#include "shapes/shape_base.h"

class CQarnShapeScroll : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeScroll)

public:
    // The shade of the curls.
    static constexpr int kCurlShade = 80;

    CQarnShapeScroll();
    // A horizontal scroll whose rolls are an eighth of the shorter side thick.
    explicit CQarnShapeScroll(const RectF& rect);

    bool IsHorizontal() const { return m_bHorizontal; }
    // Turns the rolls, keeping their thickness; the handle moves onto the edge it measures.
    void SetHorizontal(bool horizontal);

    // Sizing by a frame handle keeps the rolls within their range of the new frame.
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;

    void Copy(const CQarnShapeScroll* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record alone; the orientation follows the shape id afterwards.
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;

private:
    // The thickness of the rolls as the handle sets it, within its range.
    float Thickness() const;
    float MostThickness() const;

    bool m_bHorizontal = true;
};
