// The selection tool through simulated mouse and key events on a real view.
#include <QCursor>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/notification_messages.h"
#include "view/tool_fixtures.h"

TEST_F(ToolViewTest, AClickSelectsTheTopmostAndAClickOnEmptySpaceClearsTheSelection) {
    CQarnRect* below = AddBox(RectF(100, 100, 100, 80));
    CQarnRect* above = AddBox(RectF(150, 120, 100, 80));
    Click(At(170, 140));
    EXPECT_EQ(view->GetSelection(), ComponentList{above});
    EXPECT_GE(mainWindow.Count(QRN_SELECTIONCHANGE), 1);
    EXPECT_EQ(mainWindow.Count(QRN_RULERPOINT), 1);
    Click(At(110, 110));
    EXPECT_EQ(view->GetSelection(), ComponentList{below});
    // Shift adds, Ctrl on a selected one takes it out.
    Click(At(240, 190), Qt::ShiftModifier);
    EXPECT_EQ(view->GetSelection().size(), 2);
    Click(At(110, 110), Qt::ControlModifier);
    EXPECT_EQ(view->GetSelection(), ComponentList{above});
    Click(At(400, 400));
    EXPECT_TRUE(view->GetSelection().isEmpty());
    EXPECT_EQ(UndoDepth(), 0);  // selecting changes nothing
}

TEST_F(ToolViewTest, TheRubberBandSelectsWhatLiesWhollyInsideOnShownSelectableLayers) {
    CQarnRect* inside = AddBox(RectF(50, 50, 40, 40));
    AddBox(RectF(80, 80, 200, 40));  // crosses the band's edge
    CQarnLayer* hidden = doc->GetCurrentCanvas()->AddNewLayer();
    AddBox(RectF(60, 100, 20, 20), hidden);
    hidden->SetVisible(false);
    CQarnLayer* locked = doc->GetCurrentCanvas()->AddNewLayer();
    AddBox(RectF(100, 60, 20, 20), locked);
    locked->SetLocked(true);
    view->RenderVisibleNow();
    Drag(At(20, 20), At(150, 150));
    EXPECT_EQ(view->GetSelection(), ComponentList{inside});
}

TEST_F(ToolViewTest, ADragMovesTheSelectionAsOneStepAndAClickNeverNudges) {
    CQarnRect* box = AddBox(RectF(100, 100, 80, 60));
    const QByteArray before = Bytes();
    // A press that wavers by a pixel or two is a click.
    Press(At(120, 120));
    MoveTo(At(121, 121));
    MoveTo(At(122, 120));
    Release(At(122, 120));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(UndoDepth(), 0);
    Drag(At(120, 120), At(170, 140));
    EXPECT_FLOAT_EQ(box->GetRectF().X, 150);
    EXPECT_FLOAT_EQ(box->GetRectF().Y, 120);
    EXPECT_EQ(UndoDepth(), 1);
    EXPECT_TRUE(view->OnCommand(57643));  // Undo
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ToolViewTest, EscapeCancelsADragAndLeavesNoTrace) {
    CQarnRect* box = AddBox(RectF(100, 100, 80, 60));
    const QByteArray before = Bytes();
    Drag(At(120, 120), At(200, 180), Qt::NoModifier, false);
    ASSERT_NE(box->GetRectF().X, 100);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(UndoDepth(), 0);
    EXPECT_EQ(gUndoManager->GetStackSize(doc.get(), 1), 0);  // nothing to redo either
    EXPECT_FALSE(doc->IsModified());
    Release(At(200, 180));
    EXPECT_EQ(Bytes(), before);
}

TEST_F(ToolViewTest, AHandleDragSizesAndShiftKeepsTheProportions) {
    CQarnRect* box = AddBox(RectF(100, 100, 100, 50));
    Click(At(150, 125));
    ASSERT_EQ(view->GetSelection(), ComponentList{box});
    // The bottom-right handle.
    Drag(At(200, 150), At(260, 170));
    EXPECT_FLOAT_EQ(box->GetRectF().Width, 160);
    EXPECT_FLOAT_EQ(box->GetRectF().Height, 70);
    EXPECT_EQ(UndoDepth(), 1);
    view->OnCommand(57643);
    EXPECT_FLOAT_EQ(box->GetRectF().Width, 100);
    Drag(At(200, 150), At(300, 160), Qt::ShiftModifier);
    EXPECT_NEAR(box->GetRectF().Width / box->GetRectF().Height, 2.0, 0.02);
}

