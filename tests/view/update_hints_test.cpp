// What the view does with the document's update hints and change notifications.
#include <gtest/gtest.h>

#include <QPaintEvent>

#include "core/notification_messages.h"
#include "core/view_hints.h"
#include "platform/window_messages.h"
#include "support/message_recorder.h"
#include "view_fixtures.h"

namespace {

class UpdateHintsTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        AfxSetMainWnd(&mainWindow);
        view->RenderVisibleNow();
    }
    void TearDown() override {
        AfxSetMainWnd(nullptr);
        ViewTest::TearDown();
    }
    // Whether any tile under the document rectangle waits to be drawn again.
    bool TilesDirtyAt(const CRect& docRect) {
        const QRect device = view->GetTileCache().ToDevice(docRect);
        auto& cache = const_cast<CQarnTileCache&>(view->GetTileCache());
        int c0, r0, c1, r1;
        CQarnTileCache::TileSpan(device, c0, r0, c1, r1);
        for (int row = r0; row <= r1; ++row) {
            for (int col = c0; col <= c1; ++col) {
                CQarnTileCache::Tile* tile = cache.Find(col, row);
                if (tile != nullptr &&
                    tile->dirty.intersects(device.translated(-col * 256, -row * 256))) {
                    return true;
                }
            }
        }
        return false;
    }
    MessageRecorder mainWindow;
};

}  // namespace

TEST_F(UpdateHintsTest, HintsThatRepaintComponentsTellTheMainWindow) {
    CQarnRect* a = AddBox(RectF(20, 20, 30, 30));
    view->RenderVisibleNow();
    view->OnUpdate(nullptr, Qarn::kHintAll, nullptr);
    view->OnUpdate(nullptr, Qarn::kHintComponent, a);
    CQarnHintList list(ComponentList{a});
    view->OnUpdate(nullptr, Qarn::kHintComponents, &list);
    EXPECT_EQ(mainWindow.Count(QRN_COMPONENT_REPAINTED), 3);
    EXPECT_TRUE(view->IsRedrawPending());
    // The quiet hint repaints without a message, and hints of 9 and above do nothing.
    view->RenderVisibleNow();
    view->OnUpdate(nullptr, Qarn::kHintComponentQuiet, a);
    EXPECT_TRUE(TilesDirtyAt(CRect(20, 20, 50, 50)));
    view->RenderVisibleNow();
    view->OnUpdate(nullptr, 9, a);
    view->OnUpdate(nullptr, -1, a);
    EXPECT_FALSE(TilesDirtyAt(CRect(20, 20, 50, 50)));
    EXPECT_EQ(mainWindow.Count(QRN_COMPONENT_REPAINTED), 3);
}

TEST_F(UpdateHintsTest, ComponentsLeavingAreDroppedUnlessTheListIsTheSelectionItself) {
    CQarnRect* a = AddBox(RectF(20, 20, 30, 30));
    CQarnRect* b = AddBox(RectF(60, 20, 30, 30));
    view->Select(a);
    view->Select(b, true);
    mainWindow.messages.clear();
    CQarnHintList leaving(ComponentList{a});
    view->OnUpdate(nullptr, Qarn::kHintComponentsLeaving, &leaving);
    EXPECT_EQ(view->GetSelection(), ComponentList{b});
    EXPECT_EQ(mainWindow.Count(QRN_COMPONENT_REPAINTED), 1);
    CQarnHintList same(view->GetSelection());
    view->OnUpdate(nullptr, Qarn::kHintComponentsLeaving, &same);
    EXPECT_EQ(view->GetSelection(), ComponentList{b});
    EXPECT_EQ(mainWindow.Count(QRN_COMPONENT_REPAINTED), 1);
}

