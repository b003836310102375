#pragma once
// How the document fuzz targets turn arbitrary bytes into a document, the way a file arrives:
// a compound file, its "Contents" stream, then the document's archive.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "core/doc.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "platform/compound_file.h"
#include "platform/compound_storage.h"

// The "Contents" stream of the bytes read as a compound file; false when there is none.
inline bool FuzzedContents(const uint8_t* data, size_t size, QByteArray* contents) {
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    CCompoundStorage root;
    QString error;
    const QString name = QString::fromLatin1(CCompoundFile::kContentsStream);
    if (!CCompoundFile::Read(file, &root, &error) || !root.HasStream(name)) {
        return false;
    }
    *contents = root.Stream(name);
    return true;
}

// Reads the archive into the document; a damaged one leaves it empty and gives false.
inline bool ReadFuzzedDocument(const QByteArray& contents, CQarnDoc& doc) {
    try {
        CArchive in(CArchive::load, const_cast<QByteArray*>(&contents));
        doc.Serialize(in);
        return true;
    } catch (const CArchiveException&) {
        doc.DeleteContents();
        return false;
    }
}
