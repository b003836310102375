// Zooming: by a factor, to a rectangle, to the page and back to 100%, about the pointer, and
// the click-to-zoom modes.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <cmath>

#include "view_fixtures.h"

namespace {

using ZoomViewTest = ViewTest;

// The document point at the client point, fractional.
QPointF DocAt(const CQarnBaseView& view, const QPoint& client) {
    return view.GetMapping().ClientToDoc(QPointF(client));
}

}  // namespace

TEST_F(ZoomViewTest, ZoomByFactorScalesTheDeviceSizeAndTheBars) {
    ASSERT_FLOAT_EQ(view->GetZoomRatio(), 1.0f);
    EXPECT_EQ(view->GetTotalDeviceSize(), CSize(800, 600));
    const CPoint centre(400, 300);
    view->DoZoomIn(&centre, 2.0f);
    EXPECT_FLOAT_EQ(view->GetZoomRatio(), 2.0f);
    EXPECT_EQ(view->GetTotalDeviceSize(), CSize(1600, 1200));
    const CSize client = view->GetClientSize();
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 1600 - client.cx);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 1200 - client.cy);
    // The point asked for is at the centre.
    const CPoint middle = view->GetLogicalCenterPoint();
    EXPECT_NEAR(middle.x, 400, 1);
    EXPECT_NEAR(middle.y, 300, 1);
    view->DoZoomOut(nullptr, 4.0f);
    EXPECT_FLOAT_EQ(view->GetZoomRatio(), 0.5f);
    EXPECT_EQ(view->GetTotalDeviceSize(), CSize(400, 300));
    // The resolutions for the rulers follow the ratio.
    EXPECT_EQ(view->GetZoomedResolution().x(), int(view->GetBaseResolution().x() * 0.5));
}

TEST_F(ZoomViewTest, ASmallZoomRectangleZoomsInByAFifthAboutItsCentre) {
    const CPoint centre(400, 300);
    view->DoZoomIn(&centre, 1.0f);
    // 8 by 8 pixels at ratio 1.
    view->DoZoomIn(CRect(300, 200, 308, 208));
    EXPECT_FLOAT_EQ(view->GetZoomRatio(), 1.2f);
    const CPoint middle = view->GetLogicalCenterPoint();
    EXPECT_NEAR(middle.x, 304, 1);
    EXPECT_NEAR(middle.y, 204, 1);
}

TEST_F(ZoomViewTest, AZoomRectangleFillsTheClientArea) {
    const CSize client = view->GetClientSize();
    view->DoZoomIn(CRect(100, 100, 300, 150));
    const float expected = std::min(client.cx / 200.0f, client.cy / 50.0f);
    EXPECT_NEAR(view->GetZoomRatio(), expected, 1e-4);
    const CPoint middle = view->GetLogicalCenterPoint();
    EXPECT_NEAR(middle.x, 200, 1);
    EXPECT_NEAR(middle.y, 125, 1);
}

TEST_F(ZoomViewTest, ZoomFullOnAWideWindowFitsTheHeight) {
    view->resize(900, 300);
    QApplication::processEvents();
    view->DoZoomFull();
    const QSize room = view->maximumViewportSize();
    // 800 x 600 shrunk to the height of the room.
    EXPECT_NEAR(view->GetTotalDeviceSize().cy, room.height(), 1);
    EXPECT_LT(view->GetTotalDeviceSize().cx, room.width());
    EXPECT_NEAR(view->GetZoomRatio(), room.height() / 600.0, 0.01);
    // Everything shows: no scrolling, the page centred across.
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(view->GetOrigin().x, 0);
}

TEST_F(ZoomViewTest, ZoomOriginalAfterSeveralZoomsKeepsTheCentre) {
    const CPoint spot(520, 410);
    view->DoZoomIn(&spot, 3.0f);
    view->DoZoomOut(nullptr, 1.2f);
    view->DoZoomIn(nullptr, 1.7f);
    const CPoint before = view->GetLogicalCenterPoint();
    view->DoZoomOriginal();
    EXPECT_FLOAT_EQ(view->GetZoomRatio(), 1.0f);
    const CPoint after = view->GetLogicalCenterPoint();
    EXPECT_NEAR(after.x, before.x, 1);
    EXPECT_NEAR(after.y, before.y, 1);
}

