#pragma once
// The base of every change a user makes to a drawing. An action knows the document it changes
// (its undo target, taken from the view it is made in) and holds that view weakly: the view
// may be closed while the action stays in the history.
//
// Do, Undo, Redo and Finish are the same for every action: each runs the action's own hook
// (OnDo, OnUndo, OnRedo, OnFinish) and then keeps the books (flags, the undo manager, the
// view's refresh), so no kind of action can forget them. Once Do has handed an action to the
// undo manager (an auto-notifying action in a registered document), the manager owns it. An
// action whose hook reports failure (SetSuccess(false)) is not recorded; whoever made it
// deletes it.

#include <QString>
#include <memory>

#include "core/edit_view.h"
#include "platform/object.h"
#include "undo/action_site.h"

class CQarnDoc;

class CQarnAction : public CObject {
    QARN_DECLARE_DYNAMIC(CQarnAction)

public:
    // An action made in a view (its target is the view's document) or on a document alone.
    CQarnAction(CActionSite site, unsigned int id, bool autoNotify);
    CQarnAction(const CQarnAction&) = delete;
    CQarnAction& operator=(const CQarnAction&) = delete;
    ~CQarnAction() override;

    // Performs the change; when the action notifies automatically and succeeds it becomes the
    // newest of its target's history (owned by the manager from then on, see WasRecorded). The
    // action before it is finished first, so that it no longer changes once this one runs.
    void Do();
    void Undo();
    void Redo();
    // After this, tools no longer change the action.
    void Finish();
    virtual bool IsUndone() const { return m_bUndone; }
    // Whether a newer action may finish this one while it is still being built.
    virtual bool CanAbort() const { return false; }
    // Called on the newer of two consecutive actions of the same identifier: when it can stand
    // for both (a second nudge of the same components, the next step of a slider drag) it
    // takes over the older one's state before the change and answers true; the older one is
    // then dropped, so that the two make one undo step.
    virtual bool AbsorbPrevious(CQarnAction& older) {
        (void)older;
        return false;
    }

    const QString& GetName() const { return m_strName; }
    bool IsFinished() const { return m_bFinished; }
    bool IsDone() const { return m_bDone; }
    bool IsSuccess() const { return m_bSuccess; }
    void SetAutoNotify(bool autoNotify) { m_bAutoNotify = autoNotify; }
    unsigned int GetID() const { return m_nID; }
    // The view the action was made in; null once that view is closed (or without one).
    CQarnEditView* GetView() const { return m_View.Get(); }
    CQarnDoc* GetTarget() const { return m_pTarget; }
    // Records the action as the target's newest. True when the manager took it (and owns it).
    bool NotifyUndoManager();
    // Whether the undo manager owns the action since Do.
    bool WasRecorded() const { return m_bRecorded; }
    // What weak references to the action watch: it goes with the action.
    std::weak_ptr<const void> GetLifeToken() const { return m_pLife; }

protected:
    virtual void OnDo() {}
    virtual void OnUndo() {}
    virtual void OnRedo() {}
    virtual void OnFinish() {}
    // Tells the view (when it is still open) that the drawing changed.
    void RefreshView();
    void SetName(const QString& name) { m_strName = name; }
    void SetSuccess(bool success) { m_bSuccess = success; }

private:
    CEditViewRef m_View;
    CQarnDoc* m_pTarget;
    unsigned int m_nID;
    bool m_bFinished = false;
    bool m_bUndone = false;
    bool m_bDone = false;
    bool m_bSuccess = true;
    bool m_bRecorded = false;
    QString m_strName;
    bool m_bAutoNotify;
    std::shared_ptr<const void> m_pLife = std::make_shared<int>(0);
};
