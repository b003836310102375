#include "platform/safe_save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

namespace {

// Bytes are handed to the system in blocks of this size.
constexpr qsizetype kBufferBytes = 1 << 16;
constexpr int kNameAttempts = 100;

QString SystemReason(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

QByteArray Encoded(const QString& path) {
    return QFile::encodeName(path);
}

}  // namespace

SafeSaveFile::SafeSaveFile(const QString& path) : target_(path) {}

SafeSaveFile::~SafeSaveFile() {
    Discard();
}

void SafeSaveFile::Fail(const QString& reason) {
    if (!failed_) {
        failed_ = true;
        setErrorString(reason);
    }
}

void SafeSaveFile::FailWithSystemReason(int code) {
    Fail(SystemReason(code));
}

bool SafeSaveFile::open(OpenMode mode) {
    if (isOpen() || fd_ >= 0) {
        Fail(QStringLiteral("the file is already open"));
        return false;
    }
    if ((mode & ReadOnly) != 0 || (mode & WriteOnly) == 0 || (mode & Append) != 0) {
        Fail(QStringLiteral("a saved file is written from its start only"));
        return false;
    }
    if (target_.isEmpty()) {
        Fail(QStringLiteral("no file name given"));
        return false;
    }
    failed_ = false;
    buffer_.clear();
    // A symbolic link stays: the file it points to is replaced.
    const QFileInfo given(target_);
    if (given.isSymLink()) {
        const QString resolved = given.canonicalFilePath();
        if (!resolved.isEmpty()) {
            target_ = resolved;
        }
    }
    struct stat existing {};
    const bool exists = ::stat(Encoded(target_).constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        Fail(QStringLiteral("it is not a regular file"));
        return false;
    }
    const QFileInfo target(target_);
    const QString folder = target.absolutePath();
    for (int attempt = 0; attempt < kNameAttempts && fd_ < 0; ++attempt) {
        const QString name =
            QStringLiteral(".%1.%2~")
                .arg(target.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        temporary_ = QDir(folder).filePath(name);
        fd_ = ::open(Encoded(temporary_).constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd_ < 0 && errno != EEXIST) {
            FailWithSystemReason(errno);
            temporary_.clear();
            return false;
        }
    }
    if (fd_ < 0) {
        Fail(QStringLiteral("no temporary file can be made beside it"));
        temporary_.clear();
        return false;
    }
    if (exists) {
        // The new file keeps the permissions of the one it replaces.
        ::fchmod(fd_, existing.st_mode & 07777);
    }
    return QIODevice::open(mode | Unbuffered);
}

qint64 SafeSaveFile::readData(char*, qint64) {
    return -1;
}

qint64 SafeSaveFile::writeData(const char* data, qint64 size) {
    if (failed_ || fd_ < 0) {
        return -1;
    }
    buffer_.append(data, qsizetype(size));
    if (buffer_.size() >= kBufferBytes && !FlushBuffer()) {
        return -1;
    }
    return size;
}

bool SafeSaveFile::FlushBuffer() {
    const char* next = buffer_.constData();
    qsizetype left = buffer_.size();
    while (left > 0 && !failed_) {
        const ssize_t written = ::write(fd_, next, size_t(left));
        if (written < 0) {
            if (errno != EINTR) {
                FailWithSystemReason(errno);
            }
            continue;
        }
        if (written == 0) {
            Fail(QStringLiteral("the system took no more bytes"));
            break;
        }
        next += written;
        left -= written;
    }
    buffer_.clear();
    return !failed_;
}

bool SafeSaveFile::Commit() {
    if (fd_ < 0) {
        Fail(QStringLiteral("the file is not open"));
        return false;
    }
    FlushBuffer();
    // Some systems report a full disk only when the data reaches it.
    if (!failed_ && ::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) {
        FailWithSystemReason(errno);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && !failed_ && errno != EINTR) {
        FailWithSystemReason(errno);
    }
    if (!failed_) {
        const QByteArray from = Encoded(temporary_);
        const QByteArray to = Encoded(target_);
        if (replaceExisting_) {
            if (::rename(from.constData(), to.constData()) != 0) {
                FailWithSystemReason(errno);
            }
        } else if (::link(from.constData(), to.constData()) != 0) {
            FailWithSystemReason(errno);
        }
    }
    RemoveTemporary();
    QIODevice::close();
    return !failed_;
}

void SafeSaveFile::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    RemoveTemporary();
    buffer_.clear();
    if (isOpen()) {
        QIODevice::close();
    }
}

void SafeSaveFile::RemoveTemporary() {
    if (!temporary_.isEmpty()) {
        // After a rename the name is gone already; after a link it is the second name.
        ::unlink(Encoded(temporary_).constData());
        temporary_.clear();
    }
}
