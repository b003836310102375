// A connector's handle description and its zoom-aware hit tests.
#include <gtest/gtest.h>

#include "connectors/connector_fixtures.h"
#include "core/geometry_fixtures.h"
#include "shapes/group.h"

TEST_F(ConnectorScene, EndsAreConnectorEndsAndLegMiddlesSlide) {
    CQarnRect* shape = AddRect(RectF(0, 0, 40, 40));
    CQarnConnector* k = AddConnector(PointF(40, 20), PointF(150, 100));
    DropEnd(k, true, shape, PointF(40, 20));
    const std::vector<CQarnHandle> handles = k->GetShownHandles();
    ASSERT_EQ(handles.size(), size_t(k->GetStoredHandleCount()));
    ASSERT_GE(handles.size(), 3u);
    const CQarnHandle& start = handles.front();
    const CQarnHandle& end = handles.back();
    EXPECT_EQ(start.kind, QarnHandleKind::ConnectorEnd);
    EXPECT_EQ(end.kind, QarnHandleKind::ConnectorEnd);
    EXPECT_EQ(start.mark.selected, Color(0xFFFF0000u));  // resting on the shape
    EXPECT_EQ(end.mark.active, Color(0xFF00FF00u));      // free
    EXPECT_EQ(start.cursor, QarnHandleCursor::Cross);
    EXPECT_GT(start.layer, end.layer);
    for (size_t i = 1; i + 1 < handles.size(); ++i) {
        EXPECT_EQ(handles[i].kind, QarnHandleKind::ConnectorLeg);
        EXPECT_EQ(handles[i].mark.shape, CQarnHandle::TrackerMark::Shape::Diamond);
        EXPECT_LT(handles[i].layer, end.layer);
        EXPECT_EQ(handles[i].number, int(i) + 1);
    }
}

TEST_F(ConnectorScene, AtAnyZoomTheStartIsHitFirstThenTheEndThenTheLegs) {
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(10, 10));
    k->MoveHandleTo(2, PointF(4, 2), 0);
    ASSERT_EQ(k->GetHandleCount(), 3);
    // At 25% all three handles lie within three pixels of (2, 1).
    EXPECT_EQ(k->HitTestHandle(PointF(2, 1), ThreePixels(0.25f)), 1);
    EXPECT_EQ(k->HitTestHandle(PointF(6, 4), ThreePixels(0.25f)), 1);
    // At 800% they are apart.
    EXPECT_EQ(k->HitTestHandle(PointF(4.2f, 2.1f), ThreePixels(8)), 3);
    EXPECT_EQ(k->HitTestHandle(PointF(2, 1), ThreePixels(8)), 2);
    EXPECT_EQ(k->HitTestHandle(PointF(0.3f, -0.3f), ThreePixels(8)), 1);
}

TEST_F(ConnectorScene, AConnectorIsHitAlongItsLegsOnly) {
    const float tol = ThreePixels(8);
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(10, 10));
    k->SetLineWidth(1);
    k->MoveHandleTo(2, PointF(100, 40), 0);
    // The route runs (0, 0), (50, 0), (50, 40), (100, 40).
    const float reach = 0.5f + tol;
    EXPECT_TRUE(k->HitTest(PointF(50 + reach - tol / 10, 20), tol));
    EXPECT_FALSE(k->HitTest(PointF(50 + reach + tol / 10, 20), tol));
    EXPECT_FALSE(k->HitTest(PointF(25, 30), tol));  // within the frame, off every leg
}

TEST_F(ConnectorScene, AGroupedConnectorKeepsItsHandlesButShowsNone) {
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(10, 10));
    k->MoveHandleTo(2, PointF(100, 40), 0);
    CQarnGroup group;
    k->SetParentGroup(&group);
    EXPECT_EQ(k->GetHandleCount(), 0);
    EXPECT_EQ(k->GetStoredHandleCount(), 3);
    EXPECT_EQ(k->HitTestHandle(PointF(0, 0), 3.0f), 0);
    k->SetParentGroup(nullptr);
    EXPECT_EQ(k->HitTestHandle(PointF(0, 0), 3.0f), 1);
}
