// The banners of the catalogue: ribbon, curved ribbon, scrolls and waves.
#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <memory>

#include "core/geometry_fixtures.h"
#include "shapes/catalogue/curve_ribbon.h"
#include "shapes/catalogue/ribbon.h"
#include "shapes/catalogue/scroll.h"
#include "shapes/catalogue/wave.h"
#include "shapes/outline_checks.h"
#include "shapes/shape_fixtures.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"

namespace {

constexpr ARGB kFill = 0xFFC80000u;
constexpr ARGB kFoldFill = 0xFFA00000u;  // the fill at 80 percent
constexpr ARGB kWhite = 0xFFFFFFFFu;

template <class Shape>
std::unique_ptr<Shape> Create(int shapeId, const RectF& frame) {
    CQarnComponent* c = Qarn::CreateShape(shapeId, frame);
    auto* shape = dynamic_cast<Shape*>(c);
    EXPECT_NE(shape, nullptr) << shapeId;
    if (shape == nullptr) {
        delete c;
        return nullptr;
    }
    shape->SetFillColor(Color(kFill));
    shape->SetLineColor(Color(0xFF000000u));
    shape->UpdateRotateCenter();
    shape->ResetPath();
    return std::unique_ptr<Shape>(shape);
}

// The handle number of free handle k.
int FreeHandleNumber(const CQarnComponent& shape, int k) {
    for (const CQarnHandle& h : shape.GetShownHandles()) {
        if (h.kind == QarnHandleKind::Adjust && h.parameter == k) {
            return h.number;
        }
    }
    return 0;
}

// The free handles written after the base record: the count, the points and two zero words
// end the record of a kind that stores nothing of its own.
void ExpectRecordEndsWithTheFreeHandles(CQarnShapeBase& shape) {
    const QByteArray bytes = WriteOne(&shape);
    const int count = shape.GetFreeHandleCount();
    const int tail = 4 + 8 * count + 8;
    ASSERT_GT(bytes.size(), tail);
    const char* at = bytes.constData() + bytes.size() - tail;
    std::int32_t stored = 0;
    std::memcpy(&stored, at, 4);
    EXPECT_EQ(stored, count);
    for (int k = 0; k < count; ++k) {
        float xy[2];
        std::memcpy(xy, at + 4 + 8 * k, 8);
        EXPECT_EQ(xy[0], shape.GetFreeHandle(k).X);
        EXPECT_EQ(xy[1], shape.GetFreeHandle(k).Y);
    }
    EXPECT_EQ(bytes.right(8), QByteArray(8, '\0'));
}

}  // namespace

TEST(BannerShapesTest, EachBannerIdMakesItsKindWithItsHandlesAndName) {
    const RectF frame(10, 20, 200, 120);
    auto ribbon = Create<CQarnShapeRibbon>(Qarn::kShapeRibbon, frame);
    auto curved = Create<CQarnShapeCurveRibbon>(Qarn::kShapeCurveRibbon, frame);
    auto across = Create<CQarnShapeScroll>(Qarn::kShapeHorizontalScroll, frame);
    auto upright = Create<CQarnShapeScroll>(Qarn::kShapeVerticalScroll, frame);
    auto wave = Create<CQarnShapeWave>(Qarn::kShapeWave, frame);
    auto twice = Create<CQarnShapeWave>(Qarn::kShapeDoubleWave, frame);
    ASSERT_TRUE(ribbon && curved && across && upright && wave && twice);

    ExpectPointNear(ribbon->GetFreeHandle(0), PointF(60, 20));
    ExpectPointNear(ribbon->GetFreeHandle(1), PointF(110, 120));
    ExpectPointNear(curved->GetFreeHandle(0), PointF(60, 20));
    ExpectPointNear(curved->GetFreeHandle(1), PointF(110, 110));
    ExpectPointNear(curved->GetFreeHandle(2), PointF(10, 35));
    // Rolls an eighth of the shorter side thick, measured on the edge across them.
    EXPECT_TRUE(across->IsHorizontal());
    ExpectPointNear(across->GetFreeHandle(0), PointF(10, 35));
    EXPECT_FALSE(upright->IsHorizontal());
    ExpectPointNear(upright->GetFreeHandle(0), PointF(25, 20));
    EXPECT_FALSE(wave->IsDouble());
    EXPECT_TRUE(twice->IsDouble());
    ExpectPointNear(wave->GetFreeHandle(0), PointF(10, 26));
    ExpectPointNear(wave->GetFreeHandle(1), PointF(110, 140));

    // Eight sizing handles, then the free ones.
    EXPECT_EQ(ribbon->GetHandleCount(), 10);
    EXPECT_EQ(curved->GetHandleCount(), 11);
    EXPECT_EQ(across->GetHandleCount(), 9);

    const std::pair<CQarnComponent*, const char*> names[] = {{ribbon.get(), "Ribbon-7"},
                                                             {curved.get(), "CurveRibbon-7"},
                                                             {across.get(), "Scroll-7"},
                                                             {wave.get(), "Wave-7"},
                                                             {twice.get(), "Wave2-7"}};
    for (const auto& [shape, name] : names) {
        shape->SetID(7);
        EXPECT_EQ(shape->GetName(), QString::fromLatin1(name));
    }
}

