#include "core/layer.h"

#include "core/canvas.h"
#include "core/component.h"

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

CDocument* CQarnLayer::GetDocument() const {
    return m_pCanvas ? m_pCanvas->GetDocument() : nullptr;
}

int CQarnLayer::GetIndexInContainer() const {
    if (m_pCanvas == nullptr) {
        return -1;
    }
    qsizetype at = m_pCanvas->GetLayers().indexOf(const_cast<CQarnLayer*>(this));
    return at < 0 ? 0 : int(at) + 1;
}
