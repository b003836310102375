#include "undo/compound_action.h"

QARN_IMPLEMENT_DYNAMIC(CCompoundAction, CQarnAction)

CCompoundAction::CCompoundAction(CActionSite site, unsigned int id)
    : CQarnAction(site, id, false) {}

CCompoundAction::~CCompoundAction() {
    // The newest part may refer to what older parts hold: it goes first.
    while (!m_Parts.empty()) {
        m_Parts.pop_back();
    }
}

void CCompoundAction::Append(std::unique_ptr<CQarnAction> part) {
    if (part == nullptr) {
        return;
    }
    if (CQarnAction* last = GetLastPart(); last != nullptr && !last->IsFinished()) {
        last->Finish();
    }
    m_Parts.push_back(std::move(part));
}

CQarnAction* CCompoundAction::GetPart(int index) const {
    return index >= 0 && index < GetPartCount() ? m_Parts[size_t(index)].get() : nullptr;
}

void CCompoundAction::OnUndo() {
    for (auto part = m_Parts.rbegin(); part != m_Parts.rend(); ++part) {
        (*part)->Undo();
    }
}

void CCompoundAction::OnRedo() {
    for (auto& part : m_Parts) {
        part->Redo();
    }
}

void CCompoundAction::OnFinish() {
    for (auto& part : m_Parts) {
        if (!part->IsFinished()) {
            part->Finish();
        }
    }
}
