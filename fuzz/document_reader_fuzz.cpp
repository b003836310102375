// Feeds arbitrary bytes to the document reader the way a file arrives: a compound file, its
// "Contents" stream, then the document, its pages, layers, components and properties. A
// damaged file must end in one clear error, never a crash, a leak, a hang or an unbounded
// allocation; a file that reads must write again and read back to the same bytes.
#include <QByteArray>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzzed_document.h"
#include "gsf_leak_suppression.h"

namespace {

QByteArray Written(CQarnDoc& doc) {
    QByteArray bytes;
    CArchive out(CArchive::store, &bytes);
    doc.Serialize(out);
    return bytes;
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
    const QByteArray first = Written(doc);
    CQarnDoc again;
    if (!ReadFuzzedDocument(first, again) || Written(again) != first) {
        std::fprintf(stderr, "a document that was read does not write back the same\n");
        std::abort();
    }
    return 0;
}
