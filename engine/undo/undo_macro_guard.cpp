#include "undo/undo_macro_guard.h"

#include <memory>

#include "core/doc.h"
#include "undo/compound_action.h"
#include "undo/undo_manager.h"

CUndoMacroGuard::CUndoMacroGuard(CQarnEditView* view, unsigned int id)
    : m_pTarget(view != nullptr ? view->GetQarnDocument() : nullptr) {
    if (gUndoManager != nullptr && m_pTarget != nullptr) {
        gUndoManager->BeginCompound(m_pTarget, std::make_unique<CCompoundAction>(view, id));
    }
}

CUndoMacroGuard::CUndoMacroGuard(CQarnDoc* target, unsigned int id) : m_pTarget(target) {
    if (gUndoManager != nullptr && m_pTarget != nullptr) {
        gUndoManager->BeginCompound(m_pTarget, std::make_unique<CCompoundAction>(target, id));
    }
}

CUndoMacroGuard::~CUndoMacroGuard() {
    if (gUndoManager != nullptr && m_pTarget != nullptr) {
        gUndoManager->EndCompound(m_pTarget);
    }
}
