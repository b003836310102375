#include <gtest/gtest.h>

#include <QTransform>

#include "platform/color.h"
#include "platform/crect.h"
#include "platform/matrix.h"
#include "platform/rect_f.h"

namespace {

void ExpectPointNear(const PointF& p, float x, float y) {
    EXPECT_NEAR(p.X, x, 1e-4f);
    EXPECT_NEAR(p.Y, y, 1e-4f);
}

}  // namespace

TEST(CRectTest, EdgesAreInsideOnTheLeftAndTopOnly) {
    CRect r(10, 20, 30, 40);
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 20);
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(30, 25)));
    EXPECT_FALSE(r.PtInRect(CPoint(15, 40)));
}

TEST(CRectTest, NormaliseSwapsEdgesAndCentreTruncatesTowardZero) {
    CRect r(10, 10, -5, -7);
    EXPECT_TRUE(r.IsRectEmpty());
    r.NormalizeRect();
    EXPECT_EQ(r, CRect(-5, -7, 10, 10));
    EXPECT_EQ(CRect(-3, -3, 0, 0).CenterPoint(), CPoint(-1, -1));
}

TEST(CRectTest, UnionIgnoresEmptyRectanglesAndIntersectionCanBeEmpty) {
    CRect u;
    u.UnionRect(CRect(0, 0, 10, 10), CRect(5, 5, 5, 5));
    EXPECT_EQ(u, CRect(0, 0, 10, 10));
    CRect i;
    EXPECT_FALSE(i.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(i.IsRectNull());
    EXPECT_TRUE(i.IntersectRect(CRect(0, 0, 10, 10), CRect(5, -5, 20, 5)));
    EXPECT_EQ(i, CRect(5, 0, 10, 5));
}

TEST(MatrixTest, PrependAppliesTheNewOperationFirst) {
    Matrix m;
    m.Translate(10, 0);
    m.Scale(2, 2);  // prepended: scale first, then translate
    ExpectPointNear(m.Map(PointF(1, 1)), 12, 2);

    Matrix a;
    a.Translate(10, 0);
    a.Scale(2, 2, MatrixOrderAppend);  // appended: translate first, then scale
    ExpectPointNear(a.Map(PointF(1, 1)), 22, 2);
}

TEST(MatrixTest, PositiveAnglesTurnClockwiseOnScreen) {
    Matrix m;
    m.Rotate(90);
    ExpectPointNear(m.Map(PointF(1, 0)), 0, 1);  // y grows downwards
    Matrix at;
    at.RotateAt(180, PointF(5, 5));
    ExpectPointNear(at.Map(PointF(0, 0)), 10, 10);
}

TEST(MatrixTest, InverseUndoesAndSingularMatrixRefuses) {
    Matrix m(2, 1, -1, 3, 4, 5);
    Matrix inv = m;
    ASSERT_EQ(inv.Invert(), Ok);
    PointF p = inv.Map(m.Map(PointF(7, -3)));
    ExpectPointNear(p, 7, -3);
    Matrix singular(1, 2, 2, 4, 0, 0);
    EXPECT_FALSE(singular.IsInvertible());
    EXPECT_EQ(singular.Invert(), InvalidParameter);
}

TEST(MatrixTest, ParallelogramMappingAndQtConventionAgree) {
    PointF destination[3] = {PointF(10, 10), PointF(30, 10), PointF(10, 50)};
    Matrix m(RectF(0, 0, 10, 20), destination);
    ExpectPointNear(m.Map(PointF(10, 20)), 30, 50);
    QPointF q = m.ToQTransform().map(QPointF(5, 5));
    PointF ours = m.Map(PointF(5, 5));
    EXPECT_FLOAT_EQ(float(q.x()), ours.X);
    EXPECT_FLOAT_EQ(float(q.y()), ours.Y);
}

TEST(ColorTest, ArgbWordAndColourReferences) {
    Color c(0x80, 0x12, 0x34, 0x56);
    EXPECT_EQ(c.GetValue(), 0x80123456u);
    EXPECT_EQ(c.ToCOLORREF(), 0x563412u);
    EXPECT_EQ(Color::FromCOLORREF(0x563412u).GetValue(), 0xFF123456u);
    EXPECT_EQ(Color().GetValue(), 0xFF000000u);  // opaque black by default
}

TEST(RectFTest, PredicatesFollowTheGraphicsLayer) {
    RectF r(0, 0, 10, 5);
    EXPECT_TRUE(r.Contains(0, 0));
    EXPECT_FALSE(r.Contains(10, 2));
    EXPECT_TRUE(RectF(0, 0, 0, 5).IsEmptyArea());
    RectF out;
    EXPECT_TRUE(RectF::Intersect(out, r, RectF(5, 2, 10, 10)));
    EXPECT_TRUE(out.Equals(RectF(5, 2, 5, 3)));
}
