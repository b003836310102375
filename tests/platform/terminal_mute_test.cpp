#include <gtest/gtest.h>
#include <unistd.h>

#include <QStringList>
#include <QTemporaryFile>
#include <cstdio>

#include "platform/qt_warning_mute.h"
#include "platform/standard_error_mute.h"

namespace {

QStringList recorded;

void Record(QtMsgType, const QMessageLogContext&, const QString& message) {
    recorded.append(message);
}

}  // namespace

TEST(QtWarningMuteTest, KeepsWarningsAwayWhileItLivesAndNests) {
    recorded.clear();
    const QtMessageHandler before = qInstallMessageHandler(Record);
    const int mutedBefore = QtWarningMute::MutedCount();
    {
        const QtWarningMute outer;
        qWarning("first");
        {
            const QtWarningMute inner;
            qWarning("second");
        }
        qDebug("third");
    }
    qWarning("heard");
    qInstallMessageHandler(before);
    EXPECT_EQ(recorded, QStringList{QStringLiteral("heard")});
    EXPECT_EQ(QtWarningMute::MutedCount() - mutedBefore, 3);
}

TEST(StandardErrorMuteTest, SendsTheDescriptorsOutputAwayAndRestoresIt) {
    QTemporaryFile capture;
    ASSERT_TRUE(capture.open());
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ASSERT_EQ(::dup2(capture.handle(), STDERR_FILENO), STDERR_FILENO);
    {
        const StandardErrorMute mute;
        const StandardErrorMute nested;
        ::write(STDERR_FILENO, "hidden\n", 7);
    }
    ::write(STDERR_FILENO, "shown\n", 6);
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    capture.seek(0);
    EXPECT_EQ(capture.readAll(), QByteArray("shown\n"));
}