TEST_F(ZoomViewTest, WheelWithControlZoomsAboutThePointer) {
    const CPoint spot(400, 300);
    view->DoZoomIn(&spot, 2.0f);
    const QPoint pointer(70, 90);
    const QPointF under = DocAt(*view, pointer);
    QWheelEvent wheel(QPointF(pointer), view->viewport()->mapToGlobal(QPointF(pointer)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    EXPECT_FLOAT_EQ(view->GetZoomRatio(), 2.4f);
    const QPointF after = DocAt(*view, pointer);
    EXPECT_NEAR(after.x(), under.x(), 1.0);
    EXPECT_NEAR(after.y(), under.y(), 1.0);
}

TEST_F(ZoomViewTest, ClickToZoomModesZoomAtTheClickAndARightClickEndsThem) {
    view->SetZoomMode(CZoomView::MODE_ZOOMIN);
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_FLOAT_EQ(view->GetZoomRatio(), 1.2f);
    view->SetZoomMode(CZoomView::MODE_ZOOMOUT);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_NEAR(view->GetZoomRatio(), 1.0f, 1e-6);
    // The mode survives zooming; a right click ends it.
    EXPECT_EQ(view->GetZoomMode(), CZoomView::MODE_ZOOMOUT);
    QTest::mouseClick(view->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(view->GetZoomMode(), CZoomView::MODE_ZOOMOFF);
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::ArrowCursor);
    // Without a mode a click zooms nothing.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_NEAR(view->GetZoomRatio(), 1.0f, 1e-6);
}

TEST_F(ZoomViewTest, DraggingInZoomInModeZoomsToTheDraggedRectangle) {
    view->SetZoomMode(CZoomView::MODE_ZOOMIN);
    const QRectF band(QPointF(50, 40), QPointF(150, 90));
    const QRectF area = view->GetMapping().ClientToDoc(band);
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 40));
    QTest::mouseMove(view->viewport(), QPoint(150, 90));
    EXPECT_TRUE(view->IsCapturing());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 90));
    EXPECT_FALSE(view->IsCapturing());
    const CSize client = view->GetClientSize();
    const float expected = float(
        std::min(client.cx / std::floor(area.width()), client.cy / std::floor(area.height())));
    EXPECT_NEAR(view->GetZoomRatio(), expected, 0.05);
}

TEST_F(ZoomViewTest, ABadFactorLeavesTheRatioAndExtremesAreBounded) {
    view->DoZoomIn(nullptr, 0.0f);
    view->DoZoomIn(nullptr, std::nanf(""));
    view->DoZoomOut(nullptr, 0.0f);
    EXPECT_FLOAT_EQ(view->GetZoomRatio(), 1.0f);
    for (int i = 0; i < 60; ++i) {
        view->DoZoomIn(nullptr, 2.0f);
    }
    EXPECT_LE(view->GetZoomRatio(), 64.0f);
    EXPECT_GT(view->GetTotalDeviceSize().cx, 0);
}

TEST_F(ZoomViewTest, ZoomToComponentsFitsOrCentresOnTheirBounds) {
    ComponentList list{AddBox(RectF(100, 100, 50, 50)), AddBox(RectF(250, 150, 50, 50))};
    view->ZoomToComponents(list, false);
    EXPECT_FLOAT_EQ(view->GetZoomRatio(), 1.0f);
    const CRect bound = CQarnDoc::GetBound(list);
    const CPoint middle = view->GetLogicalCenterPoint();
    EXPECT_NEAR(middle.x, (bound.left + bound.right) / 2, 1);
    view->ZoomToComponents(list, true);
    const CSize client = view->GetClientSize();
    EXPECT_NEAR(view->GetZoomRatio(),
                std::min(double(client.cx) / bound.Width(), double(client.cy) / bound.Height()),
                1e-3);
}
