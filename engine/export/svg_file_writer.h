#pragma once
// Writes SVG text to disk as it is produced: UTF-8, or UTF-16LE with a byte-order mark when
// "Output UNICODE SVG" is on; plain or gzip-compressed. The file goes through SafeSaveFile:
// it replaces the target only when complete, so a failed export never destroys an earlier
// file, and a failure names the system's reason. Text is encoded and passed on in blocks, so a
// large export never holds the whole file.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <memory>

#include "export/svg_output.h"

class CGzipWriter;
class SafeSaveFile;

class CSvgFileWriter {
public:
    CSvgFileWriter(const QString& path, bool compressed, bool unicode);
    ~CSvgFileWriter();
    CSvgFileWriter(const CSvgFileWriter&) = delete;
    CSvgFileWriter& operator=(const CSvgFileWriter&) = delete;

    // Creates the file beside the target; false with *error set when it cannot.
    bool Open(QString* error);
    void Append(QStringView text);
    // Writes what is left and puts the file in place; false with *error set when any part
    // failed, the earlier file then stays as it was.
    bool Commit(QString* error);

    // The bytes of the text in the chosen encoding.
    static QByteArray Encode(const QString& text, bool unicode);
    // The whole file at once.
    static bool Write(const QString& path, const QByteArray& bytes, bool compressed,
                      QString* error);
    // The page that shows the written file in a browser: SVG_Preview.html in the temporary
    // folder. Returns its path, or an empty string when it cannot be written.
    static QString WritePreview(const QString& svgPath, int width, int height);

private:
    void Flush();
    // The reason of the first failure: the file's own (the system's words) when it has one.
    void Fail(const QString& reason);

    std::unique_ptr<SafeSaveFile> file_;
    std::unique_ptr<CGzipWriter> gzip_;
    bool compressed_;
    CSvgOutput output_;
    QString failure_;
};
