#pragma once
// Setting one attribute by its property id on the selection (the selection itself for the
// frame and the angle, ids below 6, the expanded selection otherwise). Everything the
// attribute can touch is kept before: the geometry with the connectors that follow it, the
// properties, and the component's own fields (id, name, join kind, connector type). A value
// a component refuses changes nothing on it; GetResult says what the last refusal was.

#include <QStringList>
#include <vector>

#include "platform/hresult.h"
#include "platform/variant.h"
#include "undo/value_action.h"

class CPropAction : public CValueAction {
    QARN_DECLARE_DYNAMIC(CPropAction)

public:
    CPropAction(CActionSite site, UINT propertyId, const CVariant& value,
                const ComponentList& selection);

    UINT GetPropertyId() const { return m_nProperty; }
    // S_OK when every component took the value, else the last component's refusal.
    HRESULT GetResult() const { return m_hrResult; }

protected:
    void ApplyTo(CQarnComponent* component) override;
    const ComponentList& GetTargets() const override { return m_Targets; }
    void Exchange() override;

private:
    // Whether the id names a field of the component itself rather than its geometry or
    // properties.
    bool IsOwnField() const;

    UINT m_nProperty;
    CVariant m_Value;
    // The selected components themselves for the frame and the angle (a group then takes
    // its members along, which the action keeps too), else every component it keeps.
    ComponentList m_Targets;
    HRESULT m_hrResult = S_OK;
    std::vector<CVariant> m_OwnValues;
    QStringList m_Names;
    std::vector<UINT> m_Ids;
};
