#include "platform/archive.h"

#include <cstring>

#include "platform/ansi_code_page.h"
#include "platform/archive_exception.h"

qint64 CArchive::BytesLeft() const {
    return IsLoading() ? qint64(buffer_->size()) - position_ : 0;
}

void CArchive::Fail(const QString& cause) const {
    throw CArchiveException(cause, position_);
}

void CArchive::FailAt(qint64 offset, const QString& cause) const {
    throw CArchiveException(cause, offset);
}

void CArchive::Require(qint64 size, const char* what) const {
    if (size < 0 || size > BytesLeft()) {
        Fail(QStringLiteral("unexpected end of data while reading %1 (%2 bytes needed, %3 left)")
                 .arg(QLatin1String(what))
                 .arg(size)
                 .arg(BytesLeft()));
    }
}

void CArchive::RequireLoading() const {
    if (!IsLoading()) {
        Fail(QStringLiteral("read from an archive that is storing"));
    }
}

void CArchive::RequireStoring() const {
    if (!IsStoring()) {
        Fail(QStringLiteral("write to an archive that is loading"));
    }
}

void CArchive::Write(const void* data, qint64 size) {
    RequireStoring();
    buffer_->append(static_cast<const char*>(data), size);
    position_ += size;
}

const unsigned char* CArchive::Take(qint64 size, const char* what) {
    if (!IsLoading() || size < 0 || size > qint64(buffer_->size()) - position_) {
        RequireLoading();
        Require(size, what);
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(buffer_->constData()) + position_;
    position_ += size;
    return bytes;
}

void CArchive::Read(void* data, qint64 size) {
    std::memcpy(data, Take(size, "raw bytes"), size_t(size));
}

namespace {

template <typename T>
void StoreLittleEndian(CArchive& ar, T value) {
    unsigned char bytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
    ar.Write(bytes, sizeof(T));
}

}  // namespace

template <typename T>
T CArchive::LoadLittleEndian(const char* what) {
    const unsigned char* bytes = Take(sizeof(T), what);
    T value = 0;
    for (size_t i = 0; i < sizeof(T); ++i) {
        value |= T(bytes[i]) << (8 * i);
    }
    return value;
}

CArchive& CArchive::operator<<(std::uint8_t v) {
    Write(&v, 1);
    return *this;
}
CArchive& CArchive::operator<<(std::uint16_t v) {
    StoreLittleEndian(*this, v);
    return *this;
}
CArchive& CArchive::operator<<(std::uint32_t v) {
    StoreLittleEndian(*this, v);
    return *this;
}
CArchive& CArchive::operator<<(std::uint64_t v) {
    StoreLittleEndian(*this, v);
    return *this;
}
CArchive& CArchive::operator<<(float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return *this << bits;
}
CArchive& CArchive::operator<<(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return *this << bits;
}

CArchive& CArchive::operator>>(std::uint8_t& v) {
    v = LoadLittleEndian<std::uint8_t>("a byte");
    return *this;
}
CArchive& CArchive::operator>>(std::int8_t& v) {
    v = std::int8_t(LoadLittleEndian<std::uint8_t>("a byte"));
    return *this;
}
CArchive& CArchive::operator>>(std::uint16_t& v) {
    v = LoadLittleEndian<std::uint16_t>("a 16-bit integer");
    return *this;
}
CArchive& CArchive::operator>>(std::int16_t& v) {
    v = std::int16_t(LoadLittleEndian<std::uint16_t>("a 16-bit integer"));
    return *this;
}
CArchive& CArchive::operator>>(std::uint32_t& v) {
    v = LoadLittleEndian<std::uint32_t>("a 32-bit integer");
    return *this;
}
CArchive& CArchive::operator>>(std::int32_t& v) {
    v = std::int32_t(LoadLittleEndian<std::uint32_t>("a 32-bit integer"));
    return *this;
}
CArchive& CArchive::operator>>(std::uint64_t& v) {
    v = LoadLittleEndian<std::uint64_t>("a 64-bit value");
    return *this;
}
CArchive& CArchive::operator>>(std::int64_t& v) {
    v = std::int64_t(LoadLittleEndian<std::uint64_t>("a 64-bit value"));
    return *this;
}
CArchive& CArchive::operator>>(float& v) {
    std::uint32_t bits = LoadLittleEndian<std::uint32_t>("a 32-bit float");
    std::memcpy(&v, &bits, sizeof v);
    return *this;
}
CArchive& CArchive::operator>>(double& v) {
    std::uint64_t bits = LoadLittleEndian<std::uint64_t>("a 64-bit float");
    std::memcpy(&v, &bits, sizeof v);
    return *this;
}

void CArchive::WriteCount(quint32 count) {
    if (count < 0xFFFF) {
        *this << std::uint16_t(count);
    } else {
        *this << std::uint16_t(0xFFFF) << std::uint32_t(count);
    }
}

quint32 CArchive::ReadCount() {
    std::uint16_t shortCount = 0;
    *this >> shortCount;
    if (shortCount != 0xFFFF) {
        return shortCount;
    }
    std::uint32_t count = 0;
    *this >> count;
    return count;
}

// Strings are written in the Unicode form: FF FE FF, the length in UTF-16 code units
// (one byte below 255, else FF and 16 bits, else FF FFFF and 32 bits), then the code units.
CArchive& CArchive::operator<<(const QString& s) {
    *this << std::uint8_t(0xFF) << std::uint16_t(0xFFFE);
    auto length = quint32(s.size());
    if (length < 0xFF) {
        *this << std::uint8_t(length);
    } else if (length < 0xFFFE) {
        *this << std::uint8_t(0xFF) << std::uint16_t(length);
    } else {
        *this << std::uint8_t(0xFF) << std::uint16_t(0xFFFF) << std::uint32_t(length);
    }
    QByteArray units(qsizetype(length) * 2, Qt::Uninitialized);
    char* out = units.data();
    const QChar* in = s.constData();
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t u = in[i].unicode();
        out[2 * i] = char(u & 0xFF);
        out[2 * i + 1] = char(u >> 8);
    }
    Write(units.constData(), units.size());
    return *this;
}

