// Points, symbols, rotating, perspective, zoom, pan and the magnifier through simulated input.
#include <QScrollBar>

#include "connectors/anchor_point.h"
#include "properties/persp_property.h"
#include "properties/property_kinds.h"
#include "shapes/point.h"
#include "shapes/symbol_fixtures.h"
#include "view/command_ids.h"
#include "view/tool_fixtures.h"
#include "view/tools/auto_shape_tool.h"
#include "view/tools/magnifier_lens.h"
#include "view/tools/magnifier_tool.h"
#include "view/tools/rotate_tool.h"

TEST_F(ToolViewTest, ThePointToolPlacesAPointOrAnAnchorAsOneStep) {
    const QByteArray empty = Bytes();
    Use(QarnCmd::ToolPoint);
    Click(At(150, 120));
    ASSERT_EQ(Components().size(), 1);
    auto* point = dynamic_cast<CQarnPoint*>(Components().first());
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(dynamic_cast<CQarnAnchorPoint*>(point), nullptr);
    EXPECT_FLOAT_EQ(point->GetCenterPointF().X, 150);
    EXPECT_FLOAT_EQ(point->GetCenterPointF().Y, 120);
    EXPECT_EQ(view->GetSelection(), ComponentList{point});
    EXPECT_EQ(UndoDepth(), 1);
    Undo();
    EXPECT_EQ(Bytes(), empty);

    Use(18037);
    Drag(At(100, 100), At(140, 160));
    ASSERT_EQ(Components().size(), 1);
    auto* anchor = dynamic_cast<CQarnAnchorPoint*>(Components().first());
    ASSERT_NE(anchor, nullptr);
    // Carried by the drag to where the button came up.
    EXPECT_FLOAT_EQ(anchor->GetCenterPointF().X, 140);
    EXPECT_FLOAT_EQ(anchor->GetCenterPointF().Y, 160);
}

TEST_F(ToolViewTest, TheAutoShapeToolDrawsTheSymbolAndTheDocumentKeepsItsTemplate) {
    CQarnAutoShapeTempl* valve = BoxAndDisc(7001);
    // The designer's default size is the symbol's own size.
    valve->SetDefaultSize(100, 50);
    InstalledTemplates installed(valve);
    auto* tool = dynamic_cast<CAutoShapeTool*>(Qarn::FindTool(CAutoShapeTool::kAutoShapeToolID));
    ASSERT_NE(tool, nullptr);
    // The symbol commands count the installed templates.
    EXPECT_EQ(Qarn::FindTool(CAutoShapeTool::kFirstSymbolCommand), tool);
    EXPECT_EQ(Qarn::FindTool(CAutoShapeTool::kFirstSymbolCommand + 1), nullptr);

    Use(CAutoShapeTool::kFirstSymbolCommand);
    Click(At(200, 200));
    ASSERT_EQ(Components().size(), 1);
    auto* symbol = dynamic_cast<CQarnAutoShape*>(Components().first());
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->GetTemplateNumber(), 7001u);
    // A click gives the template's own size, centred.
    EXPECT_FLOAT_EQ(symbol->GetRectF().Width, 100);
    EXPECT_FLOAT_EQ(symbol->GetRectF().Height, 50);
    EXPECT_FLOAT_EQ(symbol->GetRectF().X, 150);
    ASSERT_NE(doc->FindASTemplate(7001), nullptr);
    EXPECT_EQ(symbol->GetTemplate(), doc->FindASTemplate(7001));

    // A tiny drag keeps the proportions at the least size.
    ASSERT_TRUE(tool->SetTemplate(7001));
    Use(CAutoShapeTool::kAutoShapeToolID);
    Drag(At(400, 300), At(403, 301));
    ASSERT_EQ(Components().size(), 2);
    const RectF small = Components().last()->GetRectF();
    EXPECT_NEAR(small.Width / small.Height, 2.0, 0.05);
    EXPECT_GE(std::min(small.Width, small.Height), 8.0f - 0.01f);
    EXPECT_EQ(UndoDepth(), 2);
}

