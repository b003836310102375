#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/conversions.h"
#include "core/geometry_fixtures.h"
#include "platform/graphics_path.h"

namespace {

void ExpectNear(const PointF& p, float x, float y, float tolerance = 1e-3f) {
    EXPECT_NEAR(p.X, x, tolerance) << "x of (" << p.X << ", " << p.Y << ")";
    EXPECT_NEAR(p.Y, y, tolerance) << "y of (" << p.X << ", " << p.Y << ")";
}

// The four frame corners where they show, sorted so that sets can be compared.
std::array<PointF, 4> ShownCorners(const CQarnComponent& c) {
    const RectF r = c.GetRectF();
    std::array<PointF, 4> corners = {
        {{r.X, r.Y}, {r.X + r.Width, r.Y}, {r.X + r.Width, r.Y + r.Height}, {r.X, r.Y + r.Height}}};
    c.TransformPoints(corners.data(), 4);
    std::sort(corners.begin(), corners.end(), [](const PointF& a, const PointF& b) {
        return std::round(a.X * 100) != std::round(b.X * 100) ? a.X < b.X : a.Y < b.Y;
    });
    return corners;
}

void ExpectSameShape(const std::array<PointF, 4>& a, const std::array<PointF, 4>& b) {
    for (size_t i = 0; i < 4; ++i) {
        ExpectNear(a[i], b[i].X, b[i].Y, 2e-3f);
    }
}

std::unique_ptr<TestBox> Box(float x, float y, float w, float h) {
    auto box = std::make_unique<TestBox>();
    box->SetRectF(RectF(x, y, w, h));
    box->UpdateRotateCenter();
    return box;
}

}  // namespace

TEST(ComponentTransformTest, TheAngleIsAppliedRoundedToWholeDegrees) {
    auto box = Box(0, 0, 100, 100);
    const struct {
        float angle;
        float applied;
    } cases[] = {{30.4f, 30}, {30.5f, 31}, {359.6f, 360}, {0.3f, 0}};
    for (const auto& c : cases) {
        box->SetRotateAngle(c.angle);
        EXPECT_EQ(box->GetAppliedAngle(), c.applied) << c.angle;
        PointF p(100, 50);  // right middle, 50 from the centre
        box->TransformPoints(&p, 1);
        const double radians = c.applied * M_PI / 180.0;
        ExpectNear(p, float(50 + 50 * std::cos(radians)), float(50 + 50 * std::sin(radians)));
    }
}

TEST(ComponentTransformTest, TheFlipActsBeforeTheRotation) {
    auto box = Box(0, 0, 100, 100);
    EXPECT_FALSE(box->NeedTransform());
    PointF untouched(10, 20);
    box->TransformPoints(&untouched, 1);
    ExpectNear(untouched, 10, 20);

    box->SetHoriFlip(true);
    box->SetRotateAngle(90);
    EXPECT_TRUE(box->NeedTransform());
    PointF p(60, 50);  // 10 right of the centre: mirrored to the left, then turned up
    box->TransformPoints(&p, 1);
    ExpectNear(p, 50, 40);
    box->AntiTransformPoints(&p, 1);
    ExpectNear(p, 60, 50);

    // Prepended: the component's transform acts before what the matrix already does.
    Matrix m(1, 0, 0, 1, 1000, 0);
    box->GetTransformMatrix(m);
    ExpectNear(m.Map(PointF(60, 50)), 1050, 40);
    Matrix aboutOrigin;
    PointF origin(0, 0);
    box->GetTransformMatrix(aboutOrigin, &origin);
    ExpectNear(aboutOrigin.Map(PointF(10, 0)), 0, -10);
}

