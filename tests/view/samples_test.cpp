// The samples the wells draw are drawn by the model's own code and stay sharp at a device
// pixel ratio of 2; label places follow one rule.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "controls/arrow_head_items.h"
#include "controls/dash_style_items.h"
#include "controls/hatch_items.h"
#include "controls/label_placement.h"
#include "controls/label_position_items.h"
#include "controls/shadow_items.h"
#include "controls_fixtures.h"
#include "platform/hatch_brush.h"

namespace {

// Draws sample `index` into a cell of the items' size on an image of device pixel ratio `dpr`.
QImage Render(const CQarnWellItems& items, int index, qreal dpr) {
    const QSize cell = items.GetCellSize();
    QImage image(cell * dpr, QImage::Format_ARGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    items.PaintItem(painter, QRectF(QPointF(0, 0), QSizeF(cell)), index);
    painter.end();
    return image;
}

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 128;
}

// The column range [first, last] of dark pixels on a row, or (-1, -1).
std::pair<int, int> InkSpan(const QImage& image, int y) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (IsInk(image.pixel(x, y))) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return {first, last};
}

}  // namespace

TEST(SamplesTest, HatchSamplesShowEachPatternBitAsOnePixelBlock) {
    CQarnHatchItems items;
    for (int style : {HatchStyleHorizontal, HatchStyleDiagonalBrick, HatchStyleSolidDiamond}) {
        const QImage image = Render(items, style, 2.0);
        // Inside the frame line, each pattern bit covers a 2 x 2 block of device pixels, all
        // of one colour: sharp, no blending.
        for (int y = 1; y < 20; ++y) {
            for (int x = 1; x < 20; ++x) {
                const bool fore = HatchBrush::IsForeground(style, x % 8, y % 8);
                for (int d = 0; d < 4; ++d) {
                    const QRgb pixel = image.pixel(2 * x + d % 2, 2 * y + d / 2);
                    ASSERT_EQ(pixel, fore ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                        << "style " << style << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(SamplesTest, ArrowHeadsAreDrawnAtTheEndTheyBelongTo) {
    CQarnArrowHeadItems start(CQarnArrowHeadItems::End::Start);
    CQarnArrowHeadItems end(CQarnArrowHeadItems::End::End);
    const int middle = start.GetCellSize().height() / 2;
    // The filled triangle is wider than the line near its end.
    const QImage atStart = Render(start, 1, 1.0);
    const QImage atEnd = Render(end, 1, 1.0);
    auto thickness = [&](const QImage& image, int x) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            dark += IsInk(image.pixel(x, y)) ? 1 : 0;
        }
        return dark;
    };
    const int left = 14 + 10;
    const int right = start.GetCellSize().width() - 14 - 10;
    EXPECT_GT(thickness(atStart, left), 4) << "the head at the start";
    EXPECT_LE(thickness(atStart, right), 3) << "a plain line at the end";
    EXPECT_GT(thickness(atEnd, right), 4);
    EXPECT_LE(thickness(atEnd, left), 3);
    // "None" is a plain line from end to end.
    const QImage none = Render(end, 0, 1.0);
    const auto [first, last] = InkSpan(none, middle);
    EXPECT_LE(first, 15);
    EXPECT_GE(last, start.GetCellSize().width() - 16);
}

TEST(SamplesTest, DashSamplesHaveGapsExceptTheSolidLine) {
    CQarnDashStyleItems items;
    auto gaps = [&](int style) {
        const QImage image = Render(items, style, 1.0);
        const int y = image.height() / 2;
        const auto [first, last] = InkSpan(image, y);
        int count = 0;
        for (int x = first; x <= last; ++x) {
            count += IsInk(image.pixel(x, y)) ? 0 : 1;
        }
        return count;
    };
    EXPECT_EQ(gaps(0), 0);
    EXPECT_GT(gaps(1), 10);
    EXPECT_GT(gaps(2), gaps(1)) << "dots leave more room than dashes";
}

TEST(SamplesTest, ShadowSamplesPlaceTheShadowByTheStyle) {
    CQarnShadowItems items;
    // Where the grey of the shadow shows outside the white object: below right for style 0,
    // above left for style 3.
    auto shadowCentre = [&](int style) {
        const QImage image = Render(items, style, 1.0);
        double sx = 0;
        double sy = 0;
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int gray = qGray(image.pixel(x, y));
                if (gray > 60 && gray < 220) {
                    sx += x;
                    sy += y;
                    ++n;
                }
            }
        }
        return QPointF(sx / n, sy / n) - QPointF(image.width() / 2.0, image.height() / 2.0);
    };
    const QPointF lowerRight = shadowCentre(0);
    EXPECT_GT(lowerRight.x(), 0);
    EXPECT_GT(lowerRight.y(), 0);
    const QPointF upperLeft = shadowCentre(3);
    EXPECT_LT(upperLeft.x(), 0);
    EXPECT_LT(upperLeft.y(), 0);
}

TEST(LabelPlacementTest, EachPlaceIsFoundAgainAndTheSizeIsKept) {
    const RectF frame(100, 80, 180, 110);
    const RectF label(0, 0, 50, 24);
    for (int place = 0; place < Qarn::kLabelPositionCount; ++place) {
        const RectF placed = Qarn::PlaceLabel(frame, label, place);
        EXPECT_EQ(placed.Width, 50.0f);
        EXPECT_EQ(Qarn::FindLabelPosition(frame, placed), place);
    }
    EXPECT_TRUE(Qarn::PlaceLabel(frame, label, 7).Equals(RectF(165, 194, 50, 24)));
    EXPECT_TRUE(Qarn::PlaceLabel(frame, label, 3).Equals(RectF(46, 123, 50, 24)));
    EXPECT_EQ(Qarn::FindLabelPosition(frame, RectF(0, 0, 50, 24)), -1);
    EXPECT_TRUE(Qarn::PlaceLabel(frame, label, 12).Equals(label));
}

TEST(LabelPlacementTest, TheFrameIsTakenAsItShows) {
    SampleDrawing drawing;
    drawing.box->RotateAt(90, drawing.box->GetCenterPointF(), 1);
    const RectF shown = Qarn::ShownFrame(*drawing.box);
    // Turned a quarter about its centre (190, 135), the 180 x 110 frame stands 110 x 180.
    EXPECT_NEAR(shown.Width, 110.0f, 0.01f);
    EXPECT_NEAR(shown.Height, 180.0f, 0.01f);
    EXPECT_NEAR(shown.X, 135.0f, 0.01f);
    EXPECT_NEAR(shown.Y, 45.0f, 0.01f);
}
