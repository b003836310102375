#include "controls/layer_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/layer_editor.h"
#include "controls/list_ctrl_ex.h"
#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/notification_messages.h"
#include "platform/window_messages.h"

CLayerDialog::CLayerDialog(CQarnDoc* document, QObject* owner, CQarnLayerEditor* editor,
                           QWidget* parent)
    : QDialog(parent), m_pOwner(owner), m_pEditor(editor) {
    setWindowTitle(tr("Layers"));
    setAccessibleName(tr("Layers"));
    setModal(false);
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout();
    auto* caption = new QLabel(tr("La&yers of the page (top first):"), this);
    left->addWidget(caption);
    m_pList = new CListCtrlEx(this);
    caption->setBuddy(m_pList);
    left->addWidget(m_pList, 1);
    layout->addLayout(left, 1);

    auto* buttons = new QVBoxLayout();
    auto makeButton = [&](const QString& text, const QString& name) {
        auto* button = new QPushButton(text, this);
        button->setAccessibleName(name);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    m_pAdd = makeButton(tr("&Add"), tr("Add a layer above the chosen one"));
    m_pDelete = makeButton(tr("&Delete"), tr("Delete the chosen layer"));
    m_pUp = makeButton(tr("Move &up"), tr("Move the chosen layer up"));
    m_pDown = makeButton(tr("Move do&wn"), tr("Move the chosen layer down"));
    m_pCurrent = makeButton(tr("Make &current"), tr("Make the chosen layer the current one"));
    buttons->addStretch(1);
    QPushButton* close = makeButton(tr("Close"), tr("Close"));
    layout->addLayout(buttons);

    connect(m_pAdd, &QPushButton::clicked, this,
            [this] { SendLayerMessage(QARN_WM_ADD_LAYER, 0); });
    connect(m_pDelete, &QPushButton::clicked, this,
            [this] { SendLayerMessage(QARN_WM_DEL_LAYER, 0); });
    connect(m_pUp, &QPushButton::clicked, this,
            [this] { SendLayerMessage(QARN_WM_MOVE_LAYER, 0); });
    connect(m_pDown, &QPushButton::clicked, this,
            [this] { SendLayerMessage(QARN_WM_MOVE_LAYER, 1); });
    connect(m_pCurrent, &QPushButton::clicked, this, [this] {
        CQarnLayer* layer = m_pList->GetSelectedLayer();
        if (layer != nullptr && m_pEditor != nullptr) {
            m_pEditor->SelectLayer(layer);
        }
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_pList, &CListCtrlEx::LayerRenamed, this,
            [this](CQarnLayer* layer, const QString& name) {
                if (m_pEditor != nullptr) {
                    m_pEditor->RenameLayer(layer, name);
                }
                // The list shows what the document holds (a refused name goes back).
                Refresh();
            });
    connect(m_pList, &CListCtrlEx::LayerFlagsToggled, this, [this](CQarnLayer* layer, BYTE mask) {
        if (m_pEditor != nullptr) {
            m_pEditor->ToggleLayerFlags(layer, mask);
        }
        Refresh();
    });
    connect(m_pList, &QTableWidget::currentCellChanged, this, [this] { UpdateButtons(); });
    resize(440, 300);
    SetDocument(document);
}

CLayerDialog::~CLayerDialog() = default;

void CLayerDialog::SetDocument(CQarnDoc* document) {
    Subscribe(document);
    Refresh();
}

void CLayerDialog::Refresh() {
    CQarnDoc* doc = GetSubscribedDocument();
    m_pList->Fill(doc != nullptr ? doc->GetCurrentCanvas() : nullptr);
    UpdateButtons();
}

CQarnLayer* CLayerDialog::GetTargetLayer() const {
    if (CQarnLayer* chosen = m_pList->GetSelectedLayer()) {
        return chosen;
    }
    CQarnDoc* doc = GetSubscribedDocument();
    CQarnCanvas* canvas = doc != nullptr ? doc->GetCurrentCanvas() : nullptr;
    return canvas != nullptr ? canvas->GetCurrentLayer() : nullptr;
}

void CLayerDialog::SendLayerMessage(UINT message, LPARAM lParam) {
    CQarnLayer* layer = GetTargetLayer();
    if (layer == nullptr || m_pOwner == nullptr) {
        return;
    }
    SendMessage(m_pOwner, message, reinterpret_cast<WPARAM>(layer), lParam);
    Refresh();
}

void CLayerDialog::UpdateButtons() {
    const int rows = m_pList->rowCount();
    const int row = m_pList->currentRow();
    const bool chosen = row >= 0 && GetSubscribedDocument() != nullptr;
    m_pAdd->setEnabled(GetSubscribedDocument() != nullptr);
    // A page keeps one layer at least; the top layer cannot go up, the bottom one not down.
    m_pDelete->setEnabled(chosen && rows > 1);
    m_pUp->setEnabled(chosen && row > 0);
    m_pDown->setEnabled(chosen && row < rows - 1);
    m_pCurrent->setEnabled(chosen);
}

void CLayerDialog::OnPageChanged(CQarnCanvas*, Qarn::PageChange) {
    Refresh();
}

void CLayerDialog::OnDocumentClosing() {
    // Nothing of the document may be reached from here on.
    Unsubscribe();
    Refresh();
}
