#pragma once
// Setting the line colour ("chang line color", 8045), the fill colour ("change fill color",
// 8046) or the text colour ("Change text color", 8047) of the expanded selection.

#include "undo/value_action.h"

class CColorAction : public CValueAction {
    QARN_DECLARE_DYNAMIC(CColorAction)

public:
    CColorAction(CActionSite site, unsigned int id, const ComponentList& selection, DWORD argb);

protected:
    void ApplyTo(CQarnComponent* component) override;

private:
    DWORD m_dwColor;
};
