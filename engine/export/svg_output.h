#pragma once
// The bytes of an SVG file as its text is produced: each piece is encoded when appended
// (UTF-8, or UTF-16LE after a byte-order mark when "Output UNICODE SVG" is on), so a large
// export never holds its whole text twice.

#include <QByteArray>
#include <QStringEncoder>
#include <QStringView>

class CSvgOutput {
public:
    explicit CSvgOutput(bool unicode, qsizetype expectedBytes = 0);

    void Append(QStringView text);
    // Bytes already encoded.
    void AppendBytes(const QByteArray& bytes) { bytes_.append(bytes); }
    // Forgets the bytes handed on, keeping the room they took.
    void Clear() { bytes_.resize(0); }
    const QByteArray& Bytes() const { return bytes_; }

private:
    QStringEncoder encoder_;
    QByteArray bytes_;
};
