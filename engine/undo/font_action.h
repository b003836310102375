#pragma once
// Applying the view's current character format (face and size) to the texts of the expanded
// selection ("change font name or size", 8050).

#include "platform/char_format.h"
#include "undo/value_action.h"
class CFontAction : public CValueAction {
    QARN_DECLARE_DYNAMIC(CFontAction)

public:
    CFontAction(CActionSite site, unsigned int id, const ComponentList& selection);

protected:
    void ApplyTo(CQarnComponent* component) override;

private:
    CCharFormat m_Format;
};
