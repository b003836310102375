#pragma once
// The attributes that GetPropValue and SetPropValue reach by property id, one row each: the
// variant type the value travels in, the values the attribute accepts, a short name to show,
// and how the value is read from and written to a component. Property panes and actions list
// and validate attributes from here; the component reads and writes through the same rows.

#include <cstdint>
#include <span>

#include "platform/hresult.h"
#include "platform/variant.h"
#include "platform/win_types.h"

class CQarnComponent;

class CQarnPropertyTable {
public:
    // Accepted integer values, both ends included.
    struct Range {
        std::int32_t min;
        std::int32_t max;
    };

    struct Row {
        UINT id;
        // The type a value is converted to before it is written, and the type it is read in.
        VARTYPE type;
        // Short English name of the attribute, for lists of attributes.
        const char* name;
        // The accepted values of an integer attribute (VT_I4 or VT_UI1); not used for the
        // other types, whose conversion is their only check.
        Range range;
        // The value in `type`; a neutral value while the property that holds it is missing.
        CVariant (*get)(CQarnComponent& component);
        // Writes a value already converted to `type` and inside the range; does nothing while
        // the property that holds it is missing. Null for an attribute that is shown only.
        void (*set)(CQarnComponent& component, const CVariant& value);

        bool IsInteger() const { return type == VT_I4 || type == VT_UI1; }
        bool IsReadOnly() const { return set == nullptr; }
        // `value` converted to the row's type into *converted. Fails with the conversion's
        // error, or with DISP_E_OVERFLOW for an integer outside the range; *converted is then
        // left as it was.
        HRESULT Convert(const CVariant& value, CVariant* converted) const;
    };

    // Every row, in ascending order of id.
    static std::span<const Row> Rows();
    // The row of an attribute id, or null for an id that names a property kind instead.
    static const Row* Find(UINT id);
};
