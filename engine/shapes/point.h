#pragma once
// A point marker: a small symbol centred on a document position. It moves but is never sized,
// rotated or flipped; its one handle is its centre.

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
    void DrawTracker(CDC* dc, TrackerState state, float scale) override;
    int GetHandleCount() const override { return 0; }
    // The centre, whatever the number.
    PointF GetHandle(int handle, int transformed) const override;
    Qt::CursorShape GetHandleCursor(int handle) const override;
    // Centres the point on the position, whatever the handle.
    int MoveHandleTo(int handle, PointF point, DWORD flags) override;
    PointF GetAnchorPoint(int anchor) const override;

    BYTE GetMarkerStyle() const { return m_nMarkerStyle; }
    void SetMarkerStyle(BYTE style) { m_nMarkerStyle = style; }
    float GetMarkerRadius() const { return m_fMarkerRadius; }
    void SetMarkerRadius(float radius) { m_fMarkerRadius = Qarn::SaneCoordinate(radius); }

private:
    void FixGeometry();

    BYTE m_nMarkerStyle = MarkerCircle;
    float m_fMarkerRadius = 3.0f;
};
