#pragma once
// The document's page setup as one undo step (8078): the size of a page and the margins of the
// document change together, and go back together.

#include "platform/cpoint.h"
#include "platform/crect.h"
#include "undo/action.h"

class CQarnCanvas;

class CPageSetupAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CPageSetupAction)

public:
    CPageSetupAction(CActionSite site, unsigned int id, CQarnCanvas* canvas, CSize size,
                     const CRect& margins);

protected:
    // Fails (nothing is recorded) for a page not in the document, a size that is not
    // positive, or values that change nothing.
    void OnDo() override;
    void OnUndo() override { Exchange(); }
    void OnRedo() override { Exchange(); }

private:
    void Exchange();

    CQarnCanvas* m_pCanvas;
    CSize m_Size;
    CRect m_rcMargins;
};
