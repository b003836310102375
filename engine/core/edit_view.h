#pragma once
// What the model and its actions need of the drawing view an edit is made in. The drawing
// views implement it; tests implement it with a few lines. An action holds its view through a
// CViewRef, so closing a view and then undoing what was done in it is safe.

#include "platform/view.h"

class CQarnComponent;
class CQarnDoc;

class CQarnEditView : public CView {
public:
    // The drawing document the view shows; null when it shows none.
    CQarnDoc* GetQarnDocument() const;
    // An action changed the drawing: the view refreshes its selection state (its trackers,
    // the panes that follow the selection); null means "the drawing as a whole".
    virtual void OnSelectionChanged(CQarnComponent* component) = 0;
};

using CEditViewRef = CViewRef<CQarnEditView>;
