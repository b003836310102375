#pragma once
// The archive: a little-endian byte stream without padding, written into or read from a byte
// buffer. Reading checks every length against the bytes that are left and ends a failed read
// with one CArchiveException naming the cause and the byte offset.

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "platform/win_types.h"

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // A storing archive appends to *buffer; a loading archive reads it from its first byte.
    CArchive(Mode mode, QByteArray* buffer);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    virtual ~CArchive() = default;

    bool IsStoring() const { return mode_ == store; }
    bool IsLoading() const { return mode_ == load; }

    qint64 Position() const { return position_; }
    qint64 BytesLeft() const;
    bool AtEnd() const { return BytesLeft() == 0; }

    CArchive& operator<<(std::uint8_t v);
    CArchive& operator<<(std::int8_t v) { return *this << std::uint8_t(v); }
    CArchive& operator<<(std::uint16_t v);
    CArchive& operator<<(std::int16_t v) { return *this << std::uint16_t(v); }
    CArchive& operator<<(std::uint32_t v);
    CArchive& operator<<(std::int32_t v) { return *this << std::uint32_t(v); }
    CArchive& operator<<(std::uint64_t v);
    CArchive& operator<<(std::int64_t v) { return *this << std::uint64_t(v); }
    CArchive& operator<<(float v);
    CArchive& operator<<(double v);
    CArchive& operator<<(const QString& s);

    CArchive& operator>>(std::uint8_t& v);
    CArchive& operator>>(std::int8_t& v);
    CArchive& operator>>(std::uint16_t& v);
    CArchive& operator>>(std::int16_t& v);
    CArchive& operator>>(std::uint32_t& v);
    CArchive& operator>>(std::int32_t& v);
    CArchive& operator>>(std::uint64_t& v);
    CArchive& operator>>(std::int64_t& v);
    CArchive& operator>>(float& v);
    CArchive& operator>>(double& v);
    CArchive& operator>>(QString& s);

    // A count: 16 bits below 0xFFFF, else 0xFFFF and 32 bits.
    void WriteCount(quint32 count);
    quint32 ReadCount();

    void Write(const void* data, qint64 size);
    // Reads exactly size bytes or fails.
    void Read(void* data, qint64 size);

    // Ends the read (or write) with an archive error at the current byte.
    [[noreturn]] void Fail(const QString& cause) const;
    // Fails unless at least size bytes remain to be read.
    void Require(qint64 size, const char* what) const;

private:
    QString ReadStringBody(quint32 length, bool unicode);
    quint32 ReadStringLength(std::uint8_t first);
    void RequireLoading() const;
    void RequireStoring() const;

    Mode mode_;
    QByteArray* buffer_;
    qint64 position_ = 0;
};
