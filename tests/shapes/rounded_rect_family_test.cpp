// The kinds with one inset kept in proportion: the rounded-rectangle family and the bevel.
#include <gtest/gtest.h>

#include <cstring>

#include "core/geometry_fixtures.h"
#include "platform/archive_exception.h"
#include "shapes/catalogue/bevel.h"
#include "shapes/catalogue/rounded_rect.h"
#include "shapes/catalogue_fixtures.h"
#include "shapes/shape_fixtures.h"

namespace {

const RectF kWide(10, 20, 200, 120);
// The same area, drawn from the bottom-right corner.
const RectF kMirrored(210, 140, -200, -120);

}  // namespace

TEST(RoundedRectFamilyTest, ThePolygonsAreCutByTheInset) {
    // The inset starts at a sixth of the shorter side: 20.
    ExpectPolygon(*MakeKind(18213, kWide), 0,
                  {{30, 20},
                   {190, 20},
                   {190, 40},
                   {210, 40},
                   {210, 120},
                   {190, 120},
                   {190, 140},
                   {30, 140},
                   {30, 120},
                   {10, 120},
                   {10, 40},
                   {30, 40}});
    ExpectPolygon(*MakeKind(18221, kWide), 0,
                  {{30, 20}, {190, 20}, {210, 80}, {190, 140}, {30, 140}, {10, 80}});
    ExpectPolygon(
        *MakeKind(18222, kWide), 0,
        {{30, 20}, {190, 20}, {210, 40}, {210, 120}, {190, 140}, {30, 140}, {10, 120}, {10, 40}});
}

TEST(RoundedRectFamilyTest, CornersBulgeOutOrBendInAndAMirroredFrameShowsTheSame) {
    for (const int id : {18213, 18221, 18222, 18230, 18239}) {
        SCOPED_TRACE(id);
        auto plain = MakeKind(id, kWide);
        auto mirrored = MakeKind(id, kMirrored);
        ExpectRectNear(OutlineBounds(*mirrored), OutlineBounds(*plain));
        for (float x = 12; x < 210; x += 7) {
            for (float y = 22; y < 140; y += 7) {
                EXPECT_EQ(Covers(*mirrored, PointF(x, y)), Covers(*plain, PointF(x, y)));
            }
        }
    }
    // A quarter circle of radius 20 about (30, 40) rounds the corner off...
    auto rounded = MakeKind(18230, kWide);
    EXPECT_TRUE(PassesThrough(*rounded, PointF(10, 40)));
    EXPECT_FALSE(Covers(*rounded, PointF(13, 23)));
    EXPECT_TRUE(Covers(*rounded, PointF(18, 28)));
    // ...and one about the corner itself cuts it out of the plaque.
    auto plaque = MakeKind(18239, kWide);
    EXPECT_FALSE(Covers(*plaque, PointF(20, 30)));
    EXPECT_TRUE(Covers(*plaque, PointF(28, 38)));
    EXPECT_TRUE(plaque->GetPath()->AllFiguresClosed());
}

TEST(RoundedRectFamilyTest, TheInsetStaysWithinHalfTheShorterSideAndKeepsItsProportion) {
    auto cross = MakeKind<CQarnShapeRoundedRect>(18213, kWide);
    cross->UpdateRotateCenter();
    EXPECT_NEAR(cross->GetAdjustRatio(), 1.0 / 6, 1e-9);
    cross->MoveHandleTo(9, PointF(500, 300), 0);
    ExpectPointNear(cross->GetFreeHandle(0), PointF(70, 20));
    cross->MoveHandleTo(9, PointF(40, -30), 0);
    EXPECT_NEAR(cross->GetAdjustRatio(), 0.25, 1e-6);
    // Twice the size: an inset of 60; stood on end: on the left edge at a quarter of the width.
    EXPECT_EQ(cross->MoveHandleTo(5, PointF(410, 260), 0), 1);
    ExpectPointNear(cross->GetFreeHandle(0), PointF(70, 20));
    EXPECT_EQ(cross->MoveTo(RectF(0, 0, 100, 300), MoveFlags::Outline), 1);
    ExpectPointNear(cross->GetFreeHandle(0), PointF(0, 25));
    EXPECT_NEAR(cross->GetAdjustRatio(), 0.25, 1e-6);
    // Dragged on a tall frame, the handle stays on the left edge.
    cross->MoveHandleTo(9, PointF(80, 400), 0);
    ExpectPointNear(cross->GetFreeHandle(0), PointF(0, 50));

    // The ratio is the last field of the record; one that is not a number ends the read.
    QByteArray bytes = WriteOne(cross.get());
    double stored = 0;
    std::memcpy(&stored, bytes.constData() + bytes.size() - 8, 8);
    EXPECT_DOUBLE_EQ(stored, 0.5);
    bytes.replace(bytes.size() - 8, 8, QByteArray::fromHex("000000000000f87f"));
    CArchive in(CArchive::load, &bytes);
    EXPECT_THROW(delete in.ReadObject(RUNTIME_CLASS(CQarnComponent)), CArchiveException);
}

TEST(BevelTest, AFaceInsetFromFourBordersWithTheLowerRightInShade) {
    auto bevel = MakeKind<CQarnShapeBevel>(18210, kWide);
    bevel->SetFillColor(Color(0xFFC80000u));
    bevel->ResetPath();
    ASSERT_EQ(bevel->GetElementCount(), 5);
    // Borders an eighth of the width wide.
    ExpectPolygon(*bevel, 2, {{35, 45}, {185, 45}, {185, 115}, {35, 115}});
    ExpectPolygon(*bevel, 3, {{185, 45}, {210, 20}, {210, 140}, {185, 115}});
    const QImage image = Render(*bevel, 0, nullptr, 220, 160);
    EXPECT_EQ(image.pixel(110, 80), 0xFFC80000u);   // the face
    EXPECT_EQ(image.pixel(110, 25), 0xFFC80000u);   // the top border
    EXPECT_EQ(image.pixel(205, 80), 0xFFA00000u);   // the right border, at 80 percent
    EXPECT_EQ(image.pixel(110, 135), 0xFFA00000u);  // the bottom border
    // The borders keep the width they were drawn with when the bevel is first sized.
    EXPECT_NEAR(bevel->GetAdjustRatio(), 25.0 / 120, 1e-6);
    bevel->UpdateRotateCenter();
    bevel->MoveHandleTo(5, PointF(410, 260), 0);
    ExpectPointNear(bevel->GetFreeHandle(0), PointF(60, 20));
    // A frame too flat for an eighth of its width gets borders of half its height.
    auto flat = MakeKind<CQarnShapeBevel>(18210, RectF(0, 0, 400, 40));
    ExpectPointNear(flat->GetFreeHandle(0), PointF(20, 0));
}
