#include "undo/action.h"

#include "core/doc.h"
#include "undo/undo_manager.h"

QARN_IMPLEMENT_DYNAMIC(CQarnAction, CObject)

CQarnAction::CQarnAction(CActionSite site, unsigned int id, bool autoNotify)
    : m_View(site.GetView()), m_pTarget(site.GetDocument()), m_nID(id), m_bAutoNotify(autoNotify) {}

CQarnAction::~CQarnAction() = default;

void CQarnAction::Do() {
    if (m_bAutoNotify && gUndoManager != nullptr) {
        gUndoManager->FinishLastAction(m_pTarget);
    }
    OnDo();
    if (m_bAutoNotify && m_bSuccess) {
        NotifyUndoManager();
    }
    m_bDone = true;
}

void CQarnAction::Undo() {
    OnUndo();
    m_bUndone = true;
    RefreshView();
}

void CQarnAction::Redo() {
    OnRedo();
    m_bUndone = false;
    RefreshView();
}

void CQarnAction::Finish() {
    OnFinish();
    RefreshView();
    m_bFinished = true;
}

void CQarnAction::RefreshView() {
    if (CQarnEditView* view = m_View.Get()) {
        view->OnSelectionChanged(nullptr);
    }
}

bool CQarnAction::NotifyUndoManager() {
    if (gUndoManager == nullptr || m_bRecorded) {
        return m_bRecorded;
    }
    m_bRecorded = gUndoManager->SetLastAction(m_pTarget, this);
    return m_bRecorded;
}
