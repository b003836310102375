#include "controls/dialog_property_editor.h"

#include <QApplication>
#include <QWidget>

#include "connectors/anchor_point.h"
#include "controls/anchor_dialog.h"
#include "controls/property_sheet.h"
#include "platform/view.h"

namespace {

// The window the dialog belongs to: the view's, else the active one.
QWidget* ParentFor(CView* view) {
    if (view != nullptr) {
        if (auto* widget = qobject_cast<QWidget*>(view->GetMessageTarget())) {
            return widget->window();
        }
    }
    return QApplication::activeWindow();
}

// Installed when the library is loaded, as the connectors install their link.
struct Installer {
    CQarnDialogPropertyEditor editor;
    Installer() { CQarnPropertyEditor::SetDefault(&editor); }
    ~Installer() { CQarnPropertyEditor::SetDefault(nullptr); }
};
Installer installer;

}  // namespace

bool CQarnDialogPropertyEditor::EditProperties(CQarnComponent& component, CView* view) {
    // Dialogs need a widget application; a headless program edits nothing.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return false;
    }
    QWidget* parent = ParentFor(view);
    if (auto* anchor = dynamic_cast<CQarnAnchorPoint*>(&component)) {
        CQarnAnchorDialog dialog(*anchor, parent);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        CQarnAnchorDialog::Apply(*anchor, dialog.GetDirection());
        return true;
    }
    return CQarnPropertySheet::Edit(component, parent);
}
