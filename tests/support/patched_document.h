#pragma once
// Documents no editor would write: a document is stored with one value replaced in its
// "Contents" (every occurrence of the marker's four bytes), so that a test can hand the reader
// an infinite pen width or a frame of NaN.

#include <QByteArray>
#include <QString>
#include <cstring>

#include "core/doc.h"
#include "platform/archive.h"
#include "platform/compound_file.h"

inline QByteArray FloatBytes(float value) {
    QByteArray bytes(4, '\0');
    std::memcpy(bytes.data(), &value, 4);  // the archive is little-endian, as is the machine
    return bytes;
}

// Writes `doc` to `path` with every `marker` in its archive replaced by `replacement`; the
// number of replacements (0 means the marker was not found and nothing was written).
inline int SaveWithFloatReplaced(CQarnDoc& doc, const QString& path, float marker,
                                 float replacement) {
    QByteArray contents;
    {
        CArchive ar(CArchive::store, &contents);
        doc.Serialize(ar);
    }
    const QByteArray from = FloatBytes(marker);
    const int found = int(contents.count(from));
    if (found == 0) {
        return 0;
    }
    contents.replace(from, FloatBytes(replacement));
    QString error;
    return CCompoundFile::WriteContents(path, contents, &error) ? found : 0;
}
