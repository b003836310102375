#include <gtest/gtest.h>

#include "connector_fixtures.h"
#include "core/component_style.h"

namespace {

class ConnectorFollowingTest : public ConnectorScene {
protected:
    void SetUp() override {
        left = AddRect(RectF(0, 0, 100, 100));
        right = AddRect(RectF(300, 30, 100, 100));
        k = AddConnector(PointF(100, 50), PointF(300, 80));
        DropEnd(k, true, left, PointF(98, 52));
        DropEnd(k, false, right, PointF(301, 79));
    }

    CQarnRect* left = nullptr;
    CQarnRect* right = nullptr;
    CQarnConnector* k = nullptr;
};

}  // namespace

TEST_F(ConnectorFollowingTest, DroppedEndsRestOnTheNearestAnchors) {
    ASSERT_NE(k->GetLeftConnection(), nullptr);
    ASSERT_NE(k->GetRightConnection(), nullptr);
    EXPECT_EQ(k->GetLeftConnection()->GetComponent(), left);
    EXPECT_EQ(k->GetLeftConnection()->GetAnchor(), 2);
    EXPECT_EQ(k->GetRightConnection()->GetAnchor(), 4);
    EXPECT_TRUE(left->BeenConnectedBy(k));
    EXPECT_TRUE(right->BeenConnectedBy(k));
    EXPECT_EQ(k->GetOtherSide(left), right);
    EXPECT_EQ(k->GetOtherSide(right), left);
    EXPECT_EQ(Points(k), (std::vector<PointF>{{100, 50}, {200, 50}, {200, 80}, {300, 80}}));
    EXPECT_EQ(k->GetHandleCount(), 3);
    EXPECT_EQ(k->GetHandle(2, 0), PointF(200, 65));
}

TEST_F(ConnectorFollowingTest, AMovedShapeTakesTheEndAlongAndTheRouteIsRebuilt) {
    const RectF old = right->GetRectF();
    right->MoveTo(RectF(310, 30, 100, 100), 0);
    right->OnPositionChanged(old, nullptr, 1);
    EXPECT_EQ(k->GetRightConnection()->GetConnectPoint(), PointF(310, 80));
    EXPECT_EQ(Points(k), (std::vector<PointF>{{100, 50}, {205, 50}, {205, 80}, {310, 80}}));
    EXPECT_EQ(k->GetHandle(3, 0), PointF(310, 80));
    EXPECT_TRUE(k->GetRectF().Equals(RectF(100, 50, 210, 30)));
    // Without the visual effect the connector is repainted.
    EXPECT_TRUE(views.invalidated.contains(k));
}

TEST_F(ConnectorFollowingTest, ARotatedShapeTurnsTheEndAndItsDirection) {
    const float oldAngle = left->GetRotateAngle();
    left->RotateAt(90, left->GetCenterPointF(), 0);
    left->OnRotated(oldAngle, nullptr, 3);
    // The right side's middle has turned to the bottom: the route leaves downwards.
    const std::vector<PointF> route = Points(k);
    EXPECT_TRUE(Near(route.front(), PointF(50, 100)));
    EXPECT_TRUE(IsElbowRoute(route));
    EXPECT_EQ(route[1].X, route[0].X);
    EXPECT_GT(route[1].Y, route[0].Y);
    EXPECT_EQ(route.back(), PointF(300, 80));
}

TEST_F(ConnectorFollowingTest, AFlippedShapeMovesTheEndToTheMirroredSide) {
    const DWORD oldStyle = right->GetStyle();
    right->Flip(QARN_STYLE_HORIFLIP, right->GetRotateCenter(), 0);
    views.invalidated.clear();
    right->OnFlipped(oldStyle, nullptr, 4);
    const std::vector<PointF> route = Points(k);
    EXPECT_TRUE(Near(route.back(), PointF(400, 80)))
        << testing::PrintToString(route) << " anchor "
        << testing::PrintToString(right->GetAnchorPoint(4));
    EXPECT_TRUE(IsElbowRoute(route));
    // Entered against the anchor's new direction: from the right, moving left.
    const PointF& before = route[route.size() - 2];
    EXPECT_EQ(before.Y, route.back().Y);
    EXPECT_GT(before.X, route.back().X);
    EXPECT_TRUE(views.invalidated.contains(k));
}

TEST_F(ConnectorFollowingTest, ADirectConnectorStaysStraight) {
    k->SetConnectorType(CQarnConnector::TypeDirect);
    const RectF old = right->GetRectF();
    right->MoveTo(RectF(320, 200, 100, 100), 0);
    right->OnPositionChanged(old, nullptr, 1);
    EXPECT_EQ(k->GetPointCount(), 4);  // the route it had is not rebuilt
    auto* direct = AddConnector(PointF(50, 0), PointF(370, 200), CQarnConnector::TypeDirect);
    DropEnd(direct, true, left, PointF(50, 0));
    DropEnd(direct, false, right, PointF(370, 200));
    ASSERT_EQ(direct->GetPointCount(), 2);
    const RectF again = right->GetRectF();
    right->MoveTo(RectF(500, 0, 100, 100), 0);
    right->OnPositionChanged(again, nullptr, 1);
    EXPECT_EQ(Points(direct), (std::vector<PointF>{{50, 0}, {550, 0}}));
    EXPECT_EQ(direct->GetHandleCount(), 2);
    EXPECT_EQ(direct->GetHandle(2, 0), PointF(550, 0));
}

