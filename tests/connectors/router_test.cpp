#include <gtest/gtest.h>

#include "connector_fixtures.h"
#include "connectors/connector_router.h"

using Qarn::ConnectorEnd;
using Route = std::vector<PointF>;

namespace {

// An end on the middle of one side of a box, facing out of that side.
ConnectorEnd OnSide(const RectF& box, int direction) {
    ConnectorEnd end;
    end.connected = true;
    end.direction = direction;
    const float cx = box.X + box.Width / 2;
    const float cy = box.Y + box.Height / 2;
    switch (direction) {
        case 1:
            end.point = PointF(cx, box.Y);
            break;
        case 2:
            end.point = PointF(box.X + box.Width, cy);
            break;
        case 4:
            end.point = PointF(cx, box.Y + box.Height);
            break;
        default:
            end.point = PointF(box.X, cy);
            break;
    }
    end.toTop = end.point.Y - box.Y;
    end.toRight = box.X + box.Width - end.point.X;
    end.toBottom = box.Y + box.Height - end.point.Y;
    end.toLeft = end.point.X - box.X;
    return end;
}

ConnectorEnd Free(PointF p) {
    ConnectorEnd end;
    end.point = p;
    return end;
}

// The unit step of a leg as a direction code.
int LegDirection(const PointF& from, const PointF& to) {
    if (to.X > from.X) {
        return 2;
    }
    if (to.X < from.X) {
        return 8;
    }
    return to.Y < from.Y ? 1 : 4;
}

int Opposite(int direction) {
    switch (direction) {
        case 1:
            return 4;
        case 2:
            return 8;
        case 4:
            return 1;
        default:
            return 2;
    }
}

const RectF kBox(0, 0, 100, 100);

}  // namespace

TEST(ConnectorRouteTest, FreeEndsBendHalfwayAcrossTheLongerExtent) {
    EXPECT_EQ(Qarn::RouteConnector(Free({0, 0}), Free({100, 40})),
              (Route{{0, 0}, {50, 0}, {50, 40}, {100, 40}}));
    EXPECT_EQ(Qarn::RouteConnector(Free({0, 0}), Free({40, 100})),
              (Route{{0, 0}, {0, 50}, {40, 50}, {40, 100}}));
    // A square extent counts as vertical; a straight line still keeps its four points.
    EXPECT_EQ(Qarn::RouteFreeConnector({0, 0}, {60, 60}),
              (Route{{0, 0}, {0, 30}, {60, 30}, {60, 60}}));
    EXPECT_EQ(Qarn::RouteFreeConnector({0, 0}, {80, 0}).size(), 4u);
}

TEST(ConnectorRouteTest, OneAnchorLeavesAlongItsDirectionInEachOfTheFourDirections) {
    // Right: ahead and level enough for a midway leg, ahead but steep, and behind the edge.
    const ConnectorEnd right = OnSide(kBox, 2);
    EXPECT_EQ(Qarn::RouteConnector(right, Free({200, 70})),
              (Route{{100, 50}, {150, 50}, {150, 70}, {200, 70}}));
    EXPECT_EQ(Qarn::RouteConnector(right, Free({150, 300})),
              (Route{{100, 50}, {150, 50}, {150, 300}}));
    EXPECT_EQ(Qarn::RouteConnector(right, Free({50, 200})),
              (Route{{100, 50}, {130, 50}, {130, 130}, {50, 130}, {50, 200}}));
    EXPECT_EQ(Qarn::RouteConnector(right, Free({-50, -80})),
              (Route{{100, 50}, {130, 50}, {130, -30}, {-50, -30}, {-50, -80}}));
    // The same rules turned.
    EXPECT_EQ(Qarn::RouteConnector(OnSide(kBox, 1), Free({70, -100})),
              (Route{{50, 0}, {50, -50}, {70, -50}, {70, -100}}));
    EXPECT_EQ(Qarn::RouteConnector(OnSide(kBox, 8), Free({-100, 30})),
              (Route{{0, 50}, {-50, 50}, {-50, 30}, {-100, 30}}));
    EXPECT_EQ(Qarn::RouteConnector(OnSide(kBox, 4), Free({30, 200})),
              (Route{{50, 100}, {50, 150}, {30, 150}, {30, 200}}));
    EXPECT_EQ(Qarn::RouteConnector(OnSide(kBox, 4), Free({50, -60})),
              (Route{{50, 100}, {50, 130}, {130, 130}, {130, -60}, {50, -60}}));
}

TEST(ConnectorRouteTest, AnEndOnlyConnectorIsRoutedFromItsEnd) {
    const Route forward = Qarn::RouteConnector(OnSide(kBox, 2), Free({200, 70}));
    Route backward = Qarn::RouteConnector(Free({200, 70}), OnSide(kBox, 2));
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(backward, forward);
}

