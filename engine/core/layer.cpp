#include "core/layer.h"

#include "core/canvas.h"
#include "core/component.h"
#include "platform/archive.h"

QARN_IMPLEMENT_SERIAL(CQarnLayer, CObject, 0)

CQarnLayer::CQarnLayer() = default;

CQarnLayer::~CQarnLayer() {
    ComponentList all;
    all.swap(m_Components);
    for (CQarnComponent* c : all) {
        c->Remove();
    }
}

CQarnComponent* CQarnLayer::GetHead() const {
    return m_Components.isEmpty() ? nullptr : m_Components.first();
}

CQarnComponent* CQarnLayer::GetTail() const {
    return m_Components.isEmpty() ? nullptr : m_Components.last();
}

CQarnComponent* CQarnLayer::RemoveHead() {
    return m_Components.isEmpty() ? nullptr : m_Components.takeFirst();
}

CQarnComponent* CQarnLayer::RemoveTail() {
    return m_Components.isEmpty() ? nullptr : m_Components.takeLast();
}

CQarnComponent* CQarnLayer::GetNext(POSITION& pos) const {
    if (!Valid(pos)) {
        pos = 0;
        return nullptr;
    }
    CQarnComponent* c = m_Components[pos - 1];
    pos = pos < m_Components.size() ? pos + 1 : 0;
    return c;
}

CQarnComponent* CQarnLayer::GetPrev(POSITION& pos) const {
    if (!Valid(pos)) {
        pos = 0;
        return nullptr;
    }
    CQarnComponent* c = m_Components[pos - 1];
    pos = pos - 1;
    return c;
}

CQarnComponent* CQarnLayer::GetAt(POSITION pos) const {
    return Valid(pos) ? m_Components[pos - 1] : nullptr;
}

void CQarnLayer::SetAt(POSITION pos, CQarnComponent* component) {
    if (Valid(pos)) {
        m_Components[pos - 1] = component;
    }
}

void CQarnLayer::RemoveAt(POSITION pos) {
    if (Valid(pos)) {
        m_Components.removeAt(pos - 1);
    }
}

POSITION CQarnLayer::InsertBefore(POSITION pos, CQarnComponent* component) {
    if (!Valid(pos)) {
        return AddHead(component);
    }
    m_Components.insert(pos - 1, component);
    component->SetLayer(this);
    return pos;
}

POSITION CQarnLayer::InsertAfter(POSITION pos, CQarnComponent* component) {
    if (!Valid(pos)) {
        return AddTail(component);
    }
    m_Components.insert(pos, component);
    component->SetLayer(this);
    return pos + 1;
}

POSITION CQarnLayer::FindIndex(int index) const {
    return index >= 0 && index < m_Components.size() ? index + 1 : 0;
}

int CQarnLayer::GetObjectPosition(const CQarnComponent* component) const {
    qsizetype at = m_Components.indexOf(const_cast<CQarnComponent*>(component));
    return at < 0 ? 0 : int(at) + 1;
}

POSITION CQarnLayer::AddHead(CQarnComponent* component) {
    m_Components.prepend(component);
    component->SetLayer(this);
    return 1;
}

POSITION CQarnLayer::AddTail(CQarnComponent* component) {
    m_Components.append(component);
    component->SetLayer(this);
    return int(m_Components.size());
}

void CQarnLayer::AddHead(ComponentList* list) {
    if (list == nullptr) {
        return;
    }
    for (CQarnComponent* c : *list) {
        c->SetLayer(this);
    }
    m_Components = *list + m_Components;
}

void CQarnLayer::AddTail(ComponentList* list) {
    if (list == nullptr) {
        return;
    }
    for (CQarnComponent* c : *list) {
        c->SetLayer(this);
    }
    m_Components += *list;
}

void CQarnLayer::Add(CQarnComponent* component, CQarnComponent* before) {
    POSITION at = before ? GetObjectPosition(before) : 0;
    if (at == 0) {
        AddTail(component);
    } else {
        InsertBefore(at, component);
    }
}

void CQarnLayer::Remove(CQarnComponent* component) {
    m_Components.removeOne(component);
}

CQarnComponent* CQarnLayer::FindObjectAfter(const CQarnComponent* component) const {
    POSITION at = GetObjectPosition(component);
    return at == 0 ? nullptr : GetAt(at + 1);
}

bool CQarnLayer::IsVisible(float zoom) const {
    const bool visible = (m_nFlags & Visible) != 0;
    if (zoom < 0.0f) {
        return visible;
    }
    if (zoom == 0.0f || zoom < m_fLowestZoom || zoom > m_fHighestZoom) {
        return false;
    }
    return visible;
}

void CQarnLayer::SetZoomRange(float lowest, float highest) {
    m_fLowestZoom = lowest;
    m_fHighestZoom = highest;
}

void CQarnLayer::Initialize(CQarnCanvas* canvas) {
    m_pCanvas = canvas;
    for (CQarnComponent* c : m_Components) {
        c->Initialize(this);
    }
}

CQarnDoc* CQarnLayer::GetDocument() const {
    return m_pCanvas ? m_pCanvas->GetDocument() : nullptr;
}

int CQarnLayer::GetIndexInContainer() const {
    if (m_pCanvas == nullptr) {
        return -1;
    }
    qsizetype at = m_pCanvas->GetLayers().indexOf(const_cast<CQarnLayer*>(this));
    return at < 0 ? 0 : int(at) + 1;
}

void CQarnLayer::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteObjectList(m_Components);
        ar << m_nFlags << std::uint32_t(m_dwReserved) << m_strName << std::uint32_t(0)
           << std::uint32_t(0) << std::uint32_t(0);
        return;
    }
    // Components join the list as soon as each is read whole, so that a failure later leaves
    // them with the layer, which deletes them.
    ar.ReadObjectList(RUNTIME_CLASS(CQarnComponent), CArchive::Sharing::Exclusive,
                      [this](CObject* c) { m_Components.append(static_cast<CQarnComponent*>(c)); });
    std::uint32_t reserved = 0;
    std::uint32_t ignored = 0;
    ar >> m_nFlags >> reserved >> m_strName >> ignored >> ignored >> ignored;
    m_dwReserved = reserved;
}

CArchive& operator>>(CArchive& ar, CQarnLayer*& layer) {
    layer = static_cast<CQarnLayer*>(ar.ReadObject(RUNTIME_CLASS(CQarnLayer)));
    return ar;
}
