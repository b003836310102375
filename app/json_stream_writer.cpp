#include "json_stream_writer.h"

#include <QIODevice>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Bytes held before they go to the device.
constexpr qsizetype kSpillBytes = qsizetype(1) << 16;

// Integers up to this magnitude are exact in a double.
constexpr double kLargestExactInteger = 9007199254740992.0;  // 2^53

char HexDigit(unsigned value) {
    return char(value < 10 ? '0' + value : 'a' + value - 10);
}

}  // namespace

CJsonStreamWriter::CJsonStreamWriter(QIODevice* device) : m_pDevice(device) {
    m_Buffer.reserve(kSpillBytes * 2);
}

CJsonStreamWriter::~CJsonStreamWriter() {
    Flush();
}

void CJsonStreamWriter::AppendEscaped(const QString& text, QByteArray* out) {
    const QChar* c = text.constData();
    const QChar* end = c + text.size();
    while (c != end) {
        const char16_t u = c->unicode();
        if (u >= 0x80) {
            // A run of characters beyond ASCII goes out as UTF-8, as QJsonDocument writes it.
            const QChar* start = c;
            while (c != end && c->unicode() >= 0x80) {
                ++c;
            }
            out->append(QStringView(start, c).toUtf8());
            continue;
        }
        switch (u) {
            case '"':
                out->append("\\\"");
                break;
            case '\\':
                out->append("\\\\");
                break;
            case '\b':
                out->append("\\b");
                break;
            case '\f':
                out->append("\\f");
                break;
            case '\n':
                out->append("\\n");
                break;
            case '\r':
                out->append("\\r");
                break;
            case '\t':
                out->append("\\t");
                break;
            default:
                if (u < 0x20) {
                    const char escaped[] = {
                        '\\', 'u', '0', '0', HexDigit(u >> 4), HexDigit(u & 0xf)};
                    out->append(escaped, sizeof escaped);
                } else {
                    out->append(char(u));
                }
                break;
        }
        ++c;
    }
}

void CJsonStreamWriter::Indent(int depth) {
    m_Buffer.append(qsizetype(4 * depth), ' ');
}

void CJsonStreamWriter::BeforeValue() {
    if (m_bAfterKey) {
        m_bAfterKey = false;
        return;
    }
    if (m_Levels.empty()) {
        return;
    }
    int& members = m_Levels.back();
    m_Buffer.append(members > 0 ? ",\n" : "\n");
    ++members;
    Indent(int(m_Levels.size()));
}

void CJsonStreamWriter::Open(char bracket) {
    BeforeValue();
    m_Buffer.append(bracket);
    m_Levels.push_back(0);
}

void CJsonStreamWriter::Close(char bracket) {
    if (m_Levels.empty()) {
        return;
    }
    m_Levels.pop_back();
    // The last member's line ends here; an empty container still breaks the line after its
    // opening bracket.
    m_Buffer.append('\n');
    Indent(int(m_Levels.size()));
    m_Buffer.append(bracket);
    if (m_Levels.empty()) {
        m_Buffer.append('\n');
    }
    Spill();
}

void CJsonStreamWriter::BeginObject() {
    Open('{');
}

void CJsonStreamWriter::EndObject() {
    Close('}');
}

void CJsonStreamWriter::BeginArray() {
    Open('[');
}

void CJsonStreamWriter::EndArray() {
    Close(']');
}

void CJsonStreamWriter::Key(const QString& key) {
    BeforeValue();
    m_Buffer.append('"');
    AppendEscaped(key, &m_Buffer);
    m_Buffer.append("\": ");
    m_bAfterKey = true;
}

void CJsonStreamWriter::Value(const QString& text) {
    BeforeValue();
    m_Buffer.append('"');
    AppendEscaped(text, &m_Buffer);
    m_Buffer.append('"');
}

void CJsonStreamWriter::Value(qint64 number) {
    BeforeValue();
    m_Buffer.append(QByteArray::number(number));
}

void CJsonStreamWriter::Value(double number) {
    BeforeValue();
    AppendNumber(number, &m_Buffer);
}

void CJsonStreamWriter::AppendNumber(double number, QByteArray* out) {
    if (!std::isfinite(number)) {
        out->append("null");
        return;
    }
    // A double without a fraction that an integer holds exactly is written as that integer
    // (-0 as 0), as a QJsonValue keeps it.
    if (std::trunc(number) == number && std::fabs(number) <= kLargestExactInteger) {
        out->append(QByteArray::number(qint64(number)));
        return;
    }
    // The shortest digits that read back as the number, then the shorter of the decimal and
    // the exponent form (the decimal one when they are as long): what Qt writes, about twice
    // as fast.
    char scientific[64];
    const std::to_chars_result written = std::to_chars(scientific, scientific + sizeof scientific,
                                                       number, std::chars_format::scientific);
    const char* e = std::find(scientific, written.ptr, 'e');
    if (written.ec != std::errc() || e == written.ptr) {
        out->append(QByteArray::number(number, 'g', QLocale::FloatingPointShortest));
        return;
    }
    const bool negative = scientific[0] == '-';
    char digits[32];
    int count = 0;
    for (const char* c = scientific; c != e && count < int(sizeof digits); ++c) {
        if (*c >= '0' && *c <= '9') {
            digits[count++] = *c;
        }
    }
    // The exponent: a sign and its digits, up to where the digits end (no terminating zero).
    int exponent = 0;
    for (const char* c = e + 2; c < written.ptr; ++c) {
        exponent = exponent * 10 + (*c - '0');
    }
    if (e[1] == '-') {
        exponent = -exponent;
    }
    const int point = exponent + 1;  // digits before the decimal point
    const int decimalLength = point <= 0 ? 2 - point + count : point < count ? count + 1 : point;
    const int exponentDigits = std::abs(exponent) >= 100 ? 3 : 2;
    const int exponentLength = count + (count > 1 ? 1 : 0) + 2 + exponentDigits;
    if (decimalLength > exponentLength) {
        out->append(scientific, written.ptr - scientific);
        return;
    }
    if (negative) {
        out->append('-');
    }
    if (point <= 0) {
        out->append("0.");
        out->append(qsizetype(-point), '0');
        out->append(digits, count);
    } else if (point < count) {
        out->append(digits, point);
        out->append('.');
        out->append(digits + point, count - point);
    } else {
        out->append(digits, count);
        out->append(qsizetype(point - count), '0');
    }
}

void CJsonStreamWriter::Value(bool on) {
    BeforeValue();
    m_Buffer.append(on ? "true" : "false");
}

void CJsonStreamWriter::Null() {
    BeforeValue();
    m_Buffer.append("null");
}

void CJsonStreamWriter::Spill() {
    if (m_Buffer.size() >= kSpillBytes) {
        Flush();
    }
}

bool CJsonStreamWriter::Flush() {
    if (!m_Buffer.isEmpty() && !m_bFailed && m_pDevice != nullptr) {
        m_bFailed = m_pDevice->write(m_Buffer) != m_Buffer.size();
    }
    // Emptied, the buffer keeps its room for what comes next.
    m_Buffer.resize(0);
    return !m_bFailed;
}
