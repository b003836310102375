// The handles of a two-point line with a label and the trackers a poly draws.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/geometry_fixtures.h"
#include "platform/dc.h"
#include "shapes/poly.h"
#include "shapes/poly_fixtures.h"

namespace {

QImage Tracker(CQarnPoly& poly, CQarnComponent::TrackerState state) {
    QImage image = WhiteCanvas();
    QPainter painter(&image);
    CDC dc(&painter);
    poly.DrawTracker(&dc, state, 1.0f);
    painter.end();
    return image;
}

}  // namespace

TEST(PolyHandlesTest, TheLabelOfATwoPointLineIsHandleThreeReportedAsFive) {
    auto line = MakePoly({{0, 0}, {100, 0}});
    auto* label = new TestLabel(RectF(40, 20, 20, 10));
    line->AddProperty(label);
    EXPECT_EQ(line->GetHandleCount(), 3);
    EXPECT_POINT_NEAR(line->GetHandle(3, 1), 50, 25, 0);
    EXPECT_EQ(line->HitTest(CPoint(51, 24), nullptr, 1, nullptr), 5);
    EXPECT_EQ(line->HitTest(CPoint(1, 1), nullptr, 1, nullptr), 1);
    EXPECT_EQ(line->MoveHandleTo(5, PointF(70, 45), 0), 1);
    EXPECT_RECT_NEAR(label->GetRectF(), 60, 40, 20, 10, 0);
    // The line itself did not move.
    EXPECT_POINT_NEAR(line->GetPoint(2, 0), 100, 0, 0);
}

TEST(PolyHandlesTest, APolyInAGroupHasNoHandles) {
    auto poly = MakePoly({{0, 0}, {100, 0}, {100, 50}});
    poly->SetParentGroup(reinterpret_cast<CQarnGroup*>(poly.get()));
    EXPECT_EQ(poly->GetHandleCount(), 0);
    poly->SetParentGroup(nullptr);
    EXPECT_EQ(poly->GetHandleCount(), 8);
}

TEST(PolyHandlesTest, PointEditingMarksEveryPointBlackOthersDrawTheirHandles) {
    auto poly = MakePoly({{20, 20}, {100, 150}, {180, 20}});
    QImage editing = Tracker(*poly, CQarnComponent::TrackerEditing);
    EXPECT_EQ(editing.pixel(100, 150), 0xFF000000u);
    EXPECT_EQ(editing.pixel(180, 20), 0xFF000000u);
    // The squares are 4 across: 4 away is plain canvas.
    EXPECT_EQ(editing.pixel(100, 155), 0xFFFFFFFFu);
    // The middle of the top edge is a frame handle, not a point.
    EXPECT_EQ(editing.pixel(100, 20), 0xFFFFFFFFu);

    QImage selected = Tracker(*poly, CQarnComponent::TrackerSelected);
    EXPECT_EQ(selected.pixel(100, 20), 0xFF00FF00u);

    auto line = MakePoly({{20, 20}, {180, 150}});
    QImage ends = Tracker(*line, CQarnComponent::TrackerActive);
    EXPECT_EQ(ends.pixel(180, 150), 0xFF0000FFu);
    EXPECT_EQ(ends.pixel(20, 20), 0xFF0000FFu);
    // No frame handles on a line: the frame's top-right corner stays blank.
    EXPECT_EQ(ends.pixel(180, 20), 0xFFFFFFFFu);
    EXPECT_EQ(Tracker(*line, CQarnComponent::TrackerNormal).pixel(20, 20), 0xFFFFFFFFu);
}
