#pragma once
// Writes finished SVG text to disk: UTF-8, or UTF-16LE with a byte-order mark when "Output
// UNICODE SVG" is on; plain or gzip-compressed. The file is written beside the target and
// renamed over it only when complete, so a failed export never destroys an earlier file.

#include <QByteArray>
#include <QString>

class CSvgFileWriter {
public:
    // The bytes of the text in the chosen encoding.
    static QByteArray Encode(const QString& text, bool unicode);
    // False with *error set when the file cannot be written.
    static bool Write(const QString& path, const QByteArray& bytes, bool compressed,
                      QString* error);
    // The page that shows the written file in a browser: SVG_Preview.html in the temporary
    // folder. Returns its path, or an empty string when it cannot be written.
    static QString WritePreview(const QString& svgPath, int width, int height);
};
