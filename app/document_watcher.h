#pragma once
// Hears the changes of one document (the active one) and reports them, sorted into what the
// main window refreshes: the drawing changed, or its pages or layers did.

#include <functional>

#include "core/doc_listener.h"

class CDocumentWatcher : public CQarnDocListener {
public:
    enum Change : unsigned {
        Drawing = 1,  // components added, removed or changed
        Pages = 2,    // pages added, removed, moved, resized, or another is current
        Layers = 4,   // the layers of a page
    };
    using Callback = std::function<void(unsigned changes)>;

    explicit CDocumentWatcher(Callback callback) : m_Callback(std::move(callback)) {}

protected:
    void OnComponentAdded(CQarnComponent* component) override;
    void OnComponentRemoved(CQarnComponent* component) override;
    void OnComponentChanged(CQarnComponent* component, Qarn::ComponentChange change,
                            const CRect& oldBounds) override;
    void OnPageChanged(CQarnCanvas* page, Qarn::PageChange change) override;

private:
    Callback m_Callback;
};
