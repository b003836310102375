#include "controls/list_ctrl_ex.h"

#include <QHeaderView>

#include "core/canvas.h"
#include "core/layer.h"

namespace {

constexpr int kLayerRole = Qt::UserRole + 1;

BYTE MaskOf(int column) {
    switch (column) {
        case CListCtrlEx::VisibleColumn:
            return CQarnLayer::Visible;
        case CListCtrlEx::SelectableColumn:
            return CQarnLayer::Selectable;
        case CListCtrlEx::LockedColumn:
            return CQarnLayer::Locked;
        default:
            return 0;
    }
}

}  // namespace

CListCtrlEx::CListCtrlEx(QWidget* parent) : QTableWidget(0, ColumnCount, parent) {
    setHorizontalHeaderLabels({tr("Layer"), tr("Visible"), tr("Selectable"), tr("Locked")});
    horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    for (int column = VisibleColumn; column < ColumnCount; ++column) {
        horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    verticalHeader()->setVisible(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(false);
    setAccessibleName(tr("Layers"));
    connect(this, &QTableWidget::itemChanged, this, &CListCtrlEx::OnItemChanged);
}

void CListCtrlEx::Fill(const CQarnCanvas* canvas) {
    const CQarnLayer* chosen = GetSelectedLayer();
    const int column = std::max(0, currentColumn());
    m_bFilling = true;
    setRowCount(0);
    if (canvas != nullptr) {
        const LayerList& layers = canvas->GetLayers();
        setRowCount(int(layers.size()));
        // The top layer (drawn last) heads the list.
        for (int row = 0; row < int(layers.size()); ++row) {
            CQarnLayer* layer = layers[layers.size() - 1 - row];
            auto* name = new QTableWidgetItem(layer->GetName());
            name->setData(kLayerRole, QVariant::fromValue(static_cast<void*>(layer)));
            const bool current = layer == canvas->GetCurrentLayer();
            if (current) {
                QFont bold = font();
                bold.setBold(true);
                name->setFont(bold);
                name->setToolTip(tr("The current layer: new objects go here"));
            }
            name->setData(Qt::AccessibleDescriptionRole, current ? tr("current layer") : QString());
            setItem(row, NameColumn, name);
            for (int c = VisibleColumn; c < ColumnCount; ++c) {
                auto* flag = new QTableWidgetItem();
                flag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
                flag->setCheckState((layer->GetPropW() & MaskOf(c)) != 0 ? Qt::Checked
                                                                         : Qt::Unchecked);
                flag->setData(Qt::AccessibleTextRole, horizontalHeaderItem(c)->text() +
                                                          QLatin1Char(' ') + layer->GetName());
                setItem(row, c, flag);
            }
        }
    }
    m_bFilling = false;
    const int row = FindRow(chosen);
    if (row >= 0) {
        setCurrentCell(row, column);
    } else if (canvas != nullptr) {
        SelectLayer(canvas->GetCurrentLayer());
    }
}

CQarnLayer* CListCtrlEx::GetLayerAt(int row) const {
    const QTableWidgetItem* name = item(row, NameColumn);
    return name != nullptr ? static_cast<CQarnLayer*>(name->data(kLayerRole).value<void*>())
                           : nullptr;
}

int CListCtrlEx::FindRow(const CQarnLayer* layer) const {
    if (layer == nullptr) {
        return -1;
    }
    for (int row = 0; row < rowCount(); ++row) {
        if (GetLayerAt(row) == layer) {
            return row;
        }
    }
    return -1;
}

CQarnLayer* CListCtrlEx::GetSelectedLayer() const {
    return currentRow() >= 0 ? GetLayerAt(currentRow()) : nullptr;
}

void CListCtrlEx::SelectLayer(const CQarnLayer* layer) {
    const int row = FindRow(layer);
    if (row >= 0) {
        setCurrentCell(row, std::max(0, currentColumn()));
    }
}

void CListCtrlEx::OnItemChanged(QTableWidgetItem* changed) {
    if (m_bFilling) {
        return;
    }
    CQarnLayer* layer = GetLayerAt(changed->row());
    if (layer == nullptr) {
        return;
    }
    if (changed->column() == NameColumn) {
        const QString name = changed->text().trimmed();
        if (name != layer->GetName()) {
            Q_EMIT LayerRenamed(layer, name);
        }
        return;
    }
    const BYTE mask = MaskOf(changed->column());
    const bool on = changed->checkState() == Qt::Checked;
    if (((layer->GetPropW() & mask) != 0) != on) {
        Q_EMIT LayerFlagsToggled(layer, mask);
    }
}