TEST_F(ConnectorFollowingTest, AnEndIsNotDroppedOnTheShapeTheOtherEndRestsOn) {
    auto* loop = AddConnector(PointF(50, 0), PointF(50, -100));
    DropEnd(loop, true, left, PointF(50, 0));
    DropEnd(loop, false, left, PointF(0, 50));
    EXPECT_NE(loop->GetLeftConnection(), nullptr);
    EXPECT_EQ(loop->GetRightConnection(), nullptr);
    // Dropping on the anchor it already uses changes nothing.
    doc.SetConnectionTarget(left);
    EXPECT_EQ(loop->MoveHandleTo(1, PointF(49, 1), 0), 0);
    // Dropped on another anchor of the same shape, it moves there.
    EXPECT_EQ(loop->MoveHandleTo(1, PointF(1, 49), 0), 1);
    EXPECT_EQ(loop->GetLeftConnection()->GetAnchor(), 4);
    EXPECT_EQ(loop->GetPoint(1, 0), PointF(0, 50));
    // Dropped on empty paper, it lets go.
    doc.SetConnectionTarget(nullptr);
    loop->MoveHandleTo(1, PointF(-200, -200), 0);
    EXPECT_EQ(loop->GetLeftConnection(), nullptr);
    EXPECT_FALSE(left->BeenConnectedBy(loop));
}

TEST_F(ConnectorFollowingTest, DraggedAwayWithoutItsShapesTheConnectorLetsGo) {
    ComponentList both{k, left};
    RectF old = k->GetRectF();
    k->Shift(0, 40);
    left->Shift(0, 40);
    k->OnPositionChanged(old, &both, 1);
    // Its start moved with its shape; its end left its shape behind.
    EXPECT_NE(k->GetLeftConnection(), nullptr);
    EXPECT_EQ(k->GetRightConnection(), nullptr);
    EXPECT_FALSE(right->BeenConnectedBy(k));
    // Moved with the connector's own list only, the start goes too.
    ComponentList alone{k};
    old = k->GetRectF();
    k->Shift(10, 0);
    k->OnPositionChanged(old, &alone, 1);
    EXPECT_EQ(k->GetLeftConnection(), nullptr);
}

TEST_F(ConnectorFollowingTest, ShapesLeavingTheDocumentFreeTheEnds) {
    ASSERT_TRUE(doc.Remove(right));
    EXPECT_EQ(k->GetRightConnection(), nullptr);
    EXPECT_TRUE(right->GetConnectionList().isEmpty());
    delete right;
    // A shape deleted outright lets go too, and the connector outlives it safely.
    CQarnLayer* layer = left->GetLayer();
    layer->Remove(left);
    delete left;
    EXPECT_EQ(k->GetLeftConnection(), nullptr);
    // The removed connector leaves its shapes' lists.
    auto* shape = AddRect(RectF(0, 300, 50, 50));
    DropEnd(k, true, shape, PointF(50, 325));
    ASSERT_TRUE(shape->BeenConnectedBy(k));
    ASSERT_TRUE(doc.Remove(k));
    EXPECT_FALSE(shape->BeenConnectedBy(k));
    // Put back, it rests on the shape again.
    doc.AddTail(k);
    EXPECT_TRUE(shape->BeenConnectedBy(k));
    const RectF old = shape->GetRectF();
    shape->MoveTo(RectF(0, 310, 50, 50), 0);
    shape->OnPositionChanged(old, nullptr, 1);
    EXPECT_EQ(k->GetPoint(1, 0), PointF(50, 335));
    ASSERT_TRUE(doc.Remove(k));
    delete k;
}

TEST_F(ConnectorFollowingTest, ConnectorsRestingOnEachOtherFollowWithoutEndlessRecursion) {
    auto* second = AddConnector(PointF(100, 50), PointF(300, 80));
    // Each connector's end on the other's points.
    DropEnd(second, true, k, PointF(200, 50));
    DropEnd(k, false, second, PointF(300, 80));
    ASSERT_NE(second->GetLeftConnection(), nullptr);
    ASSERT_NE(k->GetRightConnection(), nullptr);
    const RectF old = left->GetRectF();
    left->MoveTo(RectF(0, 20, 100, 100), 0);
    left->OnPositionChanged(old, nullptr, 1);
    EXPECT_EQ(k->GetPoint(1, 0), PointF(100, 70));
    left->RecordlastPosition();
}

TEST_F(ConnectorScene, AFreePointOnAFlippedEllipseIsMirrored) {
    CQarnRect* ellipse = AddRect(RectF(0, 0, 100, 60), Qarn::kShapeEllipse);
    ellipse->SetAnchorAnyWhere(true);
    CQarnConnector* k = AddConnector(PointF(200, 200), PointF(20, 30));
    DropEnd(k, false, ellipse, PointF(20, 30));
    ASSERT_NE(k->GetRightConnection(), nullptr);
    EXPECT_EQ(k->GetRightConnection()->GetAnchor(), 0);
    EXPECT_EQ(k->GetRightConnection()->GetConnectPoint(), PointF(20, 30));
    const DWORD oldStyle = ellipse->GetStyle();
    ellipse->Flip(QARN_STYLE_HORIFLIP, ellipse->GetRotateCenter(), 0);
    ellipse->OnFlipped(oldStyle, nullptr, 4);
    EXPECT_TRUE(Near(k->GetPoint(k->GetPointCount(), 1), PointF(80, 30)));
    EXPECT_TRUE(Near(k->GetRightConnection()->GetConnectPoint(), PointF(80, 30)));
    // Sized, the free point keeps its place relative to the frame.
    const RectF old = ellipse->GetRectF();
    ellipse->MoveTo(RectF(0, 0, 200, 120), 0);
    ellipse->OnPositionChanged(old, nullptr, 2);
    EXPECT_TRUE(Near(k->GetPoint(k->GetPointCount(), 1), PointF(160, 60)))
        << testing::PrintToString(Points(k));
    EXPECT_TRUE(IsElbowRoute(Points(k)));
}
