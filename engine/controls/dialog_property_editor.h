#pragma once
// The property editor the library installs when it is loaded: an anchor point of a symbol
// gets "Anchor Point Setup", every other component the "Line & Fill" sheet. The dialog opens
// over the view the edit is made in (its window), or over the active window.

#include "core/property_editor.h"

class CQarnDialogPropertyEditor : public CQarnPropertyEditor {
public:
    bool EditProperties(CQarnComponent& component, CView* view) override;
};
