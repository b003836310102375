// The rulers: ticks and numbers in each unit, conversions, and following the view.
#include <gtest/gtest.h>

#include <QMouseEvent>

#include "core/notification_messages.h"
#include "platform/window_messages.h"
#include "view/ruler_bar.h"
#include "view/ruler_frame.h"
#include "view_fixtures.h"

namespace {

// Twips of one inch, and a letter page (8.5 inches) with half-inch margins.
constexpr int kInch = 1440;
constexpr int kPage = 8 * kInch + kInch / 2;
constexpr int kPrintable = kPage - kInch;

int CountOf(const std::vector<CQarnRulerBar::Tick>& ticks, int length) {
    return int(std::count_if(ticks.begin(), ticks.end(),
                             [&](const CQarnRulerBar::Tick& t) { return t.length == length; }));
}

}  // namespace

TEST(RulerTicksTest, EachUnitHasItsTicksAndNumbers) {
    struct Expected {
        int unit;
        const char* abbreviation;
        int numbers;
        const char* lastNumber;
    };
    // Numbers stand at every large division below the page length, except at the end of the
    // printable part (10800 twips, a number of points).
    const Expected units[] = {
        {0, "\"", 8, "8"},     {1, "cm", kPage / 568, "21"},
        {2, "pt", 15, "576"},  {3, "pi", kPage / 1440, "48"},
        {4, "in", 8, "8"},     {5, "inch", 8, "8"},
        {6, "inches", 8, "8"},
    };
    for (const Expected& e : units) {
        const CUnit& unit = CUnit::RulerUnits()[e.unit];
        const auto ticks = CQarnRulerBar::ComputeTicks(unit, kPage, kPrintable);
        EXPECT_EQ(CQarnRulerBar::UnitAbbreviation(e.unit), QString::fromUtf8(e.abbreviation));
        EXPECT_EQ(CountOf(ticks, 0), e.numbers) << e.unit;
        QString last;
        for (const CQarnRulerBar::Tick& t : ticks) {
            EXPECT_LT(t.twips, kPage);
            EXPECT_NE(t.twips, kPrintable);
            if (t.length > 0) {
                // No tick where a number stands.
                EXPECT_NE(t.twips % unit.m_nLargeDiv, 0) << e.unit << " at " << t.twips;
            } else {
                EXPECT_EQ(t.label, QString::number(t.twips / unit.m_nTPU));
                last = t.label;
            }
        }
        EXPECT_EQ(last, QString::fromLatin1(e.lastNumber)) << e.unit;
    }
    // Inches: eighths (small) and halves (medium) between the numbers.
    const auto inches = CQarnRulerBar::ComputeTicks(CUnit::RulerUnits()[0], kPage, kPrintable);
    // Halves: 16 below the page, less the 8 numbers and the end of the printable part.
    EXPECT_EQ(CountOf(inches, 5), 7);
    // Eighths: 67 below the page, less the 8 numbers and the end of the printable part.
    EXPECT_EQ(CountOf(inches, 2), 58);
}

TEST(RulerConversionTest, TwipsBecomePixelsThroughTheResolutionAndTheZoom) {
    CQarnRulerBar ruler(CQarnRulerBar::Horizontal);
    ruler.SetPixelsPerInch(100, 100);
    EXPECT_EQ(ruler.TwipsToClient(kInch), 100);
    EXPECT_EQ(ruler.ClientToTwips(100), kInch);
    EXPECT_EQ(ruler.TwipsToClient(7), 0);  // rounded
    EXPECT_EQ(ruler.TwipsToClient(8), 1);
    ruler.Update(CSize(850, 1100), CRect(50, 50, 50, 50), 2.0f, 30, CPoint(0, 0));
    EXPECT_EQ(ruler.TwipsToRuler(kInch), 200);
    EXPECT_EQ(ruler.RulerToTwips(200), kInch);
    EXPECT_EQ(ruler.RulerToClient(0), 30);
    EXPECT_EQ(ruler.ClientToRuler(230), 200);
    ruler.SetUnits(9);
    EXPECT_EQ(ruler.GetUnits(), 0);
    ruler.SetUnits(1);
    EXPECT_EQ(ruler.GetTPU(), 568);
    EXPECT_EQ(ruler.GetTPU(2), 20);
}

TEST(RulerConversionTest, ThePointerMarkFollowsAlongTheRulersAxis) {
    CQarnRulerBar horizontal(CQarnRulerBar::Horizontal);
    CQarnRulerBar vertical(CQarnRulerBar::Vertical);
    for (CQarnRulerBar* r : {&horizontal, &vertical}) {
        r->Update(CSize(850, 1100), CRect(50, 50, 50, 50), 1.0f, 0, CPoint(120, 340));
    }
    EXPECT_EQ(horizontal.GetMarker(), 120 * 14);
    EXPECT_EQ(vertical.GetMarker(), 340 * 14);
}

namespace {

using RulerFrameTest = ViewTest;

}  // namespace

TEST_F(RulerFrameTest, TheRulersFollowTheViewsZoomScrollAndPointer) {
    auto* framed = new CQarnBaseView();
    CQarnRulerFrame frame(framed);
    frame.resize(500, 400);
    framed->SetDocument(doc.get());
    frame.show();
    QApplication::processEvents();
    CQarnRulerBar* top = frame.GetHorizontalRuler();
    // The page's left edge in the ruler is where it shows in the view.
    auto edgeInRuler = [&] {
        const QPoint inFrame = framed->viewport()->mapTo(&frame, QPoint(framed->GetOrigin().x, 0));
        return top->mapFrom(&frame, inFrame);
    };
    const QPoint edge = edgeInRuler();
    EXPECT_EQ(top->RulerToClient(0), edge.x());
    const CPoint spot(400, 300);
    framed->DoZoomIn(&spot, 2.0f);
    EXPECT_FLOAT_EQ(top->GetZoomRatio(), 2.0f);
    const QPoint moved = edgeInRuler();
    EXPECT_EQ(top->RulerToClient(0), moved.x());
    // The view tells its frame where the pointer is.
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 50),
                     framed->viewport()->mapToGlobal(QPointF(40, 50)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(framed->viewport(), &move);
    CPoint at(40, 50);
    framed->ClientToDoc(at);
    EXPECT_EQ(top->GetMarker(), at.x * 14);
    EXPECT_EQ(frame.GetVerticalRuler()->GetMarker(), at.y * 14);
    framed->SetDocument(nullptr);
}
