#include "view/zoom_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

namespace {

struct ChoiceText {
    const char* text;
    const char* accessible;
};

constexpr ChoiceText kTexts[CZoomDlg::ChoiceCount] = {
    {"&400%", "400%"},
    {"2&00%", "200%"},
    {"&100%", "100%"},
    {"&75%", "75%"},
    {"&50%", "50%"},
    {"&25%", "25%"},
    {"&Fit Selection", "Fit Selection"},
    {"Fit &Page", "Fit Page"},
    {"&Fit &Width", "Fit Width"},
    {"&Custom:", "Custom"},
};

constexpr float kFixedRatios[] = {4.0f, 2.0f, 1.0f, 0.75f, 0.5f, 0.25f};

}  // namespace

CZoomDlg::CZoomDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zoom"));
    setAccessibleName(QStringLiteral("Zoom"));
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < ChoiceCount; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(kTexts[i].text), this);
        button->setAccessibleName(QString::fromLatin1(kTexts[i].accessible));
        m_Choices.append(button);
        layout->addWidget(button, i, 0);
    }
    m_pPercent = new QSpinBox(this);
    m_pPercent->setRange(kLowestPercent, kHighestPercent);
    m_pPercent->setValue(100);
    m_pPercent->setSuffix(QStringLiteral("%"));
    m_pPercent->setAccessibleName(QStringLiteral("Custom zoom percentage"));
    // The field inside the spin box is what takes the keyboard focus.
    if (auto* field = m_pPercent->findChild<QLineEdit*>()) {
        field->setAccessibleName(m_pPercent->accessibleName());
    }
    layout->addWidget(m_pPercent, Custom, 1);
    // Typing a percentage means the custom choice.
    connect(m_pPercent, &QSpinBox::valueChanged, this, [this] { SetChoice(Custom); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, ChoiceCount, 0, 1, 2);
    SetChoice(Zoom100);
}

CZoomDlg::Choice CZoomDlg::GetChoice() const {
    for (int i = 0; i < m_Choices.size(); ++i) {
        if (m_Choices[i]->isChecked()) {
            return Choice(i);
        }
    }
    return Zoom100;
}

void CZoomDlg::SetChoice(Choice choice) {
    if (choice >= 0 && choice < ChoiceCount) {
        m_Choices[choice]->setChecked(true);
    }
}

int CZoomDlg::GetPercent() const {
    return m_pPercent->value();
}

void CZoomDlg::SetPercent(int percent) {
    m_pPercent->setValue(std::clamp(percent, kLowestPercent, kHighestPercent));
}

float CZoomDlg::TargetRatio(Choice choice, int percent, float currentRatio,
                            double clientWidthInUnits, int pageWidth) {
    switch (choice) {
        case Zoom400:
        case Zoom200:
        case Zoom100:
        case Zoom75:
        case Zoom50:
        case Zoom25:
            return kFixedRatios[choice];
        case FitWidth:
            return pageWidth > 0 ? float(currentRatio * (clientWidthInUnits / pageWidth))
                                 : currentRatio;
        case Custom:
            return float(std::clamp(percent, kLowestPercent, kHighestPercent)) / 100.0f;
        case FitSelection:
        case FitPage:
        case ChoiceCount:
            break;
    }
    return currentRatio;
}