TEST_F(ToolViewTest, ATurnedShapeSizesAlongItsOwnAxes) {
    CQarnRect* box = AddBox(RectF(200, 200, 100, 100));
    box->RotateAt(90, box->GetCenterPointF(), 0);
    Click(At(250, 250));
    // Turned a quarter, the frame's right edge handle shows at the bottom middle.
    const PointF right = box->GetHandle(4, 1);
    Drag(At(right.X, right.Y), At(right.X, right.Y + 40));
    EXPECT_NEAR(box->GetRectF().Width, 140, 1);
    EXPECT_NEAR(box->GetRectF().Height, 100, 1);
}

TEST_F(ToolViewTest, AConnectorEndDroppedOnAShapeAttachesToItsAnchor) {
    CQarnRect* a = AddBox(RectF(50, 50, 80, 60));
    CQarnRect* b = AddBox(RectF(300, 50, 80, 60));
    auto* k = new CQarnConnector(RectF(130, 80, 0, 0));
    k->AddPoint(PointF(130, 80));
    k->AddPoint(PointF(220, 200));
    k->RecalcBounds(0);
    k->ResetHandles();
    doc->AddTail(k);
    view->Select(k, false);
    const PointF end = k->GetHandle(k->GetHandleCount(), 1);

    // The left anchor of b is the middle of its left side.
    Drag(At(end.X, end.Y), At(302, 80));
    ASSERT_NE(k->GetRightConnection(), nullptr);
    EXPECT_EQ(k->GetRightConnection()->GetComponent(), b);
    EXPECT_EQ(doc->GetConnectionTarget(), nullptr);
    // And it follows when b moves.
    view->Select(b, false);
    Drag(At(340, 80), At(340, 180));
    const PointF last = k->GetPointArray()[k->GetPointCount() - 1];
    EXPECT_NEAR(last.Y, 180, 1);
    (void)a;
}

TEST_F(ToolViewTest, ArrowKeysNudgeAndARowOfNudgesIsOneStep) {
    CQarnRect* box = AddBox(RectF(100, 100, 40, 40));
    const QByteArray before = Bytes();
    Click(At(110, 110));
    for (int i = 0; i < 5; ++i) {
        Key(Qt::Key_Right);
    }
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(box->GetRectF().X, 105);
    EXPECT_FLOAT_EQ(box->GetRectF().Y, 110);
    EXPECT_EQ(UndoDepth(), 1);
    view->OnCommand(57643);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(ToolViewTest, TheCursorSaysWhatADragWouldDo) {
    CQarnRect* box = AddBox(RectF(100, 100, 100, 60));
    MoveTo(At(400, 300));
    EXPECT_EQ(Surface()->cursor().shape(), Qt::ArrowCursor);
    MoveTo(At(150, 130));
    EXPECT_EQ(Surface()->cursor().shape(), Qt::SizeAllCursor);
    view->Select(box, false);
    MoveTo(At(200, 160));
    EXPECT_EQ(Surface()->cursor().shape(), Qt::SizeFDiagCursor);
    MoveTo(At(150, 100));
    EXPECT_EQ(Surface()->cursor().shape(), Qt::SizeVerCursor);
    EXPECT_GE(mainWindow.Count(QRN_MOUSEMOVE), 4);
}

TEST_F(ToolViewTest, ChangingTheToolTellsTheMainWindowOnce) {
    ASSERT_TRUE(view->OnCommand(18040));
    ASSERT_EQ(mainWindow.Count(QRN_SELECT_TOOL), 1);
    EXPECT_EQ(mainWindow.Of(QRN_SELECT_TOOL)[0].wParam, 18040u);
    EXPECT_EQ(mainWindow.Of(QRN_SELECT_TOOL)[0].lParam, 18072);
    view->OnCommand(18040);
    EXPECT_EQ(mainWindow.Count(QRN_SELECT_TOOL), 1);
    // After one use, the tool falls back to the selection tool.
    Drag(At(100, 100), At(150, 150));
    EXPECT_EQ(CQarnTool::GetToolID(), CQarnTool::kSelectTool);
}

TEST_F(ToolViewTest, TheCircleSelectsWhatLiesInsideIt) {
    CQarnRect* inside = AddBox(RectF(190, 190, 20, 20));
    AddBox(RectF(100, 100, 20, 20));
    view->OnCommand(18040);
    Drag(At(200, 200), At(250, 250));
    EXPECT_EQ(view->GetSelection(), ComponentList{inside});
}

TEST_F(ToolViewTest, TheLassoSelectsWhatLiesInsideIt) {
    CQarnRect* inside = AddBox(RectF(120, 120, 20, 20));
    AddBox(RectF(300, 300, 20, 20));
    view->OnCommand(18062);
    for (QPoint p : {At(100, 100), At(200, 100), At(200, 200), At(100, 200)}) {
        Click(p);
    }
    QTest::mouseDClick(Surface(), Qt::LeftButton, Qt::NoModifier, At(100, 200));
    EXPECT_EQ(view->GetSelection(), ComponentList{inside});
    view->OnCommand(18072);
}
