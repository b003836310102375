#pragma once
// The base of the actions that edit the points of one poly: the poly's geometry and the
// connectors resting on it (whose anchor numbers follow inserted and removed points) are kept
// before the edit; undo and redo exchange them with the present. Editing by point number
// needs plain coordinates, so a turned or flipped poly is first normalised, which undo takes
// back with the rest.

#include "undo/state_action.h"

class CQarnPoly;

class CPolyAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CPolyAction)

public:
    CQarnPoly* GetPoly() const { return m_pPoly; }

protected:
    // `poly` may be null or not a poly: the action then fails.
    CPolyAction(CActionSite site, unsigned int id, CQarnComponent* poly);

    // Fails without a poly; otherwise Edit runs and the poly is rebuilt and repainted, and
    // the connectors resting on it follow.
    void OnDo() override;
    // The edit; false when it cannot be made (the action then fails and changes nothing).
    virtual bool Edit(CQarnPoly& poly) = 0;
    // Bakes a rotation or flip into the points.
    static void NormalizeIfTurned(CQarnPoly& poly);

private:
    CQarnPoly* m_pPoly = nullptr;
};