TEST(BannerShapesTest, TheRibbonShowsAPanelNotchedEndsBelowAndDarkerFolds) {
    auto ribbon = Create<CQarnShapeRibbon>(Qarn::kShapeRibbon, RectF(0, 20, 200, 120));
    ASSERT_NE(ribbon, nullptr);
    // Ends, folds, panel; the ends hang 20 lower than the panel, which starts 50 in.
    ASSERT_EQ(ribbon->GetElementCount(), 5);
    EXPECT_EQ(ribbon->GetElement(2)->GetShade(), 80);
    EXPECT_EQ(ribbon->GetElement(4)->GetShade(), 100);
    ExpectRectNear(OutlineBounds(*ribbon), RectF(0, 20, 200, 120));
    const QImage image = Render(*ribbon);
    EXPECT_EQ(image.pixel(100, 30), kFill);       // the panel
    EXPECT_EQ(image.pixel(30, 30), kWhite);       // above the left end
    EXPECT_EQ(image.pixel(30, 45), kFill);        // the left end
    EXPECT_EQ(image.pixel(3, 90), kWhite);        // in the notch
    EXPECT_EQ(image.pixel(3, 135), kFill);        // the tail below the notch
    EXPECT_EQ(image.pixel(70, 125), kFoldFill);   // the left fold under the panel's corner
    EXPECT_EQ(image.pixel(130, 125), kFoldFill);  // the right fold
    EXPECT_EQ(image.pixel(100, 130), kWhite);     // below the panel between the folds
    EXPECT_EQ(OutlineChecks::SelfCrossingFigures(*ribbon->GetPath()), 0);

    // A frame mirrored top to bottom draws the same ribbon upside down.
    auto flipped = Create<CQarnShapeRibbon>(Qarn::kShapeRibbon, RectF(0, 140, 200, -120));
    const QImage upside = Render(*flipped);
    for (const auto& [x, y] : {std::pair{100, 30}, {30, 30}, {3, 90}, {70, 125}, {100, 130}}) {
        EXPECT_EQ(upside.pixel(x, 160 - y), image.pixel(x, y)) << x << ", " << y;
    }
}

