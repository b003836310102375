// The document as an undo target.
#include <algorithm>

#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "undo/undo_manager.h"
#include "undo/undo_notification.h"

void CQarnDoc::UndoNotify(CUndoTarget* target, UMNotificationData& data) {
    // Any target may be given this function; only a document takes the modified flag.
    if (auto* doc = dynamic_cast<CDocument*>(target)) {
        doc->SetModifiedFlag(data.modified);
    }
}

long CQarnDoc::UndoCapacity() {
    return std::max(Qarn::GetConfig()->m_nMaximumUndoStep, 1);
}

void CQarnDoc::ForgetUndoHistory() {
    if (gUndoManager != nullptr) {
        gUndoManager->ClearTarget(this);
    }
}

void CQarnDoc::RegisterUndoTarget() {
    if (gUndoManager == nullptr) {
        return;
    }
    gUndoManager->RegisterTarget(this, UndoCapacity(), &CQarnDoc::UndoNotify);
    gUndoManager->TargetCleaned(this);
}
