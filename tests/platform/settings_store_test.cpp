#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/win_app.h"

TEST(SettingsStoreTest, ValuesRoundTripThroughTheFileWithDefaultsWhenAbsent) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    {
        CWinApp app(QStringLiteral("Inkvane"));
        app.SetProfileFile(path);
        EXPECT_EQ(app.GetProfileInt(QStringLiteral("Config"), QStringLiteral("Missing"), 42), 42u);
        EXPECT_EQ(app.GetProfileString(QStringLiteral("Config"), QStringLiteral("Gone"),
                                       QStringLiteral("dflt")),
                  QStringLiteral("dflt"));
        app.WriteProfileInt(QStringLiteral("Config"), QStringLiteral("Allow auto save "), 7);
        app.WriteProfileInt(QStringLiteral("Config"), QStringLiteral("Negative"), -1);
        app.WriteProfileString(QStringLiteral("Config"), QStringLiteral("PS Printer"),
                               QStringLiteral("Laser 1"));
        app.FlushProfile();
    }
    ASSERT_TRUE(QFile::exists(path));
    CWinApp again(QStringLiteral("Inkvane"));
    again.SetProfileFile(path);
    // The trailing space is part of the value name.
    EXPECT_EQ(again.GetProfileInt(QStringLiteral("Config"), QStringLiteral("Allow auto save "), 0),
              7u);
    EXPECT_FALSE(
        again.HasProfileValue(QStringLiteral("Config"), QStringLiteral("Allow auto save")));
    // DWORDs read back as their unsigned value.
    EXPECT_EQ(again.GetProfileInt(QStringLiteral("Config"), QStringLiteral("Negative"), 0),
              0xFFFFFFFFu);
    EXPECT_EQ(again.GetProfileString(QStringLiteral("Config"), QStringLiteral("PS Printer")),
              QStringLiteral("Laser 1"));
}

TEST(SettingsStoreTest, TheRegistryKeyChoosesAPerUserFileForTheApplication) {
    CWinApp app(QStringLiteral("Inkvane"));
    app.SetRegistryKey(QStringLiteral("Ostrovan"));
    EXPECT_TRUE(app.GetProfileLocation().endsWith(QStringLiteral("Ostrovan/Inkvane.ini")))
        << app.GetProfileLocation().toStdString();
}
