#include "platform/variant.h"

#include <cmath>

CVariant CVariant::Null() {
    CVariant v;
    v.vt_ = VT_NULL;
    return v;
}

CVariant CVariant::Date(DATE value) {
    CVariant v;
    v.vt_ = VT_DATE;
    v.real_ = value;
    return v;
}

bool CVariant::CanHold(VARTYPE vt) {
    switch (vt) {
        case VT_EMPTY:
        case VT_NULL:
        case VT_I2:
        case VT_I4:
        case VT_R4:
        case VT_R8:
        case VT_DATE:
        case VT_BSTR:
        case VT_BOOL:
        case VT_UI1:
            return true;
        default:
            return false;
    }
}

bool CVariant::IsNumeric() const {
    switch (vt_) {
        case VT_I2:
        case VT_I4:
        case VT_R4:
        case VT_R8:
        case VT_DATE:
        case VT_BOOL:
        case VT_UI1:
            return true;
        default:
            return false;
    }
}

double CVariant::AsDouble() const {
    switch (vt_) {
        case VT_R4:
        case VT_R8:
        case VT_DATE:
            return real_;
        case VT_I2:
        case VT_I4:
        case VT_BOOL:
        case VT_UI1:
            return double(integer_);
        default:
            return 0.0;
    }
}

bool CVariant::operator==(const CVariant& other) const {
    if (vt_ != other.vt_) {
        return false;
    }
    switch (vt_) {
        case VT_R4:
        case VT_R8:
        case VT_DATE:
            return real_ == other.real_ || (std::isnan(real_) && std::isnan(other.real_));
        case VT_BSTR:
            return text_ == other.text_;
        default:
            return integer_ == other.integer_;
    }
}
