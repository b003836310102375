#include "platform/message_event.h"

CMessageEvent::CMessageEvent(UINT message, WPARAM wParam, LPARAM lParam)
    : QEvent(EventType()), message_(message), wParam_(wParam), lParam_(lParam) {}

QEvent::Type CMessageEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}
