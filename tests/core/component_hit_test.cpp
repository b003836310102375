#include <gtest/gtest.h>

#include <cmath>

#include "core/geometry_fixtures.h"
#include "platform/line_join.h"
#include "platform/rgn.h"
#include "properties/arrow_property.h"
#include "properties/pen_property.h"

namespace {

std::unique_ptr<TestBox> Box(float x, float y, float w, float h) {
    auto box = std::make_unique<TestBox>();
    box->SetRectF(RectF(x, y, w, h));
    box->UpdateRotateCenter();
    return box;
}

// A rectangle with a pen of the given width and join, and optionally arrow heads.
std::unique_ptr<TestBox> Stroked(const RectF& r, float width, BYTE join, bool arrows) {
    auto box = MakeBox(r);
    box->SetLineWidth(width);
    box->GetPenProperty()->SetLineJoin(join);
    if (arrows) {
        auto* heads = new CQarnArrowProperty();
        heads->SetStartArrowSize(2);
        heads->SetEndArrowSize(3);
        box->AddProperty(heads);
    }
    box->UpdateRotateCenter();
    return box;
}

}  // namespace

TEST(ComponentHitTest, APointHitsTheFrameAsShownNotAsBuilt) {
    // A 100 by 20 bar centred on (100, 100), turned by 45 degrees.
    auto bar = Box(50, 90, 100, 20);
    EXPECT_EQ(bar->HitTest(CPoint(140, 100), nullptr, 0, nullptr), 1);
    bar->SetRotateAngle(45);
    EXPECT_EQ(bar->HitTest(CPoint(130, 130), nullptr, 0, nullptr), 1);  // along the turned bar
    EXPECT_EQ(bar->HitTest(CPoint(140, 100), nullptr, 0, nullptr), 0);  // only in the frame
    EXPECT_EQ(bar->HitTest(CPoint(100, 100), nullptr, 0, nullptr), 1);
    auto negative = Box(100, 100, -50, -50);  // the frame is normalised first
    EXPECT_EQ(negative->HitTest(CPoint(60, 60), nullptr, 0, nullptr), 1);
}

TEST(ComponentHitTest, TheSegmentBandIsAsWideAsTheLinePlusFive) {
    TestBox c;  // no pen: width 1, half-width 6
    const POINT a{0, 0}, b{100, 0};
    EXPECT_EQ(c.PointOnLine(CPoint(50, 4), a, b), 1);
    EXPECT_EQ(c.PointOnLine(CPoint(50, -4), a, b), 1);
    EXPECT_EQ(c.PointOnLine(CPoint(50, 9), a, b), 0);
    EXPECT_EQ(c.Intersects(CRect(40, 5, 60, 30), a, b), 1);  // a rectangle reaching in
    EXPECT_EQ(c.Intersects(CRect(40, 8, 60, 30), a, b), 0);
    const POINT top{0, 0}, bottom{0, 100};
    EXPECT_EQ(c.PointOnLine(CPoint(4, 50), top, bottom), 1);
    EXPECT_EQ(c.PointOnLine(CPoint(9, 50), top, bottom), 0);
    auto wide = MakeBox(RectF(0, 0, 1, 1));
    wide->SetLineWidth(10);
    EXPECT_EQ(wide->PointOnLine(CPoint(50, 12), a, b), 1);
}

TEST(ComponentHitTest, TheBandKeepsItsWidthInEveryDirection) {
    TestBox c;
    // Segments in many directions; a point 3 units across the middle is always on them.
    for (int degrees = 0; degrees < 360; degrees += 7) {
        const double r = degrees * M_PI / 180.0;
        const POINT a{200, 200};
        const POINT b{LONG(200 + std::lround(100 * std::cos(r))),
                      LONG(200 + std::lround(100 * std::sin(r)))};
        const double mx = (a.x + b.x) / 2.0 - 3 * std::sin(r);
        const double my = (a.y + b.y) / 2.0 + 3 * std::cos(r);
        EXPECT_EQ(c.PointOnLine(CPoint(int(std::lround(mx)), int(std::lround(my))), a, b), 1)
            << degrees;
        const double fx = (a.x + b.x) / 2.0 - 20 * std::sin(r);
        const double fy = (a.y + b.y) / 2.0 + 20 * std::cos(r);
        EXPECT_EQ(c.PointOnLine(CPoint(int(std::lround(fx)), int(std::lround(fy))), a, b), 0)
            << degrees;
    }
    const POINT p{50, 50};
    EXPECT_EQ(c.PointOnLine(CPoint(53, 47), p, p), 1);  // a segment of no length is its point
    EXPECT_EQ(c.PointOnLine(CPoint(70, 50), p, p), 0);
}

