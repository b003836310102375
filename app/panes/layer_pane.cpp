#include "panes/layer_pane.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "undo/action.h"
#include "undo/action_ids.h"
#include "undo/action_recorder.h"
#include "undo/add_canvas_action.h"
#include "undo/add_layer_action.h"
#include "undo/delete_canvas_action.h"
#include "undo/delete_layer_action.h"
#include "undo/layer_name_action.h"
#include "undo/layer_prop_change_action.h"
#include "undo/layer_select_action.h"
#include "undo/move_canvas_action.h"
#include "undo/move_layer_action.h"
#include "view/qarn_view.h"

namespace {

// Moving a page among the pages (the action's identifier is the caller's).
constexpr unsigned int kMovePage = 8057;
// Renaming a layer.
constexpr unsigned int kRenameLayer = 8069;

QToolButton* Button(const QString& icon, const QString& name, const QString& tip) {
    auto* button = new QToolButton();
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    button->setAccessibleName(name);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

CLayerPane::CLayerPane(QWidget* parent)
    : CPane(parent),
      m_pPages(new QListWidget()),
      m_pLayers(new QTreeWidget()),
      m_pAddPage(Button(QStringLiteral("page-add"), QStringLiteral("Add page"),
                        QStringLiteral("Add a page after the current one"))),
      m_pDeletePage(Button(QStringLiteral("page-delete"), QStringLiteral("Delete page"),
                           QStringLiteral("Delete the current page"))),
      m_pPageUp(Button(QStringLiteral("page-previous"), QStringLiteral("Move page up"),
                       QStringLiteral("Move the current page before the one above it"))),
      m_pPageDown(Button(QStringLiteral("page-next"), QStringLiteral("Move page down"),
                         QStringLiteral("Move the current page after the one below it"))),
      m_pAddLayer(Button(QStringLiteral("layer-add"), QStringLiteral("Add layer"),
                         QStringLiteral("Add a layer above the current one"))),
      m_pDeleteLayer(Button(QStringLiteral("layer-delete"), QStringLiteral("Delete layer"),
                            QStringLiteral("Delete the current layer and what it holds"))),
      m_pRenameLayer(Button(QStringLiteral("poly-data"), QStringLiteral("Rename layer"),
                            QStringLiteral("Rename the current layer"))),
      m_pLayerUp(Button(QStringLiteral("layer-raise"), QStringLiteral("Raise layer"),
                        QStringLiteral("Draw the current layer above the next one"))),
      m_pLayerDown(Button(QStringLiteral("layer-lower"), QStringLiteral("Lower layer"),
                          QStringLiteral("Draw the current layer below the next one"))) {
    setObjectName(QStringLiteral("LayerPane"));
    m_pPages->setAccessibleName(QStringLiteral("Pages"));
    m_pPages->setToolTip(QStringLiteral("The pages of the drawing; click one to show it"));
    m_pLayers->setAccessibleName(QStringLiteral("Layers of the page"));
    m_pLayers->setToolTip(
        QStringLiteral("The layers of the page, the top one first; double-click a name to rename"));
    m_pLayers->setColumnCount(ColumnCount);
    m_pLayers->setHeaderLabels({QStringLiteral("Layer"), QString(), QString(), QString()});
    m_pLayers->headerItem()->setIcon(VisibleColumn,
                                     QIcon(QStringLiteral(":/icons/layer-visible.svg")));
    m_pLayers->headerItem()->setIcon(SelectableColumn,
                                     QIcon(QStringLiteral(":/icons/layer-selectable.svg")));
    m_pLayers->headerItem()->setIcon(LockedColumn,
                                     QIcon(QStringLiteral(":/icons/layer-locked.svg")));
    m_pLayers->headerItem()->setToolTip(VisibleColumn, QStringLiteral("Visible"));
    m_pLayers->headerItem()->setToolTip(SelectableColumn, QStringLiteral("Selectable"));
    m_pLayers->headerItem()->setToolTip(LockedColumn, QStringLiteral("Locked"));
    m_pLayers->setRootIsDecorated(false);
    m_pLayers->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed);
    m_pLayers->header()->setStretchLastSection(false);
    m_pLayers->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    for (int column = VisibleColumn; column < ColumnCount; ++column) {
        m_pLayers->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }

    auto* pageButtons = new QHBoxLayout();
    for (QToolButton* b : {m_pAddPage, m_pDeletePage, m_pPageUp, m_pPageDown}) {
        pageButtons->addWidget(b);
    }
    pageButtons->addStretch(1);
    auto* layerButtons = new QHBoxLayout();
    for (QToolButton* b : {m_pAddLayer, m_pDeleteLayer, m_pRenameLayer, m_pLayerUp, m_pLayerDown}) {
        layerButtons->addWidget(b);
    }
    layerButtons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    auto* pagesLabel = new QLabel(QStringLiteral("&Pages"));
    pagesLabel->setBuddy(m_pPages);
    auto* layersLabel = new QLabel(QStringLiteral("La&yers"));
    layersLabel->setBuddy(m_pLayers);
    layout->addWidget(pagesLabel);
    layout->addWidget(m_pPages, 1);
    layout->addLayout(pageButtons);
    layout->addWidget(layersLabel);
    layout->addWidget(m_pLayers, 2);
    layout->addLayout(layerButtons);

    connect(m_pAddPage, &QToolButton::clicked, this, &CLayerPane::AddPage);
    connect(m_pDeletePage, &QToolButton::clicked, this, &CLayerPane::DeletePage);
    connect(m_pPageUp, &QToolButton::clicked, this, [this] { MovePage(false); });
    connect(m_pPageDown, &QToolButton::clicked, this, [this] { MovePage(true); });
    connect(m_pPages, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_bFilling) {
            ShowPage(row);
        }
    });
    connect(m_pAddLayer, &QToolButton::clicked, this, &CLayerPane::AddLayer);
    connect(m_pDeleteLayer, &QToolButton::clicked, this, &CLayerPane::DeleteLayer);
    connect(m_pRenameLayer, &QToolButton::clicked, this, [this] {
        if (QTreeWidgetItem* item = m_pLayers->currentItem()) {
            m_pLayers->editItem(item, NameColumn);
        }
    });
    connect(m_pLayerUp, &QToolButton::clicked, this, [this] { MoveLayer(true); });
    connect(m_pLayerDown, &QToolButton::clicked, this, [this] { MoveLayer(false); });
    connect(m_pLayers, &QTreeWidget::itemChanged, this, &CLayerPane::OnLayerItemChanged);
    connect(m_pLayers, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_bFilling) {
            OnCurrentLayerRow();
        }
    });
}

