#pragma once
// Setting the paper colour of a page (identifier 0, made by "Canvas Color..."): colour 1 of
// the page's paper brush. The whole brush is kept before, so undo gives back exactly what the
// page had.

#include "platform/color.h"
#include "undo/action.h"

class CQarnBasicBrushProperty;
class CQarnCanvas;

class CCanvasColorAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CCanvasColorAction)

public:
    CCanvasColorAction(CActionSite site, unsigned int id, CQarnCanvas* canvas, Color color);
    ~CCanvasColorAction() override;

protected:
    void OnDo() override;
    void OnUndo() override { Exchange(); }
    void OnRedo() override { Exchange(); }

private:
    void Exchange();

    CQarnCanvas* m_pCanvas;
    Color m_Color;
    CQarnBasicBrushProperty* m_pKept = nullptr;
};
