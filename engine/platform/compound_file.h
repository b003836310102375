#pragma once
// Compound files (OLE2 structured storage). A document file is one whose root storage holds
// the stream "Contents" with the archive; embedded objects keep their data in sub-storages of
// the same root. A file is read whole into a CCompoundStorage tree and written whole from one.
// Every function answers true, or false with a message that says what was wrong.

#include <QByteArray>
#include <QString>

class CCompoundStorage;

class CCompoundFile {
public:
    static constexpr const char* kContentsStream = "Contents";
    // Larger files are refused before anything is read.
    static constexpr qint64 kMaxFileSize = qint64(1) << 30;
    // Storages nested deeper than this are refused.
    static constexpr int kMaxStorageDepth = 32;
    // A stream or storage name is at most this many UTF-16 code units.
    static constexpr int kMaxNameLength = 31;

    // The storage tree held in those bytes. The bytes of all streams together can never be
    // more than the file itself, so a file that claims more is refused.
    static bool Read(const QByteArray& fileBytes, CCompoundStorage* root, QString* error);
    static bool ReadFile(const QString& path, CCompoundStorage* root, QString* error);
    // The bytes of a compound file holding the tree.
    static bool Write(const CCompoundStorage& root, QByteArray* fileBytes, QString* error);
    // Writes beside the target first and replaces the target only after a complete write,
    // so a failed write leaves the old file as it was.
    static bool WriteFile(const QString& path, const CCompoundStorage& root, QString* error);

    // The "Contents" stream of the root of a document file.
    static bool ReadContents(const QString& path, QByteArray* contents, QString* error);
    // A document file of the root alone with that "Contents" stream.
    static bool WriteContents(const QString& path, const QByteArray& contents, QString* error);
};
