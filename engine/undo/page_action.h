#pragma once
// Showing another page: the given page becomes current; undo shows the one shown before.

#include "undo/action.h"

class CQarnCanvas;

class CPageAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CPageAction)

public:
    CPageAction(CActionSite site, unsigned int id, CQarnCanvas* canvas);

protected:
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    CQarnCanvas* m_pCanvas;
    CQarnCanvas* m_pPrevious = nullptr;
};
