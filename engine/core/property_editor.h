#pragma once
// What a component asks of the user interface when its properties are to be edited. The model
// shows no windows; the library's controls install the editor that shows the property sheets
// as the default when the library is loaded. Without it the default edits nothing.

class CQarnComponent;
class CView;

class CQarnPropertyEditor {
public:
    virtual ~CQarnPropertyEditor() = default;

    // Shows the sheet of the component's properties, modally. True when the user confirmed it:
    // the component then holds what was chosen. False (and the component as it was) when the
    // user cancelled or there is nothing to edit. `view` is the drawing view the edit is made
    // in (may be null).
    virtual bool EditProperties(CQarnComponent& component, CView* view);

    // The editor in force; never null.
    static CQarnPropertyEditor* Get();
    // Installs an editor (not owned), for tests and programs; null restores the default.
    static void Set(CQarnPropertyEditor* editor);
    // Replaces the do-nothing default (not owned). The controls install theirs when the library
    // is loaded.
    static void SetDefault(CQarnPropertyEditor* editor);
};
