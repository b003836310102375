#pragma once
// The tool-tip text of a component.

#include <QString>

#include "properties/property.h"
#include "properties/property_kinds.h"

class CQarnTipProperty : public CQarnProperty {
    QARN_DECLARE_SERIAL(CQarnTipProperty)

public:
    CQarnTipProperty() : CQarnProperty(QARN_PROP_TIP) {}
    explicit CQarnTipProperty(unsigned int kind) : CQarnProperty(kind) {}
    explicit CQarnTipProperty(const QString& text)
        : CQarnProperty(QARN_PROP_TIP), m_strText(text) {}

    CQarnProperty* Clone() const override;
    virtual void Copy(const CQarnTipProperty* source);

    const QString& GetText() const { return m_strText; }
    void SetText(const QString& text) { m_strText = text; }

    void Serialize(CArchive& ar) override;

private:
    QString m_strText = QStringLiteral("Tip");
};
