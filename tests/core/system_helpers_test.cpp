#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "core/system_helpers.h"

TEST(SystemHelpersTest, BinDirectoryEndsWithASeparator) {
    QString dir = Qarn::GetBinDirectory();
    EXPECT_TRUE(dir.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QFile::exists(dir));
}

TEST(SystemHelpersTest, FilesAreFoundByWildcard) {
    QTemporaryDir dir;
    for (const char* name : {"a.tpl", "b.tpl", "c.spf"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QStringList found{QStringLiteral("stale entry")};
    Qarn::GetFilesByType(found, dir.filePath(QStringLiteral("*.tpl")));
    found.sort();
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0], dir.filePath(QStringLiteral("a.tpl")));
    Qarn::GetFilesByType(found, dir.filePath(QStringLiteral("*.none")));
    EXPECT_TRUE(found.isEmpty());
}

TEST(SystemHelpersTest, PositionsAreOneBased) {
    int a = 0;
    int b = 0;
    int c = 0;
    QList<int*> list{&a, &b};
    EXPECT_EQ(Qarn::GetObjectPosition(list, &b), 2);
    EXPECT_EQ(Qarn::GetObjectPosition(list, &c), 0);
}

TEST(SystemHelpersTest, DelayKeepsHandlingEvents) {
    bool fired = false;
    QTimer::singleShot(5, [&fired] { fired = true; });
    QElapsedTimer timer;
    timer.start();
    Qarn::DelayMS(40);
    EXPECT_GE(timer.elapsed(), 39);
    EXPECT_TRUE(fired);
}

TEST(SystemHelpersTest, ImageWritersAreFoundByMimeType) {
    QByteArray format;
    EXPECT_GE(Qarn::GetEncoderClsid(QStringLiteral("image/png"), &format), 0);
    EXPECT_EQ(format, QByteArray("png"));
    EXPECT_EQ(Qarn::GetEncoderClsid(QStringLiteral("image/x-no-such"), &format), -1);
}

TEST(SystemHelpersTest, DotNeverGoesThroughAShell) {
    QTemporaryDir dir;
    // A name a shell would act on stays a plain argument (and with no dot installed the
    // result is simply 0).
    const QString out = dir.filePath(QStringLiteral("out;touch hacked"));
    Qarn::Dot(dir.filePath(QStringLiteral("in.dot")), out);
    Qarn::DelayMS(50);
    EXPECT_FALSE(QFile::exists(QStringLiteral("hacked")));
}
