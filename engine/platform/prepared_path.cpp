#include "platform/prepared_path.h"

namespace {

// A copy that shares nothing with the original: moving a point detaches it.
QPainterPath Detached(const QPainterPath& path) {
    QPainterPath copy(path);
    if (copy.elementCount() > 0) {
        const QPainterPath::Element first = copy.elementAt(0);
        copy.setElementPositionAt(0, first.x, first.y);
    }
    return copy;
}

}  // namespace

PreparedPath::PreparedPath(const GraphicsPath& path)
    : m_Source(path),
      m_bFromSource(true),
      m_Path(path.ToQPainterPath()),
      m_ControlBounds(m_Path.controlPointRect()),
      m_bClosed(path.AllFiguresClosed()),
      m_Cost(m_Path) {}

PreparedPath::PreparedPath(const QPainterPath& path, bool closed)
    : m_bFromSource(false),
      m_Path(Detached(path)),
      m_ControlBounds(m_Path.controlPointRect()),
      m_bClosed(closed),
      m_Cost(m_Path) {}

bool PreparedPath::IsFor(const GraphicsPath& path) const {
    return m_bFromSource && m_Source.SameAs(path);
}

QPainterPath PreparedPath::Copy() const {
    return Detached(m_Path);
}