TEST(BannerShapesTest, RibbonHandlesKeepToThePanelsStartAndTheDropOfTheEnds) {
    auto ribbon = Create<CQarnShapeRibbon>(Qarn::kShapeRibbon, RectF(0, 0, 200, 120));
    const int inset = FreeHandleNumber(*ribbon, 0);
    const int drop = FreeHandleNumber(*ribbon, 1);
    // Along the top edge, an eighth to three eighths of the width in.
    ribbon->MoveHandleTo(inset, PointF(-50, 60), 0);
    ExpectPointNear(ribbon->GetFreeHandle(0), PointF(25, 0));
    ribbon->MoveHandleTo(inset, PointF(150, 60), 0);
    ExpectPointNear(ribbon->GetFreeHandle(0), PointF(75, 0));
    // On the middle line, from half the height to the foot.
    ribbon->MoveHandleTo(drop, PointF(0, 10), 0);
    ExpectPointNear(ribbon->GetFreeHandle(1), PointF(100, 60));
    ribbon->MoveHandleTo(drop, PointF(0, 500), 0);
    ExpectPointNear(ribbon->GetFreeHandle(1), PointF(100, 120));
    // Without a drop the ends stand level with the panel, and the outline stays sound.
    EXPECT_EQ(OutlineChecks::OutlineFault(*ribbon), "");
    ExpectRectNear(OutlineBounds(*ribbon), RectF(0, 0, 200, 120));

    // A record whose handles lie anywhere still draws within the frame.
    ribbon->SetFreeHandle(PointF(-1e6f, 1e6f), 0);
    ribbon->SetFreeHandle(PointF(1e6f, -1e6f), 1);
    EXPECT_EQ(OutlineChecks::OutlineFault(*ribbon), "");
}

TEST(BannerShapesTest, TheCurvedRibbonArchesAndItsSinkKeepsTheDrop) {
    auto curved = Create<CQarnShapeCurveRibbon>(Qarn::kShapeCurveRibbon, RectF(0, 0, 200, 120));
    ASSERT_NE(curved, nullptr);
    ExpectRectNear(OutlineBounds(*curved), RectF(0, 0, 200, 120), 0.05f);
    const QImage image = Render(*curved);
    // The middle of the panel reaches the top; the outer ends sink by the sag (15).
    EXPECT_EQ(image.pixel(100, 1), kFill);
    EXPECT_EQ(image.pixel(20, 20), kWhite);
    EXPECT_EQ(image.pixel(20, 35), kFill);
    EXPECT_EQ(image.pixel(100, 100), kWhite);  // under the panel's middle, between the folds

    // The panel's foot (handle 2) stands at 90, 15 above the ends' bottom there. Sinking the
    // ends to 40 takes the foot along so they still hang 15 below it.
    const int sag = FreeHandleNumber(*curved, 2);
    curved->MoveHandleTo(sag, PointF(0, 40), 0);
    ExpectPointNear(curved->GetFreeHandle(2), PointF(0, 40));
    ExpectPointNear(curved->GetFreeHandle(1), PointF(100, 65));
    // Past the deepest sink (half the height) the handle stops there.
    curved->MoveHandleTo(sag, PointF(0, 400), 0);
    ExpectPointNear(curved->GetFreeHandle(2), PointF(0, 60));
    EXPECT_EQ(OutlineChecks::OutlineFault(*curved), "");
    // The drop is at most half the band: the foot at least halfway down it.
    const int drop = FreeHandleNumber(*curved, 1);
    curved->MoveHandleTo(drop, PointF(100, -100), 0);
    ExpectPointNear(curved->GetFreeHandle(1), PointF(100, 30));
    EXPECT_EQ(OutlineChecks::OutlineFault(*curved), "");
}

