#include "controls/page_setup_sheet.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "controls/form_rows.h"
#include "controls/number_edit.h"
#include "core/canvas.h"
#include "core/doc.h"

namespace {

struct Paper {
    const char* name;
    // Portrait size in document units (hundredths of an inch).
    int width;
    int height;
};

const Paper kPapers[] = {
    {QT_TRANSLATE_NOOP("CQarnPageSetupSheet", "Letter (8.5 x 11 in)"), 850, 1100},
    {QT_TRANSLATE_NOOP("CQarnPageSetupSheet", "Legal (8.5 x 14 in)"), 850, 1400},
    {QT_TRANSLATE_NOOP("CQarnPageSetupSheet", "Tabloid (11 x 17 in)"), 1100, 1700},
    {QT_TRANSLATE_NOOP("CQarnPageSetupSheet", "A5 (148 x 210 mm)"), 583, 827},
    {QT_TRANSLATE_NOOP("CQarnPageSetupSheet", "A4 (210 x 297 mm)"), 827, 1169},
    {QT_TRANSLATE_NOOP("CQarnPageSetupSheet", "A3 (297 x 420 mm)"), 1169, 1654},
};
constexpr int kPaperCount = int(std::size(kPapers));
// Pages from one inch to a thousand inches.
constexpr double kSmallestPage = 1.0;
constexpr double kLargestPage = 1000.0;
constexpr double kUnitsPerInch = 100.0;

}  // namespace

CQarnPageSetupSheet::CQarnPageSetupSheet(const CQarnDoc& document, QWidget* parent)
    : CQarnDialog(tr("Page Setup"), parent) {
    m_Loaded.pageSize = document.GetCanvasSize();
    m_Loaded.margins = document.GetMargins();

    auto* layout = new QVBoxLayout(this);
    m_pTabs = new QTabWidget(this);
    m_pTabs->setAccessibleName(tr("Page setup pages"));
    layout->addWidget(m_pTabs, 1);

    auto* page = new QWidget(m_pTabs);
    auto* pageForm = new QFormLayout(page);
    m_pPaper = new QComboBox(page);
    for (const Paper& p : kPapers) {
        m_pPaper->addItem(tr(p.name));
    }
    m_pPaper->addItem(tr("Other size"));
    Qarn::AddFormRow(pageForm, tr("&Paper:"), m_pPaper);
    auto* orientation = new QWidget(page);
    auto* orientationLayout = new QHBoxLayout(orientation);
    orientationLayout->setContentsMargins(0, 0, 0, 0);
    m_pPortrait = new QRadioButton(tr("P&ortrait"), orientation);
    m_pLandscape = new QRadioButton(tr("&Landscape"), orientation);
    m_pPortrait->setAccessibleName(tr("Portrait"));
    m_pLandscape->setAccessibleName(tr("Landscape"));
    orientationLayout->addWidget(m_pPortrait);
    orientationLayout->addWidget(m_pLandscape);
    orientationLayout->addStretch(1);
    pageForm->addRow(tr("Orientation:"), orientation);
    m_pWidth = new CQarnNumberEdit(tr("Page width"), kSmallestPage, kLargestPage, 2, page);
    Qarn::AddFormRow(pageForm, tr("&Width (in):"), m_pWidth);
    m_pHeight = new CQarnNumberEdit(tr("Page height"), kSmallestPage, kLargestPage, 2, page);
    Qarn::AddFormRow(pageForm, tr("&Height (in):"), m_pHeight);
    m_pTabs->addTab(page, tr("Pa&ge"));

    auto* marginsPage = new QWidget(m_pTabs);
    auto* marginsForm = new QFormLayout(marginsPage);
    const char* const sides[4] = {QT_TR_NOOP("Left margin"), QT_TR_NOOP("Top margin"),
                                  QT_TR_NOOP("Right margin"), QT_TR_NOOP("Bottom margin")};
    const char* const captions[4] = {QT_TR_NOOP("L&eft (in):"), QT_TR_NOOP("&Top (in):"),
                                     QT_TR_NOOP("&Right (in):"), QT_TR_NOOP("&Bottom (in):")};
    for (int side = 0; side < 4; ++side) {
        m_pMargins[side] = new CQarnNumberEdit(tr(sides[side]), 0.0, kLargestPage, 2, marginsPage);
        Qarn::AddFormRow(marginsForm, tr(captions[side]), m_pMargins[side]);
    }
    m_pTabs->addTab(marginsPage, tr("&Margins"));
    layout->addWidget(CreateButtons());

    m_pWidth->SetValue(m_Loaded.pageSize.cx / kUnitsPerInch);
    m_pHeight->SetValue(m_Loaded.pageSize.cy / kUnitsPerInch);
    m_pMargins[0]->SetValue(m_Loaded.margins.left / kUnitsPerInch);
    m_pMargins[1]->SetValue(m_Loaded.margins.top / kUnitsPerInch);
    m_pMargins[2]->SetValue(m_Loaded.margins.right / kUnitsPerInch);
    m_pMargins[3]->SetValue(m_Loaded.margins.bottom / kUnitsPerInch);
    FindPaper();

    for (CQarnNumberEdit* field : {m_pWidth, m_pHeight}) {
        CheckOnAccept(field);
        connect(field, &QLineEdit::textEdited, this, &CQarnPageSetupSheet::FindPaper);
    }
    for (CQarnNumberEdit* field : m_pMargins) {
        CheckOnAccept(field);
    }
    connect(m_pPaper, &QComboBox::activated, this, &CQarnPageSetupSheet::ShowPaper);
    connect(m_pPortrait, &QRadioButton::clicked, this, &CQarnPageSetupSheet::ShowPaper);
    connect(m_pLandscape, &QRadioButton::clicked, this, &CQarnPageSetupSheet::ShowPaper);
}

