#pragma once
// Setting a poly's style from the poly style dialog (join kind, the other style flags, closed
// figure and curve tension) as one step. The style word and the tension are fields of the
// poly beside its geometry, so the action keeps them too.

#include "platform/win_types.h"
#include "undo/poly_action.h"

class CPolyStyleAction : public CPolyAction {
    QARN_DECLARE_DYNAMIC(CPolyStyleAction)

public:
    struct Style {
        DWORD polyStyle = 0;
        bool closed = false;
        float tension = 0.5f;
    };

    CPolyStyleAction(CActionSite site, unsigned int id, CQarnComponent* poly, const Style& style);

protected:
    // False (nothing recorded) when the poly has the style already.
    bool Edit(CQarnPoly& poly) override;
    void Exchange() override;

private:
    Style m_Style;
    // The fields before the edit once done; after it once undone.
    DWORD m_dwKeptStyle = 0;
    float m_fKeptTension = 0.5f;
};
