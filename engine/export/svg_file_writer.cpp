#include "export/svg_file_writer.h"

#include <zlib.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include "export/svg_text_filters.h"

QByteArray CSvgFileWriter::Encode(const QString& text, bool unicode) {
    if (!unicode) {
        return text.toUtf8();
    }
    QByteArray bytes;
    bytes.reserve(2 + text.size() * 2);
    bytes.append(char(0xFF));
    bytes.append(char(0xFE));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        bytes.append(char(u & 0xFF));
        bytes.append(char(u >> 8));
    }
    return bytes;
}

namespace {

bool WritePlain(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool WriteCompressed(const QString& path, const QByteArray& bytes, QString* error) {
    const QFileInfo target(path);
    QTemporaryFile temporary(
        target.absoluteDir().filePath(target.fileName() + QStringLiteral(".XXXXXX")));
    if (!temporary.open()) {
        *error = temporary.errorString();
        return false;
    }
    temporary.close();
    gzFile gz = gzopen(QFile::encodeName(temporary.fileName()).constData(), "wb");
    if (gz == nullptr) {
        *error = QStringLiteral("cannot open the compressed stream");
        return false;
    }
    qsizetype written = 0;
    while (written < bytes.size()) {
        const unsigned chunk = unsigned(std::min<qsizetype>(bytes.size() - written, 1 << 20));
        if (gzwrite(gz, bytes.constData() + written, chunk) != int(chunk)) {
            gzclose(gz);
            *error = QStringLiteral("cannot write the compressed stream");
            return false;
        }
        written += chunk;
    }
    if (gzclose(gz) != Z_OK) {
        *error = QStringLiteral("cannot finish the compressed stream");
        return false;
    }
    QFile::remove(path);
    if (!temporary.rename(path)) {
        *error = temporary.errorString();
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
}

}  // namespace

bool CSvgFileWriter::Write(const QString& path, const QByteArray& bytes, bool compressed,
                           QString* error) {
    QString ignored;
    QString* reason = error ? error : &ignored;
    return compressed ? WriteCompressed(path, bytes, reason) : WritePlain(path, bytes, reason);
}

QString CSvgFileWriter::WritePreview(const QString& svgPath, int width, int height) {
    QString folder = QDir::tempPath();
    if (folder.isEmpty()) {
        folder = QDir::currentPath();
    }
    const QString previewPath = QDir(folder).filePath(QStringLiteral("SVG_Preview.html"));
    QSaveFile file(previewPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return QString();
    }
    const QString html = QStringLiteral("<EMBED SRC=\"%1\" WIDTH=\"%2\" HEIGHT=\"%3\">")
                             .arg(QarnSvg::AttributeFilter(svgPath))
                             .arg(width)
                             .arg(height);
    file.write(html.toUtf8());
    return file.commit() ? previewPath : QString();
}
