#include "controls/appearance.h"

#include <QByteArray>
#include <algorithm>
#include <iterator>

#include "controls/label_placement.h"
#include "core/component.h"
#include "platform/archive.h"
#include "platform/rect_f.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/label_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "properties/tip_property.h"

namespace {

template <class T>
CQarnAppearance::Held<T> Copy(const T* property) {
    if (property == nullptr) {
        return nullptr;
    }
    auto* clone = dynamic_cast<T*>(property->Clone());
    if (clone != nullptr) {
        clone->IncreaseRefCount();
    }
    return CQarnAppearance::Held<T>(clone);
}

QByteArray RecordOf(const CQarnProperty& property) {
    QByteArray bytes;
    CArchive ar(CArchive::store, &bytes);
    // Writing does not change the property; Serialize is the one operation for both ways.
    const_cast<CQarnProperty&>(property).Serialize(ar);
    return bytes;
}

// Same class and the same record; a text also keeps words the record leaves out.
bool SameProperty(const CQarnProperty* a, const CQarnProperty* b) {
    if (a == nullptr || b == nullptr) {
        return a == b;
    }
    if (a->GetRuntimeClass() != b->GetRuntimeClass()) {
        return false;
    }
    const auto* ta = dynamic_cast<const CQarnTextProperty*>(a);
    const auto* tb = dynamic_cast<const CQarnTextProperty*>(b);
    if (ta != nullptr && tb != nullptr &&
        (ta->GetStringFormat() != tb->GetStringFormat() ||
         ta->GetGrowWithSizing() != tb->GetGrowWithSizing())) {
        return false;
    }
    return RecordOf(*a) == RecordOf(*b);
}

// The component's property of that kind, or null.
CQarnProperty* Current(const CQarnComponent& component, unsigned int kind) {
    return component.GetProperty(int(kind));
}

// Puts `edited` where the component's property of that kind is (or appends it, or removes the
// old one when `edited` is null). True when the component changed.
bool Replace(CQarnComponent& component, unsigned int kind, const CQarnProperty* edited) {
    CQarnProperty* old = Current(component, kind);
    if (SameProperty(old, edited)) {
        return false;
    }
    if (edited == nullptr) {
        component.RemoveProperty(old);
        return true;
    }
    CQarnProperty* fresh = edited->Clone();
    if (old == nullptr) {
        component.AddProperty(fresh);
        return true;
    }
    PropertyList& list = component.GetPropList();
    const qsizetype at = list.indexOf(old);
    fresh->IncreaseRefCount();
    list[at] = fresh;
    old->Remove();
    return true;
}

// The kinds the copy holds.
constexpr unsigned int kEditedKinds[] = {QARN_PROP_PEN,   QARN_PROP_BRUSH, QARN_PROP_ARROW,
                                         QARN_PROP_TEXT,  QARN_PROP_LABEL, QARN_PROP_TIP,
                                         QARN_PROP_SHADOW};

bool IsEditedKind(unsigned int kind) {
    return std::find(std::begin(kEditedKinds), std::end(kEditedKinds), kind) !=
           std::end(kEditedKinds);
}

}  // namespace

void CQarnAppearance::Release::operator()(CQarnProperty* property) const {
    if (property != nullptr) {
        property->Remove();
    }
}

CQarnAppearance::CQarnAppearance(const CQarnComponent& component)
    : m_pPen(Copy(component.GetPenProperty())),
      m_pBrush(Copy(component.GetBrushProperty())),
      m_pArrows(Copy(dynamic_cast<CQarnArrowProperty*>(Current(component, QARN_PROP_ARROW)))),
      m_pText(Copy(component.GetTextProperty())),
      m_pLabel(Copy(component.GetLabelProperty())),
      m_pTip(Copy(component.GetTipProperty())),
      m_pShadow(Copy(component.GetShadowProperty())),
      m_dwStyle(component.GetStyle()),
      m_pFrame(std::make_unique<RectF>(Qarn::ShownFrame(component))) {
    for (const CQarnProperty* property : component.GetPropList()) {
        const unsigned int kind = property->GetId();
        m_Order.push_back(IsEditedKind(kind) ? Place{kind, nullptr} : Place{0, property});
    }
}

CQarnAppearance::CQarnAppearance(CQarnAppearance&&) noexcept = default;
CQarnAppearance& CQarnAppearance::operator=(CQarnAppearance&&) noexcept = default;
CQarnAppearance::~CQarnAppearance() = default;

