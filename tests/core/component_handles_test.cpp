#include <gtest/gtest.h>

#include <cmath>

#include "core/conversions.h"
#include "core/geometry_fixtures.h"
#include "core/move_flags.h"

namespace {

void ExpectNear(const PointF& p, float x, float y, float tolerance = 1e-3f) {
    EXPECT_NEAR(p.X, x, tolerance) << "x of (" << p.X << ", " << p.Y << ")";
    EXPECT_NEAR(p.Y, y, tolerance) << "y of (" << p.X << ", " << p.Y << ")";
}

void ExpectRect(const RectF& r, float x, float y, float w, float h) {
    EXPECT_NEAR(r.X, x, 1e-3);
    EXPECT_NEAR(r.Y, y, 1e-3);
    EXPECT_NEAR(r.Width, w, 1e-3);
    EXPECT_NEAR(r.Height, h, 1e-3);
}

std::unique_ptr<TestBox> Box(float x, float y, float w, float h) {
    auto box = std::make_unique<TestBox>();
    box->SetRectF(RectF(x, y, w, h));
    box->UpdateRotateCenter();
    return box;
}

}  // namespace

TEST(ComponentMoveTest, MoveToSetsTheFrameAndReportsOnlyRealChanges) {
    RecordedDoc views;
    auto* box = views.Place(Box(0, 0, 100, 50));
    EXPECT_EQ(box->MoveTo(RectF(0, 0, 100, 50), 1), 0);
    EXPECT_TRUE(views.link.invalidated.isEmpty());

    EXPECT_EQ(box->MoveTo(RectF(10, 10, 100, 50), 1), 1);
    ExpectNear(box->GetRotateCenter(), 60, 35);
    EXPECT_EQ(views.link.invalidated.size(), 1);
    // The views hear where it was, and its bound cache says where it is.
    EXPECT_EQ(views.link.oldBounds[0], CRect(-1, -1, 101, 51));
    EXPECT_EQ(box->GetBoundCache(), CRect(9, 9, 111, 61));
    RectF outline;
    box->GetPath()->GetBounds(&outline);
    ExpectRect(outline, 10, 10, 100, 50);

    EXPECT_EQ(box->MoveTo(RectF(20, 10, 100, 50), 2), 1);
    EXPECT_EQ(views.link.outlines.size(), 1);
    EXPECT_EQ(box->MoveTo(RectF(30, 10, 100, 50), 3), 1);  // invalidating wins
    EXPECT_EQ(views.link.invalidated.size(), 2);
    EXPECT_EQ(views.link.outlines.size(), 1);

    // A sizing drag keeps the rotate centre.
    box->MoveTo(RectF(0, 0, 10, 10), kMoveSizing);
    ExpectNear(box->GetRotateCenter(), 80, 35);
}

TEST(ComponentMoveTest, EachHandleMovesItsOwnEdges) {
    const struct {
        int handle;
        float x, y, w, h;
    } cases[] = {
        {1, 10, 20, 90, 30}, {2, 0, 20, 100, 30}, {3, 0, 20, 10, 30}, {4, 0, 0, 10, 50},
        {5, 0, 0, 10, 20},   {6, 0, 0, 100, 20},  {7, 10, 0, 90, 20}, {8, 10, 0, 90, 50},
    };
    for (const auto& c : cases) {
        auto box = Box(0, 0, 100, 50);
        SCOPED_TRACE(c.handle);
        EXPECT_EQ(box->MoveHandleTo(c.handle, PointF(10, 20), 0), 1);
        ExpectRect(box->GetRectF(), c.x, c.y, c.w, c.h);
        ExpectNear(box->GetRotateCenter(), 50, 25);  // the rotate centre stays
    }
}

TEST(ComponentMoveTest, KeepingTheRatioSizesBothWays) {
    // Handle 5 of a 100 by 50 frame dragged 10 below the bottom.
    auto box = Box(0, 0, 100, 50);
    box->LockRatio(true);
    EXPECT_EQ(box->MoveHandleTo(5, PointF(0, 60), 0), 1);
    ExpectRect(box->GetRectF(), 0, 0, 120, 60);

    const struct {
        int handle;
        PointF to;
        float x, y, w, h;
    } cases[] = {
        {1, {20, 999}, 20, 10, 80, 40},   // by x; the top follows
        {2, {999, 10}, 10, 10, 80, 40},   // the sides close in by half each
        {3, {999, 10}, 0, 10, 80, 40},    // by y; the right follows
        {4, {120, 999}, 0, -5, 120, 60},  // top and bottom open by half each
        {6, {999, 60}, -10, 0, 120, 60}, {7, {999, 60}, -20, 0, 120, 60},
        {8, {20, 999}, 20, 5, 80, 40},
    };
    for (const auto& c : cases) {
        auto b = Box(0, 0, 100, 50);
        SCOPED_TRACE(c.handle);
        EXPECT_EQ(b->MoveHandleTo(c.handle, c.to, 0x100), 1);  // the flag keeps the ratio too
        ExpectRect(b->GetRectF(), c.x, c.y, c.w, c.h);
    }
}

