#pragma once
// The role of a view of a document: it is told about changes through OnUpdate and owns the
// window that registered messages are addressed to. Concrete views are widgets that also
// derive from this class; the document only knows this interface.
//
// Whatever outlives a view (an action in the undo history, say) holds it through a
// CViewRef, which answers null once the view is gone.

#include <memory>

#include "platform/win_types.h"

class CDocument;
class CObject;
class QObject;

class CView {
public:
    CView() = default;
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;
    virtual ~CView();

    CDocument* GetDocument() const { return m_pDocument; }
    // The window that messages for this view go to.
    virtual QObject* GetMessageTarget() = 0;
    // A change of the document; hint and hint object say what changed.
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) = 0;

    // What weak references watch: it goes when the view is destroyed (or earlier, see below).
    std::weak_ptr<const void> GetLifeToken() const { return m_pLife; }

protected:
    // A view whose destructor still does work calls this first, so that nothing reaches it
    // through a weak reference while it is being taken apart.
    void EndLife() { m_pLife.reset(); }

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
    std::shared_ptr<const void> m_pLife = std::make_shared<int>(0);
};

// A weak reference to a view of type T: null once the view is gone.
template <class T>
class CViewRef {
public:
    CViewRef() = default;
    explicit CViewRef(T* view) : m_pView(view) {
        if (view != nullptr) {
            m_Life = view->GetLifeToken();
        }
    }
    T* Get() const { return m_Life.expired() ? nullptr : m_pView; }
    // Whether a view was given at all (it may be gone since).
    bool WasSet() const { return m_pView != nullptr; }

private:
    T* m_pView = nullptr;
    std::weak_ptr<const void> m_Life;
};
