#pragma once
// A poly drawn as the filled outline of its stroke: a band of fixed width around the line,
// solid, with round joins and flat ends, which can be filled like any closed figure.

#include "shapes/poly.h"

class CQarnPolyOutline : public CQarnPoly {
    QARN_DECLARE_SERIAL(CQarnPolyOutline)

public:
    static constexpr float kDefaultOutlineWidth = 10.0f;

    CQarnPolyOutline() = default;
    // Closed, with square-anchor kinds at both ends of its arrow property.
    explicit CQarnPolyOutline(const RectF& rect);

    // The poly and the outline width.
    void Copy(const CQarnPolyOutline* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    void Serialize(CArchive& ar) override;

    float GetOutlineWidth() const { return m_fOutlineWidth; }
    void SetOutlineWidth(float width) { m_fOutlineWidth = Qarn::SaneLineWidth(width, 0.0f); }
    DWORD GetOutlineDashStyle() const { return m_dwDashStyle; }
    DWORD GetOutlineLineJoin() const { return m_dwLineJoin; }
    DWORD GetOutlineLineCap() const { return m_dwLineCap; }

    // The poly's outline widened by the outline width and reduced to its outer edge.
    BOOL CreateElements(RectF* rect) override;
    // The poly's bounds grown by half the outline width on every side.
    CRect GetBoundRect(bool) override;

private:
    DWORD m_dwDashStyle = 0;
    DWORD m_dwLineJoin = 2;
    DWORD m_dwLineCap = 0;
    float m_fOutlineWidth = kDefaultOutlineWidth;
};