CQarnCanvas* CLayerPane::Page() const {
    return GetView() != nullptr ? GetView()->GetShownCanvas() : nullptr;
}

CQarnLayer* CLayerPane::LayerOfRow(int row) const {
    const CQarnCanvas* page = Page();
    if (page == nullptr || row < 0 || row >= page->GetLayers().size()) {
        return nullptr;
    }
    return page->GetLayers()[page->GetLayers().size() - 1 - row];
}

void CLayerPane::OnChanges(unsigned changes) {
    if (changes & (ViewChanged | PagesChanged)) {
        FillPages();
    }
    if (changes & (ViewChanged | PagesChanged | LayersChanged)) {
        FillLayers();
    }
    UpdateButtons();
}

void CLayerPane::FillPages() {
    m_bFilling = true;
    const QSignalBlocker block(m_pPages);
    m_pPages->clear();
    CQarnView* view = GetView();
    CQarnDoc* doc = view != nullptr ? view->GetDoc() : nullptr;
    if (doc != nullptr) {
        const CanvasList& pages = doc->GetCanvasList();
        for (int i = 0; i < pages.size(); ++i) {
            m_pPages->addItem(QStringLiteral("Page %1  (%2 x %3)")
                                  .arg(i + 1)
                                  .arg(pages[i]->GetWidth())
                                  .arg(pages[i]->GetHeight()));
        }
        m_pPages->setCurrentRow(doc->GetCanvasIndex(doc->GetCurrentCanvas()));
    }
    m_bFilling = false;
}

