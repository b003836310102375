#include "export/svg_file_writer.h"

#include <QDir>

#include "export/gzip_writer.h"
#include "export/svg_output.h"
#include "export/svg_text_filters.h"
#include "platform/safe_save_file.h"

namespace {

// Encoded text is handed to the file in blocks of about this size.
constexpr qsizetype kBlockBytes = 1 << 20;

}  // namespace

CSvgFileWriter::CSvgFileWriter(const QString& path, bool compressed, bool unicode)
    : file_(std::make_unique<SafeSaveFile>(path)),
      compressed_(compressed),
      output_(unicode, kBlockBytes + kBlockBytes / 4) {}

// An uncommitted file is discarded with the SafeSaveFile.
CSvgFileWriter::~CSvgFileWriter() = default;

bool CSvgFileWriter::Open(QString* error) {
    if (!file_->open(QIODevice::WriteOnly)) {
        Fail(file_->errorString());
    } else if (compressed_) {
        gzip_ = std::make_unique<CGzipWriter>(file_.get());
    }
    if (!failure_.isEmpty() && error != nullptr) {
        *error = failure_;
    }
    return failure_.isEmpty();
}

void CSvgFileWriter::Fail(const QString& reason) {
    if (failure_.isEmpty()) {
        // A failed write has the system's reason in the file; the stream's own is vaguer.
        const QString fileReason = file_->HasFailed() ? file_->errorString() : QString();
        failure_ = !fileReason.isEmpty() ? fileReason
                   : reason.isEmpty()    ? QStringLiteral("cannot write the file")
                                         : reason;
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
        if (gzip_) {
            if (!gzip_->Write(bytes)) {
                Fail(QStringLiteral("cannot write the compressed stream"));
            }
        } else if (file_->write(bytes) != bytes.size()) {
            Fail(file_->errorString());
        }
    }
    output_.Clear();
}

bool CSvgFileWriter::Commit(QString* error) {
    if (file_->isOpen()) {
        Flush();
        if (gzip_ && failure_.isEmpty() && !gzip_->Finish()) {
            Fail(QStringLiteral("cannot finish the compressed stream"));
        }
        if (!failure_.isEmpty()) {
            file_->Discard();  // the target is untouched
        } else if (!file_->Commit()) {
            Fail(file_->errorString());
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
    SafeSaveFile file(previewPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return QString();
    }
    const QString html = QStringLiteral("<EMBED SRC=\"%1\" WIDTH=\"%2\" HEIGHT=\"%3\">")
                             .arg(QarnSvg::AttributeFilter(svgPath))
                             .arg(width)
                             .arg(height);
    file.write(html.toUtf8());
    return file.Commit() ? previewPath : QString();
}