TEST(ComponentMoveTest, TinyAndUnchangedSizesAreRefusedAndCrossingOverIsNot) {
    auto box = Box(0, 0, 100, 50);
    EXPECT_EQ(box->MoveHandleTo(4, PointF(0.3f, 0), 1), 0);
    ExpectRect(box->GetRectF(), 0, 0, 100, 50);
    EXPECT_EQ(box->MoveHandleTo(6, PointF(7, 50), 1), 0);  // the same frame
    EXPECT_EQ(box->MoveHandleTo(6, PointF(7, -0.4f), 1), 0);
    EXPECT_EQ(box->MoveHandleTo(4, PointF(-30, 0), 0), 1);  // dragged past the left edge
    ExpectRect(box->GetRectF(), 0, 0, -30, 50);
    EXPECT_EQ(box->MoveHandleTo(0, PointF(1, 1), 0), 0);
    EXPECT_EQ(box->MoveHandleTo(12, PointF(1, 1), 0), 0);
}

TEST(ComponentMoveTest, AFlatFrameSizesEdgeByEdgeEvenWithTheRatioKept) {
    auto line = Box(0, 10, 100, 0);
    line->LockRatio(true);
    EXPECT_EQ(line->MoveHandleTo(5, PointF(150, 40), 0), 1);
    const RectF r = line->GetRectF();
    EXPECT_TRUE(std::isfinite(r.X) && std::isfinite(r.Width) && std::isfinite(r.Height));
    ExpectRect(r, 0, 10, 150, 30);
}

TEST(ComponentMoveTest, HandlesAreDraggedInTheUnrotatedFrame) {
    auto box = Box(0, 0, 100, 50);  // centre (50, 25)
    box->SetRotateAngle(90);
    // Handle 4 (right middle) shows below the centre; drag it 20 further down.
    ExpectNear(box->GetHandle(4, 1), 50, 75);
    EXPECT_EQ(box->MoveHandleTo(4, PointF(50, 95), 0), 1);
    ExpectRect(box->GetRectF(), 0, 0, 120, 50);
}

TEST(ComponentMoveTest, TheFixPointIsTheOppositeHandle) {
    auto box = Box(0, 0, 100, 50);
    ExpectNear(box->GetFixPoint(1), 100, 50);
    ExpectNear(box->GetFixPoint(4), 0, 25);
    ExpectNear(box->GetFixPoint(6), 50, 0);
    ExpectNear(box->GetFixPoint(8), 100, 25);
    ExpectNear(box->GetFixPoint(20), 0, 0);
    box->LockHeight(true);  // handles 1 and 2 are now right and left middle
    ExpectNear(box->GetFixPoint(1), 0, 25);
    ExpectNear(box->GetFixPoint(2), 100, 25);
}

TEST(ComponentHandleTest, SizingCapabilitiesDecideTheHandleTable) {
    const struct {
        bool lockWidth, lockHeight;
        int sizing;
        PointF first, second;
        int label;
    } cases[] = {
        {false, false, 8, {0, 0}, {50, 0}, 9},
        {false, true, 2, {100, 25}, {0, 25}, 3},
        {true, false, 2, {50, 0}, {50, 50}, 3},
        {true, true, 0, {0, 0}, {50, 0}, 1},
    };
    for (const auto& c : cases) {
        auto box = Box(0, 0, 100, 50);
        box->LockWidth(c.lockWidth);
        box->LockHeight(c.lockHeight);
        SCOPED_TRACE(c.sizing);
        EXPECT_EQ(box->GetHandleCount(), c.sizing);
        EXPECT_FALSE(box->IsLabelHandle(c.label));
        if (c.sizing > 0) {
            ExpectNear(box->GetHandle(1, 0), c.first.X, c.first.Y);
            ExpectNear(box->GetHandle(2, 0), c.second.X, c.second.Y);
        }
        box->AddProperty(new TestLabel(RectF(200, 200, 50, 24)));
        EXPECT_EQ(box->GetHandleCount(), c.sizing + 1);
        EXPECT_TRUE(box->IsLabelHandle(c.label));
        EXPECT_FALSE(box->IsLabelHandle(c.label + 1));
    }
}

