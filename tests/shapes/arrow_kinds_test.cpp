// The outlines of the arrow kinds: which way each runs, where its heads and shafts lie, what
// its handles set, the head styles, mirrored frames, the settings each shape id gets and the
// fields each record carries.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>

#include "shapes/arrow_fixtures.h"
#include "shapes/catalogue/arc_arrow.h"
#include "shapes/catalogue/arrow.h"
#include "shapes/catalogue/arrow_head.h"
#include "shapes/catalogue/bent_arrow.h"
#include "shapes/catalogue/callout_arrow.h"
#include "shapes/catalogue/curve_arrow.h"
#include "shapes/catalogue/l_arrow.h"
#include "shapes/catalogue/quad_arrow.h"
#include "shapes/catalogue/t_arrow.h"
#include "shapes/catalogue/u_arrow.h"
#include "shapes/shape_fixtures.h"

namespace {

void ExpectCorners(CQarnComponent& c, std::initializer_list<PointF> expected) {
    const std::vector<PointF> corners = Corners(c);
    for (const PointF& p : expected) {
        EXPECT_TRUE(HasPointNear(corners, p)) << "no corner at " << p.X << ", " << p.Y;
    }
}

// Whether the outline is its own image under the map.
template <class Map>
bool Symmetric(CQarnComponent& c, Map map) {
    const std::vector<PointF> corners = Corners(c);
    return std::all_of(corners.begin(), corners.end(),
                       [&](const PointF& p) { return HasPointNear(corners, map(p), 0.02f); });
}

// The last bytes of the shape's record.
QByteArray Tail(CQarnComponent& c, int count) {
    return WriteOne(&c).right(count);
}

}  // namespace

TEST(ArrowHeadTest, EveryStyleRunsFromOneShaftEdgeRoundTheTipToTheOther) {
    for (int style = 0; style <= CQarnArrowHead::kStyleCount; ++style) {
        SCOPED_TRACE(style);
        const std::vector<PointF> p = CQarnArrowHead(style, 40, 30, 10).Profile();
        ASSERT_GE(p.size(), 3u);
        EXPECT_FLOAT_EQ(p.front().Y, 10);
        EXPECT_FLOAT_EQ(p.back().Y, -10);
        EXPECT_TRUE(HasPointNear(p, PointF(0, 0)));  // the tip on the axis
        for (const PointF& q : p) {
            EXPECT_TRUE(q.X >= 0 && q.X <= 40 && q.Y >= -30 && q.Y <= 30);
        }
    }
    // A style beyond the table is the triangle; a head without length is the shaft's end; a
    // shaft wider than the head is held to it.
    EXPECT_TRUE(SamePoints(CQarnArrowHead(42, 40, 30, 10).Profile(),
                           CQarnArrowHead(0, 40, 30, 10).Profile()));
    EXPECT_TRUE(SamePoints(CQarnArrowHead(3, 0, 30, 10).Profile(), CQarnArrowHead::Tail(10)));
    EXPECT_TRUE(SamePoints(CQarnArrowHead(0, 40, 30, 50).Profile(),
                           {PointF(40, 30), PointF(0, 0), PointF(40, -30)}));
    EXPECT_TRUE(
        SamePoints(CQarnArrowHead::Tail(10, 5), {PointF(0, 10), PointF(5, 0), PointF(0, -10)}));
}

TEST(BlockArrowTest, EachIdGetsItsKindAndHeadAndStoresThemAfterTheBase) {
    // Shape id, kind, head.
    const int table[][3] = {
        {18260, 1, 0}, {18283, 1, 4}, {18261, 1, 6}, {18262, 1, 7}, {18263, 1, 5}, {18251, 2, 0},
        {18264, 2, 2}, {18254, 2, 4}, {18252, 2, 6}, {18253, 2, 7}, {18280, 2, 5}, {18255, 3, 0},
        {18265, 3, 3}, {18259, 3, 4}, {18256, 3, 6}, {18257, 3, 7}, {18282, 3, 5}, {18274, 4, 0},
        {18285, 4, 6}, {18275, 4, 7}, {18286, 4, 5}, {18266, 0, 0}, {18284, 0, 0}};
    for (const auto& [id, kind, head] : table) {
        SCOPED_TRACE(id);
        auto arrow = CreateArrow<CQarnShapeArrow>(id);
        ASSERT_NE(arrow, nullptr);
        EXPECT_EQ(arrow->GetArrowKind(), kind);
        EXPECT_EQ(arrow->GetHeadStyle(), head);
        const char bytes[] = {char(kind), char(head), 0};
        EXPECT_EQ(Tail(*arrow, 3), QByteArray(bytes, 3));
        // The pointers (and 18284) start with the handle on the X edge; the others a quarter in.
        const bool pinned = kind == 4 || id == 18284;
        ExpectPointNear(arrow->GetFreeHandle(0), PointF(pinned ? 0 : 50, 30));
    }
    // The third byte is kept as read.
    CQarnShapeArrow arrow(ArrowFrame());
    arrow.SetReservedByte(0x5A);
    arrow.SetArrowKind(9);  // beyond the kinds: drawn as the up arrow, kept as it is
    auto back = ReadOne<CQarnShapeArrow>(WriteOne(&arrow));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetReservedByte(), 0x5A);
    EXPECT_EQ(back->GetArrowKind(), 9);
    CQarnShapeArrow up(ArrowFrame());
    EXPECT_TRUE(SamePoints(Corners(*back), Corners(up)));
}

