#pragma once
// A user value attached to a component: a name and a variant, found by its kind, which is the
// property id under which GetPropValue and SetPropValue reach it.

#include <QString>

#include "platform/variant.h"
#include "properties/property.h"

class CQarnPropertyValue : public CQarnProperty {
    QARN_DECLARE_SERIAL(CQarnPropertyValue)

public:
    // Kind 0, no name, a null value.
    CQarnPropertyValue();
    CQarnPropertyValue(unsigned int kind, const QString& name, const CVariant& value);
    CQarnPropertyValue(const CQarnPropertyValue& other);

    // A full copy: kind, name and value.
    CQarnProperty* Clone() const override;

    const QString& GetName() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    const CVariant& GetValue() const { return value_; }
    void SetValue(const CVariant& value) { value_ = value; }

    // The kind, the name, the type code and the value in the form of its type; a type this
    // record has no form for is written without a value and read back as null.
    void Serialize(CArchive& ar) override;

private:
    QString name_;
    CVariant value_ = CVariant::Null();
};