TEST_F(ToolViewTest, TheRotateToolTurnsTheSelectionAndShowsTheAngle) {
    CQarnRect* box = AddBox(RectF(200, 200, 100, 60));
    view->Select(box, false);
    const QByteArray before = Bytes();
    Use(QarnCmd::ToolRotate);
    // Grab the right edge and sweep a quarter turn about the centre (250, 230).
    Press(At(300, 230));
    MoveTo(At(290, 260));
    MoveTo(At(250, 280));
    EXPECT_NEAR(CRotateTool::GetLastAngle(), 90.0f, 1.0f);
    Release(At(250, 280));
    EXPECT_NEAR(box->GetRotateAngle(), 90.0f, 1.0f);
    EXPECT_EQ(UndoDepth(), 1);
    Undo();
    EXPECT_EQ(Bytes(), before);

    // Shift turns in steps of 15 degrees.
    Use(QarnCmd::ToolRotate);
    Press(At(300, 230));
    MoveTo(At(300, 250), Qt::ShiftModifier);
    Release(At(300, 250), Qt::ShiftModifier);
    EXPECT_EQ(int(std::lround(box->GetRotateAngle())) % 15, 0);
    EXPECT_NE(int(std::lround(box->GetRotateAngle())), 0);
}

TEST_F(ToolViewTest, ATurnOfLessThanADegreeOrEscapeRecordsNothing) {
    CQarnRect* box = AddBox(RectF(200, 200, 100, 60));
    view->Select(box, false);
    const QByteArray before = Bytes();
    Use(QarnCmd::ToolRotate);
    Press(At(300, 230));
    MoveTo(At(300, 230.5f));
    Release(At(300, 231));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(UndoDepth(), 0);

    Use(QarnCmd::ToolRotate);
    Press(At(300, 230));
    MoveTo(At(250, 280));
    Key(Qt::Key_Escape);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(UndoDepth(), 0);
    Release(At(250, 280));
    EXPECT_EQ(Bytes(), before);
    EXPECT_FLOAT_EQ(CRotateTool::GetAngleAOB(PointF(0, 0), PointF(10, 0), PointF(0, 10)), 90.0f);
}

TEST_F(ToolViewTest, FourClicksOfThePerspectiveToolGiveTheSelectedShapeItsQuadrilateral) {
    CQarnRect* box = AddBox(RectF(100, 100, 200, 100));
    view->Select(box, false);
    Use(QarnCmd::ToolPerspective);
    const PointF corners[4] = {PointF(90, 90), PointF(320, 110), PointF(300, 210),
                               PointF(110, 190)};
    for (const PointF& c : corners) {
        MoveTo(At(c.X, c.Y));
        Click(At(c.X, c.Y));
    }
    auto* perspective = dynamic_cast<CQarnPerspProperty*>(box->GetProperty(QARN_PROP_PERSP));
    ASSERT_NE(perspective, nullptr);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(perspective->GetCorner(i).X, corners[i].X) << i;
        EXPECT_FLOAT_EQ(perspective->GetCorner(i).Y, corners[i].Y) << i;
    }
    EXPECT_EQ(UndoDepth(), 1);
    EXPECT_EQ(CQarnTool::GetToolID(), CQarnTool::kSelectTool);
    Undo();
    EXPECT_EQ(box->GetProperty(QARN_PROP_PERSP), nullptr);
}

