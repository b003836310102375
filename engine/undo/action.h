#pragma once
// The base of every change a user makes to a drawing. An action remembers the view it was made
// in and that view's document, the undo target it reports to. Once handed to the undo manager
// (by Do when it notifies automatically) the manager owns it.

#include <QString>

#include "platform/object.h"

class CQarnDoc;
class CQarnView;

class CQarnAction : public CObject {
    QARN_DECLARE_DYNAMIC(CQarnAction)

public:
    CQarnAction(CQarnView* view, unsigned int id, bool autoNotify);
    CQarnAction(const CQarnAction&) = delete;
    CQarnAction& operator=(const CQarnAction&) = delete;
    ~CQarnAction() override = default;

    // Subclasses call these at the start or end of their own.
    // Hands the action to the undo manager when it notifies automatically.
    virtual void Do();
    virtual void Undo();
    virtual void Redo();
    // After this, tools no longer change the action.
    virtual void Finish();
    virtual bool IsUndone() const { return m_bUndone; }
    // Whether a newer action may finish this one while it is still being built.
    virtual bool CanAbort() const { return false; }

    const QString& GetName() const { return m_strName; }
    bool IsFinished() const { return m_bFinished; }
    bool IsDone() const { return m_bDone; }
    bool IsSuccess() const { return m_bSuccess; }
    void SetAutoNotify(bool autoNotify) { m_bAutoNotify = autoNotify; }
    unsigned int GetID() const { return m_nID; }
    CQarnView* GetView() const { return m_pView; }
    CQarnDoc* GetTarget() const { return m_pTarget; }
    // Records the action as the target's newest.
    void NotifyUndoManager();

protected:
    CQarnView* m_pView;
    CQarnDoc* m_pTarget;
    unsigned int m_nID;
    bool m_bFinished = false;
    bool m_bUndone = false;
    bool m_bDone = false;
    bool m_bSuccess = true;
    QString m_strName;
    bool m_bAutoNotify;
};
