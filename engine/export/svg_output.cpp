#include "export/svg_output.h"

#include <algorithm>

CSvgOutput::CSvgOutput(bool unicode, qsizetype expectedBytes)
    : encoder_(unicode ? QStringConverter::Utf16LE : QStringConverter::Utf8,
               QStringConverter::Flag::Stateless) {
    bytes_.reserve(std::max<qsizetype>(expectedBytes, 1024));
    if (unicode) {
        bytes_.append(char(0xFF));
        bytes_.append(char(0xFE));
    }
}

void CSvgOutput::Append(QStringView text) {
    const qsizetype used = bytes_.size();
    const qsizetype room = encoder_.requiredSpace(text.size());
    if (bytes_.capacity() < used + room) {
        // Geometric growth keeps appending linear in the size of the file.
        bytes_.reserve(std::max(used + room, bytes_.capacity() * 2));
    }
    bytes_.resize(used + room);
    char* end = encoder_.appendToBuffer(bytes_.data() + used, text);
    bytes_.resize(end - bytes_.constData());
}