TEST(ComponentTransformTest, RotatingNormalisesTheAngleIntoOneTurn) {
    auto box = Box(0, 0, 100, 50);
    box->RotateAt(-30, box->GetCenterPointF(), 1);
    EXPECT_NEAR(box->GetRotateAngle(), 330, 1e-4);
    box->RotateAt(400, box->GetCenterPointF(), 1);
    EXPECT_NEAR(box->GetRotateAngle(), 10, 1e-4);
    box->SetRotateAngle(0);
    box->RotateAt(-400, box->GetCenterPointF(), 1);  // far below zero still lands in [0, 360)
    EXPECT_NEAR(box->GetRotateAngle(), 320, 1e-4);
    box->SetRotateAngle(0);
    for (int i = 0; i < 720; ++i) {
        box->RotateAt(0.5f, box->GetCenterPointF(), 1);
    }
    EXPECT_EQ(box->GetRotateAngle(), 0.0f);  // a whole turn wraps to exactly 0
    box->RotateAt(NAN, box->GetCenterPointF(), 1);
    EXPECT_FALSE(std::isnan(box->GetRotateAngle()));
}

TEST(ComponentTransformTest, RotatingAboutTheCentreKeepsTheFrameAboutAnotherPointMovesIt) {
    auto box = Box(90, -10, 20, 20);  // centred on (100, 0)
    box->RotateAt(45, box->GetCenterPointF(), 1);
    EXPECT_EQ(box->GetRectF(), RectF(90, -10, 20, 20));
    EXPECT_EQ(box->shifts, 0);

    auto turned = Box(90, -10, 20, 20);
    turned->RotateAt(90, PointF(0, 0), 1);
    ExpectNear(turned->GetCenterPointF(), 0, 100);
    ExpectNear(turned->GetRotateCenter(), 0, 100);
    EXPECT_NEAR(turned->GetRotateAngle(), 90, 1e-4);
    EXPECT_EQ(turned->shifts, 1);  // moved through Shift

    auto set = Box(90, -10, 20, 20);
    set->RotateAt(90, PointF(0, 0), 0);
    ExpectNear(set->GetCenterPointF(), 0, 100);
    EXPECT_EQ(set->shifts, 0);  // moved by setting the frame
    ASSERT_NE(set->GetPath(), nullptr);
    RectF outline;
    set->GetPath()->GetBounds(&outline);
    EXPECT_NEAR(outline.X, -10, 1e-3);  // the outline follows the frame
}

TEST(ComponentTransformTest, RotatingShowsTheSameAsTurningWhatShows) {
    // Whatever the rotate centre, a rotation by a whole angle turns the shape as shown.
    auto box = Box(0, 0, 100, 40);
    box->RotateAt(30, box->GetCenterPointF(), 1);
    ASSERT_EQ(box->MoveRotateCenter(PointF(0, 0)), 1);
    std::array<PointF, 4> expected = ShownCorners(*box);
    Matrix turn;
    turn.RotateAt(60, PointF(0, 0));
    turn.TransformPoints(expected.data(), 4);
    std::sort(expected.begin(), expected.end(), [](const PointF& a, const PointF& b) {
        return std::round(a.X * 100) != std::round(b.X * 100) ? a.X < b.X : a.Y < b.Y;
    });
    box->RotateAt(60, box->GetRotateCenter(), 1);
    ExpectSameShape(ShownCorners(*box), expected);
    EXPECT_NEAR(box->GetRotateAngle(), 90, 1e-4);
}

TEST(ComponentTransformTest, MovingTheRotateCentreLeavesWhatShowsInPlace) {
    auto box = Box(0, 0, 100, 40);
    box->SetRotateAngle(90);
    const std::array<PointF, 4> before = ShownCorners(*box);
    EXPECT_EQ(box->MoveRotateCenter(PointF(50.00005f, 20)), 0);  // within the tolerance
    EXPECT_EQ(box->MoveRotateCenter(PointF(120, 70)), 1);
    ExpectNear(box->GetRotateCenter(), 120, 70);
    ExpectSameShape(ShownCorners(*box), before);
}