TEST(ComponentHitTest, InRectWantsTheTightBoundsInside) {
    auto box = Box(10, 10, 50, 30);
    EXPECT_EQ(box->InRect(CRect(10, 10, 60, 40)), 1);
    EXPECT_EQ(box->InRect(CRect(60, 40, 10, 10)), 1);  // any corner order
    EXPECT_EQ(box->InRect(CRect(11, 10, 60, 40)), 0);
    box->SetRotateAngle(90);  // now 30 wide and 50 high about (35, 25)
    EXPECT_EQ(box->InRect(CRect(20, 0, 51, 51)), 1);
    EXPECT_EQ(box->InRect(CRect(10, 10, 60, 40)), 0);
    auto flat = Box(0, 5, 20, 0);  // a line still takes one unit
    EXPECT_EQ(flat->InRect(CRect(0, 5, 20, 6)), 1);
    EXPECT_EQ(flat->InRect(CRect(0, 5, 20, 5)), 0);
}

TEST(ComponentHitTest, RegionTestsCoverTheStrokeAndTheInteriorOfFilledShapes) {
    auto box = MakeBox(RectF(20, 20, 60, 60));
    box->SetRotateAngle(45);
    box->UpdateRotateCenter();
    EXPECT_EQ(box->HitTestPath(CPoint(50, 50), nullptr), 1);
    EXPECT_EQ(box->HitTestPath(CPoint(22, 22), nullptr), 0);       // a corner of the frame only
    EXPECT_EQ(box->Intersects(CRect(0, 48, 10, 52), nullptr), 1);  // the turned left corner
    EXPECT_EQ(box->Intersects(CRect(0, 0, 15, 15), nullptr), 0);

    auto outline = MakeBox(RectF(20, 20, 60, 60));
    outline->SetFill(false);
    outline->SetClosed(false);
    EXPECT_EQ(outline->HitTestPath(CPoint(50, 50), nullptr), 0);
    EXPECT_EQ(outline->HitTestPath(CPoint(50, 20), nullptr), 1);
    EXPECT_EQ(outline->OverlapRect(CRect(0, 0, 21, 21)), 1);
    EXPECT_EQ(outline->OverlapRect(CRect(0, 0, 10, 10)), 0);
}

TEST(ComponentHitTest, IntegerRegionsSelectWhatLiesWithinAndWhatTouches) {
    auto box = MakeBox(RectF(20, 20, 20, 20));
    CRgn around, across, away;
    around.CreateRectRgn(0, 0, 100, 100);
    across.CreateRectRgn(30, 0, 100, 100);
    away.CreateRectRgn(60, 60, 100, 100);
    EXPECT_EQ(box->InRegion(around), 1);
    EXPECT_EQ(box->InRegion(across), 0);
    EXPECT_EQ(box->Intersects(across), 1);
    EXPECT_EQ(box->Intersects(away), 0);
}

TEST(ComponentHitTest, TheIntersectPointLiesOnTheWayOut) {
    auto box = MakeBox(RectF(0, 0, 100, 100));
    const POINT inside{50, 50};
    const POINT far{300, 50};
    POINT p = box->GetIntersectPoint(inside, far);
    EXPECT_GE(p.x, 100);
    EXPECT_LE(p.x, 106);
    EXPECT_EQ(p.y, 50);
    const POINT outside{200, 200};
    EXPECT_EQ(box->GetIntersectPoint(outside, far).x, 200);  // not starting inside
}