TEST_F(UpdateHintsTest, AMovedComponentRepaintsWhereItWasAndWhereItIs) {
    CQarnRect* a = AddBox(RectF(20, 20, 30, 30));
    view->RenderVisibleNow();
    EXPECT_FALSE(TilesDirtyAt(CRect(20, 20, 50, 50)));
    a->MoveTo(RectF(300, 200, 30, 30), MoveFlags::Invalidate);
    EXPECT_TRUE(TilesDirtyAt(CRect(20, 20, 50, 50)));
    EXPECT_TRUE(TilesDirtyAt(CRect(300, 200, 330, 230)));
    // Far away nothing is touched.
    EXPECT_FALSE(TilesDirtyAt(CRect(700, 500, 710, 510)));
    // And the index knows where it is now.
    EXPECT_EQ(view->ObjectAt(CPoint(310, 210)), a);
    EXPECT_EQ(view->ObjectAt(CPoint(30, 30)), nullptr);
}

TEST_F(UpdateHintsTest, OutlineFeedbackIsDrawnOnlyInTheSendingView) {
    CQarnRect* a = AddBox(RectF(20, 20, 30, 30));
    view->RenderVisibleNow();
    QApplication::processEvents();
    const QImage before = view->GrabClient();
    // Another view's feedback does not show here.
    view->OnUpdate(nullptr, Qarn::kHintOutline, a);
    EXPECT_EQ(view->GrabClient(), before);
    view->OnUpdate(view.get(), Qarn::kHintOutline, a);
    EXPECT_NE(view->GrabClient(), before);
    // Repainting the component ends its feedback.
    a->Invalidate(nullptr, false);
    view->RenderVisibleNow();
    EXPECT_EQ(view->GrabClient(), before);
}

TEST_F(UpdateHintsTest, APageChangeShowsTheNewPageAndEmptiesTheSelection) {
    CQarnRect* a = AddBox(RectF(20, 20, 30, 30));
    view->Select(a);
    CQarnCanvas* second = doc->AddNewCanvas();
    second->SetSize(300, 900);
    doc->GoToCanvas(second);
    doc->NotifyPageChanged(second, Qarn::PageChange::Current);
    EXPECT_TRUE(view->GetSelection().isEmpty());
    EXPECT_EQ(view->GetTotalSize(), CSize(300, 900));
    EXPECT_EQ(view->ObjectAt(CPoint(30, 30)), nullptr);
}

TEST_F(UpdateHintsTest, SelectionChangesArePostedToTheMainWindow) {
    CQarnRect* a = AddBox(RectF(20, 20, 30, 30));
    view->OnSelectionChanged(a);
    QApplication::processEvents();
    const QList<RecordedMessage> posted = mainWindow.Of(QRN_SELECTIONCHANGE);
    ASSERT_EQ(posted.size(), 1);
    EXPECT_EQ(posted[0].lParam, LPARAM(a));
}

namespace {

// What the label-handle action gives the views.
class LabelRect : public CQarnLabelRectSource {
public:
    explicit LabelRect(const RectF& r) : rect(r) {}
    RectF GetLabelRect() const override { return rect; }
    RectF rect;
};

// Records the client areas the view asks to repaint.
class UpdateWatcher : public QObject {
public:
    QRegion updated;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            updated += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

}  // namespace

TEST_F(UpdateHintsTest, ALabelDragRepaintsTheLabelGrownByNineUnitsOfZoom) {
    const CPoint spot(200, 200);
    view->DoZoomIn(&spot, 2.0f);
    while (view->IsRendering()) {
        QApplication::processEvents();
    }
    QApplication::processEvents();
    UpdateWatcher watcher;
    view->viewport()->installEventFilter(&watcher);
    LabelRect label(RectF(150.7f, 160.2f, 40, 20));
    view->OnUpdate(nullptr, Qarn::kHintLabelRect, &label);
    EXPECT_TRUE(view->IsRedrawPending());
    QApplication::processEvents();
    view->viewport()->removeEventFilter(&watcher);
    CRect expected(150, 160, 190, 180);
    view->DocToClient(expected);
    expected.InflateRect(18, 18);
    const QRect area(expected.left, expected.top, expected.Width(), expected.Height());
    EXPECT_TRUE(watcher.updated.contains(area));
    EXPECT_FALSE(watcher.updated.contains(QRect(0, 0, 5, 5)));
}
