#pragma once
// Moving a page to just after another one (to the front when there is none). The identifier is
// the caller's (the symbol editor uses 33224). Undo puts it back after the page that preceded
// it.

#include "undo/action.h"

class CQarnCanvas;

class CMoveCanvasAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CMoveCanvasAction)

public:
    CMoveCanvasAction(CActionSite site, unsigned int id, CQarnCanvas* canvas, CQarnCanvas* after);

protected:
    // A subclass may name the pages before Do.
    void SetCanvases(CQarnCanvas* canvas, CQarnCanvas* after);
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void PlaceAfter(CQarnCanvas* after);

    CQarnCanvas* m_pCanvas = nullptr;
    CQarnCanvas* m_pAfter = nullptr;
    CQarnCanvas* m_pPredecessor = nullptr;
};
