// The handles each kind of shape describes: kinds, numbers, places as shown, cursors and
// tracker marks.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/geometry_fixtures.h"
#include "platform/dc.h"
#include "shapes/arc_pie.h"
#include "shapes/point.h"
#include "shapes/poly.h"
#include "shapes/poly_fixtures.h"
#include "shapes/rect.h"
#include "shapes/shape_fixtures.h"
#include "shapes/shape_ids.h"

namespace {

std::unique_ptr<CQarnRect> RoundRect(const RectF& frame = RectF(0, 0, 100, 50)) {
    auto rect = std::make_unique<CQarnRect>(frame);
    rect->SetShapeID(Qarn::kShapeRoundRectangle);
    rect->UpdateRotateCenter();
    return rect;
}

std::vector<QarnHandleKind> KindsOf(const CQarnComponent& c) {
    std::vector<QarnHandleKind> kinds;
    for (const CQarnHandle& h : c.GetShownHandles()) {
        kinds.push_back(h.kind);
    }
    return kinds;
}

QImage Tracker(CQarnComponent& c, CQarnComponent::TrackerState state) {
    QImage image = WhiteCanvas();
    QPainter painter(&image);
    CDC dc(&painter);
    c.DrawTracker(&dc, state, 1.0f);
    painter.end();
    return image;
}

constexpr QRgb kYellow = 0xFFFFFF00u;

}  // namespace

TEST(ShapeHandlesTest, TheCornerOfARoundedRectangleIsAnAdjustHandleAfterTheLabel) {
    auto round = RoundRect();
    const CQarnHandle corner = *round->FindHandle(9);
    EXPECT_EQ(corner.kind, QarnHandleKind::Adjust);
    EXPECT_EQ(corner.cursor, QarnHandleCursor::Adjust);
    round->AddProperty(new TestLabel(RectF(150, 150, 20, 20)));
    EXPECT_EQ(round->GetHandleCount(), 10);
    EXPECT_TRUE(round->IsLabelHandle(9));
    EXPECT_EQ(round->FindHandle(10)->kind, QarnHandleKind::Adjust);
    ExpectPointNear(round->GetHandle(10, 1), PointF(92, 42));
    // The corner handle is drawn over the label's, and hit before it.
    EXPECT_EQ(round->HitTestHandle(PointF(92, 42), 3.0f), 10);
    const QImage marks = Tracker(*round, CQarnComponent::TrackerActive);
    EXPECT_EQ(marks.pixel(92, 42), kYellow);
    EXPECT_EQ(marks.pixel(160, 160), kYellow);
}

TEST(ShapeHandlesTest, ATurnedAndMirroredCornerIsDraggedWhereItShowsAndStaysInItsRange) {
    auto round = RoundRect();
    round->SetRotateAngle(90);
    round->SetHoriFlip(true);
    // Mirrored about (50, 25), then turned a quarter: (92, 42) -> (8, 42) -> (33, -17).
    ExpectPointNear(round->GetHandle(9, 1), PointF(33, -17));
    // Far beyond the shown corner in both directions: one unit inside the corner.
    ASSERT_EQ(round->MoveHandleTo(9, PointF(-300, -300), 0), 1);
    EXPECT_FLOAT_EQ(round->GetCornerWidth(), 2);
    EXPECT_FLOAT_EQ(round->GetCornerHeight(), 2);
    // Far past the centre: the corner ellipse is the whole frame.
    round->MoveHandleTo(9, PointF(300, 300), 0);
    EXPECT_FLOAT_EQ(round->GetCornerWidth(), 100);
    EXPECT_FLOAT_EQ(round->GetCornerHeight(), 50);
}

TEST(ShapeHandlesTest, AnArcHasTheFrameTheTwoEndsAndThenTheLabel) {
    auto arc = std::make_unique<CQarnArcPie>(RectF(0, 0, 100, 50));
    arc->SetShapeID(Qarn::kShapeArc);
    arc->UpdateRotateCenter();
    arc->LockHeight(true);  // an arc keeps all eight frame handles regardless
    std::vector<QarnHandleKind> expected(8, QarnHandleKind::Sizing);
    expected.push_back(QarnHandleKind::ArcEnd);
    expected.push_back(QarnHandleKind::ArcEnd);
    EXPECT_EQ(KindsOf(*arc), expected);
    arc->AddProperty(new TestLabel(RectF(150, 150, 20, 20)));
    expected.push_back(QarnHandleKind::Label);
    EXPECT_EQ(KindsOf(*arc), expected);
    // The first end is handle 9 even with a label; the label is 11.
    EXPECT_FALSE(arc->IsLabelHandle(9));
    EXPECT_TRUE(arc->IsLabelHandle(11));
    EXPECT_EQ(arc->GetHandleCursor(9), Qt::CrossCursor);
    ExpectPointNear(arc->GetHandle(9, 1), PointF(100, 50));
    arc->SetRotateAngle(180);
    ExpectPointNear(arc->GetHandle(9, 1), PointF(0, 0));
    ExpectPointNear(arc->GetHandle(11, 1), PointF(160, 160));
}

TEST(ShapeHandlesTest, ALineShowsItsEndsAndItsLabel) {
    auto line = MakePoly({{20, 20}, {180, 150}});
    EXPECT_EQ(KindsOf(*line),
              (std::vector<QarnHandleKind>{QarnHandleKind::LineEnd, QarnHandleKind::LineEnd}));
    line->AddProperty(new TestLabel(RectF(90, 20, 20, 10)));
    ASSERT_EQ(line->GetHandleCount(), 3);
    EXPECT_TRUE(line->IsLabelHandle(3));
    const QImage marks = Tracker(*line, CQarnComponent::TrackerSelected);
    EXPECT_EQ(marks.pixel(100, 25), kYellow);
    EXPECT_EQ(marks.pixel(180, 150), 0xFF00FF00u);
    // The zoom-aware test answers the label's own number.
    EXPECT_EQ(line->HitTestHandle(PointF(100, 25), 3.0f), 3);
    EXPECT_EQ(line->HitTestHandle(PointF(21, 19), 3.0f), 1);
}

TEST(ShapeHandlesTest, APointHasNoHandleOnlyAMarkOnItsCentre) {
    CQarnPoint point(PointF(50, 40));
    const std::vector<CQarnHandle> shown = point.GetShownHandles();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, QarnHandleKind::Marker);
    ExpectPointNear(shown[0].shown, PointF(50, 40));
    EXPECT_EQ(point.GetHandleCount(), 0);
    EXPECT_EQ(point.HitTestHandle(PointF(50, 40), 10.0f), 0);
    EXPECT_EQ(point.HitTest(CPoint(50, 40), nullptr, 1, nullptr), 0);
}
