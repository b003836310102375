#include "controls/property_sheet.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "controls/arrow_page.h"
#include "controls/fill_page.h"
#include "controls/fitting_scroll_area.h"
#include "controls/form_rows.h"
#include "controls/label_page.h"
#include "controls/line_page.h"
#include "controls/number_edit.h"
#include "controls/shadow_page.h"
#include "controls/text_page.h"
#include "controls/tip_page.h"
#include "core/component.h"

CQarnPropertySheet::CQarnPropertySheet(const CQarnComponent& component, QWidget* parent)
    : CQarnDialog(tr("Line & Fill"), parent), m_Appearance(component) {
    auto* layout = new QVBoxLayout(this);
    m_pTabs = new QTabWidget();
    m_pTabs->setAccessibleName(tr("Property pages"));
    // On a small screen the pages scroll and OK and Cancel stay in view.
    auto* pages = new CQarnFittingScrollArea(m_pTabs, this);
    pages->setAccessibleName(tr("Property pages"));
    layout->addWidget(pages, 1);

    m_pLine = new CQarnLinePage(m_pTabs);
    AddPage(m_pLine);
    m_pFill = new CQarnFillPage(m_pTabs);
    AddPage(m_pFill);
    if (m_Appearance.GetArrows() != nullptr) {
        m_pArrows = new CQarnArrowPage(m_pTabs);
        AddPage(m_pArrows);
    }
    m_pText = new CQarnTextPage(m_pTabs);
    AddPage(m_pText);
    m_pLabel = new CQarnLabelPage(m_pTabs);
    AddPage(m_pLabel);
    m_pTip = new CQarnTipPage(m_pTabs);
    AddPage(m_pTip);
    m_pShadow = new CQarnShadowPage(m_pTabs);
    AddPage(m_pShadow);

    layout->addWidget(CreateButtons());
}

CQarnPropertySheet::~CQarnPropertySheet() = default;

void CQarnPropertySheet::AddPage(CQarnPropertyPage* page) {
    page->Load(m_Appearance);
    page->setAccessibleName(Qarn::PlainLabelText(page->GetTitle()));
    m_pTabs->addTab(page, page->GetTitle());
    m_Pages.append(page);
}

void CQarnPropertySheet::ShowPage(CQarnPropertyPage* page) {
    m_pTabs->setCurrentWidget(page);
}

bool CQarnPropertySheet::ValidateMore() {
    for (CQarnPropertyPage* page : m_Pages) {
        for (CQarnNumberEdit* field : page->GetCheckedFields()) {
            const QString problem = field->CheckValue();
            if (!problem.isEmpty()) {
                return Refuse(field, problem);
            }
        }
        QWidget* field = nullptr;
        const QString problem = page->CheckValues(&field);
        if (!problem.isEmpty()) {
            return Refuse(field, problem);
        }
    }
    return true;
}

void CQarnPropertySheet::OnAccepted() {
    for (CQarnPropertyPage* page : m_Pages) {
        page->Store(m_Appearance);
    }
}

bool CQarnPropertySheet::Edit(CQarnComponent& component, QWidget* parent) {
    CQarnPropertySheet sheet(component, parent);
    if (sheet.exec() != QDialog::Accepted) {
        return false;
    }
    sheet.ApplyTo(component);
    return true;
}
