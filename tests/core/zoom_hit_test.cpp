// Hit tests in document units with a tolerance the view derives from pixels: a component and
// its handles are as easy to hit at 25% as at 800%.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/canvas.h"
#include "core/geometry_fixtures.h"
#include "core/layer.h"

namespace {

constexpr float kZooms[] = {0.25f, 8.0f};

// Just inside and just outside the tolerance: a tenth of it either way.
struct Reach {
    float in;
    float out;
};

Reach Around(float distance, float tolerance) {
    return {distance - tolerance / 10, distance + tolerance / 10};
}

std::unique_ptr<TestBox> Filled(const RectF& r) {
    auto box = MakeBox(r);
    box->UpdateRotateCenter();
    return box;
}

}  // namespace

TEST(ZoomHitTest, AFilledShapeIsHitInsideAndWithinTheToleranceOfItsEdge) {
    for (float zoom : kZooms) {
        SCOPED_TRACE(zoom);
        const float tol = ThreePixels(zoom);
        auto box = Filled(RectF(0, 0, 100, 50));
        // The pen is 1 wide: the edge reaches half a unit out.
        const Reach edge = Around(0.5f + tol, tol);
        EXPECT_TRUE(box->HitTest(PointF(50, 25), tol));
        EXPECT_TRUE(box->HitTest(PointF(100 + edge.in, 25), tol));
        EXPECT_FALSE(box->HitTest(PointF(100 + edge.out, 25), tol));
        // Off a corner the distance is measured to the corner itself.
        const float d = std::sqrt(0.5f);
        EXPECT_TRUE(box->HitTest(PointF(100 + edge.in * d, 50 + edge.in * d), tol));
        EXPECT_FALSE(box->HitTest(PointF(100 + edge.out * d, 50 + edge.out * d), tol));
    }
}

TEST(ZoomHitTest, AnUnfilledShapeIsHitOnlyNearItsOutline) {
    for (float zoom : kZooms) {
        SCOPED_TRACE(zoom);
        const float tol = ThreePixels(zoom);
        auto box = Filled(RectF(0, 0, 100, 50));
        box->SetFill(false);
        const Reach edge = Around(0.5f + tol, tol);
        EXPECT_FALSE(box->HitTest(PointF(50, 25), tol));
        EXPECT_TRUE(box->HitTest(PointF(100 - edge.in, 25), tol));
        EXPECT_FALSE(box->HitTest(PointF(100 - edge.out, 25), tol));
        // Without its line drawn only the tolerance counts.
        box->SetDrawLine(false);
        const Reach bare = Around(tol, tol);
        EXPECT_TRUE(box->HitTest(PointF(100 + bare.in, 25), tol));
        EXPECT_FALSE(box->HitTest(PointF(100 + bare.out, 25), tol));
    }
}

TEST(ZoomHitTest, ATurnedShapeIsHitWhereItShows) {
    // A 100 by 20 bar centred on (100, 100), turned by 45 degrees.
    const float c = std::sqrt(0.5f);
    for (float zoom : kZooms) {
        SCOPED_TRACE(zoom);
        const float tol = ThreePixels(zoom);
        auto bar = Filled(RectF(50, 90, 100, 20));
        bar->SetRotateAngle(45);
        // 20 along the bar from its centre, then across it past the long edge.
        auto at = [&](float across) {
            return PointF(100 + 20 * c - across * c, 100 + 20 * c + across * c);
        };
        const Reach edge = Around(10 + 0.5f + tol, tol);
        EXPECT_TRUE(bar->HitTest(at(0), tol));
        EXPECT_TRUE(bar->HitTest(at(edge.in), tol));
        EXPECT_FALSE(bar->HitTest(at(edge.out), tol));
        // Inside the frame as built but off the bar as shown.
        EXPECT_FALSE(bar->HitTest(PointF(140, 100), tol));
    }
}

TEST(ZoomHitTest, HandlesAreHitWithinTheToleranceOnBothAxes) {
    for (float zoom : kZooms) {
        SCOPED_TRACE(zoom);
        const float tol = ThreePixels(zoom);
        auto box = Filled(RectF(0, 0, 100, 50));
        const Reach r = Around(tol, tol);
        EXPECT_EQ(box->HitTestHandle(PointF(100 + r.in, 50 - r.in), tol), 5);
        EXPECT_EQ(box->HitTestHandle(PointF(100 + r.out, 50), tol), 0);
        EXPECT_EQ(box->HitTestHandle(PointF(50, -r.out), tol), 0);
        EXPECT_EQ(box->HitTestHandle(PointF(50, -r.in), tol), 2);
        EXPECT_EQ(box->HitTestHandle(PointF(50, 25), tol), 0);
        // Turned a quarter about (50, 25), handle 5 shows at (25, 75).
        box->SetRotateAngle(90);
        EXPECT_EQ(box->HitTestHandle(PointF(25 - r.in, 75 + r.in), tol), 5);
        EXPECT_EQ(box->HitTestHandle(PointF(100, 50), tol), 0);
    }
}

TEST(ZoomHitTest, BadTolerancesHiddenLayersAndOtherPagesHitNothing) {
    CQarnCanvas page;
    CQarnCanvas other;
    CQarnLayer layer;
    layer.SetCanvas(&page);
    auto* box = new TestBox(RectF(0, 0, 100, 50));
    box->UpdateRotateCenter();
    layer.AddTail(box);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(box->HitTest(PointF(50, 25), 0.0f, &page));
    EXPECT_FALSE(box->HitTest(PointF(50, 25), -1.0f));
    EXPECT_FALSE(box->HitTest(PointF(50, 25), nan));
    EXPECT_FALSE(box->HitTest(PointF(50, 25), std::numeric_limits<float>::infinity()));
    EXPECT_FALSE(box->HitTest(PointF(nan, 25), 3.0f));
    EXPECT_EQ(box->HitTestHandle(PointF(0, 0), -1.0f), 0);
    EXPECT_EQ(box->HitTestHandle(PointF(nan, 0), 3.0f), 0);
    EXPECT_FALSE(box->HitTest(PointF(50, 25), 1.0f, &other));
    layer.SetVisible(false);
    EXPECT_FALSE(box->HitTest(PointF(50, 25), 1.0f, &page));
    EXPECT_FALSE(box->HitTest(PointF(50, 25), 1.0f));
}

TEST(ZoomHitTest, AComponentWithoutAnOutlineIsHitInItsFrame) {
    CQarnComponent plain(RectF(10, 10, 40, 20));
    plain.UpdateRotateCenter();
    EXPECT_TRUE(plain.HitTest(PointF(30, 20), 0.5f));
    EXPECT_FALSE(plain.HitTest(PointF(52, 20), 0.5f));
    plain.SetRotateAngle(90);  // now 20 wide and 40 high about (30, 20)
    EXPECT_FALSE(plain.HitTest(PointF(45, 20), 0.5f));
    EXPECT_TRUE(plain.HitTest(PointF(30, 38), 0.5f));
}
