// Exports every page of any document the reader accepts as SVG: whatever names, texts, fonts,
// coordinates and paint a damaged file holds, the export must finish without a crash, a leak
// or a hang, and the file it writes must be well-formed XML.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QXmlStreamReader>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/doc.h"
#include "gsf_leak_suppression.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "platform/compound_file.h"
#include "platform/compound_storage.h"

namespace {

QString OutputPath() {
    static const QString path = QDir::temp().filePath(
        QStringLiteral("qarn_svg_fuzz_%1.svg").arg(QCoreApplication::applicationPid()));
    return path;
}

bool WellFormed(const QByteArray& bytes) {
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        reader.readNext();
    }
    return !reader.hasError();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    CCompoundStorage root;
    QString error;
    if (!CCompoundFile::Read(file, &root, &error) ||
        !root.HasStream(QString::fromLatin1(CCompoundFile::kContentsStream))) {
        return 0;
    }
    const QByteArray contents = root.Stream(QString::fromLatin1(CCompoundFile::kContentsStream));
    CQarnDoc doc;
    try {
        CArchive in(CArchive::load, const_cast<QByteArray*>(&contents));
        doc.Serialize(in);
    } catch (const CArchiveException&) {
        return 0;
    }
    for (CQarnCanvas* page : doc.GetCanvasList()) {
        if (!doc.ExportToSVG(OutputPath(), page, 0, &error)) {
            continue;
        }
        QFile written(OutputPath());
        if (!written.open(QIODevice::ReadOnly) || !WellFormed(written.readAll())) {
            std::fprintf(stderr, "the exported SVG is not well-formed XML\n");
            std::abort();
        }
    }
    return 0;
}
