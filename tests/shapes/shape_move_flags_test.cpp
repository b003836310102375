#include <gtest/gtest.h>

#include "core/geometry_fixtures.h"
#include "shapes/arc_pie.h"

// The frame's own move stays quiet until the ellipse has followed; then one repaint.
TEST(ShapeMoveFlagsTest, SizingAnArcRepaintsOnceAfterTheEllipseFollowed) {
    RecordedDoc views;
    CQarnArcPie& arc = *views.Place(std::make_unique<CQarnArcPie>(RectF(0, 0, 100, 50)));
    ASSERT_EQ(arc.MoveHandleTo(5, PointF(200, 100), MoveFlags::Invalidate), 1);
    EXPECT_EQ(views.link.invalidated.size(), 1);
    ASSERT_EQ(arc.MoveHandleTo(5, PointF(150, 80), 2), 1);
    EXPECT_EQ(views.link.invalidated.size(), 1);
    EXPECT_EQ(views.link.outlines.size(), 1);
}