TEST(BlockArrowTest, TheHandleKeepsToItsQuarterHalfOrEdgeByKindAndHead) {
    struct Case {
        int kind;
        int head;
        PointF corner;  // where a drag far beyond the opposite corner ends
    };
    const Case cases[] = {{1, 0, {100, 120}}, {1, 4, {100, 120}}, {1, 7, {100, 120}},
                          {2, 0, {100, 120}}, {0, 0, {100, 120}}, {1, 1, {100, 60}},
                          {1, 2, {100, 60}},  {2, 3, {100, 60}},  {1, 5, {100, 60}},
                          {2, 6, {100, 60}},  {1, 8, {100, 60}},  {3, 0, {100, 60}},
                          {3, 7, {100, 60}},  {4, 0, {0, 120}},   {4, 5, {0, 60}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " head " << c.head);
        CQarnShapeArrow arrow(ArrowFrame());
        arrow.SetArrowKind(std::uint8_t(c.kind));
        arrow.SetHeadStyle(std::uint8_t(c.head));
        arrow.UpdateRotateCenter();
        EXPECT_EQ(arrow.MoveHandleTo(9, PointF(500, 500), 0), 1);
        ExpectPointNear(arrow.GetFreeHandle(0), c.corner);
        EXPECT_EQ(arrow.MoveHandleTo(9, PointF(-500, -500), 0), 1);
        ExpectPointNear(arrow.GetFreeHandle(0), PointF(0, 0));
    }
}

TEST(BlockArrowTest, TheHandleIsWhereTheHeadMeetsTheShaft) {
    // The left arrow: the head 50 long, the shaft 30 from the edges.
    auto left = CreateArrow<CQarnShapeArrow>(18260);
    ASSERT_NE(left, nullptr);
    EXPECT_TRUE(SamePoints(Corners(*left),
                           {PointF(200, 30), PointF(200, 90), PointF(50, 90), PointF(50, 120),
                            PointF(0, 60), PointF(50, 0), PointF(50, 30)}));
    // Dragged 20 further in and 10 nearer the middle: a longer head on a thinner shaft.
    left->MoveHandleTo(9, PointF(70, 40), 0);
    ExpectCorners(*left, {{70, 40}, {70, 0}, {0, 60}, {70, 80}, {200, 40}, {200, 80}});
    // Past the middle line the shaft's edge is measured from the middle all the same.
    left->MoveHandleTo(9, PointF(70, 100), 0);
    ExpectCorners(*left, {{70, 20}, {70, 100}, {200, 20}});

    // The up arrow: the head 30 high, the shaft from 50 to 150; the up-down arrow mirrors it.
    auto up = CreateArrow<CQarnShapeArrow>(18266);
    ASSERT_NE(up, nullptr);
    ExpectCorners(*up, {{100, 0}, {0, 30}, {50, 30}, {50, 120}, {150, 120}, {200, 30}});
    auto upDown = CreateArrow<CQarnShapeArrow>(18255);
    ASSERT_NE(upDown, nullptr);
    ExpectCorners(*upDown, {{100, 0}, {100, 120}, {50, 30}, {50, 90}, {0, 90}});
    EXPECT_TRUE(Symmetric(*upDown, [](PointF p) { return PointF(p.X, 120 - p.Y); }));
    auto leftRight = CreateArrow<CQarnShapeArrow>(18251);
    ASSERT_NE(leftRight, nullptr);
    EXPECT_TRUE(Symmetric(*leftRight, [](PointF p) { return PointF(200 - p.X, p.Y); }));

    // A pointer is as wide as its head: its body fills the frame below the head.
    auto pointer = CreateArrow<CQarnShapeArrow>(18274);
    ASSERT_NE(pointer, nullptr);
    ExpectCorners(*pointer, {{100, 0}, {200, 30}, {200, 120}, {0, 120}, {0, 30}});
    EXPECT_EQ(Corners(*pointer).size(), 5u);
}

