#pragma once
// Stands in for a drawing view in the undo tests: it shows a document and counts how often an
// action asked it to refresh its selection state.

#include "core/edit_view.h"

class TestView : public CQarnEditView {
public:
    QObject* GetMessageTarget() override { return nullptr; }
    void OnUpdate(CView*, LPARAM, CObject*) override {}
    void OnSelectionChanged(CQarnComponent*) override { ++selectionRefreshes; }

    int selectionRefreshes = 0;
};
