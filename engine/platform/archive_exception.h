#pragma once
// The one error an archive read or write ends with: what was wrong and at which byte.

#include <QString>
#include <exception>
#include <string>

class CArchiveException : public std::exception {
public:
    CArchiveException(const QString& cause, qint64 offset);

    const QString& Cause() const { return cause_; }
    qint64 Offset() const { return offset_; }
    // "cause at byte N", the text shown to the user.
    QString Message() const;
    const char* what() const noexcept override { return what_.c_str(); }

private:
    QString cause_;
    qint64 offset_;
    std::string what_;
};
