#pragma once
// Setting the dash style of the expanded selection's lines ("Change line style", 8049).

#include "undo/value_action.h"

class CLineStyleAction : public CValueAction {
    QARN_DECLARE_DYNAMIC(CLineStyleAction)

public:
    CLineStyleAction(CActionSite site, unsigned int id, const ComponentList& selection,
                     unsigned short dashStyle);

protected:
    void ApplyTo(CQarnComponent* component) override;

private:
    unsigned short m_nDashStyle;
};