TEST(ConnectorRouteTest, FreePointConnectionsBendOnce) {
    ConnectorEnd a = Free({0, 0});
    a.connected = true;
    ConnectorEnd b = Free({80, 30});
    b.connected = true;
    EXPECT_EQ(Qarn::RouteConnector(a, b), (Route{{0, 0}, {80, 0}, {80, 30}}));
    b.point = PointF(80, 0);
    EXPECT_EQ(Qarn::RouteConnector(a, b), (Route{{0, 0}, {80, 0}}));
}

TEST(ConnectorRouteTest, FacingShapesGetAMiddleLegHalfwayBetweenTheirEdges) {
    const ConnectorEnd start = OnSide(kBox, 2);
    const ConnectorEnd end = OnSide(RectF(300, 30, 100, 100), 8);
    EXPECT_EQ(Qarn::RouteConnector(start, end),
              (Route{{100, 50}, {200, 50}, {200, 80}, {300, 80}}));
    // Turned a quarter: bottom side facing the top side of a shape below.
    const ConnectorEnd down = OnSide(kBox, 4);
    const ConnectorEnd up = OnSide(RectF(-40, 300, 100, 100), 1);
    EXPECT_EQ(Qarn::RouteConnector(down, up), (Route{{50, 100}, {50, 200}, {10, 200}, {10, 300}}));
}

TEST(ConnectorRouteTest, ShapesThatDoNotFaceAreGoneAroundThirtyUnitsOut) {
    // The end's left side lies behind the start's right side, the shapes one above the other:
    // out 30 on both sides, across through the gap between them.
    const ConnectorEnd start = OnSide(kBox, 2);
    const ConnectorEnd below = OnSide(RectF(0, 250, 100, 100), 8);
    EXPECT_EQ(Qarn::RouteConnector(start, below),
              (Route{{100, 50}, {130, 50}, {130, 175}, {-30, 175}, {-30, 300}, {0, 300}}));
    // Overlapping heights: over the top of both, 30 above the higher one.
    const ConnectorEnd beside = OnSide(RectF(60, 20, 100, 100), 8);
    EXPECT_EQ(Qarn::RouteConnector(start, beside),
              (Route{{100, 50}, {130, 50}, {130, -30}, {30, -30}, {30, 70}, {60, 70}}));
    // Both facing right: out past the further right edge.
    const ConnectorEnd alsoRight = OnSide(RectF(200, 150, 100, 100), 2);
    EXPECT_EQ(Qarn::RouteConnector(start, alsoRight),
              (Route{{100, 50}, {330, 50}, {330, 200}, {300, 200}}));
    // Both facing right with the end's shape straight ahead: around it, not through it.
    const Route blocked = Qarn::RouteConnector(start, OnSide(RectF(200, 0, 100, 100), 2));
    EXPECT_EQ(blocked, (Route{{100, 50}, {150, 50}, {150, -30}, {330, -30}, {330, 50}, {300, 50}}));
}

TEST(ConnectorRouteTest, AnEndFacingUpOrDownIsEnteredFromThatSide) {
    const ConnectorEnd start = OnSide(kBox, 2);
    EXPECT_EQ(Qarn::RouteConnector(start, OnSide(RectF(200, 200, 100, 100), 1)),
              (Route{{100, 50}, {250, 50}, {250, 200}}));
    ConnectorEnd lower = OnSide(RectF(0, 100, 100, 100), 2);
    EXPECT_EQ(Qarn::RouteConnector(lower, OnSide(RectF(200, -100, 100, 100), 4)),
              (Route{{100, 150}, {250, 150}, {250, 0}}));
}

// Every pair of directions at shapes all around: legs on the axes, at most six points, out
// along the start's direction and in against the end's.
TEST(ConnectorRouteTest, EveryDirectionPairLeavesAndEntersAlongTheAnchors) {
    const int directions[] = {1, 2, 4, 8};
    const float offsets[] = {-300, -140, -60, 0, 60, 140, 300};
    for (float ox : offsets) {
        for (float oy : offsets) {
            if (ox == 0 && oy == 0) {
                continue;
            }
            const RectF other(ox, oy, 100, 100);
            for (int ds : directions) {
                for (int de : directions) {
                    const ConnectorEnd s = OnSide(kBox, ds);
                    const ConnectorEnd e = OnSide(other, de);
                    const Route route = Qarn::RouteConnector(s, e);
                    SCOPED_TRACE(testing::Message()
                                 << "offset " << ox << "," << oy << " from " << ds << " to " << de);
                    ASSERT_TRUE(IsElbowRoute(route));
                    EXPECT_TRUE(Near(route.front(), s.point));
                    EXPECT_TRUE(Near(route.back(), e.point));
                    EXPECT_EQ(LegDirection(route[0], route[1]), ds);
                    EXPECT_EQ(LegDirection(route[route.size() - 2], route.back()), Opposite(de));
                }
            }
        }
    }
}
