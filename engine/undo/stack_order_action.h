#pragma once
// The base of the actions that change where a component lies in its layer's drawing order
// ("Move position", 8042): the component's index is kept, and undo and redo exchange it with
// the present one.

#include "undo/action.h"

class CQarnComponent;

class CStackOrderAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CStackOrderAction)

protected:
    CStackOrderAction(CActionSite site, unsigned int id, CQarnComponent* component);

    // Fails without a component in the document; otherwise moves it to TargetIndex.
    void OnDo() override;
    void OnUndo() override { Exchange(); }
    void OnRedo() override { Exchange(); }
    // Where Do puts the component, from its present index and the layer's count.
    virtual int TargetIndex(int index, int count) const = 0;

    CQarnComponent* GetComponent() const { return m_pComponent; }

private:
    void Exchange();
    // Moves the component to the 0-based index of its layer and repaints it; the index it had.
    int MoveTo(int index);

    CQarnComponent* m_pComponent = nullptr;
    int m_nIndex = -1;
};
