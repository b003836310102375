#pragma once
// Moving one point of a poly ("Move point of a poly", 8022): Do moves it to the point given as it
// shows; the edit-poly tool goes on with MoveTo and finishes the action. The connectors resting
// on that vertex follow.

#include "platform/point_f.h"
#include "undo/poly_action.h"

class CMovePointAction : public CPolyAction {
    QARN_DECLARE_DYNAMIC(CMovePointAction)

public:
    CMovePointAction(CActionSite site, unsigned int id, CQarnComponent* poly, int index,
                     PointF point);

    // Moves the point again (as it shows); the connectors resting on it follow.
    void MoveTo(PointF point);

protected:
    bool Edit(CQarnPoly& poly) override;

private:
    int m_nIndex;
    PointF m_ptPoint;
};