quint32 CArchive::ReadStringLength(std::uint8_t first) {
    if (first < 0xFF) {
        return first;
    }
    std::uint16_t word = 0;
    *this >> word;
    if (word < 0xFFFF) {
        return word;
    }
    std::uint32_t dword = 0;
    *this >> dword;
    return dword;
}

QString CArchive::ReadStringBody(quint32 length, bool unicode) {
    qint64 bytes = qint64(length) * (unicode ? 2 : 1);
    Require(bytes, "the characters of a string");
    const char* data = buffer_->constData() + position_;
    position_ += bytes;
    if (!unicode) {
        return AnsiCodePage::Decode(QByteArray(data, qsizetype(length)));
    }
    QString text(qsizetype(length), Qt::Uninitialized);
    QChar* out = text.data();
    for (quint32 i = 0; i < length; ++i) {
        auto lo = static_cast<unsigned char>(data[2 * i]);
        auto hi = static_cast<unsigned char>(data[2 * i + 1]);
        out[i] = QChar(char16_t(lo | (hi << 8)));
    }
    return text;
}

CArchive& CArchive::operator>>(QString& s) {
    RequireLoading();
    std::uint8_t first = 0;
    *this >> first;
    if (first == 0xFF) {
        std::uint16_t word = 0;
        *this >> word;
        if (word == 0xFFFE) {
            std::uint8_t next = 0;
            *this >> next;
            s = ReadStringBody(ReadStringLength(next), true);
            return *this;
        }
        quint32 length = word;
        if (word == 0xFFFF) {
            std::uint32_t dword = 0;
            *this >> dword;
            length = dword;
        }
        s = ReadStringBody(length, false);
        return *this;
    }
    s = ReadStringBody(first, false);
    return *this;
}
