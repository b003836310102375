// The example kinds of the catalogue: the star and the cube.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "core/element.h"
#include "core/geometry_fixtures.h"
#include "platform/archive_exception.h"
#include "shapes/catalogue/cube.h"
#include "shapes/catalogue/star.h"
#include "shapes/shape_fixtures.h"
#include "shapes/shape_registry.h"

namespace {

constexpr double kHalfRoot2 = 0.70710678118654752;

// The outline's points, as built.
std::vector<PointF> Points(CQarnComponent& c) {
    c.ResetPath();
    return c.GetPath() != nullptr ? c.GetPath()->Points() : std::vector<PointF>();
}

double Distance(const PointF& a, const PointF& b) {
    return std::hypot(double(a.X) - b.X, double(a.Y) - b.Y);
}

template <class Shape>
std::unique_ptr<Shape> Create(int shapeId, const RectF& frame) {
    CQarnComponent* c = Qarn::CreateShape(shapeId, frame);
    auto* shape = dynamic_cast<Shape*>(c);
    EXPECT_NE(shape, nullptr) << shapeId;
    if (shape == nullptr) {
        delete c;
    }
    return std::unique_ptr<Shape>(shape);
}

}  // namespace

TEST(StarTest, EachStarCommandMakesAStarOfItsPoints) {
    const std::pair<int, int> kinds[] = {{18290, 4},  {18291, 5},  {18326, 8},
                                         {18295, 12}, {18293, 16}, {18294, 24}};
    for (const auto& [id, points] : kinds) {
        auto star = Create<CQarnShapeStar>(id, RectF(0, 0, 100, 100));
        ASSERT_NE(star, nullptr);
        EXPECT_EQ(star->GetPointCount(), points) << id;
        EXPECT_EQ(Points(*star).size(), size_t(2 * points)) << id;
        star->SetID(3);
        EXPECT_EQ(star->GetName(), QStringLiteral("Star-3"));
    }
}

TEST(StarTest, TheFreeHandleSetsHowDeepThePointsAreCut) {
    CQarnShapeStar star(RectF(0, 0, 200, 100));
    star.SetPointCount(4);
    const PointF centre(100, 50);
    // By default the inner vertices lie 0.41412 of the way out.
    std::vector<PointF> p = Points(star);
    ASSERT_EQ(p.size(), 8u);
    ExpectPointNear(p[0], PointF(100, 0));  // the first point at the top
    EXPECT_NEAR(Distance(p[1], centre) /
                    Distance(PointF(100 + 100 * kHalfRoot2, 50 - 50 * kHalfRoot2), centre),
                0.41412, 1e-3);
    // On the centre: a cross of lines, every inner vertex on the centre.
    star.SetFreeHandle(centre, 0);
    p = Points(star);
    for (size_t i = 1; i < p.size(); i += 2) {
        ExpectPointNear(p[i], centre);
    }
    // On the left edge: every vertex on the ellipse.
    star.SetFreeHandle(PointF(0, 50), 0);
    for (const PointF& v : Points(star)) {
        const double dx = (v.X - 100) / 100.0;
        const double dy = (v.Y - 50) / 50.0;
        EXPECT_NEAR(dx * dx + dy * dy, 1.0, 1e-4);
    }
    EXPECT_TRUE(star.GetPath()->AllFiguresClosed());
}

TEST(StarTest, TheRecordKeepsThePointsAndRefusesImpossibleStars) {
    CQarnShapeStar star(RectF(10, 20, 60, 40));
    star.SetPointCount(12);
    const QByteArray bytes = WriteOne(&star);
    auto back = ReadOne<CQarnShapeStar>(bytes);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetPointCount(), 12);
    for (const char* count : {"00000000", "ffffff7f"}) {
        QByteArray bad = bytes;
        bad.replace(bad.size() - 4, 4, QByteArray::fromHex(count));
        CArchive in(CArchive::load, &bad);
        EXPECT_THROW(delete in.ReadObject(RUNTIME_CLASS(CQarnComponent)), CArchiveException);
    }
}

