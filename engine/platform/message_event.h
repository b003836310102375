#pragma once
// A registered message travelling to a QObject as an event: the message identifier, its two
// parameters and, for a sent message, the result the receiver gives back.

#include <QEvent>

#include "platform/win_types.h"

class CMessageEvent : public QEvent {
public:
    CMessageEvent(UINT message, WPARAM wParam, LPARAM lParam);

    // The one event type that carries registered messages.
    static QEvent::Type EventType();

    UINT Message() const { return message_; }
    WPARAM WParam() const { return wParam_; }
    LPARAM LParam() const { return lParam_; }
    LRESULT Result() const { return result_; }
    void SetResult(LRESULT result) { result_ = result; }

private:
    UINT message_;
    WPARAM wParam_;
    LPARAM lParam_;
    LRESULT result_ = 0;
};