const RectF& CQarnAppearance::GetShownFrame() const {
    return *m_pFrame;
}

CQarnBasicBrushProperty* CQarnAppearance::MakeFullBrush() {
    if (m_pBrush == nullptr) {
        return nullptr;
    }
    if (dynamic_cast<CQarnBrushProperty*>(m_pBrush.get()) == nullptr) {
        auto* full = new CQarnBrushProperty();
        full->Copy(m_pBrush.get());
        full->IncreaseRefCount();
        m_pBrush.reset(full);
    }
    return m_pBrush.get();
}

CQarnTextProperty* CQarnAppearance::MakeText() {
    if (m_pText == nullptr) {
        auto* text = new CQarnTextProperty();
        text->IncreaseRefCount();
        m_pText.reset(text);
    }
    return m_pText.get();
}

void CQarnAppearance::DropText() {
    m_pText.reset();
}

CQarnLabelProperty* CQarnAppearance::MakeLabel() {
    if (m_pLabel == nullptr) {
        auto* label = new CQarnLabelProperty(RectF(0, 0, 0, 0));
        label->SetRectF(Qarn::PlaceLabel(*m_pFrame, label->GetRectF(), 7));
        label->UpdateLastRect();
        label->IncreaseRefCount();
        m_pLabel.reset(label);
    }
    return m_pLabel.get();
}

void CQarnAppearance::DropLabel() {
    m_pLabel.reset();
}

CQarnTipProperty* CQarnAppearance::MakeTip() {
    if (m_pTip == nullptr) {
        auto* tip = new CQarnTipProperty(QString());
        tip->IncreaseRefCount();
        m_pTip.reset(tip);
    }
    return m_pTip.get();
}

void CQarnAppearance::DropTip() {
    m_pTip.reset();
}

CQarnShadowProperty* CQarnAppearance::MakeShadow() {
    if (m_pShadow == nullptr) {
        auto* shadow = new CQarnShadowProperty();
        shadow->IncreaseRefCount();
        m_pShadow.reset(shadow);
    }
    return m_pShadow.get();
}

void CQarnAppearance::RestoreOrder(CQarnComponent& component) const {
    PropertyList& list = component.GetPropList();
    PropertyList ordered;
    for (const Place& place : m_Order) {
        for (CQarnProperty* property : list) {
            const bool fits =
                place.other != nullptr ? property == place.other : property->GetId() == place.kind;
            if (fits && !ordered.contains(property)) {
                ordered.append(property);
                break;
            }
        }
    }
    for (CQarnProperty* property : list) {
        if (!ordered.contains(property)) {
            ordered.append(property);
        }
    }
    list = ordered;
}

bool CQarnAppearance::DiffersFrom(const CQarnComponent& component) const {
    return component.GetStyle() != m_dwStyle ||
           !SameProperty(component.GetPenProperty(), m_pPen.get()) ||
           !SameProperty(component.GetBrushProperty(), m_pBrush.get()) ||
           !SameProperty(Current(component, QARN_PROP_ARROW), m_pArrows.get()) ||
           !SameProperty(component.GetTextProperty(), m_pText.get()) ||
           !SameProperty(component.GetLabelProperty(), m_pLabel.get()) ||
           !SameProperty(component.GetTipProperty(), m_pTip.get()) ||
           !SameProperty(component.GetShadowProperty(), m_pShadow.get());
}

bool CQarnAppearance::ApplyTo(CQarnComponent& component) const {
    if (!DiffersFrom(component)) {
        return false;
    }
    Replace(component, QARN_PROP_PEN, m_pPen.get());
    Replace(component, QARN_PROP_BRUSH, m_pBrush.get());
    Replace(component, QARN_PROP_ARROW, m_pArrows.get());
    Replace(component, QARN_PROP_TEXT, m_pText.get());
    Replace(component, QARN_PROP_LABEL, m_pLabel.get());
    Replace(component, QARN_PROP_TIP, m_pTip.get());
    Replace(component, QARN_PROP_SHADOW, m_pShadow.get());
    RestoreOrder(component);
    component.SetStyle(m_dwStyle);
    // The elements borrow the pen, brush and arrows: they are rebuilt on the new ones.
    component.ResetPath();
    component.Invalidate(nullptr, false);
    component.OnPropertyChanged(0);
    return true;
}
