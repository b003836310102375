// The tip mark-up and the rich tooltip over components that carry a tip.
#include <gtest/gtest.h>

#include "controls/tip_markup.h"
#include "controls/tool_tip.h"
#include "controls_fixtures.h"
#include "core/custom_config.h"

TEST(TipMarkupTest, TheTagsOfTheMarkUpBecomeRichText) {
    EXPECT_EQ(Qarn::TipMarkupToHtml(QStringLiteral("<b>Pump</b> <I>3</i><br>next <U>x</u>")),
              QStringLiteral("<b>Pump</b> <i>3</i><br/>next <u>x</u>"));
    EXPECT_EQ(Qarn::TipMarkupToHtml(QStringLiteral("a\r\nb<br/>c")),
              QStringLiteral("a<br/>b<br/>c"));
    EXPECT_EQ(Qarn::TipMarkupToHtml(QStringLiteral("<font color=\"#C00000\">hot</font>")),
              QStringLiteral("<span style=\"color:#c00000\">hot</span>"));
    EXPECT_EQ(Qarn::TipMarkupToHtml(QStringLiteral("<font color=navy>n</font>")),
              QStringLiteral("<span style=\"color:#000080\">n</span>"));
}

TEST(TipMarkupTest, AnythingElseIsShownAsTheCharactersItIs) {
    EXPECT_EQ(Qarn::TipMarkupToHtml(QStringLiteral("<script>alert(1)</script>")),
              QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt;"));
    EXPECT_EQ(Qarn::TipMarkupToHtml(QStringLiteral("<img src=x onerror=y>")),
              QStringLiteral("&lt;img src=x onerror=y&gt;"));
    EXPECT_EQ(Qarn::TipMarkupToHtml(QStringLiteral("a < b & \"c\" > d")),
              QStringLiteral("a &lt; b &amp; &quot;c&quot; &gt; d"));
    // A colour only where <font> takes one; a bad colour keeps the text plain.
    EXPECT_EQ(Qarn::TipMarkupToHtml(QStringLiteral("<b color=red>x")),
              QStringLiteral("&lt;b color=red&gt;x"));
    EXPECT_EQ(Qarn::TipMarkupToHtml(QStringLiteral("<font color=\"nosuch\">x</font>")),
              QStringLiteral("<span>x</span>"));
    EXPECT_EQ(Qarn::TipMarkupToHtml(QStringLiteral("<font color='#1'>x")),
              QStringLiteral("<span>x"));
}

TEST(TipMarkupTest, PlainTextDropsTheTagsAndKeepsTheBreaks) {
    EXPECT_EQ(Qarn::TipMarkupToPlainText(QStringLiteral("<b>Pump</b><br>Flow: 3 < 4\r\n")),
              QStringLiteral("Pump\nFlow: 3 < 4\n"));
}

namespace {

class ComponentTipTest : public ::testing::Test {
protected:
    ComponentTipTest() {
        config.m_nEnableTipInView = 1;
        config.m_nTipWithName = 1;
        config.m_nTipWithPosition = 0;
        drawing.box->SetName(QStringLiteral("P<3>"));
    }
    SampleDrawing drawing;
    CCustomConfig config;
};

}  // namespace

TEST_F(ComponentTipTest, TheTipHoldsTheNameTheTextAndThePositionAsConfigured) {
    EXPECT_EQ(Qarn::ComposeComponentTip(*drawing.box, config),
              QStringLiteral("<b>P&lt;3&gt;</b><br/><b>Pump 3</b>"));
    drawing.box->SetTipUseName(false);
    EXPECT_EQ(Qarn::ComposeComponentTip(*drawing.box, config), QStringLiteral("<b>Pump 3</b>"));
    config.m_nTipWithPosition = 1;
    EXPECT_TRUE(Qarn::ComposeComponentTip(*drawing.box, config)
                    .endsWith(QStringLiteral("X 100, Y 80, width 180, height 110</span>")));
    config.m_nEnableTipInView = 0;
    EXPECT_TRUE(Qarn::ComposeComponentTip(*drawing.box, config).isEmpty());
    config.m_nEnableTipInView = 1;
    EXPECT_TRUE(Qarn::ComposeComponentTip(*drawing.line, config).isEmpty())
        << "no tip property, no tooltip";
}

TEST_F(ComponentTipTest, TheToolTipShowsOverComponentsWithATipAndHidesOtherwise) {
    CQarnToolTip tip;
    tip.ShowFor(drawing.box, QPoint(100, 100), config);
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.GetComponent(), drawing.box);
    EXPECT_TRUE(tip.text().contains(QStringLiteral("<b>Pump 3</b>")));
    EXPECT_GE(tip.x(), 100) << "beside the pointer, not under it";

    tip.ShowFor(drawing.line, QPoint(100, 100), config);
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(tip.GetComponent(), nullptr);
    tip.ShowFor(drawing.box, QPoint(100, 100), config);
    tip.ShowFor(nullptr, QPoint(0, 0), config);
    EXPECT_FALSE(tip.isVisible());
}
