#include "undo/action_recorder.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "core/edit_view.h"
#include "core/layer.h"
#include "undo/action.h"
#include "undo/undo_manager.h"

namespace {

// "Add an object": refused where the current layer cannot take one.
constexpr unsigned int kAddObject = 8029;

bool CurrentLayerTakesObjects(const CQarnDoc& doc) {
    const CQarnCanvas* canvas = doc.GetCurrentCanvas();
    const CQarnLayer* layer = canvas != nullptr ? canvas->GetCurrentLayer() : nullptr;
    return layer != nullptr && layer->IsVisible() && layer->IsSelectable() != 0;
}

}  // namespace

int CActionRecorder::CanAddNewAction(CQarnDoc* doc, unsigned int id) {
    if (doc == nullptr) {
        return NoDocument;
    }
    if (id == kAddObject && !CurrentLayerTakesObjects(*doc)) {
        return NotPermitted;
    }
    if (doc->GetCanvasFlag() == 2) {
        return DocumentLocked;
    }
    if (!doc->IsActionPermitted(id)) {
        return NotPermitted;
    }
    CQarnAction* pending = GetPendingAction();
    if (pending == nullptr || pending->IsFinished()) {
        return Allowed;
    }
    if (!pending->CanAbort()) {
        return PendingBusy;
    }
    pending->Finish();
    return Allowed;
}

CQarnAction* CActionRecorder::GetPendingAction() const {
    return m_PendingLife.expired() ? nullptr : m_pPending;
}

void CActionRecorder::SetPendingAction(CQarnAction* action) {
    m_pPending = action;
    m_PendingLife = action != nullptr ? action->GetLifeToken() : std::weak_ptr<const void>();
}

CQarnAction* CActionRecorder::Record(std::unique_ptr<CQarnAction> action) {
    if (action == nullptr) {
        return nullptr;
    }
    SetPendingAction(action.get());
    action->Do();
    if (action->WasRecorded()) {
        return action.release();
    }
    // Not taken by a history: it is done (or refused) and goes now.
    if (!action->IsFinished()) {
        action->Finish();
    }
    SetPendingAction(nullptr);
    return nullptr;
}

bool CActionRecorder::DeleteLastAction() {
    CQarnAction* pending = GetPendingAction();
    SetPendingAction(nullptr);
    if (pending == nullptr || gUndoManager == nullptr) {
        return false;
    }
    CQarnDoc* doc = pending->GetTarget();
    if (gUndoManager->PeekLastAction(doc) != pending) {
        return false;
    }
    std::unique_ptr<CQarnAction> taken(gUndoManager->RemoveLastAction(doc));
    taken.reset();
    // The document is as it was before the action: its modified flag follows.
    gUndoManager->SetLastAction(doc, nullptr);
    return true;
}

namespace Qarn {

CQarnAction* RecordAction(std::unique_ptr<CQarnAction> action) {
    if (action == nullptr) {
        return nullptr;
    }
    if (CQarnEditView* view = action->GetView()) {
        return view->RecordAction(std::move(action));
    }
    CActionRecorder recorder;
    return recorder.Record(std::move(action));
}

}  // namespace Qarn
