// The component's forwarders to its text and tip properties.
#include "core/component.h"
#include "platform/char_format.h"
#include "properties/basic_brush_property.h"
#include "properties/text_property.h"
#include "properties/tip_property.h"

QString CQarnComponent::GetText() const {
    CQarnTextProperty* text = GetTextProperty();
    return text ? text->GetText() : QString();
}

void CQarnComponent::SetText(const QString& value) {
    if (CQarnTextProperty* text = GetTextProperty()) {
        text->SetText(value);
    }
}

COLORREF CQarnComponent::GetTextColor() const {
    CQarnTextProperty* text = GetTextProperty();
    return text ? text->GetColor(0) : 0;
}

void CQarnComponent::SetTextColor(const Color& color) {
    if (CQarnTextProperty* text = GetTextProperty()) {
        text->SetColor(color, 0);
    }
}

void CQarnComponent::SetTextColor(const DWORD& colorref) {
    if (CQarnTextProperty* text = GetTextProperty()) {
        text->SetColor(static_cast<unsigned long>(colorref), 0);
    }
}

CCharFormat CQarnComponent::GetCharFormat() const {
    if (CQarnTextProperty* text = GetTextProperty()) {
        return text->GetCharFormat();
    }
    CCharFormat format;
    format.dwMask = CFM_FACE | CFM_SIZE;
    format.yHeight = 240;
    format.szFaceName = QStringLiteral("Arial");
    return format;
}

void CQarnComponent::SetCharFormat(const CCharFormat& format, CView* view) {
    if (CQarnTextProperty* text = GetTextProperty()) {
        text->SetCharFormat(format, view);
    }
}

CQarnTipProperty* CQarnComponent::GetTipProperty() const {
    return dynamic_cast<CQarnTipProperty*>(GetProperty(QARN_PROP_TIP));
}

QString CQarnComponent::GetTipText() const {
    CQarnTipProperty* tip = GetTipProperty();
    return tip ? tip->GetText() : QString();
}

void CQarnComponent::SetTipText(const QString& text) {
    if (CQarnTipProperty* tip = GetTipProperty()) {
        tip->SetText(text);
        return;
    }
    AddProperty(new CQarnTipProperty(text));
}