TEST(ComponentTransformTest, FlippingTwiceAboutTheOwnCentreRestoresStyleAndAngle) {
    auto box = Box(10, 10, 80, 40);
    box->SetRotateAngle(30);
    const DWORD style = box->GetStyle();
    const RectF frame = box->GetRectF();
    box->Flip(QARN_STYLE_HORIFLIP, box->GetRotateCenter(), 1);
    EXPECT_TRUE(box->GetHoriFlip());
    EXPECT_NEAR(box->GetRotateAngle(), 330, 1e-4);
    EXPECT_EQ(box->GetRectF(), frame);
    box->Flip(QARN_STYLE_HORIFLIP, box->GetRotateCenter(), 1);
    EXPECT_EQ(box->GetStyle(), style);
    EXPECT_NEAR(box->GetRotateAngle(), 30, 1e-4);

    box->SetRotateAngle(0);
    box->Flip(QARN_STYLE_VERTFLIP, box->GetRotateCenter(), 1);
    EXPECT_NEAR(box->GetRotateAngle(), 0, 1e-4);  // 360 comes back as 0
    EXPECT_TRUE(box->GetVertFlip());
}

TEST(ComponentTransformTest, AFlipMirrorsWhatShowsAcrossTheAxis) {
    for (BYTE mode : {BYTE(QARN_STYLE_HORIFLIP), BYTE(QARN_STYLE_VERTFLIP)}) {
        auto box = Box(10, 20, 60, 30);
        box->SetRotateAngle(25);
        const PointF axis(200, 150);
        std::array<PointF, 4> expected = ShownCorners(*box);
        for (PointF& p : expected) {
            if (mode == QARN_STYLE_HORIFLIP) {
                p.X = 2 * axis.X - p.X;
            } else {
                p.Y = 2 * axis.Y - p.Y;
            }
        }
        std::sort(expected.begin(), expected.end(), [](const PointF& a, const PointF& b) {
            return std::round(a.X * 100) != std::round(b.X * 100) ? a.X < b.X : a.Y < b.Y;
        });
        box->Flip(mode, axis, 1);
        SCOPED_TRACE(int(mode));
        ExpectSameShape(ShownCorners(*box), expected);
        EXPECT_NEAR(box->GetRotateAngle(), 335, 1e-4);
        ExpectNear(box->GetRotateCenter(), box->GetCenterPointF().X, box->GetCenterPointF().Y);
    }
}

TEST(ComponentTransformTest, FlippingBothWaysKeepsTheAngle) {
    auto box = Box(0, 0, 10, 10);
    box->SetRotateAngle(40);
    box->Flip(QARN_STYLE_HORIFLIP | QARN_STYLE_VERTFLIP, box->GetRotateCenter(), 1);
    EXPECT_EQ(box->GetFlip(), DWORD(QARN_STYLE_HORIFLIP | QARN_STYLE_VERTFLIP));
    EXPECT_NEAR(box->GetRotateAngle(), 40, 1e-4);
    box->Flip(0, PointF(500, 500), 1);  // no flip bit: nothing at all
    EXPECT_EQ(box->GetRectF(), RectF(0, 0, 10, 10));
}

TEST(ComponentTransformTest, TransformPathMapsTheCombinedOutline) {
    auto box = Box(0, 0, 10, 20);
    box->ResetPath();
    box->TransformPath(RectF(0, 0, 10, 20), RectF(100, 100, 20, 10));
    RectF b;
    box->GetPath()->GetBounds(&b);
    EXPECT_NEAR(b.X, 100, 1e-4);
    EXPECT_NEAR(b.Width, 20, 1e-4);
    EXPECT_NEAR(b.Height, 10, 1e-4);
    Matrix shift(1, 0, 0, 1, -100, 0);
    box->TransformPath(&shift);
    box->GetPath()->GetBounds(&b);
    EXPECT_NEAR(b.X, 0, 1e-4);
}