TEST(BlockArrowTest, EveryHeadStyleDrawsItsOwnOutline) {
    std::set<std::vector<std::pair<float, float>>> outlines;
    for (int head = 0; head < CQarnArrowHead::kStyleCount; ++head) {
        for (int kind = 0; kind <= 4; ++kind) {
            CQarnShapeArrow arrow(ArrowFrame());
            arrow.SetArrowKind(std::uint8_t(kind));
            arrow.SetHeadStyle(std::uint8_t(head));
            ExpectSoundOutline(arrow, "head style");
            if (kind == 1) {
                std::vector<std::pair<float, float>> key;
                for (const PointF& p : Corners(arrow)) {
                    key.emplace_back(p.X, p.Y);
                }
                outlines.insert(key);
            }
        }
    }
    EXPECT_EQ(outlines.size(), size_t(CQarnArrowHead::kStyleCount));
    // The notched tail of a one-headed arrow is cut as deep as the shaft's half.
    CQarnShapeArrow notched(ArrowFrame());
    notched.SetArrowKind(CQarnShapeArrow::kLeft);
    notched.SetHeadStyle(CQarnArrowHead::kNotchedTail);
    ExpectCorners(notched, {{170, 60}, {200, 30}, {200, 90}});
}

TEST(BlockArrowTest, AMirroredFrameMirrorsTheArrowWithItsHandle) {
    auto mirrored = CreateArrow<CQarnShapeArrow>(18260, RectF(200, 0, -200, 120));
    auto plain = CreateArrow<CQarnShapeArrow>(18260);
    ASSERT_NE(mirrored, nullptr);
    ASSERT_NE(plain, nullptr);
    // The quarter measured from the frame's X edge, which is now the right one.
    ExpectPointNear(mirrored->GetFreeHandle(0), PointF(150, 30));
    const std::vector<PointF> shown = Corners(*mirrored);
    for (const PointF& p : Corners(*plain)) {
        EXPECT_TRUE(HasPointNear(shown, PointF(200 - p.X, p.Y)));
    }
    // It is held within the half next to that edge.
    mirrored->MoveHandleTo(9, PointF(0, 60), 0);
    ExpectPointNear(mirrored->GetFreeHandle(0), PointF(100, 60));
}

TEST(MultiArmArrowTest, TheCrossHasFourEqualArmsAndTheTThreeStretchedOnes) {
    auto cross = CreateArrow(18267);
    ASSERT_NE(cross, nullptr);
    ExpectCorners(*cross, {{100, 0},
                           {50, 15},
                           {75, 15},
                           {75, 35},
                           {185, 10},
                           {185, 35},
                           {200, 60},
                           {0, 60},
                           {100, 120}});
    EXPECT_TRUE(Symmetric(*cross, [](PointF p) { return PointF(200 - p.X, p.Y); }));
    EXPECT_TRUE(Symmetric(*cross, [](PointF p) { return PointF(p.X, 120 - p.Y); }));

    // The T: the side arms take the up arm's parts of the frame, their lower barbs on the far
    // edge; nothing points down.
    auto t = CreateArrow(18268);
    ASSERT_NE(t, nullptr);
    ExpectCorners(
        *t, {{100, 0}, {50, 15}, {75, 15}, {200, 90}, {175, 60}, {175, 120}, {175, 105}, {0, 90}});
    for (const PointF& p : Corners(*t)) {
        EXPECT_FALSE(p.Y > 105.01f && std::fabs(p.X - 100) < 50);
    }
    // Its handles: the barb along the Y edge up to the middle, the join within the barb's
    // half of the upper half.
    t->MoveHandleTo(9, PointF(150, 40), 0);
    ExpectPointNear(t->GetFreeHandle(0), PointF(100, 0));
    t->MoveHandleTo(9, PointF(60, 40), 0);
    t->MoveHandleTo(10, PointF(0, 100), 0);
    ExpectPointNear(t->GetFreeHandle(1), PointF(60, 60));
}

