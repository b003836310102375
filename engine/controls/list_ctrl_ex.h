#pragma once
// The list of the layers of a page, the top layer first: name (edited in place with F2),
// and whether it is visible, selectable and locked (Space toggles the flag under the cursor).
// The current layer is shown in bold. The list reports what the user does; the dialog turns
// it into edits.

#include <QTableWidget>

#include "platform/win_types.h"

class CQarnCanvas;
class CQarnLayer;

class CListCtrlEx : public QTableWidget {
    Q_OBJECT

public:
    enum Column { NameColumn = 0, VisibleColumn, SelectableColumn, LockedColumn, ColumnCount };

    explicit CListCtrlEx(QWidget* parent = nullptr);

    // Shows the layers of the page (none for null), keeping the chosen layer when it is still
    // there.
    void Fill(const CQarnCanvas* canvas);
    CQarnLayer* GetLayerAt(int row) const;
    int FindRow(const CQarnLayer* layer) const;
    // The layer of the row under the cursor, or null.
    CQarnLayer* GetSelectedLayer() const;
    void SelectLayer(const CQarnLayer* layer);

Q_SIGNALS:
    void LayerRenamed(CQarnLayer* layer, const QString& name);
    void LayerFlagsToggled(CQarnLayer* layer, BYTE mask);

private:
    void OnItemChanged(QTableWidgetItem* item);

    bool m_bFilling = false;
};
