#pragma once
// Setting the opacity of the line ("LINE ALPHA", 8068), the fill ("FILL ALPHA", 8070), the
// shadow ("SHADOW ALPHA", 8072) or the text ("TEXT ALPHA", 8074) of the expanded selection.

#include "undo/value_action.h"

class COpacityAction : public CValueAction {
    QARN_DECLARE_DYNAMIC(COpacityAction)

public:
    COpacityAction(CActionSite site, unsigned int id, const ComponentList& selection, BYTE alpha);

protected:
    void ApplyTo(CQarnComponent* component) override;

private:
    BYTE m_nAlpha;
};