TEST(BannerShapesTest, ScrollsRollAlongTheEdgesTheirOrientationNames) {
    auto across = Create<CQarnShapeScroll>(Qarn::kShapeHorizontalScroll, RectF(0, 0, 200, 160));
    auto upright = Create<CQarnShapeScroll>(Qarn::kShapeVerticalScroll, RectF(0, 0, 200, 160));
    ASSERT_TRUE(across && upright);
    // Rolls 20 thick (an eighth of 160): sheet, top roll and its curl, bottom roll and curl.
    ASSERT_EQ(across->GetElementCount(), 5);
    EXPECT_EQ(across->GetElement(2)->GetShade(), CQarnShapeScroll::kCurlShade);
    const QImage h = Render(*across);
    EXPECT_EQ(h.pixel(100, 10), kFill);      // the top roll, across the whole width
    EXPECT_EQ(h.pixel(2, 10), kFill);        // its rounded left end
    EXPECT_EQ(h.pixel(190, 10), kFoldFill);  // its curl at the right
    EXPECT_EQ(h.pixel(10, 150), kFoldFill);  // the bottom roll's curl at the left
    EXPECT_EQ(h.pixel(5, 80), kWhite);       // beside the sheet
    EXPECT_EQ(h.pixel(100, 80), kFill);      // the sheet
    const QImage v = Render(*upright);
    EXPECT_EQ(v.pixel(10, 80), kFill);       // the left roll, down the whole height
    EXPECT_EQ(v.pixel(10, 150), kFoldFill);  // its curl at the bottom
    EXPECT_EQ(v.pixel(100, 5), kWhite);      // above the sheet
    EXPECT_EQ(v.pixel(100, 80), kFill);

    // The rolls are at most a quarter of the shorter side thick.
    across->MoveHandleTo(FreeHandleNumber(*across, 0), PointF(50, 300), 0);
    ExpectPointNear(across->GetFreeHandle(0), PointF(0, 40));
    // Sizing the frame to half its height keeps the rolls within the new range.
    across->MoveHandleTo(6, PointF(100, 80), 0);
    ExpectPointNear(across->GetFreeHandle(0), PointF(0, 20));
    EXPECT_EQ(OutlineChecks::OutlineFault(*across), "");
    // Turning the rolls upright keeps their thickness on the other edge.
    across->SetHorizontal(false);
    ExpectPointNear(across->GetFreeHandle(0), PointF(20, 0));
}

TEST(BannerShapesTest, AScrollsRecordIsTheBaseRecordAndItsOrientationFollowsTheId) {
    auto upright = Create<CQarnShapeScroll>(Qarn::kShapeVerticalScroll, RectF(0, 0, 200, 160));
    ASSERT_NE(upright, nullptr);
    ExpectRecordEndsWithTheFreeHandles(*upright);
    const QByteArray bytes = WriteOne(upright.get());
    auto back = ReadOne<CQarnShapeScroll>(bytes);
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->IsHorizontal());
    EXPECT_EQ(WriteOne(back.get()), bytes);
    // The id decides: stored as a horizontal scroll, it reads back horizontal.
    upright->SetShapeID(Qarn::kShapeHorizontalScroll);
    auto turned = ReadOne<CQarnShapeScroll>(WriteOne(upright.get()));
    ASSERT_NE(turned, nullptr);
    EXPECT_TRUE(turned->IsHorizontal());
    EXPECT_TRUE(upright->IsHorizontal());  // writing derives it too
}

TEST(BannerShapesTest, WavesRunOneOrTwoPeriodsAndTheirBottomSlides) {
    auto wave = Create<CQarnShapeWave>(Qarn::kShapeWave, RectF(0, 0, 200, 100));
    auto twice = Create<CQarnShapeWave>(Qarn::kShapeDoubleWave, RectF(0, 0, 200, 100));
    ASSERT_TRUE(wave && twice);
    // Four Bezier quarters a period on each edge, two lines and the start.
    EXPECT_EQ(wave->GetPath()->GetPointCount(), 1 + 12 + 1 + 12);
    EXPECT_EQ(twice->GetPath()->GetPointCount(), 1 + 24 + 1 + 24);
    // The wave is 5 high (a twentieth): a quarter along both edges are at their crest, three
    // quarters along at their trough, 10 lower.
    const QImage image = Render(*wave);
    EXPECT_EQ(image.pixel(50, 2), kFill);
    EXPECT_EQ(image.pixel(150, 6), kWhite);
    EXPECT_EQ(image.pixel(150, 12), kFill);
    EXPECT_EQ(image.pixel(50, 88), kFill);
    EXPECT_EQ(image.pixel(50, 92), kWhite);
    EXPECT_EQ(image.pixel(150, 97), kFill);

    // The bottom slides a quarter of the width at most; the top gives way the other way.
    wave->MoveHandleTo(FreeHandleNumber(*wave, 1), PointF(500, 0), 0);
    ExpectPointNear(wave->GetFreeHandle(1), PointF(150, 100));
    const QImage slid = Render(*wave);
    EXPECT_EQ(slid.pixel(5, 90), kWhite);  // the bottom starts 100 in
    EXPECT_EQ(slid.pixel(105, 90), kFill);
    EXPECT_EQ(slid.pixel(195, 10), kWhite);  // the top ends 100 short
    EXPECT_EQ(slid.pixel(15, 10), kFill);    // inside the slanted left end
    // At most a fifth of the height high; the edges never meet.
    wave->MoveHandleTo(FreeHandleNumber(*wave, 0), PointF(0, 500), 0);
    ExpectPointNear(wave->GetFreeHandle(0), PointF(0, 20));
    EXPECT_EQ(OutlineChecks::OutlineFault(*wave), "");
}

