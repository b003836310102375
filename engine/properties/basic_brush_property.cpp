#include "properties/basic_brush_property.h"

#include "platform/archive.h"
#include "properties/gradient.h"

QARN_IMPLEMENT_SERIAL(CQarnBasicBrushProperty, CQarnProperty, 0)

CQarnBasicBrushProperty::CQarnBasicBrushProperty()
    : CQarnBasicBrushProperty(QARN_PROP_BASICBRUSH) {}

CQarnBasicBrushProperty::CQarnBasicBrushProperty(unsigned int kind) : CQarnProperty(kind) {
    gradients_.append(new CQarnGradient(0.0f, Color(Color::Black)));
}

CQarnBasicBrushProperty::CQarnBasicBrushProperty(const CQarnBasicBrushProperty& other)
    : CQarnProperty(other) {
    for (const CQarnGradient* g : other.gradients_) {
        gradients_.append(g->Clone());
    }
}

CQarnBasicBrushProperty::~CQarnBasicBrushProperty() {
    ClearGradients();
}

CQarnProperty* CQarnBasicBrushProperty::Clone() const {
    auto* clone = new CQarnBasicBrushProperty(GetId());
    clone->Copy(this);
    return clone;
}

void CQarnBasicBrushProperty::Copy(const CQarnBasicBrushProperty* source) {
    if (source == nullptr || source == this) {
        return;
    }
    ClearGradients();
    for (const CQarnGradient* g : source->gradients_) {
        gradients_.append(g->Clone());
    }
}

Color CQarnBasicBrushProperty::GetColor(int index) const {
    if (index < 0 || gradients_.isEmpty()) {
        return Color(Color::Black);
    }
    if (index >= gradients_.size()) {
        index = int(gradients_.size()) - 1;
    }
    return gradients_[index]->GetColor();
}

void CQarnBasicBrushProperty::SetColor(const Color& color, int index) {
    if (index < 0) {
        return;
    }
    while (gradients_.size() <= index) {
        gradients_.append(new CQarnGradient());
    }
    gradients_[index]->SetColor(color);
}

void CQarnBasicBrushProperty::SetColor(unsigned long colorref, int index) {
    if (index < 0 || index >= gradients_.size()) {
        return;
    }
    const Color old = gradients_[index]->GetColor();
    const auto ref = static_cast<COLORREF>(colorref);
    gradients_[index]->SetColor(Color(old.GetA(), GetRValue(ref), GetGValue(ref), GetBValue(ref)));
}

void CQarnBasicBrushProperty::ClearGradients() {
    qDeleteAll(gradients_);
    gradients_.clear();
}

int CQarnBasicBrushProperty::Equal(const CQarnBasicBrushProperty* other) const {
    if (other == nullptr || other->gradients_.size() != gradients_.size()) {
        return 0;
    }
    for (qsizetype i = 0; i < gradients_.size(); ++i) {
        if (!gradients_[i]->Equal(*other->gradients_[i])) {
            return 0;
        }
    }
    return 1;
}

BYTE CQarnBasicBrushProperty::GetAlpha() const {
    return GetColor(0).GetA();
}

void CQarnBasicBrushProperty::SetAlpha(BYTE alpha) {
    if (gradients_.isEmpty()) {
        return;
    }
    const Color c = gradients_[0]->GetColor();
    gradients_[0]->SetColor(Color(alpha, c.GetR(), c.GetG(), c.GetB()));
}

// The record is the colour entries as an object list; the kind is not stored, so a brush always
// comes back under the kind of its class.
void CQarnBasicBrushProperty::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteObjectList(gradients_);
    } else {
        ClearGradients();
        ar.ReadObjectList(gradients_);
    }
}
