// The handles a component describes: numbers, frame ids, places as shown, cursors, draw and
// hit order, and adjust handles kept within their constraints.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/geometry_fixtures.h"
#include "core/move_flags.h"

namespace {

void ExpectNear(const PointF& p, float x, float y, float tolerance = 1e-3f) {
    EXPECT_NEAR(p.X, x, tolerance) << "x of (" << p.X << ", " << p.Y << ")";
    EXPECT_NEAR(p.Y, y, tolerance) << "y of (" << p.X << ", " << p.Y << ")";
}

std::unique_ptr<TestBox> Box(float x, float y, float w, float h) {
    auto box = std::make_unique<TestBox>();
    box->SetRectF(RectF(x, y, w, h));
    box->UpdateRotateCenter();
    return box;
}

// A box with one knob on a horizontal track from its left edge to its centre, at the height
// of its centre; the knob is the shape's only stored parameter.
class KnobBox : public TestBox {
public:
    PointF knob;
    int stores = 0;

    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override {
        if (FindHandle(handle) && FindHandle(handle)->kind == QarnHandleKind::Adjust) {
            return MoveAdjustHandleTo(handle, point, flags);
        }
        return TestBox::MoveHandleTo(handle, point, flags);
    }
    using TestBox::MoveAdjustHandleTo;

protected:
    void GetHandles(std::vector<CQarnHandle>& handles) const override {
        TestBox::GetHandles(handles);
        const RectF r = GetRectF();
        const PointF c = GetCenterPointF();
        handles.push_back(CQarnHandle::Adjust(knob, CQarnHandleConstraint::AlongX(c.Y, r.X, c.X)));
    }
    bool SetAdjustParameter(int parameter, const PointF& framePoint) override {
        if (parameter != 0) {
            return false;
        }
        knob = framePoint;
        ++stores;
        return true;
    }
};

std::unique_ptr<KnobBox> Knob() {
    auto box = std::make_unique<KnobBox>();
    box->SetRectF(RectF(0, 0, 100, 50));
    box->UpdateRotateCenter();
    box->knob = PointF(20, 25);
    return box;
}

}  // namespace

TEST(HandleDescriptionTest, HandlesAreNumberedWithTheirFrameIdsAndShowAsTheFrameShows) {
    auto box = Box(0, 0, 100, 50);
    box->AddProperty(new TestLabel(RectF(200, 100, 50, 24)));
    const std::vector<CQarnHandle> handles = box->GetShownHandles();
    ASSERT_EQ(handles.size(), 9u);
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(handles[size_t(n - 1)].number, n);
        EXPECT_EQ(handles[size_t(n - 1)].kind, QarnHandleKind::Sizing);
        EXPECT_EQ(handles[size_t(n - 1)].id, QarnHandleId(n));
    }
    EXPECT_EQ(handles[8].number, 9);
    EXPECT_EQ(handles[8].id, QarnHandleId::Label);
    EXPECT_FALSE(box->FindHandle(10));
    // A frame locked in height keeps the ids of the side middles it shows.
    box->LockHeight(true);
    ASSERT_TRUE(box->FindHandle(1));
    EXPECT_EQ(box->FindHandle(1)->id, QarnHandleId::Right);
    EXPECT_EQ(box->FindHandle(2)->id, QarnHandleId::Left);
    EXPECT_EQ(box->FindHandle(3)->kind, QarnHandleKind::Label);
    box->LockHeight(false);
    box->SetRotateAngle(90);
    // A quarter turn clockwise about (50, 25): the top-left corner goes to the top right.
    ExpectNear(box->FindHandle(1)->shown, 75, -25);
    ExpectNear(box->FindHandle(1)->point, 0, 0);
    ExpectNear(box->FindHandle(9)->shown, 225, 112);  // the label does not turn
    box->SetRotateAngle(0);
    box->SetHoriFlip(true);
    box->SetVertFlip(true);
    ExpectNear(box->GetHandle(1, 1), 100, 50);
    ExpectNear(box->GetHandle(8, 1), 100, 25);
}

TEST(HandleDescriptionTest, SizingCursorsFollowEachHandleAsShown) {
    using C = QarnHandleCursor;
    auto square = Box(0, 0, 100, 100);
    const struct {
        float angle;
        C cursors[8];
    } cases[] = {
        {45,
         {C::SizeVertical, C::SizeRisingDiagonal, C::SizeHorizontal, C::SizeFallingDiagonal,
          C::SizeVertical, C::SizeRisingDiagonal, C::SizeHorizontal, C::SizeFallingDiagonal}},
    };
    for (const auto& c : cases) {
        square->SetRotateAngle(c.angle);
        for (int n = 1; n <= 8; ++n) {
            EXPECT_EQ(square->FindHandle(n)->cursor, c.cursors[n - 1])
                << "handle " << n << " at " << c.angle;
        }
    }
    // Mirrored, the top-right corner shows at the top left.
    auto wide = Box(0, 0, 100, 50);
    wide->SetHoriFlip(true);
    EXPECT_EQ(wide->GetHandleCursor(3), Qt::SizeFDiagCursor);
    EXPECT_EQ(wide->GetHandleCursor(1), Qt::SizeBDiagCursor);
}