void CLayerPane::FillLayers() {
    m_bFilling = true;
    const QSignalBlocker block(m_pLayers);
    m_pLayers->clear();
    CQarnCanvas* page = Page();
    if (page != nullptr) {
        const LayerList& layers = page->GetLayers();
        for (qsizetype i = layers.size() - 1; i >= 0; --i) {
            CQarnLayer* layer = layers[i];
            auto* item = new QTreeWidgetItem(m_pLayers);
            item->setText(NameColumn, layer->GetName());
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable |
                           Qt::ItemIsUserCheckable);
            const auto check = [](bool on) { return on ? Qt::Checked : Qt::Unchecked; };
            item->setCheckState(VisibleColumn, check(layer->IsVisible(-1)));
            item->setCheckState(SelectableColumn, check(layer->IsSelectable() != 0));
            item->setCheckState(LockedColumn, check(layer->IsLocked() != 0));
            item->setToolTip(VisibleColumn, QStringLiteral("Visible"));
            item->setToolTip(SelectableColumn, QStringLiteral("Selectable"));
            item->setToolTip(LockedColumn, QStringLiteral("Locked"));
            if (layer == page->GetCurrentLayer()) {
                QFont bold = item->font(NameColumn);
                bold.setBold(true);
                item->setFont(NameColumn, bold);
                m_pLayers->setCurrentItem(item);
            }
        }
    }
    m_bFilling = false;
}

void CLayerPane::UpdateButtons() {
    CQarnCanvas* page = Page();
    CQarnView* view = GetView();
    CQarnDoc* doc = view != nullptr ? view->GetDoc() : nullptr;
    const int pages = doc != nullptr ? int(doc->GetCanvasList().size()) : 0;
    const int pageIndex = doc != nullptr ? doc->GetCanvasIndex(doc->GetCurrentCanvas()) : -1;
    m_pAddPage->setEnabled(doc != nullptr);
    m_pDeletePage->setEnabled(pages > 1);
    m_pPageUp->setEnabled(pageIndex > 0);
    m_pPageDown->setEnabled(pageIndex >= 0 && pageIndex + 1 < pages);
    const int layers = page != nullptr ? int(page->GetLayers().size()) : 0;
    const int layerIndex = page != nullptr ? page->GetLayerIndex(page->GetCurrentLayer()) : -1;
    m_pAddLayer->setEnabled(page != nullptr);
    m_pDeleteLayer->setEnabled(layers > 1);
    m_pRenameLayer->setEnabled(layerIndex >= 0);
    m_pLayerUp->setEnabled(layerIndex >= 0 && layerIndex + 1 < layers);
    m_pLayerDown->setEnabled(layerIndex > 0);
}

bool CLayerPane::Record(std::unique_ptr<CQarnAction> action, unsigned int id) {
    CQarnView* view = GetView();
    if (view == nullptr || view->CanAddNewAction(id) != CActionRecorder::Allowed) {
        return false;
    }
    CQarnAction* recorded = view->RecordAction(std::move(action));
    if (recorded != nullptr && !recorded->IsFinished()) {
        // One step: it must not hold up the next command.
        recorded->Finish();
    }
    // The lists follow when the main window hears of the change (not now: a list may be in
    // the middle of telling its own change).
    return recorded != nullptr;
}

bool CLayerPane::AddPage() {
    CQarnView* view = GetView();
    return view != nullptr &&
           Record(std::make_unique<CAddCanvasAction>(view, QarnActionId::AddPage),
                  QarnActionId::AddPage);
}

bool CLayerPane::DeletePage() {
    CQarnView* view = GetView();
    return view != nullptr &&
           Record(std::make_unique<CDeleteCanvasAction>(view, QarnActionId::DeletePage),
                  QarnActionId::DeletePage);
}

bool CLayerPane::MovePage(bool towardsEnd) {
    CQarnView* view = GetView();
    CQarnDoc* doc = view != nullptr ? view->GetDoc() : nullptr;
    if (doc == nullptr) {
        return false;
    }
    const CanvasList& pages = doc->GetCanvasList();
    CQarnCanvas* page = doc->GetCurrentCanvas();
    const int at = doc->GetCanvasIndex(page);
    if (at < 0 || (towardsEnd && at + 1 >= pages.size()) || (!towardsEnd && at == 0)) {
        return false;
    }
    // The page goes after the one that will precede it (to the front: after none).
    CQarnCanvas* after = towardsEnd ? pages[at + 1] : (at >= 2 ? pages[at - 2] : nullptr);
    return Record(std::make_unique<CMoveCanvasAction>(view, kMovePage, page, after), kMovePage);
}

