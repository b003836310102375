#include <gtest/gtest.h>

#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>

#include "platform/path_union.h"
#include "support/cpu_clock.h"

namespace {

// The band of a stroke of that width around the points.
QPainterPath Band(const QPolygonF& points, double width) {
    QPainterPath line;
    line.addPolygon(points);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPolygonF Tangle(int n) {
    QPolygonF points;
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * M_PI * (double(i) * 0.4999);
        points << QPointF(400 + 350 * std::cos(a), 400 + 350 * std::sin(a));
    }
    return points;
}

}  // namespace

TEST(PathUnionTest, ASmallBandIsMergedIntoItsOuterEdge) {
    // A zigzag whose band overlaps itself at every turn.
    const QPainterPath band = Band(QPolygonF{{0, 0}, {100, 10}, {0, 20}, {100, 30}}, 10);
    ASSERT_TRUE(PathUnion::Affordable(band));
    const QPainterPath merged = PathUnion::Merge(band);
    EXPECT_EQ(merged.fillRule(), Qt::WindingFill);
    EXPECT_EQ(merged.toSubpathPolygons().size(), 1);
    EXPECT_LT(merged.elementCount(), band.elementCount());
    for (const QPointF& p : {QPointF(50, 5), QPointF(0, 0), QPointF(100, 30)}) {
        EXPECT_TRUE(merged.contains(p));
    }
    EXPECT_FALSE(merged.contains(QPointF(30, 30)));
}

TEST(PathUnionTest, ATangledBandIsKeptAsItIsAtOnce) {
    for (const int n : {200, 65535}) {
        const QPainterPath band = Band(Tangle(n), 10);
        CpuClock clock;
        EXPECT_FALSE(PathUnion::Affordable(band)) << n;
        const QPainterPath kept = PathUnion::Merge(band);
        EXPECT_LT(clock.elapsed(), 1000) << n;
        EXPECT_EQ(kept.elementCount(), band.elementCount());
        EXPECT_EQ(kept.fillRule(), Qt::WindingFill);
    }
}
