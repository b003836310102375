#pragma once
// A piece of an ellipse: an open arc, a pie slice or a chord segment, by shape id. The frame is
// the bounding rectangle of the drawn piece; the full ellipse and the two ends are kept apart
// from it. Handles 9 and 10 are the two ends, which move along the ellipse.

#include "core/component.h"

class CQarnArcPie : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnArcPie)

public:
    static constexpr int kFirstEndHandle = 9;
    static constexpr int kSecondEndHandle = 10;

    CQarnArcPie();
    // A quarter of the ellipse centred on the frame's top-right corner, from its bottom point
    // to its left point, filling the frame; with a centred pen and arrow heads.
    explicit CQarnArcPie(const RectF& rect);

    void Serialize(CArchive& ar) override;
    // The base copy, then both ends and the ellipse.
    void Copy(const CQarnArcPie* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    BOOL CreateElements(RectF* rect) override;
    // handles 0: whether the point lies on the drawn piece (its stroke, and its inside when
    // filled or closed); otherwise the handle hit.
    int HitTest(CPoint point, CView* view, int handles, CQarnCanvas* canvas) override;
    using CQarnComponent::HitTest;
    int MoveTo(const RectF& rect, MoveFlags flags) override;
    // An end moves along the ellipse (refused within 1 degree of the other end); a frame
    // handle sizes the frame and the ellipse with it.
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;
    // Places an end (untransformed); other handles are ignored.
    void SetHandle(int handle, PointF point);
    void Shift(float dx, float dy) override;
    // The ends and the ellipse move with the frame whichever way the frame is moved.
    void RotateAt(float angle, PointF center, int move) override;
    int GetAnchorCount() const override { return 2; }
    PointF GetAnchorPoint(int anchor) const override;
    int GetAnchorDirection(int anchor) const override;

    const PointF& GetFirstPoint() const { return m_ptFirst; }
    const PointF& GetSecondPoint() const { return m_ptSecond; }
    const RectF& GetEllipse() const { return m_rcEllipse; }
    void SetGeometry(const RectF& ellipse, const PointF& first, const PointF& second);
    // Both ends, then the ellipse's corner and size.
    void WriteHandlesToList(QList<PointF>& list) const override;
    using CQarnComponent::ReadHandlesFromList;
    void ReadHandlesFromList(const QList<PointF>& list, POSITION& position) override;

protected:
    // The eight frame handles and the two ends, then the label.
    void GetHandles(std::vector<CQarnHandle>& handles) const override;
    // The label's handle number, 0 without a label.
    int LabelHandle() const;
    // Whether the piece drawn in that frame runs from the second end to the first.
    static bool RunsBackwards(const RectF& frame);
    // Where the piece starts and how far it sweeps (degrees, clockwise on screen).
    static void GetSweep(const RectF& ellipse, const PointF& first, const PointF& second,
                         bool backwards, float& start, float& sweep);
    // The frame becomes the bounding rectangle of the piece; a mirrored frame stays mirrored.
    void FitFrameToPiece();

private:
    int MoveEndTo(int handle, PointF point, MoveFlags flags);
    int SizeFrame(int handle, PointF point, MoveFlags flags);

    PointF m_ptFirst;
    PointF m_ptSecond;
    RectF m_rcEllipse;
};
