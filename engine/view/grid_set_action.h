#pragma once
// A change of the grid settings (size, style and colour) as one undoable step: the action
// holds the other set of values and exchanges it with the document's on undo and redo.

#include "platform/win_types.h"
#include "undo/action.h"

class CGridSetAction : public CQarnAction {
public:
    // Takes the document's present grid settings as the values to go back to.
    explicit CGridSetAction(CQarnEditView* view);
    explicit CGridSetAction(CQarnDoc* doc);

    int GetOtherSize() const { return m_nSize; }
    int GetOtherStyle() const { return m_nStyle; }
    DWORD GetOtherColor() const { return m_dwColor; }

protected:
    // Finishes the action (it is recorded by Do) and repaints when the grid shows.
    void OnDo() override;
    void OnUndo() override { Exchange(); }
    void OnRedo() override { Exchange(); }

private:
    void TakeDocumentValues();
    void Exchange();
    void RepaintWhenShown();

    int m_nSize = 4;
    int m_nStyle = 1;
    DWORD m_dwColor = 0;
};