TEST(ComponentHandleTest, TheLabelHandleIsTheLabelCentreAndMovesTheLabel) {
    RecordedDoc views;
    auto* box = views.Place(Box(0, 0, 100, 50));
    box->SetRotateAngle(90);
    auto* label = new TestLabel(RectF(200, 100, 50, 24));
    box->AddProperty(label);
    ExpectNear(box->GetHandle(9, 1), 225, 112);  // never transformed
    EXPECT_EQ(box->MoveHandleTo(9, PointF(300, 300), 2), 1);
    ExpectRect(label->rect, 275, 288, 50, 24);
    EXPECT_EQ(views.link.labelOutlines.size(), 1);
    ExpectRect(box->GetRectF(), 0, 0, 100, 50);
    EXPECT_EQ(box->MoveLabelHandleTo(9, PointF(0, 0), 1), 1);
    EXPECT_EQ(views.link.invalidated.size(), 1);

    auto plain = Box(0, 0, 100, 50);
    EXPECT_EQ(plain->MoveLabelHandleTo(9, PointF(0, 0), 1), 0);  // no label to move
}

TEST(ComponentHandleTest, HandleHitTestsUseTransformedTruncatedPoints) {
    auto box = Box(0.5f, 0.5f, 100, 50);
    EXPECT_EQ(box->HitTestHandle(CPoint(0, 0)), 1);
    EXPECT_EQ(box->HitTestHandle(CPoint(100, 50)), 5);
    EXPECT_EQ(box->HitTestHandle(CPoint(1, 1)), 0);
    box->SetRotateAngle(180);
    EXPECT_EQ(box->HitTestHandle(CPoint(100, 50)), 1);

    auto plain = Box(0, 0, 100, 50);
    EXPECT_EQ(plain->HitTest(CPoint(102, 52), nullptr, 1, nullptr), 5);
    EXPECT_EQ(plain->HitTest(CPoint(97, 47), nullptr, 1, nullptr), 5);
    EXPECT_EQ(plain->HitTest(CPoint(104, 50), nullptr, 1, nullptr), 0);  // outside the square
    EXPECT_EQ(plain->HitTest(CPoint(50, 25), nullptr, 1, nullptr), 0);
    // Squares that overlap: the highest number is tried first.
    auto tiny = Box(0, 0, 2, 2);
    EXPECT_EQ(tiny->HitTest(CPoint(1, 1), nullptr, 1, nullptr), 8);
    EXPECT_EQ(plain->GetHandleRect(3, nullptr), CRect(97, -3, 103, 3));
}

TEST(ComponentHandleTest, CursorsFollowTheHandleDirectionAsShown) {
    auto box = Box(0, 0, 100, 50);
    EXPECT_EQ(box->GetHandleCursor(4), Qt::SizeHorCursor);
    EXPECT_EQ(box->GetHandleCursor(2), Qt::SizeVerCursor);
    EXPECT_EQ(box->GetHandleCursor(5), Qt::SizeFDiagCursor);
    EXPECT_EQ(box->GetHandleCursor(3), Qt::SizeBDiagCursor);
    box->SetRotateAngle(90);
    EXPECT_EQ(box->GetHandleCursor(4), Qt::SizeVerCursor);
    EXPECT_EQ(box->GetHandleCursor(20), Qt::SizeAllCursor);
}

TEST(ComponentAnchorTest, AnchorsAreTheSideMiddlesAndTheCentreAsShown) {
    auto box = Box(0, 0, 100, 50);
    EXPECT_EQ(box->GetAnchorCount(), 5);
    ExpectNear(box->GetAnchorPoint(1), 50, 0);
    ExpectNear(box->GetAnchorPoint(2), 100, 25);
    ExpectNear(box->GetAnchorPoint(3), 50, 50);
    ExpectNear(box->GetAnchorPoint(4), 0, 25);
    ExpectNear(box->GetAnchorPoint(5), 50, 25);
    ExpectNear(box->GetAnchorPoint(42), 50, 25);
    box->SetRotateAngle(90);
    ExpectNear(box->GetAnchorPoint(1), 75, 25);  // the top now faces right
}