TEST(MultiArmArrowTest, TheQuadArrowsThirdHandleSetsTheSideHeadsAlone) {
    auto quad = CreateArrow(18271);
    ASSERT_NE(quad, nullptr);
    ExpectPointNear(quad->GetFreeHandle(2), PointF(0, 30));
    ExpectCorners(*quad, {{50, 15}, {25, 30}, {25, 45}, {0, 60}, {200, 60}});
    EXPECT_EQ(quad->MoveHandleTo(11, PointF(40, 50), 0), 1);
    ExpectPointNear(quad->GetFreeHandle(2), PointF(0, 50));
    ExpectCorners(*quad, {{50, 15}, {75, 15}, {25, 50}, {25, 70}, {25, 55}, {175, 65}});
    // Held to the upper half of the X edge.
    quad->MoveHandleTo(11, PointF(40, 100), 0);
    ExpectPointNear(quad->GetFreeHandle(2), PointF(0, 60));
}

TEST(CalloutArrowTest, OneArrowLeavesTheBoxOrTwoLeaveItBothWays) {
    auto one = CreateArrow<CQarnShapeCalloutArrow>(18272);
    ASSERT_NE(one, nullptr);
    EXPECT_TRUE(one->HasOneArrow());
    EXPECT_TRUE(SamePoints(Corners(*one),
                           {PointF(0, 60), PointF(75, 60), PointF(75, 30), PointF(50, 30),
                            PointF(100, 0), PointF(150, 30), PointF(125, 30), PointF(125, 60),
                            PointF(200, 60), PointF(200, 120), PointF(0, 120)}));
    auto two = CreateArrow<CQarnShapeCalloutArrow>(18273);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->GetOrientationFlag(), 0);
    ExpectPointNear(two->GetFreeHandle(0), PointF(0, 40));
    ExpectPointNear(two->GetFreeHandle(2), PointF(75, 20));
    ExpectCorners(*two, {{0, 40}, {100, 0}, {200, 80}, {100, 120}, {50, 100}, {75, 80}});
    EXPECT_TRUE(Symmetric(*two, [](PointF p) { return PointF(p.X, 120 - p.Y); }));
    // Two arrows keep the box across the middle; the head no longer than the way out.
    two->MoveHandleTo(9, PointF(0, 110), 0);
    ExpectPointNear(two->GetFreeHandle(0), PointF(0, 60));
    two->MoveHandleTo(9, PointF(0, 10), 0);
    two->MoveHandleTo(11, PointF(90, 50), 0);
    ExpectPointNear(two->GetFreeHandle(2), PointF(90, 10));
    // The flag is the record's last byte; switching it lays the handles out anew.
    EXPECT_EQ(Tail(*two, 1), QByteArray(1, '\0'));
    one->SetOrientationFlag(0);
    ExpectPointNear(one->GetFreeHandle(0), PointF(0, 40));
    EXPECT_EQ(Tail(*one, 1), QByteArray(1, '\0'));
}

TEST(BentArrowsTest, TheLArrowsLegsMirrorEachOtherAcrossTheDiagonal) {
    auto bentUp = CreateArrow<CQarnShapeLArrow>(18277);
    ASSERT_NE(bentUp, nullptr);
    EXPECT_EQ(Tail(*bentUp, 2), QByteArray::fromHex("0100"));
    EXPECT_TRUE(SamePoints(Corners(*bentUp), {PointF(175, 120), PointF(0, 120), PointF(0, 90),
                                              PointF(125, 90), PointF(125, 40), PointF(100, 40),
                                              PointF(150, 0), PointF(200, 40), PointF(175, 40)}));
    auto twoHeads = CreateArrow<CQarnShapeLArrow>(18276, RectF(0, 0, 120, 120));
    ASSERT_NE(twoHeads, nullptr);
    EXPECT_EQ(Tail(*twoHeads, 2), QByteArray::fromHex("0202"));
    EXPECT_TRUE(Symmetric(*twoHeads, [](PointF p) { return PointF(p.Y, p.X); }));
    ExpectCorners(*twoHeads, {{90, 0}, {0, 90}});
}

