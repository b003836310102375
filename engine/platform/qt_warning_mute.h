#pragma once
// Keeps Qt's own warnings (and debug and info messages) off the terminal while it lives: the
// image plug-ins report a damaged picture or a failed write with lines of their own, while the
// program reports the failure once, in its own words. Critical and fatal messages still pass.
// One user-interface thread installs it around one operation at a time; mutes nest.

#include <QtGlobal>

class QtWarningMute {
public:
    QtWarningMute();
    ~QtWarningMute();
    QtWarningMute(const QtWarningMute&) = delete;
    QtWarningMute& operator=(const QtWarningMute&) = delete;

    // Messages of those kinds that arrived while a mute was installed, since the process began
    // (so that tests can see a warning was raised and kept off the terminal).
    static int MutedCount();

private:
    QtMessageHandler previous_;
};
