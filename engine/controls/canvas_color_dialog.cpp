#include "controls/canvas_color_dialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/color_items.h"
#include "controls/color_picker.h"
#include "controls/well_grid.h"

CQarnCanvasColorDialog::CQarnCanvasColorDialog(const Color& current, QWidget* parent)
    : CQarnDialog(tr("Canvas Color"), parent),
      m_Color(Color(255, current.GetR(), current.GetG(), current.GetB())) {
    auto* layout = new QVBoxLayout(this);
    m_pPicker = new CQarnColorPicker(tr("Canvas colour"), this);
    m_pPicker->SetAlphaEnabled(false);
    m_pPicker->SetColor(m_Color);
    layout->addWidget(m_pPicker);
    auto* white = new QPushButton(tr("&White paper"), this);
    white->setAccessibleName(tr("White paper"));
    layout->addWidget(white);
    m_pChoice = new QLabel(this);
    layout->addWidget(m_pChoice);
    layout->addWidget(CreateButtons());
    // A swatch taken by key or click becomes the choice; OK confirms it.
    connect(m_pPicker, &CQarnColorPicker::ColorPicked, this, [this](const Color& color) {
        m_Color = color;
        ShowChoice();
    });
    connect(m_pPicker->GetPaletteGrid(), &CQarnWellGrid::CurrentChanged, this, [this](int index) {
        const auto& items =
            static_cast<const CQarnColorItems&>(m_pPicker->GetPaletteGrid()->GetItems());
        m_Color = items.GetColorAt(index);
        ShowChoice();
    });
    connect(white, &QPushButton::clicked, this, [this] {
        m_Color = Color(0xFFFFFFFFu);
        m_pPicker->SetColor(m_Color);
        ShowChoice();
    });
    m_pPicker->GetPaletteGrid()->installEventFilter(this);
    m_pPicker->GetRecentGrid()->installEventFilter(this);
    ShowChoice();
    m_pPicker->GetPaletteGrid()->setFocus();
}

bool CQarnCanvasColorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* grid = qobject_cast<CQarnWellGrid*>(watched);
        if (grid != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (grid->GetCurSel() >= 0) {
                const auto& items = static_cast<const CQarnColorItems&>(grid->GetItems());
                const Color c = items.GetColorAt(grid->GetCurSel());
                m_Color = Color(255, c.GetR(), c.GetG(), c.GetB());
            }
            accept();
            return true;
        }
    }
    return CQarnDialog::eventFilter(watched, event);
}

void CQarnCanvasColorDialog::ShowChoice() {
    m_pChoice->setText(tr("Chosen: %1").arg(CQarnColorItems::DescribeColor(m_Color)));
}
