#include "core/property_editor.h"

#include "core/component.h"

namespace {

CQarnPropertyEditor* Installed = nullptr;
CQarnPropertyEditor* Default = nullptr;

}  // namespace

bool CQarnPropertyEditor::EditProperties(CQarnComponent&, CView*) {
    return false;
}

CQarnPropertyEditor* CQarnPropertyEditor::Get() {
    static CQarnPropertyEditor fallback;
    if (Installed != nullptr) {
        return Installed;
    }
    return Default != nullptr ? Default : &fallback;
}

void CQarnPropertyEditor::Set(CQarnPropertyEditor* editor) {
    Installed = editor;
}

void CQarnPropertyEditor::SetDefault(CQarnPropertyEditor* editor) {
    Default = editor;
}

int CQarnComponent::OnEditProperties(CView* view) {
    return CQarnPropertyEditor::Get()->EditProperties(*this, view) ? 1 : 0;
}
