// The mapping between document units and client pixels, at every zoom and scroll position.
#include <gtest/gtest.h>

#include <cmath>

#include "view/zoom_mapping.h"

namespace {

CZoomMapping MappingAt(double ratio, const CPoint& scroll, const CSize& client = CSize(640, 480)) {
    CZoomMapping m;
    m.SetTotalLogical(CSize(850, 1100));
    m.SetTotalDevice(CSize(int(850 * ratio), int(1100 * ratio)));
    m.SetClient(client);
    m.SetScroll(scroll);
    return m;
}

}  // namespace

TEST(ZoomMappingTest, RoundTripsStayWithinOnePixelAtEveryRatioAndScroll) {
    for (double ratio : {0.1, 0.25, 0.5, 0.75, 1.0, 1.2, 2.0, 3.7, 10.0}) {
        for (const CPoint scroll : {CPoint(0, 0), CPoint(37, 11), CPoint(900, 4000)}) {
            const CZoomMapping m = MappingAt(ratio, scroll);
            for (int x = -20; x < 700; x += 37) {
                for (int y = -20; y < 500; y += 41) {
                    const CPoint client(x, y);
                    const CPoint back = m.DocToClient(m.ClientToDoc(client));
                    // Whole units lose up to half a unit, which is half a pixel times the ratio.
                    const double slack = std::max(1.0, ratio);
                    EXPECT_LE(std::abs(back.x - x), slack) << ratio << " at " << x;
                    EXPECT_LE(std::abs(back.y - y), slack) << ratio << " at " << y;
                    const QPointF exact = m.DocToClient(m.ClientToDoc(QPointF(x + 0.25, y)));
                    EXPECT_NEAR(exact.x(), x + 0.25, 1e-6);
                }
            }
        }
    }
}

TEST(ZoomMappingTest, ScrollingShiftsTheOriginAndScalesFollowTheSizes) {
    const CZoomMapping m = MappingAt(2.0, CPoint(100, 250), CSize(300, 200));
    EXPECT_DOUBLE_EQ(m.ScaleX(), 2.0);
    EXPECT_EQ(m.Origin(), CPoint(-100, -250));
    EXPECT_EQ(m.DocToClient(CPoint(50, 125)), CPoint(0, 0));
    EXPECT_EQ(m.ClientToDoc(CPoint(100, 100)), CPoint(100, 175));
}

TEST(ZoomMappingTest, APageSmallerThanTheClientIsCentredInThatDirectionOnly) {
    // 850 x 1100 at 0.5 is 425 x 550: narrower than 640, taller than 480.
    const CZoomMapping m = MappingAt(0.5, CPoint(0, 30));
    EXPECT_EQ(m.Origin(), CPoint((640 - 425) / 2, -30));
    CZoomMapping plain = m;
    plain.SetCentring(false);
    EXPECT_EQ(plain.Origin(), CPoint(0, -30));
}

TEST(ZoomMappingTest, RectanglesComeOutNormalised) {
    const CZoomMapping m = MappingAt(1.0, CPoint(0, 0), CSize(100, 100));
    const CRect r = m.ClientToDoc(CRect(50, 60, 10, 20));
    EXPECT_LT(r.left, r.right);
    EXPECT_LT(r.top, r.bottom);
}

TEST(PersistRatioTest, ShrinksTheLongerSideToTheDocumentsAspect) {
    // A wide window for a tall page: the width shrinks and the offset says by how much.
    CSize size(1000, 500);
    CPoint offset;
    Qarn::PersistRatio(CSize(850, 1100), size, offset);
    EXPECT_EQ(size, CSize(int(500 * 850.0 / 1100), 500));
    EXPECT_EQ(offset, CPoint(1000 - size.cx, 0));
    // A tall window for a wide page: the height shrinks.
    size = CSize(400, 900);
    Qarn::PersistRatio(CSize(800, 400), size, offset);
    EXPECT_EQ(size, CSize(400, 200));
    EXPECT_EQ(offset, CPoint(0, 700));
    // The same aspect changes nothing.
    size = CSize(170, 220);
    Qarn::PersistRatio(CSize(850, 1100), size, offset);
    EXPECT_EQ(size, CSize(170, 220));
    EXPECT_EQ(offset, CPoint(0, 0));
    // Empty sizes are left alone rather than divided by.
    size = CSize(300, 300);
    Qarn::PersistRatio(CSize(0, 100), size, offset);
    EXPECT_EQ(size, CSize(300, 300));
}
