#pragma once
// "Delete page" (8056): the current page leaves the document and its predecessor becomes
// current (the new first page when it was first). The only page is never deleted: the action
// fails and is not recorded. While deleted, the action owns the page.

#include <memory>

#include "undo/action.h"

class CQarnCanvas;

class CDeleteCanvasAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CDeleteCanvasAction)

public:
    CDeleteCanvasAction(CActionSite site, unsigned int id);
    ~CDeleteCanvasAction() override;

    CQarnCanvas* GetCanvas() const { return m_pCanvas; }
    bool OwnsCanvas() const { return m_pOwned != nullptr; }

protected:
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    bool Remove();

    CQarnCanvas* m_pCanvas = nullptr;
    std::unique_ptr<CQarnCanvas> m_pOwned;
    CQarnCanvas* m_pPredecessor = nullptr;
};
