#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "platform/safe_save_file.h"
#include "support/file_size_limit.h"

namespace {

class SafeSaveFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString target = dir.filePath(QStringLiteral("out.bin"));

    void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Every name in the folder, hidden ones included.
    QStringList Names() {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
};

}  // namespace

TEST_F(SafeSaveFileTest, ReplacesTheTargetOnlyOnCommit) {
    WriteFile(target, "old");
    {
        SafeSaveFile dropped(target);
        ASSERT_TRUE(dropped.open(QIODevice::WriteOnly));
        dropped.write(QByteArray(200000, 'x'));
    }
    EXPECT_EQ(ReadFile(target), QByteArray("old"));
    EXPECT_EQ(Names().size(), 1);
    SafeSaveFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.errorString().toStdString();
    EXPECT_EQ(file.write("new bytes"), 9);
    EXPECT_EQ(ReadFile(target), QByteArray("old"));
    ASSERT_TRUE(file.Commit()) << file.errorString().toStdString();
    EXPECT_EQ(ReadFile(target), QByteArray("new bytes"));
    EXPECT_EQ(Names(), QStringList{QStringLiteral("out.bin")});
}

TEST_F(SafeSaveFileTest, AFailedWriteKeepsThePreviousFileAndNamesTheSystemsReason) {
    const QByteArray previous(3000, 'p');
    WriteFile(target, previous);
    SafeSaveFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    {
        const FileSizeLimit limit(8192);
        // Writes are buffered; whenever the system refuses one, every write after it fails
        // too and the commit is refused.
        for (int i = 0; i < 8; ++i) {
            file.write(QByteArray(100000, 'n'));
        }
        EXPECT_TRUE(file.HasFailed());
        EXPECT_EQ(file.write("more"), -1);
        EXPECT_FALSE(file.Commit());
    }
    EXPECT_EQ(file.errorString(), QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(ReadFile(target), previous);
    EXPECT_EQ(Names(), QStringList{QStringLiteral("out.bin")});
}

TEST_F(SafeSaveFileTest, SpecialFilesAndMissingFoldersAreRefusedWithAReason) {
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    SafeSaveFile onFifo(fifo);
    EXPECT_FALSE(onFifo.open(QIODevice::WriteOnly));
    EXPECT_EQ(onFifo.errorString(), QStringLiteral("it is not a regular file"));
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    SafeSaveFile nowhere(dir.filePath(QStringLiteral("missing/out.bin")));
    EXPECT_FALSE(nowhere.open(QIODevice::WriteOnly));
    EXPECT_EQ(nowhere.errorString(), QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_FALSE(SafeSaveFile(dir.path()).open(QIODevice::WriteOnly));
    EXPECT_FALSE(SafeSaveFile(target).open(QIODevice::ReadWrite));
}

TEST_F(SafeSaveFileTest, KeepsPermissionsAndWritesThroughSymbolicLinks) {
    const QString real = dir.filePath(QStringLiteral("real.bin"));
    WriteFile(real, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(real, target));
    SafeSaveFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("new");
    ASSERT_TRUE(file.Commit()) << file.errorString().toStdString();
    EXPECT_TRUE(QFileInfo(target).isSymLink());
    EXPECT_EQ(ReadFile(real), QByteArray("new"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SafeSaveFileTest, ACopyThatMayNotReplaceFailsWhenTheNameIsTaken) {
    SafeSaveFile first(target);
    SafeSaveFile second(target);
    for (SafeSaveFile* file : {&first, &second}) {
        file->SetReplaceExisting(false);
        ASSERT_TRUE(file->open(QIODevice::WriteOnly));
        file->write(file == &first ? "first" : "second");
    }
    EXPECT_TRUE(first.Commit());
    EXPECT_FALSE(second.Commit());
    EXPECT_EQ(ReadFile(target), QByteArray("first"));
    EXPECT_EQ(Names(), QStringList{QStringLiteral("out.bin")});
}
