#include "core/doc_listeners.h"

#include <algorithm>

#include "core/doc.h"

CQarnDocListener::~CQarnDocListener() {
    Subscribe(nullptr);
}

void CQarnDocListener::Subscribe(CQarnDoc* doc) {
    if (doc == m_pDoc) {
        return;
    }
    if (m_pDoc != nullptr) {
        m_pDoc->GetListeners().Remove(this);
    }
    if (doc != nullptr) {
        doc->GetListeners().Add(this, doc);
    }
}

void CQarnDocListeners::CloseAll() {
    // Each listener is told while it is still subscribed, then let go, so that it may not
    // reach the document again from its destructor.
    const std::vector<CQarnDocListener*> listeners = m_Listeners;
    for (CQarnDocListener* listener : listeners) {
        if (listener != nullptr && listener->m_pDoc != nullptr) {
            listener->OnDocumentClosing();
            listener->m_pDoc = nullptr;
        }
    }
    m_Listeners.clear();
}

void CQarnDocListeners::Add(CQarnDocListener* listener, CQarnDoc* doc) {
    if (listener == nullptr) {
        return;
    }
    m_Listeners.push_back(listener);
    listener->m_pDoc = doc;
}

void CQarnDocListeners::Remove(CQarnDocListener* listener) {
    auto found = std::find(m_Listeners.begin(), m_Listeners.end(), listener);
    if (found == m_Listeners.end()) {
        return;
    }
    listener->m_pDoc = nullptr;
    if (m_nDelivering > 0) {
        // The delivery in progress walks the list by index: leave a hole, close it after.
        *found = nullptr;
        m_bHoles = true;
    } else {
        m_Listeners.erase(found);
    }
}

bool CQarnDocListeners::IsEmpty() const {
    return Count() == 0;
}

int CQarnDocListeners::Count() const {
    return int(std::count_if(m_Listeners.begin(), m_Listeners.end(),
                             [](const CQarnDocListener* l) { return l != nullptr; }));
}

void CQarnDocListeners::Compact() {
    if (m_bHoles) {
        m_Listeners.erase(std::remove(m_Listeners.begin(), m_Listeners.end(), nullptr),
                          m_Listeners.end());
        m_bHoles = false;
    }
}
