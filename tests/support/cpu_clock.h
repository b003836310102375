#pragma once
// The processor time this process has used since the clock started, in milliseconds. Unlike
// the wall clock it does not grow while other programs share the machine's cores, so a bound
// on work can be tested on a busy machine. (Waiting costs no processor time: tests of things
// that could block use the wall clock.)

#include <ctime>

#include <QtGlobal>

class CpuClock {
public:
    CpuClock() : start_(Now()) {}
    void restart() { start_ = Now(); }
    qint64 elapsed() const { return Now() - start_; }

private:
    static qint64 Now() {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    }
    qint64 start_;
};
