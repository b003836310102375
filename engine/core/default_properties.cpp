#include "core/default_properties.h"

#include "core/component.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"
#include "properties/text_property.h"

namespace Qarn {

namespace {

QList<CQarnProperty*>& Defaults() {
    static QList<CQarnProperty*> defaults;
    return defaults;
}

}  // namespace

CQarnProperty* GetDefaultProperty(UINT kind) {
    for (CQarnProperty* p : Defaults()) {
        if (p->GetId() == kind) {
            return p;
        }
    }
    return nullptr;
}

void AddDefaultProperty(CQarnProperty* property) {
    if (property == nullptr) {
        return;
    }
    property->IncreaseRefCount();
    Defaults().append(property);
}

void RemoveDefaultProperty(UINT kind) {
    CQarnProperty* p = GetDefaultProperty(kind);
    if (p == nullptr) {
        return;
    }
    Defaults().removeOne(p);
    p->Remove();
}

void CreateDefaultProperty() {
    AddDefaultProperty(new CQarnPenProperty(1));
    AddDefaultProperty(new CQarnBrushProperty());
    AddDefaultProperty(new CQarnArrowProperty());
    AddDefaultProperty(new CQarnTextProperty());
}

void ClearDefaultProperty() {
    QList<CQarnProperty*> all;
    all.swap(Defaults());
    for (CQarnProperty* p : all) {
        p->Remove();
    }
}

const QList<CQarnProperty*>& GetDefaultPropertyList() {
    return Defaults();
}

void SetDefaultsFromComponent(const CQarnComponent* component) {
    if (component == nullptr) {
        return;
    }
    for (UINT kind : {UINT(QARN_PROP_BRUSH), UINT(QARN_PROP_PEN), UINT(QARN_PROP_ARROW)}) {
        CQarnProperty* own = component->GetProperty(int(kind));
        if (own == nullptr || GetDefaultProperty(kind) == nullptr) {
            continue;
        }
        RemoveDefaultProperty(kind);
        AddDefaultProperty(own->Clone());
    }
}

}  // namespace Qarn
