#include "json_stream_writer.h"

#include <QIODevice>
#include <QLocale>
#include <cmath>

namespace {

// Bytes held before they go to the device.
constexpr qsizetype kSpillBytes = qsizetype(1) << 16;

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
    if (std::isfinite(number)) {
        m_Buffer.append(QByteArray::number(number, 'g', QLocale::FloatingPointShortest));
    } else {
        m_Buffer.append("null");
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
    m_Buffer.clear();
    return !m_bFailed;
}
