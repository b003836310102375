// The view paints exactly what the page renderer draws, through its tiles, after edits and at
// other zooms.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <set>
#include <vector>

#include "export/page_renderer.h"
#include "properties/text_property.h"
#include "support/mixed_page.h"
#include "view_fixtures.h"

namespace {

class ViewRenderingTest : public ViewTest {
protected:
    QSize ViewSize() const override { return QSize(900, 1150); }

    // The view's client area over the page, next to the page renderer's image of the page:
    // every pixel is the same, tile edges and all.
    void ExpectSameAsRenderer(int dpi) {
        view->RenderVisibleNow();
        const QImage shown = view->GrabClient().convertToFormat(QImage::Format_ARGB32);
        const QImage page = CPageRenderer::ToImage(*doc, doc->GetCurrentCanvas(), dpi)
                                .convertToFormat(QImage::Format_ARGB32);
        const CPoint origin = view->GetOrigin();
        const int width = std::min(page.width(), shown.width() - origin.x);
        const int height = std::min(page.height(), shown.height() - origin.y);
        ASSERT_GT(width, 100);
        ASSERT_GT(height, 100);
        int differing = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QRgb a = shown.pixel(x + origin.x, y + origin.y);
                const QRgb b = page.pixel(x, y);
                differing += a != b ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0) << "of " << width * height << " pixels";
    }
};

}  // namespace

TEST_F(ViewRenderingTest, AMixedPageAt100PercentHasThePixelsOfThePageRenderer) {
    Qarn::Bench::FillMixedPage(*doc, 1500, 3, false);
    view->SetPageSize(doc->GetCurrentCanvas()->GetSize());
    ExpectSameAsRenderer(100);
}

TEST_F(ViewRenderingTest, GradientsCutByTileEdgesHaveThePixelsOfThePageRenderer) {
    Qarn::Bench::FillMixedPage(*doc, 1500, 3, true);
    view->SetPageSize(doc->GetCurrentCanvas()->GetSize());
    ExpectSameAsRenderer(100);
}

TEST_F(ViewRenderingTest, TheSampleWithItsGridHasThePixelsOfThePageRenderer) {
    QString error;
    ASSERT_TRUE(doc->OnOpenDocument(QStringLiteral(QARN_SAMPLE_FILE), &error)) << qPrintable(error);
    doc->SetGridShown(true);
    for (int style = 0; style < CQarnDoc::kGridStyleCount; ++style) {
        doc->SetGridStyle(style);
        doc->NotifyPageChanged(doc->GetCurrentCanvas(), Qarn::PageChange::Reloaded);
        SCOPED_TRACE(style);
        ExpectSameAsRenderer(100);
    }
}

TEST_F(ViewRenderingTest, EditsRepaintOnlyTheirTilesAndMatchAFreshDrawing) {
    Qarn::Bench::FillMixedPage(*doc, 800, 5, false);
    view->SetPageSize(doc->GetCurrentCanvas()->GetSize());
    view->RenderVisibleNow();
    std::set<std::int64_t> ready;
    for (const auto& [key, tile] : view->GetTileCache().GetCurrent().tiles) {
        if (tile.IsReady()) {
            ready.insert(key);
        }
    }
    CQarnComponent* moved = Layer0()->GetList()[400];
    const RectF frame = moved->GetRectF();
    moved->MoveTo(RectF(frame.X + 37, frame.Y + 23, frame.Width, frame.Height),
                  MoveFlags::Invalidate);
    // Only a few tiles wait to be drawn again, and only in part.
    int dirtyTiles = 0;
    for (const auto& [key, tile] : view->GetTileCache().GetCurrent().tiles) {
        if (ready.count(key) != 0 && !tile.IsReady()) {
            ++dirtyTiles;
            EXPECT_LT(tile.dirty.boundingRect().width(), 200);
        }
    }
    EXPECT_GE(dirtyTiles, 1);
    EXPECT_LE(dirtyTiles, 4);
    AddBox(RectF(100, 100, 60, 40));
    std::unique_ptr<CQarnComponent> out = doc->TakeOut(Layer0()->GetList()[10]);
    ExpectSameAsRenderer(100);
}

TEST_F(ViewRenderingTest, At200PercentTheViewMatchesThePageAt200Dpi) {
    Qarn::Bench::FillMixedPage(*doc, 300, 9, false);
    view->SetPageSize(doc->GetCurrentCanvas()->GetSize());
    const CPoint corner(0, 0);
    view->DoZoomIn(&corner, 2.0f);
    view->ScrollToDevicePosition(QPoint(0, 0));
    ExpectSameAsRenderer(200);
}

TEST_F(ViewRenderingTest, AChangedZoomFirstShowsTheOldTilesScaled) {
    Qarn::Bench::FillMixedPage(*doc, 300, 9);
    view->SetPageSize(doc->GetCurrentCanvas()->GetSize());
    view->RenderVisibleNow();
    view->DoZoomOut(nullptr, 2.0f);
    EXPECT_TRUE(view->HasPendingTiles());
    EXPECT_FALSE(view->GetTileCache().GetPrevious().tiles.empty());
    // The first frame is not blank paper: the old tiles show, scaled.
    const QImage first = view->GrabClient();
    const CPoint o = view->GetOrigin();
    const CSize page = view->GetTotalDeviceSize();
    int coloured = 0;
    for (int y = o.y; y < o.y + page.cy; y += 7) {
        for (int x = o.x; x < o.x + page.cx; x += 7) {
            const QRgb p = first.pixel(x, y);
            coloured += (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) ? 1 : 0;
        }
    }
    EXPECT_GT(coloured, 100);
    view->RenderVisibleNow();
    EXPECT_FALSE(view->HasPendingTiles());
}