TEST(HandleDescriptionTest, AMemberOfAGroupHasNoHandlesAtAll) {
    auto box = Box(40, 40, 100, 60);
    box->AddProperty(new TestLabel(RectF(150, 150, 20, 20)));
    box->SetParentGroup(reinterpret_cast<CQarnGroup*>(box.get()));
    EXPECT_EQ(box->GetHandleCount(), 0);
    EXPECT_FALSE(box->IsLabelHandle(9));
    EXPECT_EQ(box->HitTestHandle(PointF(140, 100), 3.0f), 0);
    box->SetParentGroup(nullptr);
    EXPECT_EQ(box->GetHandleCount(), 9);
    EXPECT_EQ(box->HitTestHandle(PointF(140, 100), 3.0f), 5);
}

TEST(HandleConstraintTest, ConfiningClampsEachCoordinateIntoTheSpannedRange) {
    PointF p(-5, 50);
    CQarnHandleConstraint::ConfinePoint(p, RectF(0, 0, 100, -40));
    ExpectNear(p, 0, 0);
    PointF pinned(33, 44);
    CQarnHandleConstraint::ConfinePoint(pinned, RectF(10, 20, 0, 0));
    ExpectNear(pinned, 10, 20);

    EXPECT_TRUE(CQarnHandleConstraint().IsFree());
    const CQarnHandleConstraint track = CQarnHandleConstraint::AlongX(25, 50, 0);
    ExpectNear(track.Apply(PointF(70, 90)), 50, 25);
    ExpectNear(track.Apply(PointF(30, -90)), 30, 25);
    const CQarnHandleConstraint rail = CQarnHandleConstraint::AlongY(10, 0, 60);
    ExpectNear(rail.Apply(PointF(-4, 61)), 10, 60);
    // Fractions of a frame mirrored left to right: its right half lies to the left.
    const CQarnHandleConstraint half =
        CQarnHandleConstraint::WithinFrame(RectF(100, 0, -100, 40), 0.5f, 0, 1, 0.25f);
    ExpectNear(half.Apply(PointF(90, 30)), 50, 10);
    ExpectNear(half.Apply(PointF(-20, 5)), 0, 5);
}

TEST(AdjustHandleTest, ADraggedKnobStaysOnItsTrack) {
    RecordedDoc views;
    auto* box = views.Place(Knob());
    ASSERT_EQ(box->GetHandleCount(), 9);
    EXPECT_EQ(box->FindHandle(9)->cursor, QarnHandleCursor::Adjust);
    EXPECT_EQ(box->MoveHandleTo(9, PointF(30, 40), kMoveInvalidate), 1);
    ExpectNear(box->knob, 30, 25);  // the height is the track's
    EXPECT_EQ(views.link.invalidated.size(), 1);
    // Dragged far beyond either end, it stops at the end.
    box->MoveHandleTo(9, PointF(400, -300), 0);
    ExpectNear(box->knob, 50, 25);
    box->MoveHandleTo(9, PointF(-400, 300), kMoveOutline);
    ExpectNear(box->knob, 0, 25);
    EXPECT_EQ(views.link.outlines.size(), 1);
    EXPECT_TRUE(box->GetRectF().Equals(RectF(0, 0, 100, 50)));
    // Neither sizing handles nor undefined points go through the adjust drag.
    const int stores = box->stores;
    EXPECT_EQ(box->MoveAdjustHandleTo(5, PointF(30, 25), 0), 0);
    EXPECT_EQ(box->MoveHandleTo(9, PointF(std::numeric_limits<float>::quiet_NaN(), 25), 0), 0);
    EXPECT_EQ(box->stores, stores);
}

TEST(AdjustHandleTest, ATurnedShapesKnobIsDraggedWhereItShows) {
    auto box = Knob();
    box->SetRotateAngle(90);
    // Turned a quarter about (50, 25), the track runs from (50, -25) down to (50, 25).
    ExpectNear(box->GetHandle(9, 1), 50, -5);
    EXPECT_EQ(box->MoveHandleTo(9, PointF(80, 10), 0), 1);
    ExpectNear(box->knob, 35, 25);
    ExpectNear(box->GetHandle(9, 1), 50, 10);
    box->MoveHandleTo(9, PointF(50, 500), 0);
    ExpectNear(box->knob, 50, 25);
}
