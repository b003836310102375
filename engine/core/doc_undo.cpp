// The document as an undo target.
#include <algorithm>

#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "undo/undo_manager.h"
#include "undo/undo_notification.h"

void CQarnDoc::UndoNotify(void* target, UMNotificationData& data) {
    // Only documents register this function, but the target is untyped: check before use.
    auto* object = static_cast<CObject*>(target);
    if (object == nullptr || !object->IsKindOf(RUNTIME_CLASS(CDocument))) {
        return;
    }
    static_cast<CDocument*>(object)->SetModifiedFlag(data.modified);
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
