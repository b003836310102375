#include <gtest/gtest.h>

#include "support/file_size_limit.h"
#include "support/olefile_witness.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/compound_file.h"
#include "platform/compound_storage.h"

namespace {

QByteArray Pattern(int size, int seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) {
        bytes[i] = char((i * 31 + seed) & 0xFF);
    }
    return bytes;
}

// A document root with an embedded object's storage beside "Contents".
CCompoundStorage SampleTree() {
    CCompoundStorage root;
    root.SetStream(QStringLiteral("Contents"), Pattern(10000, 1));  // past the small-stream size
    root.SetStream(QStringLiteral("Notes"), Pattern(100, 2));       // a small stream
    CCompoundStorage& item = root.Storage(QStringLiteral("Embedding 1"));
    item.SetStream(QStringLiteral("\001Ole"), Pattern(20, 3));
    item.SetStream(QStringLiteral("CONTENTS"), QByteArray());
    item.Storage(QStringLiteral("Deeper")).SetStream(QStringLiteral("Data"), Pattern(5000, 4));
    return root;
}

void ExpectSameTree(const CCompoundStorage& a, const CCompoundStorage& b) {
    QStringList streams = a.StreamNames();
    QStringList otherStreams = b.StreamNames();
    streams.sort();
    otherStreams.sort();
    EXPECT_EQ(streams, otherStreams);
    for (const QString& name : streams) {
        EXPECT_EQ(a.Stream(name), b.Stream(name)) << name.toStdString();
    }
    QStringList storages = a.StorageNames();
    QStringList otherStorages = b.StorageNames();
    storages.sort();
    otherStorages.sort();
    ASSERT_EQ(storages, otherStorages);
    for (const QString& name : storages) {
        ExpectSameTree(*a.FindStorage(name), *b.FindStorage(name));
    }
}

}  // namespace

TEST(CompoundFileTest, ATreeOfStreamsAndStoragesRoundTripsThroughAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("drawing.met"));
    const CCompoundStorage tree = SampleTree();
    QString error;
    ASSERT_TRUE(CCompoundFile::WriteFile(path, tree, &error)) << error.toStdString();

    CCompoundStorage back;
    ASSERT_TRUE(CCompoundFile::ReadFile(path, &back, &error)) << error.toStdString();
    ExpectSameTree(tree, back);
    EXPECT_TRUE(back.HasStream(QStringLiteral("contents")));  // names ignore case

    QByteArray contents;
    ASSERT_TRUE(CCompoundFile::ReadContents(path, &contents, &error));
    EXPECT_EQ(contents, Pattern(10000, 1));

    ASSERT_TRUE(CCompoundFile::WriteContents(path, QByteArray(), &error));
    ASSERT_TRUE(CCompoundFile::ReadContents(path, &contents, &error));
    EXPECT_TRUE(contents.isEmpty());
}

TEST(CompoundFileTest, AnIndependentReaderSeesTheContentsStreamByteForByte) {
    const QString python = OlefilePython();
    if (python.isEmpty()) {
        GTEST_SKIP() << "python3-olefile is not installed: the compound file is not checked "
                        "by an independent reader";
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("witness.met"));
    QString error;
    ASSERT_TRUE(CCompoundFile::WriteFile(path, SampleTree(), &error)) << error.toStdString();

    const QString script = QStringLiteral(
        "import olefile, sys\n"
        "ole = olefile.OleFileIO(sys.argv[1])\n"
        "sys.stdout.write(ole.openstream('Contents').read().hex() + '\\n')\n"
        "sys.stdout.write(ole.openstream('Embedding 1/Deeper/Data').read().hex() + '\\n')\n"
        "sys.stdout.write(str(ole.get_type('Embedding 1')) + '\\n')\n");
    QProcess p;
    p.start(python, {QStringLiteral("-c"), script, path});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(QByteArray::fromHex(lines[0]), Pattern(10000, 1));
    EXPECT_EQ(QByteArray::fromHex(lines[1]), Pattern(5000, 4));
    EXPECT_EQ(lines[2], QByteArray("1"));  // a storage
}

