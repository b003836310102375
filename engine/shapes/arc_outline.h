#pragma once
// An arc, pie or chord whose stroke is turned into a closed outline of a fixed width: round
// joins, no dashes, flat ends unless its arrow property asks for plain caps.

#include "core/drawing_limits.h"
#include "shapes/arc_pie.h"

class CQarnArcOutline : public CQarnArcPie {
    QARN_DECLARE_SERIAL(CQarnArcOutline)

public:
    static constexpr float kDefaultOutlineWidth = 10.0f;

    CQarnArcOutline();
    // Closed, with square caps at both ends.
    explicit CQarnArcOutline(const RectF& rect);

    void Serialize(CArchive& ar) override;
    // The arc copy, then the outline width.
    void Copy(const CQarnArcOutline* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    BOOL CreateElements(RectF* rect) override;
    // The base bounds with half the outline width around them.
    CRect GetBoundRect(bool) override;

    float GetOutlineWidth() const { return m_fOutlineWidth; }
    void SetOutlineWidth(float width) { m_fOutlineWidth = Qarn::SaneLineWidth(width, 0.0f); }

private:
    float m_fOutlineWidth = kDefaultOutlineWidth;
};
