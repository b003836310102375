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

#include "core/doc.h"
#include "gsf_leak_suppression.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "platform/compound_file.h"
#include "platform/compound_storage.h"

namespace {

bool ReadDocument(const QByteArray& contents, CQarnDoc& doc) {
    try {
        CArchive in(CArchive::load, const_cast<QByteArray*>(&contents));
        doc.Serialize(in);
        return true;
    } catch (const CArchiveException&) {
        doc.DeleteContents();
        return false;
    }
}

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
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    CCompoundStorage root;
    QString error;
    if (!CCompoundFile::Read(file, &root, &error) ||
        !root.HasStream(QString::fromLatin1(CCompoundFile::kContentsStream))) {
        return 0;
    }
    const QByteArray contents = root.Stream(QString::fromLatin1(CCompoundFile::kContentsStream));
    CQarnDoc doc;
    if (!ReadDocument(contents, doc)) {
        return 0;
    }
    const QByteArray first = Written(doc);
    CQarnDoc again;
    if (!ReadDocument(first, again) || Written(again) != first) {
        std::fprintf(stderr, "a document that was read does not write back the same\n");
        std::abort();
    }
    return 0;
}
