#include "support/message_recorder.h"

#include "platform/message_event.h"

bool MessageRecorder::event(QEvent* e) {
    if (e->type() != CMessageEvent::EventType()) {
        return QObject::event(e);
    }
    auto* m = static_cast<CMessageEvent*>(e);
    messages.append({m->Message(), m->WParam(), m->LParam()});
    m->SetResult(reply);
    return true;
}

int MessageRecorder::Count(UINT message) const {
    return int(Of(message).size());
}

QList<RecordedMessage> MessageRecorder::Of(UINT message) const {
    QList<RecordedMessage> out;
    for (const RecordedMessage& m : messages) {
        if (m.message == message) {
            out.append(m);
        }
    }
    return out;
}
