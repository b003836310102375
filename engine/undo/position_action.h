#pragma once
// The base of the actions that move, size, rotate or flip components: the selection expanded
// (a group with its members), without what cannot take part (a rotation skips what cannot
// rotate, a flip what cannot flip), with the connectors resting on them. The tool or command
// changes the components after Do and then finishes the action; undo and redo put back the
// exact frames, outlines, routes and connections, so a connector comes back on its old route
// rather than a new one.

#include "undo/state_action.h"

class CPositionAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CPositionAction)

public:
    // The selected components that take part (not expanded): what a command moves.
    const ComponentList& GetTopLevel() const { return m_TopLevel; }

protected:
    CPositionAction(CActionSite site, unsigned int id, const ComponentList& selection);
    void Exchange() override;

    // Tells the components' connectors that they moved (by the code of the change), each
    // with its frame, angle and style from before; groups pass it on to their members.
    void NotifyMoved(const ComponentList& moved, const QList<RectF>& oldRects, int change);

    ComponentList m_TopLevel;

private:
    struct FilteredTag {};
    CPositionAction(CActionSite site, unsigned int id, ComponentList topLevel, FilteredTag);
};
