#pragma once
// "Add a new page" (8055): a page of the document's default size with one layer, inserted after
// the current page and made current. While the addition is undone the action owns the page.

#include <memory>

#include "undo/action.h"

class CQarnCanvas;

class CAddCanvasAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CAddCanvasAction)

public:
    CAddCanvasAction(CActionSite site, unsigned int id);
    ~CAddCanvasAction() override;

    CQarnCanvas* GetCanvas() const { return m_pCanvas; }
    bool IsInDocument() const { return m_pOwned == nullptr; }

protected:
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void Insert();

    CQarnCanvas* m_pCanvas = nullptr;
    std::unique_ptr<CQarnCanvas> m_pOwned;
    CQarnCanvas* m_pPrevious = nullptr;
};
