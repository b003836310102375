#pragma once
// Setting the start arrow head ("change left arrow", 8043) or the end arrow head ("change right
// arrow", 8044) of the expanded selection.

#include "core/arrow_type.h"
#include "undo/value_action.h"
class CArrowAction : public CValueAction {
    QARN_DECLARE_DYNAMIC(CArrowAction)

public:
    CArrowAction(CActionSite site, unsigned int id, const ComponentList& selection,
                 ArrowType arrow);

protected:
    void ApplyTo(CQarnComponent* component) override;

private:
    ArrowType m_nArrow;
};
