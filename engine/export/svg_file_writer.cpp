#include "export/svg_file_writer.h"

#include <unistd.h>
#include <zlib.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "export/svg_output.h"
#include "export/svg_text_filters.h"

namespace {

// Encoded text is handed to the file in blocks of about this size.
constexpr qsizetype kBlockBytes = 1 << 20;

}  // namespace

CSvgFileWriter::CSvgFileWriter(const QString& path, bool compressed, bool unicode)
    : file_(path), compressed_(compressed), output_(unicode, kBlockBytes + kBlockBytes / 4) {}

CSvgFileWriter::~CSvgFileWriter() {
    if (gz_ != nullptr) {
        gzclose(static_cast<gzFile>(gz_));
    }
    if (file_.isOpen()) {
        file_.cancelWriting();
    }
}

bool CSvgFileWriter::Open(QString* error) {
    if (!file_.open(QIODevice::WriteOnly)) {
        Fail(file_.errorString());
    } else if (compressed_) {
        // zlib writes into a duplicate of the save file's descriptor and closes it itself.
        const int descriptor = file_.handle() >= 0 ? ::dup(file_.handle()) : -1;
        gz_ = descriptor >= 0 ? gzdopen(descriptor, "wb") : nullptr;
        if (gz_ == nullptr) {
            if (descriptor >= 0) {
                ::close(descriptor);
            }
            Fail(QStringLiteral("cannot open the compressed stream"));
        }
    }
    if (!failure_.isEmpty() && error != nullptr) {
        *error = failure_;
    }
    return failure_.isEmpty();
}

void CSvgFileWriter::Fail(const QString& reason) {
    if (failure_.isEmpty()) {
        failure_ = reason.isEmpty() ? QStringLiteral("cannot write the file") : reason;
    }
}

void CSvgFileWriter::Append(QStringView text) {
    output_.Append(text);
    if (output_.Bytes().size() >= kBlockBytes) {
        Flush();
    }
}

void CSvgFileWriter::Flush() {
    const QByteArray& bytes = output_.Bytes();
    if (failure_.isEmpty() && !bytes.isEmpty()) {
        if (gz_ != nullptr) {
            if (gzwrite(static_cast<gzFile>(gz_), bytes.constData(), unsigned(bytes.size())) !=
                int(bytes.size())) {
                Fail(QStringLiteral("cannot write the compressed stream"));
            }
        } else if (file_.write(bytes) != bytes.size()) {
            Fail(file_.errorString());
        }
    }
    output_.Clear();
}

bool CSvgFileWriter::Commit(QString* error) {
    if (file_.isOpen()) {
        Flush();
        if (gz_ != nullptr) {
            if (gzclose(static_cast<gzFile>(gz_)) != Z_OK) {
                Fail(QStringLiteral("cannot finish the compressed stream"));
            }
            gz_ = nullptr;
        }
        if (!failure_.isEmpty()) {
            file_.cancelWriting();
            file_.commit();  // discards the partial file, the target is untouched
        } else if (!file_.commit()) {
            Fail(file_.errorString());
        }
    } else {
        Fail(QStringLiteral("the file is not open"));
    }
    if (!failure_.isEmpty() && error != nullptr) {
        *error = failure_;
    }
    return failure_.isEmpty();
}

QByteArray CSvgFileWriter::Encode(const QString& text, bool unicode) {
    CSvgOutput output(unicode, text.size());
    output.Append(text);
    return output.Bytes();
}

bool CSvgFileWriter::Write(const QString& path, const QByteArray& bytes, bool compressed,
                           QString* error) {
    // The bytes are already encoded and go to the file as they are.
    CSvgFileWriter writer(path, compressed, false);
    if (!writer.Open(error)) {
        return false;
    }
    writer.output_.AppendBytes(bytes);
    return writer.Commit(error);
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
