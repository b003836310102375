// Every basic kind drawn at its default handles and with its handles moved: each draws
// something, and nothing outside its frame. With QARN_CATALOGUE_SHEET set to a file name the
// drawings are also written there as one sheet, for a person to look at.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/geometry_fixtures.h"
#include "shapes/catalogue_fixtures.h"
#include "shapes/catalogue_ids.h"

namespace {

constexpr int kCellWidth = 240;
constexpr int kCellHeight = 170;
const RectF kFrame(20, 25, 200, 120);
constexpr QRgb kFill = 0xFFF0C040u;
constexpr QRgb kLine = 0xFF203060u;

// Moves every free handle most of the way along its range.
void MoveHandles(CQarnShapeBase& shape) {
    for (int k = 0; k < shape.GetFreeHandleCount(); ++k) {
        const std::optional<CQarnHandle> h = shape.FindHandle(FreeHandleNumber(shape, k));
        ASSERT_TRUE(h.has_value());
        const RectF area = h->constraint.GetArea();
        shape.MoveHandleTo(h->number,
                           PointF(area.X + 0.8f * area.Width, area.Y + 0.8f * area.Height), 0);
    }
}

QImage DrawCell(CQarnShapeBase& shape, bool smooth) {
    QImage image(kCellWidth, kCellHeight, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFFu);
    const int quality = Qarn::GetSmoothingMode();
    Qarn::SetSmoothingMode(smooth ? SmoothingModeAntiAlias : SmoothingModeNone);
    {
        Graphics g(&image);
        shape.Draw(&g, CRect(0, 0, kCellWidth, kCellHeight), nullptr, nullptr, 0);
    }
    Qarn::SetSmoothingMode(quality);
    return image;
}

// How far outside the frame a pixel was drawn, at most (0 when none was).
int FarthestOutside(const QImage& image) {
    int farthest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == 0xFFFFFFFFu) {
                continue;
            }
            const int dx = std::max({0, int(kFrame.X) - x, x - int(kFrame.X + kFrame.Width)});
            const int dy = std::max({0, int(kFrame.Y) - y, y - int(kFrame.Y + kFrame.Height)});
            farthest = std::max({farthest, dx, dy});
        }
    }
    return farthest;
}

}  // namespace

TEST(CatalogueSheetTest, EveryKindDrawsWithinItsFrameAtAnyHandles) {
    const std::vector<int>& ids = BasicCatalogueIds();
    const int columns = 6;
    const int rows = int(ids.size() + columns - 1) / columns * 2;
    QImage sheet(columns * kCellWidth, rows * kCellHeight, QImage::Format_ARGB32);
    sheet.fill(0xFFFFFFFFu);
    QPainter painter(&sheet);
    for (size_t i = 0; i < ids.size(); ++i) {
        for (const bool moved : {false, true}) {
            SCOPED_TRACE(testing::Message() << ids[i] << (moved ? " moved" : " default"));
            auto shape = MakeKind(ids[i], kFrame);
            ASSERT_NE(shape, nullptr);
            shape->SetFillColor(Color(kFill));
            shape->SetLineColor(Color(kLine));
            shape->UpdateRotateCenter();
            if (moved) {
                MoveHandles(*shape);
            }
            const QImage exact = DrawCell(*shape, false);
            bool filled = false;
            bool stroked = false;
            for (int y = 0; y < exact.height(); ++y) {
                for (int x = 0; x < exact.width(); ++x) {
                    filled = filled || exact.pixel(x, y) == kFill;
                    stroked = stroked || exact.pixel(x, y) == kLine;
                }
            }
            EXPECT_TRUE(stroked);
            // Brackets and braces are lines: filled, they would close over their frame.
            EXPECT_EQ(filled, !IsOpenKind(ids[i]));
            // A pixel of the one-unit line may fall on either side of an edge.
            EXPECT_LE(FarthestOutside(exact), 1);
            const int row = int(i) / columns * 2 + (moved ? 1 : 0);
            painter.drawImage(int(i) % columns * kCellWidth, row * kCellHeight,
                              DrawCell(*shape, true));
            painter.drawText(
                int(i) % columns * kCellWidth + 4, row * kCellHeight + 14,
                QStringLiteral("%1 %2").arg(ids[i]).arg(Qarn::GetShapeKindWord(ids[i])));
        }
    }
    painter.end();
    const QByteArray path = qgetenv("QARN_CATALOGUE_SHEET");
    if (!path.isEmpty()) {
        EXPECT_TRUE(sheet.save(QString::fromLocal8Bit(path)));
    }
}
