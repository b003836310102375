#pragma once
// Adding a component to the current layer of the current page ("Add an object", 8029, made by
// every drawing tool; "Add a group", 8023, made by the group command). Do appends it, which
// numbers it, and makes it the selection. While the addition is undone the action owns the
// component; it is freed with the action when the addition is never redone. Undo also gives
// the document back the number it had taken, so the saved document is as before.

#include <memory>

#include "undo/action.h"

class CQarnComponent;
class CQarnLayer;

class CAddAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CAddAction)

public:
    CAddAction(CActionSite site, unsigned int id, std::unique_ptr<CQarnComponent> component);
    ~CAddAction() override;

    CQarnComponent* GetComponent() const { return m_pComponent; }
    // Whether the component is in the document (it is owned by the action otherwise).
    bool IsInDocument() const { return m_pOwned == nullptr; }

protected:
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void Select() const;

    CQarnComponent* m_pComponent;
    std::unique_ptr<CQarnComponent> m_pOwned;
    CQarnLayer* m_pLayer = nullptr;
    UINT m_nNextIdBefore = 0;
    UINT m_nNextIdAfter = 0;
};
