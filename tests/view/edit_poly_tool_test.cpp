// Adding, moving and removing the points of polys with the point-editing tool.
#include "connectors/connector.h"
#include "shapes/poly.h"
#include "view/command_ids.h"
#include "view/tool_fixtures.h"

namespace {

class EditPolyToolTest : public ToolViewTest {
protected:
    CQarnPoly* AddPoly(std::initializer_list<PointF> points, bool closed, bool curved) {
        auto* poly = new CQarnPoly(RectF(0, 0, 0, 0));
        for (const PointF& p : points) {
            poly->AddPoint(p);
        }
        poly->SetClosed(closed);
        poly->SetPolyStyle(curved ? CQarnPoly::JoinCurve : CQarnPoly::JoinLineSegment);
        poly->RecalcBounds(0);
        poly->UpdateRotateCenter();
        poly->ResetPath();
        doc->AddTail(poly);
        view->Select(poly, false);
        return poly;
    }
};

}  // namespace

TEST_F(EditPolyToolTest, AddsMovesAndRemovesPointsOfAPolygonEachAsOneStep) {
    CQarnPoly* polygon = AddPoly(
        {PointF(100, 100), PointF(300, 100), PointF(300, 250), PointF(100, 250)}, true, false);
    const QByteArray before = Bytes();
    ASSERT_TRUE(view->OnCommand(QarnCmd::EditPoint));

    // A drag from the middle of the top edge inserts a point there and pulls it up.
    Drag(At(200, 100), At(200, 60));
    ASSERT_EQ(polygon->GetPointCount(), 5);
    EXPECT_FLOAT_EQ(polygon->GetPoint(2, 1).X, 200);
    EXPECT_FLOAT_EQ(polygon->GetPoint(2, 1).Y, 60);
    EXPECT_EQ(UndoDepth(), 1);
    // The tool stays for the next edit.
    EXPECT_EQ(CQarnTool::GetToolID(), QarnCmd::EditPoint);

    // A drag of a corner moves it.
    Drag(At(300, 250), At(340, 280));
    EXPECT_FLOAT_EQ(polygon->GetPoint(4, 1).X, 340);
    EXPECT_FLOAT_EQ(polygon->GetPoint(4, 1).Y, 280);
    EXPECT_EQ(UndoDepth(), 2);
    // A click on a point moves nothing and records nothing.
    Click(At(100, 100));
    EXPECT_EQ(UndoDepth(), 2);

    // Remove mode: a click on a point removes it.
    ASSERT_TRUE(view->OnCommand(QarnCmd::DeletePoint));
    EXPECT_EQ(Qarn::FindTool(QarnCmd::DeletePoint), Qarn::FindTool(QarnCmd::EditPoint));
    Click(At(200, 60));
    EXPECT_EQ(polygon->GetPointCount(), 4);
    EXPECT_EQ(UndoDepth(), 3);

    Undo();
    Undo();
    Undo();
    EXPECT_EQ(Bytes(), before);
}

TEST_F(EditPolyToolTest, APointIsInsertedOnTheBendOfACurve) {
    CQarnPoly* curve = AddPoly({PointF(100, 200), PointF(250, 100), PointF(400, 200)}, false, true);
    Use(QarnCmd::EditPoint);
    // Between the first two points, on the curve rather than its chord.
    PointF onCurve;
    bool found = false;
    for (float x = 160; x <= 190 && !found; x += 1) {
        for (float y = 100; y <= 200; y += 1) {
            if (curve->HitTest(PointF(x, y), 0.5f)) {
                onCurve = PointF(x, y);
                found = true;
                break;
            }
        }
    }
    ASSERT_TRUE(found);
    Drag(At(onCurve.X, onCurve.Y), At(onCurve.X, onCurve.Y - 30));
    ASSERT_EQ(curve->GetPointCount(), 4);
    EXPECT_NEAR(curve->GetPoint(2, 1).X, onCurve.X, 1.0);
    EXPECT_NEAR(curve->GetPoint(2, 1).Y, onCurve.Y - 30, 1.0);
    EXPECT_EQ(curve->GetJoinKind(), CQarnPoly::JoinCurve);
    EXPECT_EQ(UndoDepth(), 1);
    // Escape during a point drag takes it back.
    Drag(At(400, 200), At(450, 260), Qt::NoModifier, false);
    EXPECT_FLOAT_EQ(curve->GetPoint(4, 1).X, 450);
    Key(Qt::Key_Escape);
    EXPECT_FLOAT_EQ(curve->GetPoint(4, 1).X, 400);
    EXPECT_EQ(UndoDepth(), 1);
    Release(At(450, 260));
    EXPECT_FLOAT_EQ(curve->GetPoint(4, 1).X, 400);
}

TEST_F(EditPolyToolTest, APolyKeepsTwoPointsAndAConnectorItsEnds) {
    CQarnPoly* line = AddPoly({PointF(100, 100), PointF(300, 100)}, false, false);
    Use(QarnCmd::DeletePoint);
    Click(At(300, 100));
    EXPECT_EQ(line->GetPointCount(), 2);
    EXPECT_EQ(UndoDepth(), 0);

    auto* k = new CQarnConnector(RectF(100, 300, 0, 0));
    k->SetConnectorType(CQarnConnector::TypeDirect);
    k->AddPoint(PointF(100, 300));
    k->AddPoint(PointF(200, 350));
    k->AddPoint(PointF(300, 300));
    k->RecalcBounds(0);
    k->ResetHandles();
    k->ResetPath();
    doc->AddTail(k);
    view->Select(k, false);
    Click(At(100, 300));
    Click(At(300, 300));
    EXPECT_EQ(k->GetPointCount(), 3);
    EXPECT_EQ(UndoDepth(), 0);
    // An inner point may go.
    Click(At(200, 350));
    EXPECT_EQ(k->GetPointCount(), 2);
    EXPECT_EQ(UndoDepth(), 1);
}
