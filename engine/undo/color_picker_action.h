#pragma once
// Painting the expanded selection with a brush picked from a colour picker: the identifier
// chooses where it goes, the fill (8059, not on connectors), the line (8060), the text (8061)
// or the shadow (8062), and the matching style flag is turned on. Each component gets its own
// copy of the brush; a component without that property is left alone. The action keeps the
// components' properties and style before the change and is finished at once.

#include "undo/state_action.h"

class CQarnBasicBrushProperty;

class CColorPickerAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CColorPickerAction)

public:
    // The brush stays the caller's; the action keeps a copy.
    CColorPickerAction(CActionSite site, unsigned int id, const CQarnBasicBrushProperty* brush,
                       const ComponentList& selection);
    ~CColorPickerAction() override;

protected:
    void OnDo() override;

private:
    void PaintComponent(CQarnComponent* component) const;

    CQarnBasicBrushProperty* m_pBrush = nullptr;
};
