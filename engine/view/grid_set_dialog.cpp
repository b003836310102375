#include "view/grid_set_dialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/doc.h"

CGridSetDlg::CGridSetDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Grid Setting"));
    setAccessibleName(QStringLiteral("Grid Setting"));
    auto* layout = new QFormLayout(this);

    m_pSize = new QSpinBox(this);
    // The spin control runs from 1; sizes under 4 are refused on OK.
    m_pSize->setRange(1, kLargestSize);
    m_pSize->setAccessibleName(QStringLiteral("Grid size"));
    if (auto* field = m_pSize->findChild<QLineEdit*>()) {
        field->setAccessibleName(m_pSize->accessibleName());
    }
    layout->addRow(QStringLiteral("Grid &size:"), m_pSize);

    m_pStyle = new QComboBox(this);
    m_pStyle->addItems({QStringLiteral("Dots"), QStringLiteral("Lines"),
                        QStringLiteral("Dashed lines"), QStringLiteral("Crosses")});
    m_pStyle->setAccessibleName(QStringLiteral("Grid style"));
    layout->addRow(QStringLiteral("Grid s&tyle:"), m_pStyle);

    m_pColor = new QPushButton(this);
    m_pColor->setAccessibleName(QStringLiteral("Grid colour"));
    connect(m_pColor, &QPushButton::clicked, this, [this] {
        const QColor chosen =
            QColorDialog::getColor(QColor::fromRgba(m_dwColor), this, QStringLiteral("Grid colour"),
                                   QColorDialog::ShowAlphaChannel);
        if (chosen.isValid()) {
            m_dwColor = chosen.rgba();
            ShowColor();
        }
    });
    layout->addRow(QStringLiteral("Grid &colour:"), m_pColor);

    m_pProblem = new QLabel(this);
    m_pProblem->setAccessibleName(QStringLiteral("Grid setting problem"));
    layout->addRow(m_pProblem);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CGridSetDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
    SetValues(4, CQarnDoc::GridLines, m_dwColor);
}

void CGridSetDlg::SetValues(int size, int style, DWORD color) {
    m_pSize->setValue(size);
    m_pStyle->setCurrentIndex(
        style >= 0 && style < CQarnDoc::kGridStyleCount ? style : CQarnDoc::GridLines);
    m_dwColor = color;
    ShowColor();
}

int CGridSetDlg::GetGridSize() const {
    return m_pSize->value();
}

int CGridSetDlg::GetGridStyle() const {
    return m_pStyle->currentIndex();
}

bool CGridSetDlg::IsAcceptableSize(int size) {
    return size >= kSmallestSize && size <= kLargestSize;
}

void CGridSetDlg::ShowColor() {
    const QColor color = QColor::fromRgba(m_dwColor);
    m_pColor->setText(color.name(QColor::HexArgb));
    m_pColor->setStyleSheet(QStringLiteral("background-color: %1").arg(color.name()));
}

void CGridSetDlg::accept() {
    if (!IsAcceptableSize(GetGridSize())) {
        m_pProblem->setText(QStringLiteral("The grid size must be between %1 and %2.")
                                .arg(kSmallestSize)
                                .arg(kLargestSize));
        m_pSize->setFocus();
        return;
    }
    QDialog::accept();
}
