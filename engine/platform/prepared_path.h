#pragma once
// A path made ready once to be filled, stroked or used as a clip many times, by several
// threads at once: its Qt form, whether its figures are closed, and a bound of what filling it
// costs (AreaCostBound). Nothing in it changes after it is made.
//
// Qt fills in caches of a path the first time it draws it, so threads never draw the Qt form
// itself: each takes a private copy to draw (Copy), which costs a copy of its points.

#include <QPainterPath>

#include "platform/area_cost_bound.h"
#include "platform/graphics_path.h"

class PreparedPath {
public:
    // The path in Qt's form, exactly as GraphicsPath::ToQPainterPath makes it.
    explicit PreparedPath(const GraphicsPath& path);
    // A Qt path as it is (a stroke outline, say); `closed` says whether its figures count as
    // closed.
    PreparedPath(const QPainterPath& path, bool closed);

    // Whether it was made from that path (the same points, bit for bit). False for one made
    // from a Qt path.
    bool IsFor(const GraphicsPath& path) const;
    // The path it was made from (empty for one made from a Qt path).
    const GraphicsPath& Source() const { return m_Source; }
    // A copy of the Qt form that the caller may draw (and so change) on its own thread.
    QPainterPath Copy() const;
    // The bounds of the Qt form's control points.
    const QRectF& ControlBounds() const { return m_ControlBounds; }
    bool AllFiguresClosed() const { return m_bClosed; }
    bool IsEmpty() const { return m_Path.isEmpty(); }
    const AreaCostBound& CostBound() const { return m_Cost; }

private:
    GraphicsPath m_Source;
    bool m_bFromSource;
    QPainterPath m_Path;
    QRectF m_ControlBounds;
    bool m_bClosed;
    AreaCostBound m_Cost;
};