TEST_F(ViewRenderingTest, ADensePageDrawnInSlicesBetweenEventsMatchesThePageRenderer) {
    // At 50% a tile holds more components than one slice draws: tiles come in bands.
    Qarn::Bench::FillMixedPage(*doc, 5000, 13);
    view->SetPageSize(doc->GetCurrentCanvas()->GetSize());
    view->DoZoomOut(nullptr, 2.0f);
    int turns = 0;
    while (view->HasPendingTiles() || view->IsRendering()) {
        QApplication::processEvents();
        ++turns;
    }
    EXPECT_GT(turns, 2);
    ExpectSameAsRenderer(50);
}

namespace {

class SmallWindowRenderingTest : public ViewTest {
protected:
    QSize ViewSize() const override { return QSize(500, 380); }

    // Client pixels over the page that differ from the page renderer's image.
    int DifferingFromRenderer() {
        const QImage shown = view->GrabClient().convertToFormat(QImage::Format_ARGB32);
        const QImage page = CPageRenderer::ToImage(*doc, doc->GetCurrentCanvas(), 100)
                                .convertToFormat(QImage::Format_ARGB32);
        const CPoint origin = view->GetOrigin();
        const QRect client = view->viewport()->rect();
        int differing = 0;
        int compared = 0;
        for (int y = client.top(); y <= client.bottom(); ++y) {
            for (int x = client.left(); x <= client.right(); ++x) {
                const QPoint onPage(x - origin.x, y - origin.y);
                if (page.rect().contains(onPage)) {
                    ++compared;
                    differing += shown.pixel(x, y) != page.pixel(onPage) ? 1 : 0;
                }
            }
        }
        EXPECT_GT(compared, client.width() * client.height() / 2);
        return differing;
    }
};

}  // namespace

TEST_F(SmallWindowRenderingTest, OnlyWhatTheWindowShowsIsDrawnAtOnceAndTheRestFollowsUnasked) {
    Qarn::Bench::FillMixedPage(*doc, 1500, 21, true);
    view->SetPageSize(doc->GetCurrentCanvas()->GetSize());
    view->ScrollToDevicePosition(QPoint(137, 211));
    view->RenderVisibleNow();
    EXPECT_FALSE(view->HasPendingTiles());
    // At 100% on a plain screen a device pixel of the page is a client pixel.
    const CPoint origin = view->GetOrigin();
    const QRect visible = view->viewport()->rect().translated(-origin.x, -origin.y);
    // The tiles at the window's edges are drawn where the window shows them, not beyond.
    int cut = 0;
    for (const auto& [key, tile] : view->GetTileCache().GetCurrent().tiles) {
        const QRegion dirty = tile.dirty.translated(tile.DeviceRect().topLeft());
        EXPECT_FALSE(dirty.intersects(visible)) << tile.col << "," << tile.row;
        cut += dirty.isEmpty() ? 0 : 1;
    }
    EXPECT_GT(cut, 0);
    // Tiles drawn in part show their drawn pixels, not the preview.
    EXPECT_EQ(DifferingFromRenderer(), 0);

    // Between events the view finishes the tiles at the edges, so a short scroll finds the
    // pixels it uncovers ready.
    while (view->IsRendering()) {
        QApplication::processEvents();
    }
    for (const auto& [key, tile] : view->GetTileCache().GetCurrent().tiles) {
        if (tile.DeviceRect().intersects(visible)) {
            EXPECT_TRUE(tile.IsReady()) << tile.col << "," << tile.row;
        }
    }
    view->ScrollToDevicePosition(QPoint(137 + 60, 211 + 45));
    EXPECT_FALSE(view->HasPendingTiles());
    EXPECT_EQ(DifferingFromRenderer(), 0);
}

TEST_F(ViewRenderingTest, TextsDrawnWithoutClippingShowWholeAcrossTiles) {
    // Tiny boxes near tile edges whose large texts spill far over their neighbours, turned too.
    float angle = 0.0f;
    std::vector<CQarnTextProperty*> texts;
    for (const PointF at : {PointF(250, 120), PointF(500, 250), PointF(120, 505)}) {
        auto* box = new CQarnRect(RectF(at.X, at.Y, 4, 4));
        box->SetShapeID(Qarn::kShapeRectangle);
        auto* text = new CQarnTextProperty();
        text->SetText(QStringLiteral("Spilling over"));
        text->SetFontSize(60.0f);
        text->SetStringFormat(CQarnTextProperty::NoClip | CQarnTextProperty::NoWrap);
        box->AddProperty(text);
        texts.push_back(text);
        box->SetRotateAngle(angle);
        box->UpdateRotateCenter();
        box->ResetPath();
        doc->AddTail(box);
        angle += 30.0f;
    }
    ExpectSameAsRenderer(100);
    // A shorter text leaves no trace of the longer one where it spilled.
    texts.front()->SetText(QStringLiteral("Sp"));
    doc->NotifyComponentChanged(Layer0()->GetList().front(), Qarn::ComponentChange::Appearance);
    ExpectSameAsRenderer(100);
}
