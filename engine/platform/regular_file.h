#pragma once
// Reading a file whole, safely. Only regular files are opened: a FIFO would block the program
// in `open`, and a device such as /dev/zero never ends and reports no size. The read itself
// stops at a stated number of bytes whatever the file claims, so no kind of file can make the
// program allocate without bound.

#include <QByteArray>
#include <QString>

class RegularFile {
public:
    // The whole content of `path`, which must be a regular file (symbolic links are followed
    // to one) of at most `maxBytes` bytes. Otherwise false and one line in *error naming the
    // path: "is not a regular file", "is larger than N bytes" or the system's reason.
    static bool Read(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error);
    // True when `path` names a regular file (after following symbolic links); nothing is
    // opened.
    static bool IsRegular(const QString& path);
};
