#pragma once
// The listeners of one document and the delivery of its changes to them. A listener may
// subscribe or unsubscribe (itself or others) while a change is being delivered.

#include <vector>

#include "core/doc_listener.h"

class CQarnDocListeners {
public:
    CQarnDocListeners() = default;
    CQarnDocListeners(const CQarnDocListeners&) = delete;
    CQarnDocListeners& operator=(const CQarnDocListeners&) = delete;
    ~CQarnDocListeners() { CloseAll(); }

    // Every listener still subscribed hears OnDocumentClosing and lets go.
    void CloseAll();

    void Add(CQarnDocListener* listener, CQarnDoc* doc);
    void Remove(CQarnDocListener* listener);
    bool IsEmpty() const;
    int Count() const;

    // Calls f(listener) for every listener, in the order they subscribed; those added during
    // the delivery hear the next change, those removed hear no more.
    template <class F>
    void ForEach(F&& f) {
        ++m_nDelivering;
        // Entries keep their places while a delivery runs (removal leaves holes); those
        // appended meanwhile lie beyond the count taken here.
        const size_t count = m_Listeners.size();
        for (size_t i = 0; i < count && i < m_Listeners.size(); ++i) {
            if (CQarnDocListener* listener = m_Listeners[i]) {
                f(listener);
            }
        }
        if (--m_nDelivering == 0) {
            Compact();
        }
    }

private:
    void Compact();

    std::vector<CQarnDocListener*> m_Listeners;
    int m_nDelivering = 0;
    bool m_bHoles = false;
};
