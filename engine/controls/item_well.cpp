#include "controls/item_well.h"

#include <QPainter>
#include <algorithm>

#include "controls/well_grid.h"
#include "controls/well_items.h"

CQarnItemWell::CQarnItemWell(std::shared_ptr<const CQarnWellItems> items, const QString& name,
                             QWidget* parent)
    : CQarnWell(name, parent), m_pItems(std::move(items)) {}

void CQarnItemWell::SetCurSel(int index) {
    const int chosen = (index >= 0 && index < m_pItems->GetCount()) ? index : -1;
    if (chosen != m_nCurSel) {
        m_nCurSel = chosen;
        setAccessibleDescription(chosen >= 0 ? m_pItems->GetItemName(chosen) : m_strNoSelection);
        update();
    }
}

void CQarnItemWell::SetNoSelectionText(const QString& text) {
    m_strNoSelection = text;
    if (m_nCurSel < 0) {
        setAccessibleDescription(text);
    }
    update();
}

QWidget* CQarnItemWell::CreateDropDownContent(QWidget* parent) {
    m_pGrid = new CQarnWellGrid(m_pItems, accessibleName(), parent);
    m_pGrid->SetCurSel(m_nCurSel);
    connect(m_pGrid, &CQarnWellGrid::Activated, this, [this](int) { CloseDropDown(true); });
    connect(m_pGrid, &CQarnWellGrid::Cancelled, this, [this] { CloseDropDown(false); });
    return m_pGrid;
}

QWidget* CQarnItemWell::GetDropDownFocus() const {
    return m_pGrid;
}

bool CQarnItemWell::TakeDropDownChoice() {
    if (m_pGrid == nullptr || m_pGrid->GetCurSel() < 0 || m_pGrid->GetCurSel() == m_nCurSel) {
        return false;
    }
    SetCurSel(m_pGrid->GetCurSel());
    return true;
}

void CQarnItemWell::PaintValue(QPainter& painter, const QRect& field) const {
    painter.setPen(palette().color(QPalette::Text));
    if (m_nCurSel < 0) {
        painter.drawText(field, Qt::AlignVCenter | Qt::AlignLeft, m_strNoSelection);
        return;
    }
    const QSizeF cell = m_pItems->GetCellSize();
    QSizeF shown = cell.scaled(QSizeF(field.size()), Qt::KeepAspectRatio);
    if (m_pItems->StretchesInWell()) {
        shown = QSizeF(field.width(), std::min<qreal>(field.height(), cell.height()));
    } else if (cell.width() <= field.width() && cell.height() <= field.height()) {
        shown = cell;
    }
    const QRectF target(field.x() + (field.width() - shown.width()) / 2.0,
                        field.y() + (field.height() - shown.height()) / 2.0, shown.width(),
                        shown.height());
    m_pItems->PaintItem(painter, target, m_nCurSel);
}

QSize CQarnItemWell::GetValueSize() const {
    const QSize cell = m_pItems->GetCellSize();
    return QSize(std::max(64, std::min(cell.width() * 2, 140)),
                 std::max(18, std::min(cell.height(), 28)));
}

bool CQarnItemWell::StepValue(int delta) {
    const int count = m_pItems->GetCount();
    if (count == 0) {
        return false;
    }
    const int next = m_nCurSel < 0 ? 0 : std::clamp(m_nCurSel + delta, 0, count - 1);
    if (next == m_nCurSel) {
        return false;
    }
    SetCurSel(next);
    return true;
}
