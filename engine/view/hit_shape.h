#pragma once
// A quick answer to the hit test of a shape drawn by the component pipeline (its inside when
// filled or closed, and its stroke widened by the pen's allowance): yes when the point is
// clearly inside the outline or on the stroke, no when it is clearly off both, and "unsure"
// near the stroke's edge, where the shape's own (exact, many times dearer) test decides.
// Kept by the spatial index until the component changes.

#include <QList>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include "platform/cpoint.h"
#include "platform/crect.h"

class CQarnComponent;

class CQarnHitShape {
public:
    enum Answer { No, Yes, Unsure };

    // Whether a component's hit test is the pipeline's own (and so answerable here).
    static bool Applies(const CQarnComponent* component);
    // The shape of the component as it stands; `indexed` is its indexed bounds.
    static CQarnHitShape Make(CQarnComponent* component, const CRect& indexed);

    // The answer for the unit square at the point.
    Answer Test(CQarnComponent* component, const CPoint& point) const;

private:
    // Where a yes is possible at all (the outline's bounds grown by the allowance and a unit).
    QRectF m_Box;
    // The outline flattened, and as a fill, in the component's unturned frame.
    QList<QPolygonF> m_Outline;
    QPainterPath m_Fill;
    float m_fAllowance = 1.0f;
    bool m_bInside = false;
    bool m_bExact = false;
};
