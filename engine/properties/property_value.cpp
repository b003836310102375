#include "properties/property_value.h"

#include "platform/archive.h"

QARN_IMPLEMENT_SERIAL(CQarnPropertyValue, CQarnProperty, 0)

CQarnPropertyValue::CQarnPropertyValue() = default;

CQarnPropertyValue::CQarnPropertyValue(unsigned int kind, const QString& name,
                                       const CVariant& value)
    : CQarnProperty(kind), name_(name), value_(value) {}

CQarnPropertyValue::CQarnPropertyValue(const CQarnPropertyValue& other) = default;

CQarnProperty* CQarnPropertyValue::Clone() const {
    return new CQarnPropertyValue(*this);
}

namespace {

void StoreValue(CArchive& ar, const CVariant& value) {
    ar << std::uint16_t(value.vt());
    switch (value.vt()) {
        case VT_I2:
            ar << value.GetI2();
            break;
        case VT_I4:
            // The integer goes out twice; a reader keeps the second.
            ar << value.GetI4() << value.GetI4();
            break;
        case VT_R4:
            ar << value.GetR4();
            break;
        case VT_R8:
            ar << value.GetR8();
            break;
        case VT_DATE:
            ar << value.GetDate();
            break;
        case VT_BSTR:
            ar << value.GetBSTR();
            break;
        case VT_BOOL:
            ar << std::int16_t(value.GetBool() != 0 ? VARIANT_TRUE : VARIANT_FALSE);
            break;
        case VT_UI1:
            ar << value.GetUI1();
            break;
        default:
            break;
    }
}

CVariant LoadValue(CArchive& ar) {
    std::uint16_t vt = 0;
    ar >> vt;
    switch (vt) {
        case VT_I2: {
            std::int16_t v = 0;
            ar >> v;
            return CVariant(v);
        }
        case VT_I4: {
            std::int32_t first = 0;
            std::int32_t second = 0;
            ar >> first >> second;
            return CVariant(second);
        }
        case VT_R4: {
            float v = 0;
            ar >> v;
            return CVariant(v);
        }
        case VT_R8: {
            double v = 0;
            ar >> v;
            return CVariant(v);
        }
        case VT_DATE: {
            double v = 0;
            ar >> v;
            return CVariant::Date(v);
        }
        case VT_BSTR: {
            QString v;
            ar >> v;
            return CVariant(v);
        }
        case VT_BOOL: {
            std::int16_t v = 0;
            ar >> v;
            return CVariant(v != 0);
        }
        case VT_UI1: {
            BYTE v = 0;
            ar >> v;
            return CVariant(v);
        }
        default:
            return CVariant::Null();
    }
}

}  // namespace

void CQarnPropertyValue::Serialize(CArchive& ar) {
    CQarnProperty::Serialize(ar);
    if (ar.IsStoring()) {
        ar << name_;
        StoreValue(ar, value_);
    } else {
        ar >> name_;
        value_ = LoadValue(ar);
    }
}
