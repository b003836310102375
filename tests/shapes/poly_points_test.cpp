// The point list of a poly: appending, inserting, removing, moving and the connections that
// rest on its points.
#include <gtest/gtest.h>

#include <map>

#include "core/connection_link.h"
#include "shapes/poly.h"
#include "shapes/poly_fixtures.h"

namespace {

// Connections are opaque: the link keeps the anchor number of each.
struct AnchorLink : CQarnConnectionLink {
    std::map<CQarnConnection*, int> anchors;
    int GetAnchorIndex(CQarnConnection* c) const override { return anchors.at(c); }
    void SetAnchorIndex(CQarnConnection* c, int anchor) override { anchors[c] = anchor; }
};

struct AnchorLinkScope {
    AnchorLink link;
    AnchorLinkScope() { CQarnConnectionLink::Set(&link); }
    ~AnchorLinkScope() { CQarnConnectionLink::Set(nullptr); }
};

}  // namespace

TEST(PolyPointsTest, AppendingSkipsARepeatedLastPointAndGrowsByTen) {
    CQarnPoly poly;
    poly.AddPoint(PointF(1, 1));
    poly.AddPoint(PointF(1.00005f, 0.99995f));
    EXPECT_EQ(poly.GetPointCount(), 1);
    poly.AddPoint(PointF(1.0002f, 1));
    EXPECT_EQ(poly.GetPointCount(), 2);

    CQarnPoly eleven;
    for (int i = 0; i < 11; ++i) {
        eleven.AddPoint(CPoint(i, 2 * i));
        EXPECT_EQ(eleven.GetAllocPoints(), i < 10 ? 10 : 20);
    }
    EXPECT_EQ(eleven.GetPointCount(), 11);
    EXPECT_POINT_NEAR(eleven.GetPoint(11, 0), 10, 20, 0);
    // A repeat that is not the last point is a point of its own.
    eleven.AddPoint(PointF(0, 0));
    EXPECT_EQ(eleven.GetPointCount(), 12);
}

TEST(PolyPointsTest, InsertingAtTheEndsAndInTheMiddle) {
    auto poly = MakePoly({{0, 0}, {10, 0}, {20, 0}});
    poly->AddPointAt(1, PointF(-10, 0));
    poly->AddPointAt(3, PointF(5, 5));
    poly->AddPointAt(poly->GetPointCount() + 1, PointF(30, 0));
    const std::vector<PointF> points = PointsOf(*poly);
    const std::vector<PointF> expected = {{-10, 0}, {0, 0}, {5, 5}, {10, 0}, {20, 0}, {30, 0}};
    ASSERT_EQ(points.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_POINT_NEAR(points[i], expected[i].X, expected[i].Y, 0);
    }
    // Out of range changes nothing.
    poly->AddPointAt(0, PointF(9, 9));
    poly->AddPointAt(8, PointF(9, 9));
    EXPECT_EQ(poly->GetPointCount(), 6);
}

TEST(PolyPointsTest, InsertingAPointEqualToTheLastKeepsEveryPoint) {
    auto poly = MakePoly({{0, 0}, {10, 0}, {20, 5}});
    poly->AddPointAt(2, PointF(20, 5));
    const std::vector<PointF> points = PointsOf(*poly);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_POINT_NEAR(points[1], 20, 5, 0);
    EXPECT_POINT_NEAR(points[2], 10, 0, 0);
    EXPECT_POINT_NEAR(points[3], 20, 5, 0);
    // At the very end the repeat means nothing and is dropped, as when appending.
    poly->AddPointAt(5, PointF(20, 5));
    EXPECT_EQ(poly->GetPointCount(), 4);
}