TEST(ComponentAnchorTest, DirectionsFollowExtentsFlipsAndRotation) {
    auto box = Box(0, 0, 100, 50);
    EXPECT_EQ(box->GetAnchorDirection(1), 1);
    EXPECT_EQ(box->GetAnchorDirection(2), 2);
    EXPECT_EQ(box->GetAnchorDirection(3), 4);
    EXPECT_EQ(box->GetAnchorDirection(4), 8);
    EXPECT_EQ(box->GetAnchorDirection(5), 16);
    EXPECT_EQ(box->GetAnchorDirection(0), 16);

    auto inverted = Box(0, 0, -100, 0);
    EXPECT_EQ(inverted->GetAnchorDirection(1), 4);
    EXPECT_EQ(inverted->GetAnchorDirection(2), 8);
    EXPECT_EQ(inverted->GetAnchorDirection(3), 1);
    EXPECT_EQ(inverted->GetAnchorDirection(4), 2);

    box->SetHoriFlip(true);
    EXPECT_EQ(box->GetAnchorDirection(2), 8);
    EXPECT_EQ(box->GetAnchorDirection(1), 1);
    box->SetVertFlip(true);
    EXPECT_EQ(box->GetAnchorDirection(1), 4);
    box->SetStyle(box->GetStyle() & ~DWORD(QARN_STYLE_HORIFLIP | QARN_STYLE_VERTFLIP));

    const struct {
        float angle;
        int up;
    } turns[] = {{44.9f, 1}, {45, 2}, {90, 2}, {180, 4}, {270, 8}, {314, 8}, {315, 1}, {-90, 8}};
    for (const auto& t : turns) {
        box->SetRotateAngle(t.angle);
        EXPECT_EQ(box->GetAnchorDirection(1), t.up) << t.angle;
        EXPECT_EQ(box->GetAnchorDirection(5), 16);
    }
}

TEST(ComponentAnchorTest, TheNearbyAnchorIsTheClosestWithTiesToTheLowerNumber) {
    auto box = Box(0, 0, 100, 100);
    EXPECT_EQ(box->GetNearbyAnchor(PointF(95, 40)), 2);
    EXPECT_EQ(box->GetNearbyAnchor(PointF(52, 48)), 5);
    EXPECT_EQ(box->GetNearbyAnchor(PointF(1100, -1000)), 1);  // as near to 1 as to 2
    box->SetAnchorAnyWhere(true);
    EXPECT_EQ(box->GetNearbyAnchor(PointF(50, 0)), 0);

    class NoAnchors : public TestBox {
    public:
        int GetAnchorCount() const override { return 0; }
    };
    NoAnchors none;
    EXPECT_EQ(none.GetNearbyAnchor(PointF(0, 0)), -1);
}

TEST(ComponentAnchorTest, BoundDistancesAreMeasuredToTheShapeAsItShows) {
    auto box = Box(0, 0, 100, 50);
    box->UpdateRotateCenter();
    // The right side's middle: on the right edge, 25 below the top, 100 from the left.
    EXPECT_FLOAT_EQ(box->GetAnchorToBoundDistance(2, 2), 0);
    EXPECT_FLOAT_EQ(box->GetAnchorToBoundDistance(2, 1), 25);
    EXPECT_FLOAT_EQ(box->GetAnchorToBoundDistance(2, 4), 25);
    EXPECT_FLOAT_EQ(box->GetAnchorToBoundDistance(2, 8), 100);
    EXPECT_FLOAT_EQ(box->GetAnchorToBoundDistance(5, 16), 0);
    // Turned a quarter, the right side's middle is at the bottom of an upright 50 x 100.
    box->SetRotateAngle(90);
    EXPECT_NEAR(box->GetAnchorToBoundDistance(2, 4), 0, 0.001);
    EXPECT_NEAR(box->GetAnchorToBoundDistance(2, 1), 100, 0.001);
    EXPECT_NEAR(box->GetAnchorToBoundDistance(2, 2), 25, 0.001);
}

TEST(ComponentMoveTest, AMoveThatKeepsTheSizeCarriesTheOutlineAsARebuildWouldGiveIt) {
    for (bool wedge : {false, true}) {
        auto box = Box(10, 20, 100, 50);
        box->wedge = wedge;
        box->SetRotateAngle(30);
        box->ResetPath();
        ASSERT_EQ(box->MoveTo(RectF(13.25f, -7.5f, 100, 50), 0), 1);
        const GraphicsPath carried = *box->GetPath();
        box->ResetPath();
        const GraphicsPath& rebuilt = *box->GetPath();
        ASSERT_EQ(carried.GetPointCount(), rebuilt.GetPointCount());
        for (int i = 0; i < rebuilt.GetPointCount(); ++i) {
            EXPECT_NEAR(carried.Points()[size_t(i)].X, rebuilt.Points()[size_t(i)].X, 1e-4);
            EXPECT_NEAR(carried.Points()[size_t(i)].Y, rebuilt.Points()[size_t(i)].Y, 1e-4);
        }
        // A move that sizes builds it again.
        ASSERT_EQ(box->MoveTo(RectF(0, 0, 40, 40), 0), 1);
        RectF bounds;
        box->GetPath()->GetBounds(&bounds);
        EXPECT_NEAR(bounds.Width, wedge ? 20 : 40, 1e-4);
    }
}
