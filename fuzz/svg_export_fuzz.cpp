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

#include "fuzzed_document.h"
#include "gsf_leak_suppression.h"

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
    QByteArray contents;
    if (!FuzzedContents(data, size, &contents)) {
        return 0;
    }
    CQarnDoc doc;
    if (!ReadFuzzedDocument(contents, doc)) {
        return 0;
    }
    QString error;
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
