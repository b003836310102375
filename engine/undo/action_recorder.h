#pragma once
// The recording protocol a drawing view follows for every command and tool: ask whether a new
// action may be recorded, record it (it becomes the view's pending action while a tool goes on
// building it), and take back a pending action that turned out to change nothing. Every view
// owns one, so that the real views and the test views share the rules.

#include <memory>

class CQarnAction;
class CQarnDoc;

class CActionRecorder {
public:
    // What CanAddNewAction answers; callers go on only with Allowed.
    enum Answer : int {
        NoDocument = 0,
        Allowed = 1,
        // The document is locked against edits (its canvas flag is 2).
        DocumentLocked = 3,
        // The document does not permit the action, or an object cannot be added to the current
        // layer (hidden, or without its selectable bit).
        NotPermitted = 4,
        // The pending action is still being built and cannot be cut short.
        PendingBusy = 5,
    };

    CActionRecorder() = default;
    CActionRecorder(const CActionRecorder&) = delete;
    CActionRecorder& operator=(const CActionRecorder&) = delete;

    // Whether an action of that identifier may be recorded in the document now. A pending
    // action that may be cut short (a nudge) is finished on the way.
    int CanAddNewAction(CQarnDoc* doc, unsigned int id);

    // The action being built, null when there is none (or it has been deleted since).
    CQarnAction* GetPendingAction() const;
    void SetPendingAction(CQarnAction* action);

    // Makes the action pending and does it. Returns the action when the undo history took it
    // (the history owns it); an action that failed, or that no history takes, is deleted and
    // null is returned (what it did, if anything, stays done).
    CQarnAction* Record(std::unique_ptr<CQarnAction> action);

    // Takes back the pending action when it is the newest of its history: it leaves the
    // history and is deleted. False (and the pending action is forgotten) when it is not the
    // newest, for then the history still owns it.
    bool DeleteLastAction();

private:
    CQarnAction* m_pPending = nullptr;
    std::weak_ptr<const void> m_PendingLife;
};

namespace Qarn {

// Records the action by the protocol of the view it was made in, or, without a view, does it
// and hands it to its document's history. The action when a history took it, else null (the
// action is then deleted).
CQarnAction* RecordAction(std::unique_ptr<CQarnAction> action);

}  // namespace Qarn
