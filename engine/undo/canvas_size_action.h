#pragma once
// Setting the size of a page (8078); the views of the current page take the new size.

#include "platform/cpoint.h"
#include "undo/action.h"

class CQarnCanvas;

class CCanvasSizeAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CCanvasSizeAction)

public:
    CCanvasSizeAction(CActionSite site, unsigned int id, CQarnCanvas* canvas, CSize size);

protected:
    void OnDo() override;
    void OnUndo() override { Exchange(); }
    void OnRedo() override { Exchange(); }

private:
    void Exchange();

    CQarnCanvas* m_pCanvas;
    CSize m_Size;
};
