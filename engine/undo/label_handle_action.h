#pragma once
// Dragging the label of a component by its label handle (8066): the action keeps the label
// before the drag; the selection tool moves it (DragTo) and finishes the action, which
// repaints the component where the label was and where it is.

#include "platform/point_f.h"
#include "undo/state_action.h"

class CLabelHandleAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CLabelHandleAction)

public:
    CLabelHandleAction(CActionSite site, unsigned int id, int handle, CQarnComponent* component);

    void DragTo(PointF point);

protected:
    void OnFinish() override;

private:
    int m_nHandle;
};
