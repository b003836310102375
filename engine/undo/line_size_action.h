#pragma once
// Setting the line width of the expanded selection ("Change line width", 8048).

#include "undo/value_action.h"

class CLineSizeAction : public CValueAction {
    QARN_DECLARE_DYNAMIC(CLineSizeAction)

public:
    CLineSizeAction(CActionSite site, unsigned int id, const ComponentList& selection, float width);

protected:
    void ApplyTo(CQarnComponent* component) override;

private:
    float m_fWidth;
};