TEST(ComponentBoundsTest, PenArrowAndJoinAllowancesGrowTheFrame) {
    // Width 1, bevel: just the width.
    auto thin = Stroked(RectF(10, 10, 100, 50), 1, LineJoinBevel, false);
    EXPECT_EQ(thin->GetBoundRect(false), CRect(9, 9, 111, 61));
    // Width 4 with a miter join: 4, plus 3 widths for the join.
    auto mitred = Stroked(RectF(10, 10, 100, 50), 4, LineJoinMiter, false);
    EXPECT_EQ(mitred->GetBoundRect(false), CRect(-6, -6, 126, 76));
    auto round = Stroked(RectF(10, 10, 100, 50), 4, LineJoinRound, false);
    EXPECT_EQ(round->GetBoundRect(false), CRect(6, 6, 114, 64));
    // Arrow heads of sizes 2 and 3 add 5 widths.
    auto arrows = Stroked(RectF(10, 10, 100, 50), 2.5f, LineJoinBevel, true);
    EXPECT_EQ(arrows->GetBoundRect(false), CRect(-4, -4, 124, 74));
    auto backwards = Stroked(RectF(110, 60, -100, -50), 1, LineJoinBevel, false);
    EXPECT_EQ(backwards->GetBoundRect(false), CRect(9, 9, 111, 61));
}

TEST(ComponentBoundsTest, TransformedBoundsHoldTheTurnedCornersShadowAndLabel) {
    auto box = Stroked(RectF(0, 0, 100, 20), 1, LineJoinBevel, false);
    box->SetRotateAngle(90);  // about (50, 10): 22 wide, 102 high
    EXPECT_EQ(box->GetBoundRect(false), CRect(39, -41, 61, 61));

    auto shaded = Stroked(RectF(0, 0, 100, 20), 1, LineJoinBevel, false);
    shaded->AddProperty(new TestShadow(30, 40, Color(0x80000000u)));
    EXPECT_EQ(shaded->GetBoundRect(false), CRect(-1, -1, 132, 62));
    shaded->AddProperty(new TestLabel(RectF(200, 0, 50, 24)));
    EXPECT_EQ(shaded->GetBoundRect(false), CRect(-1, -1, 250, 62));
    // A turned shadow is turned with its component.
    shaded->SetRotateAngle(180);
    CRect turned = shaded->GetBoundRect(false);
    EXPECT_LE(turned.left, -32);
    EXPECT_LE(turned.top, -42);
}

TEST(ComponentBoundsTest, TheFirstPropertyOfEachKindSetsTheAllowances) {
    // Width 4 with a miter join first; a later pen of width 1 and later arrow heads, shadow and
    // label of a kind already present change nothing.
    auto box = Stroked(RectF(10, 10, 100, 50), 4, LineJoinMiter, true);
    const CRect alone = box->GetBoundRect(false);
    EXPECT_EQ(alone, CRect(-26, -26, 146, 96));
    auto* laterPen = new CQarnPenProperty();
    laterPen->SetLineWidth(1);
    box->AddProperty(laterPen);
    auto* laterHeads = new CQarnArrowProperty();
    laterHeads->SetStartArrowSize(9);
    box->AddProperty(laterHeads);
    EXPECT_EQ(box->GetBoundRect(false), alone);
    // A shadow and a label count however late they come; a second of either does not.
    box->AddProperty(new TestLabel(RectF(300, 0, 50, 24)));
    box->AddProperty(new TestLabel(RectF(900, 0, 50, 24)));
    box->AddProperty(new TestShadow(30, 40, Color(0x80000000u)));
    box->AddProperty(new TestShadow(300, 400, Color(0x80000000u)));
    EXPECT_EQ(box->GetBoundRect(false), CRect(-26, -26, 350, 102));
}

TEST(ComponentBoundsTest, TightBoundsFollowTheOutlineWithoutAllowances) {
    auto box = Stroked(RectF(0, 0, 100, 20), 8, LineJoinMiter, false);
    EXPECT_EQ(box->GetTightBoundRect(), CRect(0, 0, 100, 20));
    box->SetRotateAngle(45);
    const CRect turned = box->GetTightBoundRect();
    // The turned corners reach (50 +- 42.4, 10 +- 42.4); whole units cover them.
    EXPECT_EQ(turned, CRect(7, -33, 93, 53));
    TestBox empty;
    empty.wedge = true;
    empty.SetRectF(RectF(0, 0, 40, 40));
    EXPECT_EQ(empty.GetTightBoundRect(), CRect(0, 0, 20, 40));  // the wedge, not the frame
}
