#include "controls/tip_page.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "controls/appearance.h"
#include "controls/form_rows.h"
#include "controls/tip_markup.h"
#include "core/component_style.h"
#include "properties/tip_property.h"

CQarnTipPage::CQarnTipPage(QWidget* parent) : CQarnPropertyPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_pText = new QPlainTextEdit(this);
    m_pText->setTabChangesFocus(true);
    Qarn::AddFormRow(form, tr("Tip te&xt:"), m_pText);
    layout->addLayout(form);
    auto* help = new QLabel(tr("Mark-up: <b>bold</b>, <i>italic</i>, <u>underline</u>, "
                               "<br> for a new line, <font color=\"#RRGGBB\">colour</font>. "
                               "An empty text removes the tip."),
                            this);
    help->setTextFormat(Qt::PlainText);
    help->setWordWrap(true);
    layout->addWidget(help);
    m_pUseName = Qarn::CreateCheckBox(tr("Show the object's &name in the tip"), this);
    layout->addWidget(m_pUseName);
    auto* previewCaption = new QLabel(tr("Preview:"), this);
    layout->addWidget(previewCaption);
    m_pPreview = new QLabel(this);
    m_pPreview->setTextFormat(Qt::RichText);
    m_pPreview->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_pPreview->setMargin(4);
    m_pPreview->setAutoFillBackground(true);
    m_pPreview->setBackgroundRole(QPalette::ToolTipBase);
    m_pPreview->setForegroundRole(QPalette::ToolTipText);
    m_pPreview->setAccessibleName(tr("Tip preview"));
    m_pPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_pPreview);
    layout->addStretch(1);
    connect(m_pText, &QPlainTextEdit::textChanged, this, &CQarnTipPage::UpdatePreview);
}

void CQarnTipPage::Load(const CQarnAppearance& appearance) {
    const CQarnTipProperty* tip = appearance.GetTip();
    m_bHadTip = tip != nullptr;
    m_pText->setPlainText(tip != nullptr ? tip->GetText() : QString());
    m_pText->document()->setModified(false);
    m_pUseName->setChecked(appearance.HasStyle(kStyleTipUseName));
    UpdatePreview();
}

void CQarnTipPage::Store(CQarnAppearance& appearance) const {
    appearance.SetStyleBit(kStyleTipUseName, m_pUseName->isChecked());
    if (!m_pText->document()->isModified()) {
        return;
    }
    const QString text = m_pText->toPlainText();
    if (text.isEmpty()) {
        appearance.DropTip();
    } else {
        appearance.MakeTip()->SetText(text);
    }
}

void CQarnTipPage::UpdatePreview() {
    m_pPreview->setText(Qarn::TipMarkupToHtml(m_pText->toPlainText()));
}
