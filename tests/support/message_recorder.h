#pragma once
// A stand-in main window that records every registered message it receives.

#include <QList>
#include <QObject>

#include "platform/win_types.h"

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageRecorder : public QObject {
public:
    QList<RecordedMessage> messages;
    LRESULT reply = 0;

    bool event(QEvent* e) override;
    // How many of the recorded messages have this identifier.
    int Count(UINT message) const;
    // Recorded messages of this identifier, oldest first.
    QList<RecordedMessage> Of(UINT message) const;
};