TEST(CubeTest, TheDepthHandleLiesOnTheLongerSidesEdgeAndKeepsItsFraction) {
    CQarnShapeCube wide(RectF(0, 0, 200, 100));
    ExpectPointNear(wide.GetFreeHandle(0), PointF(0, 25));
    // Dragged anywhere, it stays on the left edge; the depth is a fraction of the height.
    wide.UpdateRotateCenter();
    EXPECT_EQ(wide.MoveHandleTo(9, PointF(70, 40), 0), 1);
    ExpectPointNear(wide.GetFreeHandle(0), PointF(0, 40));
    EXPECT_NEAR(wide.GetAdjustRatio(), 0.4, 1e-6);

    // Taller than wide, it stays on the top edge.
    CQarnShapeCube tall(RectF(0, 0, 100, 200));
    ExpectPointNear(tall.GetFreeHandle(0), PointF(25, 0));
    tall.UpdateRotateCenter();
    tall.MoveHandleTo(9, PointF(120, 70), 0);
    ExpectPointNear(tall.GetFreeHandle(0), PointF(100, 0));
    EXPECT_NEAR(tall.GetAdjustRatio(), 1.0, 1e-6);

    // Sized half as high, the handle keeps 0.4 of the new height; made taller than wide, it
    // moves onto the top edge at the same fraction.
    EXPECT_EQ(wide.MoveHandleTo(6, PointF(100, 50), 0), 1);
    ExpectPointNear(wide.GetFreeHandle(0), PointF(0, 20));
    EXPECT_EQ(wide.MoveHandleTo(6, PointF(100, 400), 0), 1);
    ExpectPointNear(wide.GetFreeHandle(0), PointF(80, 0));
}

TEST(CubeTest, ThreeFacesWithTheSideDrawnDarker) {
    auto cube = Create<CQarnShapeCube>(18214, RectF(20, 20, 160, 120));
    ASSERT_NE(cube, nullptr);
    cube->SetID(4);
    EXPECT_EQ(cube->GetName(), QStringLiteral("Cube-4"));
    cube->SetFillColor(Color(0xFFC80000u));
    cube->SetLineColor(Color(0xFF000000u));
    cube->ResetPath();
    ASSERT_EQ(cube->GetElementCount(), 3);
    EXPECT_EQ(cube->GetElement(0)->GetShade(), 100);
    EXPECT_EQ(cube->GetElement(2)->GetShade(), CQarnShapeCube::kSideShade);
    // Depth 30 (a quarter of the height): the front from (20, 50) to (150, 140).
    ExpectRectNear(OutlineBounds(*cube), RectF(20, 20, 160, 120));
    const QImage image = Render(*cube);
    EXPECT_EQ(image.pixel(80, 100), 0xFFC80000u);  // the front
    EXPECT_EQ(image.pixel(170, 90), 0xFFA00000u);  // the side, at 80 percent
    EXPECT_EQ(image.pixel(100, 30), 0xFFC80000u);  // the top
    EXPECT_EQ(image.pixel(30, 25), 0xFFFFFFFFu);   // cut off by the top face's slant
}

TEST(CubeTest, TheRecordAndClonesKeepTheRatio) {
    CQarnShapeCube cube(RectF(0, 0, 200, 100));
    cube.UpdateRotateCenter();
    cube.MoveHandleTo(9, PointF(0, 10), 0);
    const QByteArray bytes = WriteOne(&cube);
    double ratio = 0;
    std::memcpy(&ratio, bytes.constData() + bytes.size() - 8, 8);
    EXPECT_DOUBLE_EQ(ratio, 0.1);
    std::unique_ptr<CQarnShapeCube> clone(static_cast<CQarnShapeCube*>(cube.Clone(nullptr)));
    EXPECT_EQ(WriteOne(clone.get()), bytes);
}
