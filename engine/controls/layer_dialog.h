#pragma once
// The layer dialog: a modeless window listing the layers of the current page, with buttons to
// add a layer above the chosen one, delete it, move it up or down and make it the current one,
// and the list's own renaming and flag toggling. Adding, deleting and moving are sent to the
// owner (QARN_WM_ADD_LAYER, QARN_WM_DEL_LAYER, QARN_WM_MOVE_LAYER with the chosen layer,
// else the current one, in wParam; for a move lParam 0 up, 1 down); the rest goes to the
// layer editor. The list follows the document's changes of pages and layers.

#include <QDialog>

#include "core/doc_listener.h"

class CListCtrlEx;
class CQarnDoc;
class CQarnLayer;
class CQarnLayerEditor;
class QPushButton;

class CLayerDialog : public QDialog, public CQarnDocListener {
    Q_OBJECT

public:
    // `owner` hears the layer messages (the view's window), `editor` does the rest (not
    // owned; both may be null).
    CLayerDialog(CQarnDoc* document, QObject* owner, CQarnLayerEditor* editor,
                 QWidget* parent = nullptr);
    ~CLayerDialog() override;

    // Shows another document's layers (null: none).
    void SetDocument(CQarnDoc* document);
    // The chosen layer, else the current layer of the current page.
    CQarnLayer* GetTargetLayer() const;
    // Fills the list again from the document.
    void Refresh();

    CListCtrlEx* GetList() const { return m_pList; }
    QPushButton* GetAddButton() const { return m_pAdd; }
    QPushButton* GetDeleteButton() const { return m_pDelete; }
    QPushButton* GetUpButton() const { return m_pUp; }
    QPushButton* GetDownButton() const { return m_pDown; }
    QPushButton* GetCurrentButton() const { return m_pCurrent; }

    // Document changes.
    void OnPageChanged(CQarnCanvas* page, Qarn::PageChange change) override;
    void OnDocumentClosing() override;

private:
    void SendLayerMessage(UINT message, LPARAM lParam);
    void UpdateButtons();

    QObject* m_pOwner;
    CQarnLayerEditor* m_pEditor;
    CListCtrlEx* m_pList = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pDelete = nullptr;
    QPushButton* m_pUp = nullptr;
    QPushButton* m_pDown = nullptr;
    QPushButton* m_pCurrent = nullptr;
};