TEST_F(ToolViewTest, TheZoomToolZoomsByClicksWithinItsLimits) {
    ASSERT_TRUE(view->OnCommand(QarnCmd::ZoomIn));
    EXPECT_EQ(CQarnTool::GetToolID(), QarnCmd::ZoomIn);
    const float start = view->GetZoomRatio();
    Click(At(200, 200));
    EXPECT_NEAR(view->GetZoomRatio(), start * 1.2f, 0.01f);
    // The tool stays; the zoom stops at 1000%.
    CPoint centre(200, 200);
    view->DoZoomIn(&centre, 10.0f / view->GetZoomRatio());
    ASSERT_NEAR(view->GetZoomRatio(), 10.0f, 0.01f);
    Click(At(200, 200));
    EXPECT_NEAR(view->GetZoomRatio(), 10.0f, 0.01f);

    ASSERT_TRUE(view->OnCommand(QarnCmd::ZoomOut));
    view->DoZoomOut(&centre, view->GetZoomRatio() / 0.1f);
    ASSERT_NEAR(view->GetZoomRatio(), 0.1f, 0.001f);
    Click(At(200, 200));
    EXPECT_NEAR(view->GetZoomRatio(), 0.1f, 0.001f);
    view->DoZoomIn(&centre, 5.0f);
    const float before = view->GetZoomRatio();
    Click(At(20, 20));
    EXPECT_NEAR(view->GetZoomRatio(), before / 1.2f, 0.01f);
    EXPECT_EQ(UndoDepth(), 0);
    // The command again turns it off.
    ASSERT_TRUE(view->OnCommand(QarnCmd::ZoomOut));
    EXPECT_EQ(CQarnTool::GetToolID(), CQarnTool::kSelectTool);
}

TEST_F(ToolViewTest, ThePanToolTheMiddleButtonAndSpaceDragMoveTheView) {
    CPoint centre(400, 300);
    view->DoZoomIn(&centre, 3.0f);
    QScrollBar* h = view->horizontalScrollBar();
    QScrollBar* v = view->verticalScrollBar();
    h->setValue(h->maximum() / 2);
    v->setValue(v->maximum() / 2);
    const QByteArray before = Bytes();

    Use(QarnCmd::ToolPan);
    int x = h->value();
    int y = v->value();
    Drag(QPoint(200, 200), QPoint(160, 170));
    EXPECT_EQ(h->value(), x + 40);
    EXPECT_EQ(v->value(), y + 30);
    EXPECT_EQ(CQarnTool::GetToolID(), QarnCmd::ToolPan);

    Use(CQarnTool::kSelectTool);
    x = h->value();
    y = v->value();
    QTest::mousePress(Surface(), Qt::MiddleButton, Qt::NoModifier, QPoint(200, 200));
    QMouseEvent move(QEvent::MouseMove, QPointF(230, 220),
                     Surface()->mapToGlobal(QPointF(230, 220)), Qt::NoButton, Qt::MiddleButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Surface(), &move);
    QTest::mouseRelease(Surface(), Qt::MiddleButton, Qt::NoModifier, QPoint(230, 220));
    EXPECT_EQ(h->value(), x - 30);
    EXPECT_EQ(v->value(), y - 20);

    // Space held: a left drag pans instead of drawing a rubber band.
    x = h->value();
    QTest::keyPress(view.get(), Qt::Key_Space);
    Drag(QPoint(200, 200), QPoint(150, 200));
    QTest::keyRelease(view.get(), Qt::Key_Space);
    EXPECT_EQ(h->value(), x + 50);
    EXPECT_FALSE(view->IsPanning());
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(UndoDepth(), 0);
}

TEST_F(ToolViewTest, TheMagnifierShowsALensWhileTheButtonIsHeld) {
    AddBox(RectF(100, 100, 100, 100));
    view->RenderVisibleNow();
    Use(QarnCmd::ToolMagnifier);
    auto* tool = dynamic_cast<CMagnifierTool*>(Qarn::FindTool(QarnCmd::ToolMagnifier));
    ASSERT_NE(tool, nullptr);
    Press(At(100, 150));
    CMagnifierLens* lens = tool->GetLens();
    ASSERT_NE(lens, nullptr);
    EXPECT_EQ(lens->size(), QSize(200, 150));
    EXPECT_EQ(lens->geometry().topLeft() + QPoint(100, 75), At(100, 150));
    // Four times larger: the lens sees 50 by 37 pixels of the view.
    EXPECT_EQ(lens->GetSource().width(), int(50 * lens->devicePixelRatioF()));
    MoveTo(At(150, 150));
    EXPECT_EQ(lens->geometry().topLeft() + QPoint(100, 75), At(150, 150));
    Release(At(150, 150));
    EXPECT_EQ(tool->GetLens(), nullptr);
    EXPECT_EQ(UndoDepth(), 0);
}