TEST(CompoundFileTest, FilesThatAreNotDocumentsAreRefusedWithAReason) {
    QTemporaryDir dir;
    QString error;
    CCompoundStorage root;

    const QString text = dir.filePath(QStringLiteral("text.met"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a compound file at all, only some text\n");
    file.close();
    EXPECT_FALSE(CCompoundFile::ReadFile(text, &root, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("not a compound file"))) << error.toStdString();

    EXPECT_FALSE(CCompoundFile::Read(QByteArray(), &root, &error));
    EXPECT_FALSE(
        CCompoundFile::ReadFile(dir.filePath(QStringLiteral("missing.met")), &root, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("cannot be opened")));

    CCompoundStorage noContents;
    noContents.SetStream(QStringLiteral("Other"), "x");
    noContents.Storage(QStringLiteral("Contents"));  // a storage, not a stream
    const QString other = dir.filePath(QStringLiteral("other.met"));
    ASSERT_TRUE(CCompoundFile::WriteFile(other, noContents, &error));
    QByteArray contents;
    EXPECT_FALSE(CCompoundFile::ReadContents(other, &contents, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("has no \"Contents\" stream")))
        << error.toStdString();

    // Every cut of a valid file fails cleanly or reads a tree; none crashes.
    QByteArray whole;
    ASSERT_TRUE(CCompoundFile::Write(SampleTree(), &whole, &error));
    for (qsizetype length = 0; length < whole.size(); length += 509) {
        CCompoundStorage part;
        QString reason;
        if (!CCompoundFile::Read(whole.left(length), &part, &reason)) {
            EXPECT_FALSE(reason.isEmpty());
        }
    }
}

TEST(CompoundFileTest, ABadNameFailsTheWriteAndLeavesTheOldFileAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.met"));
    QString error;
    ASSERT_TRUE(CCompoundFile::WriteContents(path, "old", &error));

    for (const QString& bad :
         {QString(), QStringLiteral("a/b"), QStringLiteral("x!"), QString(32, QLatin1Char('n'))}) {
        CCompoundStorage tree;
        tree.SetStream(QStringLiteral("Contents"), "new");
        tree.Storage(QStringLiteral("Item")).SetStream(bad, "data");
        EXPECT_FALSE(CCompoundFile::WriteFile(path, tree, &error)) << bad.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("not a valid"))) << error.toStdString();
        QByteArray contents;
        ASSERT_TRUE(CCompoundFile::ReadContents(path, &contents, &error));
        EXPECT_EQ(contents, QByteArray("old"));
    }
}

TEST(CompoundFileTest, ASmallFileThatCannotBeWrittenWholeLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.met"));
    QString error;
    ASSERT_TRUE(CCompoundFile::WriteContents(path, "old", &error));
    // Smaller than any write buffer, so the short write shows only when the file is flushed.
    bool written = true;
    {
        const FileSizeLimit limit(1024);
        written = CCompoundFile::WriteContents(path, "new", &error);
    }
    EXPECT_FALSE(written);
    QByteArray contents;
    ASSERT_TRUE(CCompoundFile::ReadContents(path, &contents, &error)) << error.toStdString();
    EXPECT_EQ(contents, QByteArray("old"));
}

TEST(CompoundFileTest, StoragesFindReplaceAndRemoveEntriesByNameIgnoringCase) {
    CCompoundStorage root;
    root.SetStream(QStringLiteral("Contents"), "a");
    root.SetStream(QStringLiteral("CONTENTS"), "b");
    EXPECT_EQ(root.StreamNames(), QStringList{QStringLiteral("Contents")});
    EXPECT_EQ(root.Stream(QStringLiteral("contents")), QByteArray("b"));
    CCompoundStorage& item = root.Storage(QStringLiteral("Item"));
    EXPECT_EQ(&root.Storage(QStringLiteral("ITEM")), &item);
    item.SetStream(QStringLiteral("s"), "1");

    CCompoundStorage copy = root;
    item.SetStream(QStringLiteral("s"), "2");
    EXPECT_EQ(copy.FindStorage(QStringLiteral("item"))->Stream(QStringLiteral("s")),
              QByteArray("1"));

    root.RemoveStorage(QStringLiteral("item"));
    root.RemoveStream(QStringLiteral("contents"));
    EXPECT_TRUE(root.IsEmpty());
    EXPECT_EQ(root.FindStorage(QStringLiteral("Item")), nullptr);
    EXPECT_TRUE(root.Stream(QStringLiteral("Contents")).isEmpty());
}
