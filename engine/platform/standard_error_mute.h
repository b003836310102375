#pragma once
// Sends what is written to standard error at the descriptor level to /dev/null while it
// lives. Some image libraries (libpng among them) print their errors there themselves, past
// Qt's message handler; a picture that fails to decode or a write that fails is reported once,
// by the program, in its own words. One user-interface thread installs it around one
// operation at a time; mutes nest.

class StandardErrorMute {
public:
    StandardErrorMute();
    ~StandardErrorMute();
    StandardErrorMute(const StandardErrorMute&) = delete;
    StandardErrorMute& operator=(const StandardErrorMute&) = delete;

private:
    int saved_ = -1;
};