TEST(PolyPointsTest, RemovingFirstMiddleAndLastClosesTheGap) {
    auto poly = MakePoly({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
    poly->RemovePointAt(1);
    poly->RemovePointAt(2);
    poly->RemovePointAt(poly->GetPointCount());
    const std::vector<PointF> points = PointsOf(*poly);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_POINT_NEAR(points[0], 1, 0, 0);
    EXPECT_POINT_NEAR(points[1], 3, 0, 0);
    poly->RemovePointAt(0);
    poly->RemovePointAt(3);
    EXPECT_EQ(poly->GetPointCount(), 2);
    EXPECT_EQ(poly->GetAllocPoints(), 10);
}

TEST(PolyPointsTest, StorageSettersKeepTheCountWithinTheAllocation) {
    CQarnPoly poly;
    poly.SetPointArray({{1, 2}, {3, 4}, {5, 6}});
    poly.SetPointCount(7);
    EXPECT_EQ(poly.GetPointCount(), 3);
    poly.SetAllocPoints(1);
    EXPECT_EQ(poly.GetAllocPoints(), 3);
    poly.SetPointCount(2);
    poly.SetPointArray({{9, 9}});
    EXPECT_EQ(poly.GetPointCount(), 1);

    // Room is made only for more points than there is room for, and the count follows.
    poly.AllocatePoint(1);
    EXPECT_EQ(poly.GetAllocPoints(), 1);
    EXPECT_POINT_NEAR(poly.GetPoint(1, 0), 9, 9, 0);
    poly.SetPointCount(5);
    poly.AllocatePoint(5);
    EXPECT_EQ(poly.GetAllocPoints(), 5);
    EXPECT_EQ(poly.GetPointCount(), 5);
    EXPECT_POINT_NEAR(poly.GetPoint(1, 0), 0, 0, 0);
    poly.ClearPoint();
    EXPECT_EQ(poly.GetPointCount(), 0);
    EXPECT_EQ(poly.GetAllocPoints(), 0);
}

TEST(PolyPointsTest, PointsThroughTheTransformAndBack) {
    auto poly = MakePoly({{0, 0}, {100, 0}, {100, 50}});
    poly->SetRotateAngle(90);
    // Turned a quarter clockwise about the centre (50, 25).
    EXPECT_POINT_NEAR(poly->GetPoint(1, 1), 75, -25, 1e-3);
    EXPECT_POINT_NEAR(poly->GetPoint(1, 0), 0, 0, 0);
    poly->SetPoint(2, PointF(75, -25), 1);
    EXPECT_POINT_NEAR(poly->GetPoint(2, 0), 0, 0, 1e-3);
    poly->SetPoint(9, PointF(1, 1), 0);
    EXPECT_POINT_NEAR(poly->GetPoint(9, 0), 0, 0, 0);
}

TEST(PolyPointsTest, MovingAPointRecomputesTheFrameOnlyWhenItMoves) {
    auto poly = MakePoly({{0, 0}, {100, 0}, {100, 50}});
    GraphicsPath* before = nullptr;
    poly->ResetPath();
    before = poly->GetPath();
    EXPECT_EQ(poly->MovePointTo(3, PointF(100.00005f, 50), 0), 0);
    EXPECT_EQ(poly->GetPath(), before);
    EXPECT_EQ(poly->MovePointTo(3, PointF(120, 80), 0), 1);
    EXPECT_RECT_NEAR(poly->GetRectF(), 0, 0, 120, 80, 0);
    EXPECT_EQ(poly->MovePointTo(4, PointF(1, 1), 0), 0);
}

TEST(PolyPointsTest, PointListsWriteAndReadBackInOrder) {
    auto poly = MakePoly({{0, 0}, {1, 1}, {2, 2}});
    QList<PointF> list;
    poly->WritePointsToList(list);
    poly->WritePointsToList(list);
    ASSERT_EQ(list.size(), 6);
    list[3] = PointF(7, 7);
    POSITION position = 4;
    poly->ReadPointsFromList(list, position);
    EXPECT_POINT_NEAR(poly->GetPoint(1, 0), 7, 7, 0);
    EXPECT_POINT_NEAR(poly->GetPoint(3, 0), 2, 2, 0);
    EXPECT_EQ(position, 0);
    // A short list overwrites only what it has.
    poly->ReadPointsFromList(QList<PointF>{PointF(5, 5)});
    EXPECT_POINT_NEAR(poly->GetPoint(1, 0), 5, 5, 0);
    EXPECT_POINT_NEAR(poly->GetPoint(2, 0), 1, 1, 0);
}

TEST(PolyPointsTest, ConnectionsFollowTheirVertexWhenPointsComeAndGo) {
    AnchorLinkScope scope;
    int a = 0;
    int b = 0;
    int c = 0;
    auto* first = reinterpret_cast<CQarnConnection*>(&a);
    auto* third = reinterpret_cast<CQarnConnection*>(&b);
    auto* fourth = reinterpret_cast<CQarnConnection*>(&c);
    scope.link.anchors = {{first, 1}, {third, 3}, {fourth, 4}};
    auto poly = MakePoly({{0, 0}, {1, 0}, {2, 0}, {3, 0}});
    poly->AddConnection(first);
    poly->AddConnection(third);
    poly->AddConnection(fourth);

    poly->AddPointAt(3, PointF(1.5f, 1));
    poly->OnAddPoint(3);
    EXPECT_EQ(scope.link.anchors[first], 1);
    EXPECT_EQ(scope.link.anchors[third], 4);
    EXPECT_EQ(scope.link.anchors[fourth], 5);

    poly->RemovePointAt(2);
    poly->OnDeletePoint(2);
    EXPECT_EQ(scope.link.anchors[first], 1);
    EXPECT_EQ(scope.link.anchors[third], 3);
    EXPECT_EQ(scope.link.anchors[fourth], 4);
}