bool CLayerPane::ShowPage(int index) {
    CQarnView* view = GetView();
    CQarnDoc* doc = view != nullptr ? view->GetDoc() : nullptr;
    if (doc == nullptr || index < 0 || index >= doc->GetCanvasList().size()) {
        return false;
    }
    doc->GoToCanvas(doc->GetCanvasList()[index]);
    return true;
}

bool CLayerPane::AddLayer() {
    CQarnView* view = GetView();
    CQarnCanvas* page = Page();
    return page != nullptr && Record(std::make_unique<CAddLayerAction>(view, QarnActionId::AddLayer,
                                                                       page->GetCurrentLayer()),
                                     QarnActionId::AddLayer);
}

bool CLayerPane::DeleteLayer() {
    CQarnView* view = GetView();
    CQarnCanvas* page = Page();
    if (page == nullptr || page->GetCurrentLayer() == nullptr) {
        return false;
    }
    return Record(std::make_unique<CDeleteLayerAction>(view, QarnActionId::DeleteLayer,
                                                       page->GetCurrentLayer()),
                  QarnActionId::DeleteLayer);
}

bool CLayerPane::MoveLayer(bool up) {
    CQarnView* view = GetView();
    CQarnCanvas* page = Page();
    if (page == nullptr || page->GetCurrentLayer() == nullptr) {
        return false;
    }
    // Up draws it later (toward the end of the page's list), down earlier.
    return Record(std::make_unique<CMoveLayerAction>(view, QarnActionId::MoveLayer,
                                                     page->GetCurrentLayer(), up ? 0 : 1),
                  QarnActionId::MoveLayer);
}

bool CLayerPane::RenameLayer(CQarnLayer* layer, const QString& name) {
    const QString trimmed = name.trimmed();
    if (layer == nullptr || trimmed.isEmpty() || trimmed == layer->GetName()) {
        return false;
    }
    return Record(std::make_unique<CLayerNameAction>(GetView(), kRenameLayer, layer, trimmed),
                  kRenameLayer);
}

bool CLayerPane::ToggleLayerFlag(CQarnLayer* layer, unsigned char mask) {
    if (layer == nullptr) {
        return false;
    }
    return Record(
        std::make_unique<CLayerPropChangeAction>(GetView(), QarnActionId::LayerFlags, layer, mask),
        QarnActionId::LayerFlags);
}

bool CLayerPane::SelectLayer(CQarnLayer* layer) {
    CQarnCanvas* page = Page();
    if (layer == nullptr || page == nullptr || layer == page->GetCurrentLayer()) {
        return false;
    }
    return Record(std::make_unique<CLayerSelectAction>(GetView(), QarnActionId::SelectLayer, layer),
                  QarnActionId::SelectLayer);
}

void CLayerPane::OnLayerItemChanged(QTreeWidgetItem* item, int column) {
    if (m_bFilling) {
        return;
    }
    CQarnLayer* layer = LayerOfRow(m_pLayers->indexOfTopLevelItem(item));
    if (layer == nullptr) {
        return;
    }
    bool recorded = false;
    switch (column) {
        case NameColumn:
            recorded = RenameLayer(layer, item->text(NameColumn));
            break;
        case VisibleColumn:
            recorded = ToggleLayerFlag(layer, CQarnLayer::Visible);
            break;
        case SelectableColumn:
            recorded = ToggleLayerFlag(layer, CQarnLayer::Selectable);
            break;
        case LockedColumn:
            recorded = ToggleLayerFlag(layer, CQarnLayer::Locked);
            break;
        default:
            break;
    }
    if (!recorded) {
        // Refused (or nothing changed): the list shows the layer as it is, once the item has
        // finished telling its change.
        QTimer::singleShot(0, this, [this] { Notify(LayersChanged); });
    }
}

void CLayerPane::OnCurrentLayerRow() {
    SelectLayer(LayerOfRow(m_pLayers->indexOfTopLevelItem(m_pLayers->currentItem())));
}
