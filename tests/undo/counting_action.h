#pragma once
// An action that counts what the undo manager does to it, and a notification function that
// records what the manager reports.

#include <vector>

#include "undo/action.h"
#include "undo/undo_notification.h"

struct ActionLog {
    int destroyed = 0;
    int finished = 0;
    int undone = 0;
    int redone = 0;
};

class CountingAction : public CQarnAction {
public:
    explicit CountingAction(ActionLog& log, CQarnView* view = nullptr, bool autoNotify = false)
        : CQarnAction(view, 8029, autoNotify), m_Log(log) {}
    ~CountingAction() override { ++m_Log.destroyed; }

    void Undo() override {
        ++m_Log.undone;
        CQarnAction::Undo();
    }
    void Redo() override {
        ++m_Log.redone;
        CQarnAction::Redo();
    }
    void Finish() override {
        ++m_Log.finished;
        CQarnAction::Finish();
    }
    void SetName(const QString& name) { m_strName = name; }

private:
    ActionLog& m_Log;
};

struct NotificationRecord {
    void* target;
    UMNotificationData data;
};

// What the manager reported, newest last.
inline std::vector<NotificationRecord>& Notifications() {
    static std::vector<NotificationRecord> records;
    return records;
}

inline void RecordNotification(void* target, UMNotificationData& data) {
    Notifications().push_back({target, data});
}
