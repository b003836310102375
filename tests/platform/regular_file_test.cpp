#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/compound_file.h"
#include "platform/compound_storage.h"
#include "platform/image_file.h"
#include "platform/regular_file.h"

namespace {

class RegularFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString Fifo(const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    }
};

}  // namespace

TEST_F(RegularFileTest, ReadsARegularFileWholeUpToTheLimit) {
    const QString path = Write(QStringLiteral("a.bin"), QByteArray(70000, 'a') + "end");
    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(path, link));
    QByteArray bytes;
    QString error;
    ASSERT_TRUE(RegularFile::Read(link, 70003, &bytes, &error)) << error.toStdString();
    EXPECT_EQ(bytes, QByteArray(70000, 'a') + "end");
    EXPECT_FALSE(RegularFile::Read(path, 70002, &bytes, &error));
    EXPECT_EQ(error, path + QStringLiteral(" is larger than 70002 bytes"));
    EXPECT_FALSE(RegularFile::Read(dir.filePath(QStringLiteral("none")), 10, &bytes, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("No such file")));
}

TEST_F(RegularFileTest, SpecialFilesAndHugeDocumentsAreRefusedAtOnce) {
    QElapsedTimer clock;
    clock.start();
    const QString fifo = Fifo(QStringLiteral("pipe"));
    const QString linkToFifo = dir.filePath(QStringLiteral("pipe.met"));
    ASSERT_TRUE(QFile::link(fifo, linkToFifo));
    for (const QString& path : {fifo, linkToFifo, QStringLiteral("/dev/zero"), dir.path()}) {
        QByteArray bytes;
        QString error;
        EXPECT_FALSE(RegularFile::Read(path, 1 << 20, &bytes, &error));
        EXPECT_EQ(error, path + QStringLiteral(" is not a regular file"));
        EXPECT_FALSE(RegularFile::IsRegular(path));
    }
    CCompoundStorage root;
    QString error;
    EXPECT_FALSE(CCompoundFile::ReadFile(QStringLiteral("/dev/zero"), &root, &error));
    EXPECT_EQ(error, QStringLiteral("/dev/zero is not a regular file"));
    // A sparse file larger than any document is refused before a byte is read.
    const QString huge = dir.filePath(QStringLiteral("huge.met"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(CCompoundFile::kMaxFileSize + 1));
    }
    EXPECT_FALSE(CCompoundFile::ReadFile(huge, &root, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("is larger than"))) << error.toStdString();
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(RegularFileTest, APictureIsWhatDecodesAsAnImageWhateverItsName) {
    QImage green(3, 2, QImage::Format_ARGB32);
    green.fill(0xFF00FF00u);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    green.save(&buffer, "PNG");
    QImage image;
    QString error;
    QByteArray bytes;
    ASSERT_TRUE(ImageFile::Load(Write(QStringLiteral("picture.txt"), png), &image, &error, &bytes))
        << error.toStdString();
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(bytes, png);
    const QString text = Write(QStringLiteral("fake.png"), "not a picture at all");
    EXPECT_FALSE(ImageFile::Load(text, &image, &error));
    EXPECT_EQ(error, text + QStringLiteral(" is not a picture this program can read"));
    EXPECT_FALSE(ImageFile::Load(Write(QStringLiteral("cut.png"), png.left(40)), &image, &error));
    EXPECT_FALSE(ImageFile::Load(Fifo(QStringLiteral("pipe.png")), &image, &error));
    EXPECT_FALSE(ImageFile::Load(QString(), &image, &error));
}
