#include "controls/text_sheet.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "controls/form_rows.h"
#include "controls/number_edit.h"
#include "controls/text_page.h"
#include "core/component.h"

CQarnTextSheet::CQarnTextSheet(const CQarnComponent& component, QWidget* parent)
    : CQarnDialog(tr("Properties"), parent), m_Appearance(component) {
    auto* layout = new QVBoxLayout(this);
    m_pTabs = new QTabWidget(this);
    m_pTabs->setAccessibleName(tr("Property pages"));
    layout->addWidget(m_pTabs, 1);
    m_pText = new CQarnTextPage(m_pTabs);
    m_pText->Load(m_Appearance);
    // The text tools are there to write a text: it shows.
    m_pText->GetShowBox()->setChecked(true);
    m_pText->setAccessibleName(Qarn::PlainLabelText(m_pText->GetTitle()));
    m_pTabs->addTab(m_pText, m_pText->GetTitle());
    layout->addWidget(CreateButtons());
    m_pText->GetTextEdit()->setFocus();
}

CQarnTextSheet::~CQarnTextSheet() = default;

const CQarnTextProperty* CQarnTextSheet::GetText() const {
    return m_Appearance.GetText();
}

bool CQarnTextSheet::IsTextShown() const {
    return m_Appearance.HasStyle(QARN_STYLE_DRAWTEXT);
}

bool CQarnTextSheet::ValidateMore() {
    for (CQarnNumberEdit* number : m_pText->GetCheckedFields()) {
        if (const QString problem = number->CheckValue(); !problem.isEmpty()) {
            return Refuse(number, problem);
        }
    }
    QWidget* field = nullptr;
    const QString problem = m_pText->CheckValues(&field);
    return problem.isEmpty() || Refuse(field, problem);
}

void CQarnTextSheet::OnAccepted() {
    m_pText->Store(m_Appearance);
}
