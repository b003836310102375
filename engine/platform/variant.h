#pragma once
// A tagged value of the kinds the property-value protocol exchanges, numbered with the
// automation variant's type codes: empty, null, 16- and 32-bit integers, single and double
// floats, dates, strings, booleans and bytes. Copying a variant copies its value (a string is
// never shared between two variants). ChangeType converts between the kinds the way the
// platform's VariantChangeType does and reports a failed conversion by its error code.

#include <QString>
#include <cstdint>

#include "platform/hresult.h"
#include "platform/win_types.h"

using VARTYPE = std::uint16_t;
using VARIANT_BOOL = std::int16_t;
using DATE = double;  // days since 30 December 1899; the fraction is the time of day

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
};

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

class CVariant {
public:
    // The first and last day a date can name: 1 January 100 and 31 December 9999.
    static constexpr DATE kMinDate = -657434.0;
    static constexpr DATE kMaxDate = 2958465.0;

    CVariant() = default;  // empty
    explicit CVariant(std::int16_t value) : vt_(VT_I2), integer_(value) {}
    explicit CVariant(std::int32_t value) : vt_(VT_I4), integer_(value) {}
    explicit CVariant(float value) : vt_(VT_R4), real_(value) {}
    explicit CVariant(double value) : vt_(VT_R8), real_(value) {}
    explicit CVariant(bool value) : vt_(VT_BOOL), integer_(value ? VARIANT_TRUE : VARIANT_FALSE) {}
    explicit CVariant(BYTE value) : vt_(VT_UI1), integer_(value) {}
    explicit CVariant(const QString& value) : vt_(VT_BSTR), text_(value) {}
    // Text in UTF-8; without this a literal would turn into a boolean.
    explicit CVariant(const char* value) : CVariant(QString::fromUtf8(value)) {}

    static CVariant Null();
    static CVariant Date(DATE value);

    VARTYPE vt() const { return vt_; }
    bool IsEmpty() const { return vt_ == VT_EMPTY; }
    bool IsNull() const { return vt_ == VT_NULL; }
    // The kinds a variant of ours can hold.
    static bool CanHold(VARTYPE vt);

    // The value of a variant of that kind (0 or empty for another kind).
    std::int16_t GetI2() const { return vt_ == VT_I2 ? std::int16_t(integer_) : std::int16_t(0); }
    std::int32_t GetI4() const { return vt_ == VT_I4 ? std::int32_t(integer_) : 0; }
    float GetR4() const { return vt_ == VT_R4 ? float(real_) : 0.0f; }
    double GetR8() const { return vt_ == VT_R8 ? real_ : 0.0; }
    DATE GetDate() const { return vt_ == VT_DATE ? real_ : 0.0; }
    VARIANT_BOOL GetBool() const {
        return vt_ == VT_BOOL ? VARIANT_BOOL(integer_) : VARIANT_BOOL(0);
    }
    BYTE GetUI1() const { return vt_ == VT_UI1 ? BYTE(integer_) : 0; }
    QString GetBSTR() const { return vt_ == VT_BSTR ? text_ : QString(); }

    void Clear() { *this = CVariant(); }

    // This value converted to the kind `target`, in *result; on failure *result is left as
    // it was and the error is returned: DISP_E_TYPEMISMATCH when the value has no meaning in
    // that kind, DISP_E_OVERFLOW when it is out of its range, DISP_E_BADVARTYPE for a kind a
    // variant cannot hold.
    HRESULT ChangeType(VARTYPE target, CVariant* result) const;
    // The same conversion in place.
    HRESULT ChangeType(VARTYPE target);

    // Same kind and same value (NaN equals NaN, so a value read back compares equal).
    bool operator==(const CVariant& other) const;
    bool operator!=(const CVariant& other) const { return !(*this == other); }

private:
    // Kinds that hold a number, and the number as a double.
    bool IsNumeric() const;
    double AsDouble() const;
    HRESULT ToInteger(VARTYPE target, CVariant* result) const;
    HRESULT ToReal(VARTYPE target, CVariant* result) const;
    HRESULT ToBool(CVariant* result) const;
    HRESULT ToText(CVariant* result) const;

    VARTYPE vt_ = VT_EMPTY;
    std::int32_t integer_ = 0;  // I2, I4, BOOL and UI1
    double real_ = 0.0;         // R4, R8 and DATE
    QString text_;              // BSTR
};
