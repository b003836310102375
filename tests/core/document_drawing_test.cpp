#include <gtest/gtest.h>

#include <QImage>

#include "core/canvas.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/geometry_fixtures.h"
#include "core/layer.h"
#include "platform/graphics.h"
#include "properties/basic_brush_property.h"

namespace {

// A 200 by 200 page with a red box on the lower layer and a blue box on a hidden upper one.
class PageDrawingTest : public ::testing::Test {
protected:
    CQarnDoc doc;
    CQarnLayer* lower = nullptr;
    CQarnLayer* upper = nullptr;
    int savedBackground = 0;
    int savedLayerInfo = 0;

    void SetUp() override {
        ASSERT_TRUE(doc.OnNewDocument());
        doc.GetCurrentCanvas()->SetSize(200, 200);
        lower = doc.GetCurrentCanvas()->GetLayers().first();
        upper = doc.GetCurrentCanvas()->AddNewLayer();
        doc.AddTail(
            MakeBox(RectF(20, 20, 60, 60), Color(0xFFFF0000u), Color(0xFFFF0000u)).release(),
            lower);
        doc.AddTail(
            MakeBox(RectF(50, 50, 60, 60), Color(0xFF0000FFu), Color(0xFF0000FFu)).release(),
            upper);
        savedBackground = Qarn::GetConfig()->m_nDrawBackground;
        savedLayerInfo = Qarn::GetConfig()->m_nShowLayerInfo;
        Qarn::GetConfig()->m_nShowLayerInfo = 0;
    }
    void TearDown() override {
        Qarn::GetConfig()->m_nDrawBackground = savedBackground;
        Qarn::GetConfig()->m_nShowLayerInfo = savedLayerInfo;
    }
    QImage Page() {
        QImage image(220, 220, QImage::Format_ARGB32);
        image.fill(0xFF000000u);
        {
            Graphics graphics(&image);
            doc.Draw(&graphics, CRect(0, 0, 220, 220), nullptr, 0);
        }
        return image;
    }
};

}  // namespace

TEST_F(PageDrawingTest, HiddenLayersAreNotDrawnAndUpperLayersCoverLowerOnes) {
    upper->SetVisible(false);
    QImage hidden = Page();
    EXPECT_EQ(hidden.pixel(60, 60), 0xFFFF0000u);    // red box only
    EXPECT_EQ(hidden.pixel(100, 100), 0xFFFFFFFFu);  // the blue box is hidden
    EXPECT_EQ(hidden.pixel(210, 210), 0xFF000000u);  // outside the page nothing is painted
    upper->SetVisible(true);
    QImage shown = Page();
    EXPECT_EQ(shown.pixel(60, 60), 0xFF0000FFu);  // the upper layer is drawn later
    EXPECT_EQ(shown.pixel(30, 30), 0xFFFF0000u);
}

TEST_F(PageDrawingTest, TheBackgroundAndTheGridFollowTheirSwitches) {
    doc.GetCurrentCanvas()->GetBackground()->SetColor1(Color(0xFF00FF00u));
    Qarn::GetConfig()->m_nDrawBackground = 1;
    EXPECT_EQ(Page().pixel(150, 10), 0xFF00FF00u);
    Qarn::GetConfig()->m_nDrawBackground = 0;
    EXPECT_EQ(Page().pixel(150, 10), 0xFFFFFFFFu);

    doc.SetGridSize(10);
    doc.SetGridColor(0xFF808080u);
    doc.OnViewGrid();
    QImage grid = Page();
    EXPECT_EQ(grid.pixel(150, 10), 0xFF808080u);  // on a grid line
    EXPECT_EQ(grid.pixel(155, 15), 0xFFFFFFFFu);  // between lines
}

TEST_F(PageDrawingTest, LayerInformationIsWrittenInRed) {
    Qarn::GetConfig()->m_nShowLayerInfo = 1;
    QImage image = Page();
    int red = 0;
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 120; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 150 && qGreen(p) < 100 && qBlue(p) < 100) {
                ++red;
            }
        }
    }
    EXPECT_GT(red, 10);
}

TEST_F(PageDrawingTest, TheTopmostComponentAtAPointComesFromTheHighestVisibleLayer) {
    CQarnComponent* red = lower->GetHead();
    CQarnComponent* blue = upper->GetHead();
    EXPECT_EQ(doc.ObjectAt(CPoint(60, 60), nullptr), blue);
    // A component added later to the lower layer still lies under the upper layer.
    doc.AddTail(MakeBox(RectF(55, 55, 10, 10)).release(), lower);
    EXPECT_EQ(doc.ObjectAt(CPoint(60, 60), nullptr), blue);
    upper->SetVisible(false);
    EXPECT_NE(doc.ObjectAt(CPoint(60, 60), nullptr), blue);
    EXPECT_EQ(doc.ObjectAt(CPoint(30, 30), nullptr), red);
    EXPECT_EQ(doc.ObjectAt(CPoint(150, 150), nullptr), nullptr);
    EXPECT_EQ(doc.GetFocusedObj(CPoint(30, 30), red), nullptr);
    EXPECT_EQ(doc.GetFocusedObj(CPoint(30, 30), nullptr), red);
    // The bounds cover the visible layers only.
    const CRect bound = doc.GetBound();
    EXPECT_LE(bound.left, 20);
    EXPECT_LT(bound.right, 100);
}
