#include "undo/action.h"

#include "core/view_link.h"
#include "undo/undo_manager.h"

QARN_IMPLEMENT_DYNAMIC(CQarnAction, CObject)

CQarnAction::CQarnAction(CQarnView* view, unsigned int id, bool autoNotify)
    : m_pView(view),
      m_pTarget(CQarnViewLink::Get()->GetViewDocument(view)),
      m_nID(id),
      m_bAutoNotify(autoNotify) {}

void CQarnAction::Do() {
    if (m_bAutoNotify) {
        NotifyUndoManager();
    }
    m_bDone = true;
}

void CQarnAction::Undo() {
    m_bUndone = true;
    CQarnViewLink::Get()->OnSelectionChanged(m_pView);
}

void CQarnAction::Redo() {
    m_bUndone = false;
    CQarnViewLink::Get()->OnSelectionChanged(m_pView);
}

void CQarnAction::Finish() {
    CQarnViewLink::Get()->OnSelectionChanged(m_pView);
    m_bFinished = true;
}

void CQarnAction::NotifyUndoManager() {
    if (gUndoManager != nullptr) {
        gUndoManager->SetLastAction(m_pTarget, this);
    }
}
