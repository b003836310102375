// Feeds arbitrary bytes to the compound-file reader and, when they hold a document's
// "Contents" stream, that stream to the archive reader. A tree that was read is written again
// and must read back the same.
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "gsf_leak_suppression.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "platform/compound_file.h"
#include "platform/compound_storage.h"
#include "platform/object.h"

namespace {

bool SameTree(const CCompoundStorage& a, const CCompoundStorage& b) {
    QStringList streams = a.StreamNames();
    QStringList otherStreams = b.StreamNames();
    QStringList storages = a.StorageNames();
    QStringList otherStorages = b.StorageNames();
    if (streams.size() != otherStreams.size() || storages.size() != otherStorages.size()) {
        return false;
    }
    for (const QString& name : streams) {
        if (!b.HasStream(name) || a.Stream(name) != b.Stream(name)) {
            return false;
        }
    }
    for (const QString& name : storages) {
        const CCompoundStorage* other = b.FindStorage(name);
        if (other == nullptr || !SameTree(*a.FindStorage(name), *other)) {
            return false;
        }
    }
    return true;
}

void ReadContents(QByteArray contents) {
    CArchive in(CArchive::load, &contents);
    QList<CObject*> objects;
    try {
        while (!in.AtEnd()) {
            objects.append(in.ReadObject(nullptr));
        }
    } catch (const CArchiveException&) {
    }
    qDeleteAll(objects);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CCompoundStorage root;
    QString error;
    if (!CCompoundFile::Read(bytes, &root, &error)) {
        return 0;
    }
    const QString contents = QString::fromLatin1(CCompoundFile::kContentsStream);
    if (root.HasStream(contents)) {
        ReadContents(root.Stream(contents));
    }
    QByteArray written;
    // Names the reader accepted but a writer refuses (too long, or with a separator) end here.
    if (!CCompoundFile::Write(root, &written, &error)) {
        return 0;
    }
    CCompoundStorage again;
    if (!CCompoundFile::Read(written, &again, &error) || !SameTree(root, again)) {
        std::fprintf(stderr, "a written compound file reads back otherwise: %s\n",
                     qPrintable(error));
        std::abort();
    }
    return 0;
}
