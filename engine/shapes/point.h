#pragma once
// A point marker: a small symbol centred on a document position. It moves but is never sized,
// rotated or flipped, and has no handles: dragging it anywhere moves its centre.

#include "core/component.h"
#include "core/drawing_limits.h"

class CQarnPoint : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnPoint)

public:
    // Marker styles; 1 and 3 draw nothing.
    enum MarkerStyle : BYTE {
        MarkerCross = 0,
        MarkerPlus = 2,
        MarkerTriangle = 4,
        MarkerCircle = 5,
        MarkerSquare = 6,
        MarkerDiamond = 7,
    };

    CQarnPoint();
    explicit CQarnPoint(const RectF& rect);
    // A 6 x 6 frame centred on the position.
    explicit CQarnPoint(const PointF& center);

    void Serialize(CArchive& ar) override;
    void Copy(const CQarnPoint* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    BOOL CreateElements(RectF* rect) override;
    // Centres the point on the position, whatever the handle.
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;
    PointF GetAnchorPoint(int anchor) const override;

    BYTE GetMarkerStyle() const { return m_nMarkerStyle; }
    void SetMarkerStyle(BYTE style) { m_nMarkerStyle = style; }
    float GetMarkerRadius() const { return m_fMarkerRadius; }
    void SetMarkerRadius(float radius) { m_fMarkerRadius = Qarn::SaneCoordinate(radius); }

protected:
    // No handles: a selected point shows a dot on its centre, and every handle number
    // answers the centre with the move cursor.
    void GetHandles(std::vector<CQarnHandle>& handles) const override;
    // Within the tolerance of the marker (its radius and half the pen) around the centre.
    bool HitTestShape(PointF point, float tolerance) override;

private:
    void FixGeometry();

    BYTE m_nMarkerStyle = MarkerCircle;
    float m_fMarkerRadius = 3.0f;
};
