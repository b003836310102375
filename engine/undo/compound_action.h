#pragma once
// Several actions that make one undo step ("align twelve shapes"): undone newest first, redone
// oldest first. It owns its parts. The undo manager fills it while it is open on a target
// (see CUndoMacroGuard).

#include <memory>
#include <vector>

#include "undo/action.h"

class CCompoundAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CCompoundAction)

public:
    CCompoundAction(CActionSite site, unsigned int id);
    ~CCompoundAction() override;

    // Finishes the part before it and takes the new one over.
    void Append(std::unique_ptr<CQarnAction> part);
    int GetPartCount() const { return int(m_Parts.size()); }
    CQarnAction* GetPart(int index) const;
    // The newest part, null when there is none.
    CQarnAction* GetLastPart() const { return m_Parts.empty() ? nullptr : m_Parts.back().get(); }

protected:
    void OnUndo() override;
    void OnRedo() override;
    void OnFinish() override;

private:
    std::vector<std::unique_ptr<CQarnAction>> m_Parts;
};
