#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

void SetError(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
}

QString SystemReason(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// Closes the descriptor when the read ends, however it ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

bool RegularFile::IsRegular(const QString& path) {
    struct stat info {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISREG(info.st_mode);
}

bool RegularFile::Read(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error) {
    if (path.isEmpty()) {
        SetError(error, QStringLiteral("no file name given"));
        return false;
    }
    const QByteArray name = QFile::encodeName(path);
    // Asked before opening: opening a special file can block (a FIFO without a writer) or
    // have effects of its own.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        SetError(error, QStringLiteral("%1 cannot be opened: %2").arg(path, SystemReason(errno)));
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        SetError(error, QStringLiteral("%1 is not a regular file").arg(path));
        return false;
    }
    // Non-blocking, and asked again of what was opened: the name may have been replaced by a
    // special file in between.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) {
        SetError(error, QStringLiteral("%1 cannot be opened: %2").arg(path, SystemReason(errno)));
        return false;
    }
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        SetError(error, QStringLiteral("%1 is not a regular file").arg(path));
        return false;
    }
    const auto tooLarge = [&]() {
        SetError(error, QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(maxBytes));
        return false;
    };
    if (info.st_size > maxBytes) {
        return tooLarge();
    }
    QByteArray content;
    content.reserve(qsizetype(std::max<qint64>(info.st_size, 0)));
    // The size asked above is only a hint: the file may grow while it is read.
    char block[1 << 16];
    for (;;) {
        const ssize_t got = ::read(file.Get(), block, sizeof block);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            SetError(error, QStringLiteral("%1 cannot be read: %2").arg(path, SystemReason(errno)));
            return false;
        }
        if (got == 0) {
            break;
        }
        if (content.size() + got > maxBytes) {
            return tooLarge();
        }
        content.append(block, qsizetype(got));
    }
    *bytes = std::move(content);
    return true;
}
