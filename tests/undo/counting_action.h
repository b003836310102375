#pragma once
// An action that counts what the undo manager does to it, and a notification function that
// records what the manager reports.

#include <vector>

#include "undo/action.h"
#include "undo/undo_notification.h"
#include "undo/undo_target.h"

struct ActionLog {
    int destroyed = 0;
    int finished = 0;
    int undone = 0;
    int redone = 0;
};

class CountingAction : public CQarnAction {
public:
    explicit CountingAction(ActionLog& log, CQarnEditView* view = nullptr, bool autoNotify = false,
                            unsigned int id = 8029)
        : CQarnAction(view, id, autoNotify), m_Log(log) {}
    ~CountingAction() override { ++m_Log.destroyed; }

    using CQarnAction::SetName;

protected:
    void OnUndo() override { ++m_Log.undone; }
    void OnRedo() override { ++m_Log.redone; }
    void OnFinish() override { ++m_Log.finished; }

private:
    ActionLog& m_Log;
};

// A stand-in for a document: something that keeps an undo history.
struct TestTarget : CUndoTarget {};

struct NotificationRecord {
    CUndoTarget* target;
    UMNotificationData data;
};

// What the manager reported, newest last.
inline std::vector<NotificationRecord>& Notifications() {
    static std::vector<NotificationRecord> records;
    return records;
}

inline void RecordNotification(CUndoTarget* target, UMNotificationData& data) {
    Notifications().push_back({target, data});
}