TEST(BentArrowsTest, TheBentArrowRisesBendsAndPointsAlongTheTop) {
    auto bent = CreateArrow<CQarnShapeBentArrow>(18278);
    ASSERT_NE(bent, nullptr);
    ExpectCorners(*bent,
                  {{200, 30}, {150, 0}, {150, 15}, {150, 45}, {150, 60}, {0, 120}, {30, 120}});
    // The bend is round: the outer corner of the frame stays empty.
    EXPECT_FALSE(bent->HitTest(PointF(3, 18), 0.5f));
    EXPECT_TRUE(bent->HitTest(PointF(15, 100), 0.5f));
    // Kind 2 points down at the leg's foot too, the leg moved in to make room.
    bent->SetArrowKind(2);
    ExpectCorners(*bent, {{200, 30}, {30, 120}, {0, 70}, {60, 70}});
}

TEST(BentArrowsTest, TheUArrowTurnsOverAndComesDownToItsHead) {
    auto u = CreateArrow<CQarnShapeUArrow>(18279);
    ASSERT_NE(u, nullptr);
    ExpectCorners(*u,
                  {{150, 110}, {100, 60}, {200, 60}, {175, 60}, {125, 60}, {0, 120}, {50, 120}});
    EXPECT_TRUE(u->HitTest(PointF(90, 3), 0.5f));    // the top of the turn
    EXPECT_FALSE(u->HitTest(PointF(90, 60), 0.5f));  // inside the U
    // The handle sets the shaft and where the head begins.
    u->MoveHandleTo(9, PointF(160, 80), 0);
    ExpectCorners(*u, {{160, 80}, {140, 80}, {150, 120}, {0, 120}, {20, 120}});
    // Two heads stand side by side, apart.
    u->SetArrowKind(2);
    ExpectSoundOutline(*u, "two heads");
    EXPECT_TRUE(Symmetric(*u, [](PointF p) { return PointF(200 - p.X, p.Y); }));
}

TEST(CurvedArrowsTest, TheCurveArrowSweepsToAHeadPointingItsWay) {
    auto right = CreateArrow<CQarnShapeCurveArrow>(18288);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->GetArrowKind(), CQarnShapeCurveArrow::kRight);
    ExpectCorners(*right, {{0, 0}, {30, 0}, {200, 90}, {150, 60}, {150, 120}});
    auto up = CreateArrow<CQarnShapeCurveArrow>(18269);
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(Tail(*up, 1), QByteArray(1, char(CQarnShapeCurveArrow::kUp)));
    ExpectCorners(*up, {{150, 0}, {0, 120}, {0, 70}});
    right->SetArrowKind(CQarnShapeCurveArrow::kLeft);
    ExpectCorners(*right, {{200, 0}, {0, 90}});
    right->SetArrowKind(CQarnShapeCurveArrow::kDown);
    ExpectCorners(*right, {{0, 0}, {150, 120}});
}

TEST(CurvedArrowsTest, TheArcArrowIsABlockArcOrACircularArrow) {
    auto arc = CreateArrow<CQarnShapeArcArrow>(18211);
    ASSERT_NE(arc, nullptr);
    EXPECT_EQ(arc->GetSweep(), 180);
    ExpectCorners(*arc, {{0, 60}, {40, 60}, {160, 60}, {200, 60}});
    for (const auto& figure : OutlineFigures(*arc)) {
        for (const PointF& p : figure) {
            EXPECT_LE(p.Y, 60.01f);
        }
    }
    EXPECT_TRUE(arc->HitTest(PointF(100, 10), 0.5f));
    EXPECT_FALSE(arc->HitTest(PointF(100, 40), 0.5f));

    auto circular = CreateArrow<CQarnShapeArcArrow>(18287);
    ASSERT_NE(circular, nullptr);
    EXPECT_EQ(Tail(*circular, 6), QByteArray::fromHex("02000e010000"));
    const double r45 = 0.70710678;
    // The tip on the band's middle where the sweep ends (45 degrees below the right), the
    // flat start where it begins (135 degrees).
    ExpectCorners(*circular, {{float(100 + 75 * r45), float(60 + 45 * r45)},
                              {float(100 - 87.5 * r45), float(60 + 52.5 * r45)}});
    // Short sweeps share them between the heads; a whole turn closes the ring.
    for (std::int32_t sweep : {1, 10, 359, 360, 0, -90, 1000}) {
        for (std::uint8_t kind : {0, 1, 2, 3, 7}) {
            circular->SetSweep(sweep);
            circular->SetArrowKind(kind);
            ExpectSoundOutline(*circular, "sweep", sweep > 0);
        }
    }
}
