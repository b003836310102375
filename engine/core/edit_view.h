#pragma once
// What the model and its actions need of the drawing view an edit is made in. The drawing
// views implement it; tests implement it with a few lines. An action holds its view through a
// CViewRef, so closing a view and then undoing what was done in it is safe.
//
// A view implements the selection and its refresh. The recording protocol (may an action be
// recorded now, the pending action, taking a pending action back), the paste count and the
// character format new text gets are kept here for every view alike.

#include <memory>

#include "core/component_list.h"
#include "platform/char_format.h"
#include "platform/view.h"
#include "undo/action_recorder.h"

class CObject;
class CQarnAction;
class CQarnComponent;
class CQarnDoc;

class CQarnEditView : public CView {
public:
    CQarnEditView();
    ~CQarnEditView() override;

    // The drawing document the view shows; null when it shows none.
    CQarnDoc* GetQarnDocument() const;

    // The selection: what the view's commands act on, in the order it was selected. A
    // component that leaves the document leaves the selection.
    virtual const ComponentList& GetSelection() const = 0;
    // Selects the component; unless `add`, it becomes the only one selected.
    virtual void Select(CQarnComponent* component, bool add) = 0;
    // Deselects the component; null deselects everything.
    virtual void Deselect(CQarnComponent* component) = 0;
    // 0 when not selected, else non-zero (a view may answer 2 for its primary selection).
    virtual int IsSelected(const CObject* object) const = 0;
    // An action changed the drawing: the view refreshes its selection state (its trackers,
    // the panes that follow the selection); null means "the drawing as a whole".
    virtual void OnSelectionChanged(CQarnComponent* component) = 0;

    // The recording protocol (CActionRecorder): 1 when an action of that identifier may be
    // recorded now, otherwise the reason it may not.
    int CanAddNewAction(unsigned int id);
    CQarnAction* GetPendingAction() const { return m_Recorder.GetPendingAction(); }
    // Makes the action pending and does it; the action when the history took it, else null.
    CQarnAction* RecordAction(std::unique_ptr<CQarnAction> action);
    // Takes back a pending action that changed nothing.
    bool DeleteLastAction() { return m_Recorder.DeleteLastAction(); }
    CActionRecorder& GetRecorder() { return m_Recorder; }

    // How many pastes were made since the last copy: the next paste lands one shift further.
    int GetPasteCount() const { return m_nPasteCount; }
    void SetPasteCount(int count) { m_nPasteCount = count; }
    // The character format the font commands apply (face and size).
    const CCharFormat& GetCurrentCharFormat() const { return m_CharFormat; }
    void SetCurrentCharFormat(const CCharFormat& format) { m_CharFormat = format; }
    // 12-point Arial, the format of a component without text.
    static CCharFormat DefaultCharFormat();

private:
    CActionRecorder m_Recorder;
    int m_nPasteCount = 0;
    CCharFormat m_CharFormat;
};

using CEditViewRef = CViewRef<CQarnEditView>;
