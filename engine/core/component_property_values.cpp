// The property-id protocol of a component: single attributes read and written as variants,
// through the rows of the property table. An id without a row reaches the user value attached
// under it as a property kind.
#include "core/component.h"
#include "core/property_table.h"
#include "platform/variant.h"
#include "properties/property_value.h"

namespace {

// Only a user value has a variant to give or take; another property found under the id (a pen
// or a brush, say) has none.
CQarnPropertyValue* UserValue(const CQarnComponent& component, UINT id) {
    return dynamic_cast<CQarnPropertyValue*>(component.GetProperty(int(id)));
}

}  // namespace

CVariant CQarnComponent::GetPropValue(UINT id) {
    if (const CQarnPropertyTable::Row* row = CQarnPropertyTable::Find(id)) {
        return row->get(*this);
    }
    const CQarnPropertyValue* user = UserValue(*this, id);
    return user ? user->GetValue() : CVariant();
}

// Whatever the id, the outline is rebuilt after a write so that the drawing follows the
// change; a refused value changes nothing and rebuilds nothing.
HRESULT CQarnComponent::SetPropValue(const CVariant& value, UINT id) {
    if (const CQarnPropertyTable::Row* row = CQarnPropertyTable::Find(id)) {
        CVariant converted;
        const HRESULT hr = row->Convert(value, &converted);
        if (FAILED(hr)) {
            return hr;
        }
        if (!row->IsReadOnly()) {
            row->set(*this, converted);
        }
    } else if (CQarnPropertyValue* user = UserValue(*this, id)) {
        // A user value is taken as it comes, with no conversion.
        user->SetValue(value);
    }
    ResetPath();
    return S_OK;
}
