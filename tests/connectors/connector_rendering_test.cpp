#include <gtest/gtest.h>

#include "connector_fixtures.h"
#include "core/geometry_fixtures.h"

namespace {

bool IsInk(QRgb pixel) {
    return qRed(pixel) < 128 && qGreen(pixel) < 128 && qBlue(pixel) < 128;
}

// Whether any pixel within one of (x, y) is drawn.
bool InkNear(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (IsInk(image.pixel(x + dx, y + dy))) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

TEST_F(ConnectorScene, AnElbowConnectorIsDrawnAlongItsLegsOnly) {
    CQarnConnector* k = AddConnector(PointF(20, 20), PointF(180, 120));
    k->SetLineColor(Color(0xFF000000u));
    k->SetLineWidth(2);
    k->MoveHandleTo(2, PointF(180, 120), 0);
    ASSERT_EQ(k->GetPointCount(), 4);
    const QImage image = Render(*k);
    EXPECT_TRUE(InkNear(image, 60, 20));    // first leg, level with the start
    EXPECT_TRUE(InkNear(image, 100, 70));   // the middle leg, halfway across
    EXPECT_TRUE(InkNear(image, 140, 120));  // last leg
    EXPECT_FALSE(InkNear(image, 60, 70));   // no fill, no diagonal
    EXPECT_FALSE(InkNear(image, 140, 40));
}

TEST_F(ConnectorScene, ARoundCornerConnectorCutsItsCorners) {
    CQarnConnector* k =
        AddConnector(PointF(20, 20), PointF(180, 120), CQarnConnector::TypeRoundCorner);
    k->SetLineColor(Color(0xFF000000u));
    k->SetLineWidth(2);
    k->MoveHandleTo(2, PointF(180, 120), 0);
    const QImage image = Render(*k);
    // The corner at (100, 20) is rounded with radius 20: its point stays blank, the arc's
    // middle is inked.
    EXPECT_FALSE(InkNear(image, 100, 20));
    EXPECT_TRUE(InkNear(image, 94, 26));
    EXPECT_TRUE(InkNear(image, 70, 20));
    EXPECT_TRUE(InkNear(image, 100, 60));
}
