#pragma once
// A drawing view as small as the actions allow: it shows one document, keeps a selection
// (dropping what leaves the document), and counts the refreshes actions ask for.

#include <QSet>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/doc_listener.h"
#include "core/edit_view.h"

class TestView : public CQarnEditView, private CQarnDocListener {
public:
    TestView() = default;

    // Shows the document and hears its changes.
    void Show(CQarnDoc* doc) {
        selection.clear();
        doc->AddView(this);
        Subscribe(doc);
    }

    QObject* GetMessageTarget() override { return nullptr; }
    void OnUpdate(CView*, LPARAM hint, CObject*) override {
        ++updates;
        lastHint = hint;
    }

    const ComponentList& GetSelection() const override { return selection; }
    void Select(CQarnComponent* component, bool add) override {
        if (!add) {
            selection.clear();
        }
        if (component != nullptr && !selection.contains(component)) {
            selection.append(component);
        }
    }
    void Deselect(CQarnComponent* component) override {
        if (component == nullptr) {
            selection.clear();
        } else {
            selection.removeAll(component);
        }
    }
    int IsSelected(const CObject* object) const override {
        const auto* component = dynamic_cast<const CQarnComponent*>(object);
        return component != nullptr && selection.contains(const_cast<CQarnComponent*>(component))
                   ? 1
                   : 0;
    }
    void OnSelectionChanged(CQarnComponent*) override { ++selectionRefreshes; }

    ComponentList selection;
    int selectionRefreshes = 0;
    int updates = 0;
    LPARAM lastHint = -1;

private:
    void OnComponentRemoved(CQarnComponent* component) override { selection.removeAll(component); }
    // Pages and layers that leave take their components with them.
    void OnPageChanged(CQarnCanvas*, Qarn::PageChange) override {
        if (CQarnDoc* doc = GetSubscribedDocument()) {
            selection = doc->KeepContained(selection);
        }
    }
};