TEST(BannerShapesTest, AWavesRecordIsTheBaseRecordAndWhichWaveFollowsTheId) {
    auto twice = Create<CQarnShapeWave>(Qarn::kShapeDoubleWave, RectF(5, 5, 90, 60));
    ASSERT_NE(twice, nullptr);
    ExpectRecordEndsWithTheFreeHandles(*twice);
    twice->SetShapeID(Qarn::kShapeWave);
    auto single = ReadOne<CQarnShapeWave>(WriteOne(twice.get()));
    ASSERT_NE(single, nullptr);
    EXPECT_FALSE(single->IsDouble());
    // Any other id than the single wave's reads as the double wave.
    single->SetShapeID(Qarn::kShapeRibbon);
    auto other = ReadOne<CQarnShapeWave>(WriteOne(single.get()));
    EXPECT_TRUE(other->IsDouble());
    // A record with another number of free handles ends the read.
    auto ribbon = Create<CQarnShapeRibbon>(Qarn::kShapeRibbon, RectF(0, 0, 10, 10));
    ExpectRecordEndsWithTheFreeHandles(*ribbon);
    ExpectRecordEndsWithTheFreeHandles(
        *Create<CQarnShapeCurveRibbon>(Qarn::kShapeCurveRibbon, RectF(0, 0, 10, 10)));
}

namespace {

// A kind whose second element lies on the first, as the eyes of a face lie on its head.
class CDiscOnSquare : public CQarnShapeBase {
public:
    explicit CDiscOnSquare(const RectF& rect) : CQarnShapeBase(rect, 0) {}

protected:
    void BuildFigures(Figures& figures) const override {
        figures.emplace_back().path.AddRectangle(RectF(0, 0, 100, 100));
        Figure& disc = figures.emplace_back();
        disc.path.AddEllipse(RectF(30, 30, 40, 40));
        disc.shade = 80;
    }
};

}  // namespace

TEST(BannerShapesTest, AnElementDrawnOnAnotherIsHitThoughTheCombinedOutlineHasAHole) {
    CDiscOnSquare shape(RectF(0, 0, 100, 100));
    shape.UpdateRotateCenter();
    shape.ResetPath();
    // The combined outline leaves the disc out under the alternate rule.
    EXPECT_FALSE(shape.GetPath()->IsVisible(PointF(50, 50)));
    EXPECT_TRUE(shape.HitTest(PointF(50, 50), 0));
    EXPECT_TRUE(shape.HitTest(PointF(10, 10), 0));
    EXPECT_FALSE(shape.HitTest(PointF(110, 50), 1));
    // Turned, the disc is hit where it shows; unfilled, only along the outlines.
    shape.RotateAt(45, PointF(50, 50), 0);
    EXPECT_TRUE(shape.HitTest(PointF(60, 60), 0));
    EXPECT_FALSE(shape.HitTest(PointF(95, 95), 1));
    shape.SetFill(false);
    shape.ResetPath();
    EXPECT_FALSE(shape.HitTest(PointF(55, 55), 1));
}
