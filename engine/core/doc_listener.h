#pragma once
// What a document tells those who show it (views, panes, the message adapter) about its
// changes. Each document keeps its own listeners, so the views of one document never hear of
// another document's edits. A listener subscribes to one document at a time; whichever of the
// two goes first, the other lets go of it.

#include "platform/crect.h"
#include "platform/win_types.h"

class CQarnCanvas;
class CQarnComponent;
class CQarnDoc;

namespace Qarn {

// What became of a component.
enum class ComponentChange {
    // Its look or place changed: repaint where it was and where it is.
    Appearance,
    // An edit in progress shows it as feedback (a drag): draw its outline or its new look.
    Outline,
    // The same for the outline of its label.
    LabelOutline,
};

// What became of a page.
enum class PageChange {
    // Another page became the current one.
    Current,
    // Its size changed.
    Size,
    // It joined or left the document, or moved among the pages.
    Added,
    Removed,
    Moved,
    // Its layers changed: added, removed, moved, renamed, shown, hidden, locked, or another
    // layer became the current one.
    Layers,
    // Its background changed.
    Background,
    // The whole document was replaced (a file was opened into it).
    Reloaded,
};

}  // namespace Qarn

class CQarnDocListener {
public:
    CQarnDocListener() = default;
    CQarnDocListener(const CQarnDocListener&) = delete;
    CQarnDocListener& operator=(const CQarnDocListener&) = delete;
    virtual ~CQarnDocListener();

    // Starts hearing this document (and stops hearing any other); null stops hearing.
    void Subscribe(CQarnDoc* doc);
    void Unsubscribe() { Subscribe(nullptr); }
    CQarnDoc* GetSubscribedDocument() const { return m_pDoc; }

    // The component joined a layer of the document.
    virtual void OnComponentAdded(CQarnComponent* component) { (void)component; }
    // The component is about to leave the document; it may be deleted after the call.
    virtual void OnComponentRemoved(CQarnComponent* component) { (void)component; }
    // The component changed; `oldBounds` is where it showed before (its bounds as last
    // reported), the component's bound cache holds where it shows now.
    virtual void OnComponentChanged(CQarnComponent* component, Qarn::ComponentChange change,
                                    const CRect& oldBounds) {
        (void)component;
        (void)change;
        (void)oldBounds;
    }
    // A property of the component changed (the code names which group, as property pages
    // refresh by it).
    virtual void OnComponentPropertyChanged(CQarnComponent* component, UINT code) {
        (void)component;
        (void)code;
    }
    virtual void OnPageChanged(CQarnCanvas* page, Qarn::PageChange change) {
        (void)page;
        (void)change;
    }
    // Repaint this area (document units) of the page.
    virtual void OnRepaint(CQarnCanvas* page, const CRect& area) {
        (void)page;
        (void)area;
    }
    // The document is going away; the listener no longer hears it.
    virtual void OnDocumentClosing() {}

private:
    friend class CQarnDocListeners;
    CQarnDoc* m_pDoc = nullptr;
};
