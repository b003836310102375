#include "controls/shadow_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "controls/number_edit.h"
#include "controls/shadow_page.h"
#include "core/component.h"
#include "core/component_style.h"

CQarnShadowDialog::CQarnShadowDialog(const CQarnComponent& component, QWidget* parent)
    : CQarnDialog(tr("Shadow Effect"), parent), m_Appearance(component) {
    auto* layout = new QVBoxLayout(this);
    m_pPage = new CQarnShadowPage(this);
    m_pPage->Load(m_Appearance);
    layout->addWidget(m_pPage, 1);
    layout->addWidget(CreateButtons());
}

bool CQarnShadowDialog::GetDrawShadow() const {
    return m_Appearance.HasStyle(QARN_STYLE_SHOWSHADE);
}

bool CQarnShadowDialog::ValidateMore() {
    for (CQarnNumberEdit* field : m_pPage->GetCheckedFields()) {
        const QString problem = field->CheckValue();
        if (!problem.isEmpty()) {
            return Refuse(field, problem);
        }
    }
    return true;
}

void CQarnShadowDialog::OnAccepted() {
    m_pPage->Store(m_Appearance);
}

bool CQarnShadowDialog::ApplyTo(CQarnComponent& component) const {
    // Only the shadow and its style bit are this dialog's; the rest of the copy is as taken.
    return m_Appearance.ApplyTo(component);
}
