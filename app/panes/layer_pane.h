#pragma once
// The layer pane: the pages of the active drawing (choose, add, delete, move) and the layers of
// the current page, the top one first, with their visible, selectable and locked switches, the
// current layer, and add, delete, rename and move up or down. Every change goes through the
// page and layer actions of the view, so each is one undoable step.

#include <memory>

#include "panes/pane.h"

class CQarnAction;
class CQarnCanvas;
class CQarnLayer;
class QListWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class CLayerPane : public CPane {
    Q_OBJECT

public:
    enum Column { NameColumn = 0, VisibleColumn, SelectableColumn, LockedColumn, ColumnCount };

    explicit CLayerPane(QWidget* parent = nullptr);

    QListWidget* GetPageList() const { return m_pPages; }
    QTreeWidget* GetLayerList() const { return m_pLayers; }
    // The layer a row of the list shows (row 0 is the top layer).
    CQarnLayer* LayerOfRow(int row) const;

    // The commands of the buttons; each answers whether an action was recorded.
    bool AddPage();
    bool DeletePage();
    bool MovePage(bool towardsEnd);
    bool ShowPage(int index);
    bool AddLayer();
    bool DeleteLayer();
    bool MoveLayer(bool up);
    bool RenameLayer(CQarnLayer* layer, const QString& name);
    bool ToggleLayerFlag(CQarnLayer* layer, unsigned char mask);
    bool SelectLayer(CQarnLayer* layer);

protected:
    void OnChanges(unsigned changes) override;

private:
    void FillPages();
    void FillLayers();
    void UpdateButtons();
    void OnLayerItemChanged(QTreeWidgetItem* item, int column);
    void OnCurrentLayerRow();
    CQarnCanvas* Page() const;
    // Records the action in the view when it may be recorded now.
    bool Record(std::unique_ptr<CQarnAction> action, unsigned int id);

    QListWidget* m_pPages;
    QTreeWidget* m_pLayers;
    QToolButton* m_pAddPage;
    QToolButton* m_pDeletePage;
    QToolButton* m_pPageUp;
    QToolButton* m_pPageDown;
    QToolButton* m_pAddLayer;
    QToolButton* m_pDeleteLayer;
    QToolButton* m_pRenameLayer;
    QToolButton* m_pLayerUp;
    QToolButton* m_pLayerDown;
    bool m_bFilling = false;
};
