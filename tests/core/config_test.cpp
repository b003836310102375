#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "core/configuration.h"
#include "core/custom_config.h"
#include "platform/archive.h"
#include "platform/win_app.h"
#include "properties/brush_property.h"

namespace {

class ConfigFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("inkvane.ini"));

    std::unique_ptr<CWinApp> App() {
        auto app = std::make_unique<CWinApp>(QStringLiteral("Inkvane"));
        app->SetProfileFile(path);
        return app;
    }
    QVariant Stored(const char* name) {
        QSettings s(path, QSettings::IniFormat);
        return s.value(QStringLiteral("Config/") + QString::fromLatin1(name));
    }
};

}  // namespace

TEST(CustomConfigTest, ConstructorValuesDifferFromStoredDefaultsWhereTheyShould) {
    CCustomConfig config;
    EXPECT_EQ(config.m_nEditEffect, 0);
    EXPECT_EQ(config.m_nNavigationEffect, 0);
    EXPECT_EQ(config.m_nReplaceTemplate, 0);
    EXPECT_EQ(config.m_nSVGCompatibility, 1100);
    EXPECT_EQ(config.GetViewBrush()->GetBrushType(), 0);
    EXPECT_EQ(config.GetViewBrush()->GetColor1().GetValue(), 0xFFC850u);
    EXPECT_EQ(config.GetViewBrush()->GetColor2().GetValue(), 4204564u);
    EXPECT_EQ(config.GetViewBrush()->GetQarnBrushType(), 2);
    EXPECT_EQ(config.GetSymbolPanelBrush()->GetBrushType(), 4);
    EXPECT_EQ(config.m_clrSymbolText.GetValue(), 0xFF000000u);
    EXPECT_EQ(config.m_nKeepOnDrawing, 0);
}

TEST_F(ConfigFixture, AnEmptyStoreReadsDefaultsAndWritesEveryValue) {
    CCustomConfig config;
    auto app = App();
    config.ReadFromRegistry(app.get());
    EXPECT_EQ(config.m_nEditEffect, 1);
    EXPECT_EQ(config.m_nNavigationEffect, 1);
    EXPECT_EQ(config.m_nReplaceTemplate, 1);
    EXPECT_EQ(config.m_nMaximumUndoStep, 60);
    // Colour references come back opaque with red from the low byte.
    EXPECT_EQ(config.GetViewBrush()->GetColor1().GetValue(), 0xFF50C8FFu);
    EXPECT_EQ(config.GetViewBrush()->GetBrushType(), 4);
    EXPECT_EQ(config.m_strPSPrinter, QStringLiteral("Invalid"));
    EXPECT_TRUE(config.m_strActiveProfile.endsWith(QStringLiteral("Profiles/default.spf")));

    config.WriteToRegistry(app.get());
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Config"));
    EXPECT_EQ(s.childKeys().size(), 36 + 5 + 4 + 3);
    EXPECT_EQ(Stored("Allow auto save ").toInt(), 1);
    EXPECT_EQ(Stored("View color1").toLongLong(), 0xFFC850);
    EXPECT_EQ(Stored("View color2").toLongLong(), 4204564);
    EXPECT_EQ(Stored("Symbol Panel Color1").toLongLong(), 0xE4FFA0);
    EXPECT_EQ(Stored("Symbol Text color").toLongLong(), 0);
    EXPECT_EQ(Stored("SVG compatibility").toInt(), 1100);
    EXPECT_EQ(Stored("Tip w. Name").toInt(), 1);
    EXPECT_EQ(Stored("PDF Printer").toString(), QStringLiteral("Invalid"));
}

TEST_F(ConfigFixture, ChangedSettingsRoundTripAndColoursLoseAlpha) {
    {
        CCustomConfig config;
        auto app = App();
        config.ReadFromRegistry(app.get());
        config.m_nDefaultCanvasWidth = 850;
        config.m_nSVGPrecision = 4;
        config.m_clrSymbolText = Color(0x40, 0x11, 0x22, 0x33);
        config.GetSymbolPanelBrush()->SetColor2(Color(0xFFAABBCCu));
        config.GetViewBrush()->SetQarnBrushType(3);
        config.m_strActiveProfile = QStringLiteral("/tmp/other.spf");
        config.WriteToRegistry(app.get());
    }
    EXPECT_EQ(Stored("Symbol Text color").toLongLong(), 0x332211);
    CCustomConfig again;
    auto app = App();
    again.ReadFromRegistry(app.get());
    EXPECT_EQ(again.m_nDefaultCanvasWidth, 850);
    EXPECT_EQ(again.m_nSVGPrecision, 4);
    EXPECT_EQ(again.m_clrSymbolText.GetValue(), 0xFF112233u);
    EXPECT_EQ(again.GetSymbolPanelBrush()->GetColor2().GetValue(), 0xFFAABBCCu);
    EXPECT_EQ(again.GetViewBrush()->GetQarnBrushType(), 3);
    EXPECT_EQ(again.m_strActiveProfile, QStringLiteral("/tmp/other.spf"));
}

TEST(CustomConfigTest, UndoAfterSavingFollowsTheClearSetting) {
    CCustomConfig config;
    EXPECT_FALSE(config.CanUndoAferSaving());  // stored default 1: saving clears the history
    config.m_nClearUndoAfterSaving = 0;
    EXPECT_TRUE(config.CanUndoAferSaving());
    config.SetUndoAferSaving(false);
    EXPECT_EQ(config.m_nClearUndoAfterSaving, 1);
}

TEST(CustomConfigTest, ItsOwnArchiveFormRoundTrips) {
    CCustomConfig config;
    config.m_nMagnifierRatio = 9;
    config.m_nKeepOnDrawing = 1;
    config.GetViewBrush()->SetColor1(Color(0xFF010203u));
    config.m_strPDFPrinter = QStringLiteral("pdf");
    QByteArray bytes;
    {
        CArchive ar(CArchive::store, &bytes);
        config.Serialize(ar);
    }
    CCustomConfig back;
    CArchive in(CArchive::load, &bytes);
    back.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back.m_nMagnifierRatio, 9);
    EXPECT_EQ(back.m_nKeepOnDrawing, 1);
    EXPECT_EQ(back.GetViewBrush()->GetColor1().GetValue(), 0xFF010203u);
    EXPECT_EQ(back.m_strPDFPrinter, QStringLiteral("pdf"));
}

TEST(ConfigurationTest, AccessorsReachTheLibrarysConfiguration) {
    const int saved = Qarn::GetVizEffect();
    Qarn::SetVizEffect(1);
    EXPECT_EQ(Qarn::GetConfig()->m_nEditEffect, 1);
    Qarn::SetVizEffect(saved);
    Qarn::SetSmoothingMode(4);
    EXPECT_EQ(Qarn::GetConfig()->m_nDrawQuality, 4);
    Qarn::SetSmoothingMode(2);
    EXPECT_TRUE(Qarn::HandleMouseOverEvent());
    Qarn::SetHandleMouseOverEvent(false);
    EXPECT_FALSE(Qarn::HandleMouseOverEvent());
    Qarn::SetHandleMouseOverEvent(true);
    Qarn::ReadConfig(nullptr);  // tolerated
}