int CQarnPageSetupSheet::ToUnits(double inches) {
    return int(std::lround(inches * kUnitsPerInch));
}

void CQarnPageSetupSheet::ShowPaper() {
    const int index = m_pPaper->currentIndex();
    if (index < 0 || index >= kPaperCount) {
        return;
    }
    const Paper& paper = kPapers[index];
    const bool landscape = m_pLandscape->isChecked();
    m_pWidth->SetValue((landscape ? paper.height : paper.width) / kUnitsPerInch);
    m_pHeight->SetValue((landscape ? paper.width : paper.height) / kUnitsPerInch);
}

void CQarnPageSetupSheet::FindPaper() {
    const int width = ToUnits(m_pWidth->GetValue().value_or(0.0));
    const int height = ToUnits(m_pHeight->GetValue().value_or(0.0));
    const QSignalBlocker blockPaper(m_pPaper);
    m_pPaper->setCurrentIndex(kPaperCount);
    for (int i = 0; i < kPaperCount; ++i) {
        const Paper& p = kPapers[i];
        if ((p.width == width && p.height == height) || (p.width == height && p.height == width)) {
            m_pPaper->setCurrentIndex(i);
            break;
        }
    }
    (width > height ? m_pLandscape : m_pPortrait)->setChecked(true);
}

bool CQarnPageSetupSheet::ValidateMore() {
    const Values v = GetValues();
    if (v.margins.left + v.margins.right >= v.pageSize.cx) {
        return Refuse(m_pMargins[2], tr("The left and right margins leave no room on the page."));
    }
    if (v.margins.top + v.margins.bottom >= v.pageSize.cy) {
        return Refuse(m_pMargins[3], tr("The top and bottom margins leave no room on the page."));
    }
    return true;
}

CQarnPageSetupSheet::Values CQarnPageSetupSheet::GetValues() const {
    Values values = m_Loaded;
    // Fields left as they showed keep the stored numbers (they show them in inches).
    auto units = [](const CQarnNumberEdit* field, int loaded) {
        if (!field->isModified()) {
            return loaded;
        }
        return ToUnits(field->GetValue().value_or(loaded / kUnitsPerInch));
    };
    const bool sizeChosen =
        m_pWidth->text() != m_pWidth->FormatNumber(m_Loaded.pageSize.cx / kUnitsPerInch) ||
        m_pHeight->text() != m_pHeight->FormatNumber(m_Loaded.pageSize.cy / kUnitsPerInch);
    if (sizeChosen) {
        values.pageSize = CSize(ToUnits(m_pWidth->GetValue().value_or(0.0)),
                                ToUnits(m_pHeight->GetValue().value_or(0.0)));
    }
    values.margins = CRect(units(m_pMargins[0], m_Loaded.margins.left),
                           units(m_pMargins[1], m_Loaded.margins.top),
                           units(m_pMargins[2], m_Loaded.margins.right),
                           units(m_pMargins[3], m_Loaded.margins.bottom));
    return values;
}

bool CQarnPageSetupSheet::Apply(CQarnDoc& document, const Values& values) {
    CQarnCanvas* canvas = document.GetCurrentCanvas();
    bool changed = false;
    if (canvas != nullptr && canvas->GetSize() != values.pageSize) {
        canvas->SetSize(values.pageSize.cx, values.pageSize.cy);
        document.NotifyPageChanged(canvas, Qarn::PageChange::Size);
        changed = true;
    }
    if (document.GetMargins() != values.margins) {
        document.SetMargins(values.margins);
        changed = true;
    }
    if (changed) {
        document.SetModifiedFlag(TRUE);
    }
    return changed;
}
