// Snapping to the grid, the grid dialog and its undoable action.
#include <gtest/gtest.h>

#include <QSpinBox>

#include "undo/undo_manager.h"
#include "view/grid_set_action.h"
#include "view/grid_set_dialog.h"
#include "view_fixtures.h"

namespace {

using GridTest = ViewTest;

CPoint SnappedDoc(CQarnBaseView& view, const CPoint& docPoint) {
    CPoint client = docPoint;
    view.DocToClient(client);
    view.SnapPoint(client);
    view.ClientToDoc(client);
    return client;
}

}  // namespace

TEST_F(GridTest, SnappingRoundsToTheGridTruncatingTowardZero) {
    doc->SetGridSize(4);
    // Scroll so that negative document points are in the client area.
    const CPoint corner(0, 0);
    view->DoZoomIn(&corner, 1.0f);
    EXPECT_EQ(SnappedDoc(*view, CPoint(5, 6)), CPoint(4, 8));
    EXPECT_EQ(SnappedDoc(*view, CPoint(-5, 6)), CPoint(0, 8));
    EXPECT_EQ(SnappedDoc(*view, CPoint(2, 2)), CPoint(4, 4));
    doc->SetGridSize(10);
    EXPECT_EQ(SnappedDoc(*view, CPoint(14, 15)), CPoint(10, 20));
    doc->SetGridSize(40);
    EXPECT_EQ(SnappedDoc(*view, CPoint(59, 61)), CPoint(40, 80));
}

TEST_F(GridTest, SnappingWorksAtOtherZooms) {
    doc->SetGridSize(10);
    const CPoint spot(200, 200);
    view->DoZoomIn(&spot, 3.0f);
    EXPECT_EQ(SnappedDoc(*view, CPoint(204, 196)), CPoint(200, 200));
    EXPECT_EQ(SnappedDoc(*view, CPoint(206, 215)), CPoint(210, 220));
    view->DoZoomOut(nullptr, 12.0f);
    // At a quarter a pixel is four units: the snapped pixel is the one over the grid point.
    const CPoint snapped = SnappedDoc(*view, CPoint(206, 215));
    EXPECT_LE(std::abs(snapped.x - 210), 2);
    EXPECT_LE(std::abs(snapped.y - 220), 2);
}

TEST_F(GridTest, TheSnapCommandToggles) {
    EXPECT_FALSE(view->IsSnapToGrid());
    view->OnSnapToGrid();
    EXPECT_TRUE(view->IsSnapToGrid());
    view->OnSnapToGrid();
    EXPECT_FALSE(view->IsSnapToGrid());
}

TEST(GridDialogTest, SizesOutside4To40AreRefused) {
    CGridSetDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Grid Setting"));
    dialog.SetValues(3, CQarnDoc::GridDots, 0xFF112233u);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    // The spin control stops at 40.
    dialog.SetValues(41, CQarnDoc::GridDots, 0xFF112233u);
    EXPECT_EQ(dialog.GetGridSize(), 40);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetGridStyle(), int(CQarnDoc::GridDots));
    EXPECT_EQ(dialog.GetGridColor(), 0xFF112233u);
    EXPECT_FALSE(CGridSetDlg::IsAcceptableSize(3));
    EXPECT_TRUE(CGridSetDlg::IsAcceptableSize(4));
    EXPECT_FALSE(CGridSetDlg::IsAcceptableSize(41));
    // Every control can be named by assistive technology.
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (child->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(child->accessibleName().isEmpty()) << child->metaObject()->className();
        }
    }
}

TEST_F(GridTest, NewGridSettingsAreOneUndoableStep) {
    ASSERT_NE(gUndoManager, nullptr);
    doc->SetGridSize(4);
    doc->SetGridStyle(CQarnDoc::GridLines);
    doc->SetGridColor(0xFFC0C0C0u);
    doc->SetGridShown(true);
    view->ApplyGridSettings(20, CQarnDoc::GridCrosses, 0xFF0000FFu);
    EXPECT_EQ(doc->GetGridSize(), 20);
    EXPECT_EQ(doc->GetGridStyle(), int(CQarnDoc::GridCrosses));
    EXPECT_EQ(doc->GetGridColor(), 0xFF0000FFu);
    ASSERT_TRUE(gUndoManager->CanUndo(doc.get(), 1));
    gUndoManager->Undo(doc.get(), 1);
    EXPECT_EQ(doc->GetGridSize(), 4);
    EXPECT_EQ(doc->GetGridStyle(), int(CQarnDoc::GridLines));
    EXPECT_EQ(doc->GetGridColor(), 0xFFC0C0C0u);
    gUndoManager->Redo(doc.get(), 1);
    EXPECT_EQ(doc->GetGridSize(), 20);
    EXPECT_EQ(doc->GetGridColor(), 0xFF0000FFu);
    // A size the dialog refuses changes nothing and records nothing.
    gUndoManager->Undo(doc.get(), 1);
    view->ApplyGridSettings(3, CQarnDoc::GridDots, 0);
    EXPECT_EQ(doc->GetGridSize(), 4);
    EXPECT_FALSE(gUndoManager->CanUndo(doc.get(), 1));
}

TEST_F(GridTest, TheGridShowsInEachStyleAndThinsOutWhenSmall) {
    doc->SetGridShown(true);
    doc->SetGridSize(10);
    doc->SetGridColor(0xFF000000u);
    auto darkPixels = [&] {
        view->RenderVisibleNow();
        const QImage shot = view->GrabClient();
        const CPoint o = view->GetOrigin();
        int dark = 0;
        for (int y = std::max(o.y, 0); y < std::min(o.y + 200, shot.height()); ++y) {
            for (int x = std::max(o.x, 0); x < std::min(o.x + 200, shot.width()); ++x) {
                dark += qGray(shot.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        return dark;
    };
    std::vector<int> counts;
    for (int style = 0; style < CQarnDoc::kGridStyleCount; ++style) {
        doc->SetGridStyle(style);
        view->OnUpdate(nullptr, 0, nullptr);
        counts.push_back(darkPixels());
        EXPECT_GT(counts.back(), 100) << "style " << style;
    }
    // Dots mark less than crosses, crosses less than lines.
    EXPECT_LT(counts[CQarnDoc::GridDots], counts[CQarnDoc::GridCrosses]);
    EXPECT_LT(counts[CQarnDoc::GridCrosses], counts[CQarnDoc::GridLines]);
    // At a fifth, lines 2 pixels apart would grey the page: every other one is drawn.
    doc->SetGridStyle(CQarnDoc::GridLines);
    view->DoZoomOut(nullptr, 5.0f);
    view->OnUpdate(nullptr, 0, nullptr);
    const int small = darkPixels();
    EXPECT_LT(small, 200 * 200 / 2);
}
