#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "as_main_frame.h"
#include "command_line.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/default_properties.h"
#include "inkvane_app.h"
#include "main_frame.h"
#include "platform/window_messages.h"
#include "setup_dialog.h"
#include "symbol_app.h"

TEST(CommandLineTest, VersionFileAndMistakes) {
    CommandLine v = CommandLine::Parse({QStringLiteral("InkvaneU"), QStringLiteral("--version")});
    EXPECT_TRUE(v.showVersion);
    EXPECT_TRUE(v.error.isEmpty());
    CommandLine f = CommandLine::Parse({QStringLiteral("InkvaneU"), QStringLiteral("a.met")});
    EXPECT_EQ(f.file, QStringLiteral("a.met"));
    CommandLine bad = CommandLine::Parse({QStringLiteral("InkvaneU"), QStringLiteral("--bogus")});
    EXPECT_FALSE(bad.error.isEmpty());
    CommandLine two = CommandLine::Parse(
        {QStringLiteral("InkvaneU"), QStringLiteral("a.met"), QStringLiteral("b.met")});
    EXPECT_FALSE(two.error.isEmpty());
    EXPECT_TRUE(CommandLine::VersionLine().startsWith(QStringLiteral("InkvaneU ")));
}

TEST(InkvaneAppTest, StartsTheLibraryShowsTheFrameAndSavesTheConfigurationOnExit) {
    QTemporaryDir dir;
    CInkvaneApp app;
    ASSERT_TRUE(app.InitInstance());
    app.SetProfileFile(dir.filePath(QStringLiteral("inkvane.ini")));
    ASSERT_NE(app.GetMainFrame(), nullptr);
    EXPECT_EQ(app.GetMainFrame()->windowTitle(), QStringLiteral("Inkvane"));
    EXPECT_EQ(AfxGetMainWnd(), app.GetMainFrame());
    EXPECT_EQ(Qarn::GetVizEffect(), 1);
    EXPECT_EQ(Qarn::GetDefaultPropertyList().size(), 4);
    app.GetMainFrame()->show();
    app.GetMainFrame()->close();
    QApplication::processEvents();

    Qarn::GetConfig()->m_nMagnifierRatio = 6;
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_TRUE(Qarn::GetDefaultPropertyList().isEmpty());
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(app.GetProfileInt(QStringLiteral("Config"), QStringLiteral("Magnifier Ratio"), 0),
              6u);
    Qarn::GetConfig()->m_nMagnifierRatio = 4;
}

TEST(SymbolEditorTest, MainFrameIsTitledSymbol) {
    CSymbolApp app;
    ASSERT_TRUE(app.InitInstance());
    QTemporaryDir dir;
    app.SetProfileFile(dir.filePath(QStringLiteral("symbol.ini")));
    EXPECT_EQ(app.GetMainFrame()->windowTitle(), QStringLiteral("Symbol"));
    EXPECT_EQ(app.GetRegistryKey(), QStringLiteral("Ostrovan"));
    EXPECT_EQ(app.GetAppName(), QStringLiteral("Symbol Editor"));
    app.ExitInstance();
}

TEST(SetupTest, DialogIsTitledAndStartsOnTheDefaultInstallation) {
    CSetupDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Qarn Inkvane Setup"));
    EXPECT_EQ(dialog.GetInstallationKind(), 0);
}
