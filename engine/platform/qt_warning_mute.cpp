#include "platform/qt_warning_mute.h"

#include <QString>
#include <atomic>

namespace {

QtMessageHandler outerHandler = nullptr;
std::atomic<int> mutedCount{0};

void MutedHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) {
        ++mutedCount;
        return;
    }
    if (outerHandler != nullptr) {
        outerHandler(type, context, message);
    } else {
        qInstallMessageHandler(nullptr);
        qt_message_output(type, context, message);
        qInstallMessageHandler(MutedHandler);
    }
}

}  // namespace

QtWarningMute::QtWarningMute() : previous_(qInstallMessageHandler(MutedHandler)) {
    if (previous_ != MutedHandler) {
        outerHandler = previous_;
    }
}

QtWarningMute::~QtWarningMute() {
    qInstallMessageHandler(previous_);
}

int QtWarningMute::MutedCount() {
    return mutedCount.load();
}
