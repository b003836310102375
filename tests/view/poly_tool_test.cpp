// Drawing lines, arrows, polylines, polygons, curves and scribbles with the mouse.
#include <cmath>

#include "core/arrow_type.h"
#include "core/component_style.h"
#include "shapes/poly.h"
#include "view/command_ids.h"
#include "view/tool_fixtures.h"

namespace {

class PolyToolTest : public ToolViewTest {
protected:
    CQarnPoly* OnlyPoly() {
        return Components().size() == 1 ? dynamic_cast<CQarnPoly*>(Components().first()) : nullptr;
    }
    static PointF Pt(const CQarnPoly* poly, int i) { return poly->GetPoint(i, 1); }
};

}  // namespace

TEST_F(PolyToolTest, ALineIsOneDragAndOneStep) {
    const QByteArray empty = Bytes();
    Use(QarnCmd::ToolLine);
    Drag(At(100, 100), At(260, 180));
    CQarnPoly* line = OnlyPoly();
    ASSERT_NE(line, nullptr);
    ASSERT_EQ(line->GetPointCount(), 2);
    EXPECT_FLOAT_EQ(Pt(line, 1).X, 100);
    EXPECT_FLOAT_EQ(Pt(line, 2).X, 260);
    EXPECT_FLOAT_EQ(Pt(line, 2).Y, 180);
    EXPECT_FALSE(line->IsClosed());
    EXPECT_FALSE(line->GetFill());
    EXPECT_EQ(line->GetJoinKind(), CQarnPoly::JoinLineSegment);
    EXPECT_EQ(line->GetEndArrow(), ArrowTypeNone);
    EXPECT_EQ(UndoDepth(), 1);
    EXPECT_EQ(CQarnTool::GetToolID(), CQarnTool::kSelectTool);
    const QByteArray drawn = Bytes();
    Undo();
    EXPECT_EQ(Bytes(), empty);
    Redo();
    EXPECT_EQ(Bytes(), drawn);
}

TEST_F(PolyToolTest, AClickWithTheLineToolLeavesNoTrace) {
    const QByteArray empty = Bytes();
    Use(QarnCmd::ToolLine);
    Click(At(100, 100));
    EXPECT_TRUE(Components().isEmpty());
    EXPECT_EQ(Bytes(), empty);
    EXPECT_EQ(UndoDepth(), 0);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(PolyToolTest, TheArrowHasItsHeadAndCtrlTurnsTheLineInStepsOf45Degrees) {
    Use(QarnCmd::ToolArrow);
    Drag(At(100, 100), At(200, 190), Qt::ControlModifier);
    CQarnPoly* arrow = OnlyPoly();
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->GetStartArrow(), ArrowTypeNone);
    EXPECT_EQ(arrow->GetEndArrow(), ArrowTypeArrow);
    const PointF a = Pt(arrow, 1);
    const PointF b = Pt(arrow, 2);
    const double degrees = std::atan2(b.Y - a.Y, b.X - a.X) * 180.0 / M_PI;
    EXPECT_NEAR(std::fmod(degrees + 360.0, 45.0), 0.0, 0.5);
    // Ctrl held at the release keeps the tool.
    EXPECT_EQ(CQarnTool::GetToolID(), QarnCmd::ToolArrow);
}

TEST_F(PolyToolTest, APolylineEndedByADoubleClickHasNoRepeatedLastVertex) {
    const QByteArray empty = Bytes();
    Use(QarnCmd::ToolPolyline);
    Click(At(100, 100));
    MoveTo(At(200, 120));
    Click(At(200, 120));
    MoveTo(At(260, 220));
    DoubleClick(At(260, 220));
    CQarnPoly* poly = OnlyPoly();
    ASSERT_NE(poly, nullptr);
    ASSERT_EQ(poly->GetPointCount(), 3);
    EXPECT_FLOAT_EQ(Pt(poly, 2).X, 200);
    EXPECT_FLOAT_EQ(Pt(poly, 3).X, 260);
    EXPECT_FLOAT_EQ(Pt(poly, 3).Y, 220);
    EXPECT_FALSE(poly->IsClosed());
    EXPECT_EQ(UndoDepth(), 1);
    EXPECT_EQ(CQarnTool::GetToolID(), CQarnTool::kSelectTool);
    Undo();
    EXPECT_EQ(Bytes(), empty);
}

TEST_F(PolyToolTest, APolygonEndsWithARightClickAtItsLastVertex) {
    Use(QarnCmd::ToolPolygon);
    Click(At(100, 100));
    MoveTo(At(200, 100));
    Click(At(200, 100));
    MoveTo(At(150, 200));
    RightClick(At(150, 200));
    CQarnPoly* polygon = OnlyPoly();
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(polygon->GetPointCount(), 3);
    EXPECT_TRUE(polygon->IsClosed());
    EXPECT_EQ(CQarnTool::GetToolID(), CQarnTool::kSelectTool);
    EXPECT_EQ(UndoDepth(), 1);
}

TEST_F(PolyToolTest, CurvesAreCurvedAndTheClosedCurveIsClosed) {
    Use(QarnCmd::ToolCurve);
    Click(At(100, 100));
    MoveTo(At(200, 150));
    Click(At(200, 150));
    MoveTo(At(300, 100));
    DoubleClick(At(300, 100));
    Use(QarnCmd::ToolClosedCurve);
    Click(At(100, 300));
    MoveTo(At(200, 350));
    Click(At(200, 350));
    MoveTo(At(150, 420));
    DoubleClick(At(150, 420));
    ASSERT_EQ(Components().size(), 2);
    auto* open = dynamic_cast<CQarnPoly*>(Components().first());
    auto* closed = dynamic_cast<CQarnPoly*>(Components().last());
    ASSERT_TRUE(open && closed);
    EXPECT_EQ(open->GetJoinKind(), CQarnPoly::JoinCurve);
    EXPECT_FALSE(open->IsClosed());
    EXPECT_FALSE(open->GetFill());
    EXPECT_EQ(open->GetPointCount(), 3);
    EXPECT_EQ(closed->GetJoinKind(), CQarnPoly::JoinCurve);
    EXPECT_TRUE(closed->IsClosed());
    EXPECT_EQ(closed->GetPointCount(), 3);
    EXPECT_EQ(UndoDepth(), 2);
}

TEST_F(PolyToolTest, AScribbleKeepsThePointsThePointerPassed) {
    Use(QarnCmd::ToolScribble);
    Press(At(100, 100));
    for (int i = 1; i <= 20; ++i) {
        MoveTo(At(100.0f + float(i) * 5, 100.0f + float(std::sin(i / 3.0) * 30)));
    }
    Release(At(200, 100));
    CQarnPoly* scribble = OnlyPoly();
    ASSERT_NE(scribble, nullptr);
    EXPECT_GE(scribble->GetPointCount(), 20);
    EXPECT_EQ(scribble->GetJoinKind(), CQarnPoly::JoinCurve);
    EXPECT_EQ(UndoDepth(), 1);
    // A scribble of a point or two is nothing.
    Use(QarnCmd::ToolScribble);
    Click(At(300, 300));
    EXPECT_EQ(Components().size(), 1);
    EXPECT_EQ(UndoDepth(), 1);
}

TEST_F(PolyToolTest, EscapeTakesBackAPolylineInProgressAndAnotherToolEndsIt) {
    const QByteArray empty = Bytes();
    Use(QarnCmd::ToolPolyline);
    Click(At(100, 100));
    MoveTo(At(200, 100));
    Click(At(200, 100));
    MoveTo(At(200, 200));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Components().isEmpty());
    EXPECT_EQ(Bytes(), empty);
    EXPECT_EQ(UndoDepth(), 0);

    // Choosing another tool keeps the vertices placed, not the rubber point.
    Use(QarnCmd::ToolPolyline);
    Click(At(100, 100));
    MoveTo(At(200, 100));
    Click(At(200, 100));
    MoveTo(At(300, 250));
    Use(QarnCmd::ShapeRectangle);
    CQarnPoly* poly = OnlyPoly();
    ASSERT_NE(poly, nullptr);
    EXPECT_EQ(poly->GetPointCount(), 2);
    EXPECT_FLOAT_EQ(Pt(poly, 2).X, 200);
    EXPECT_EQ(UndoDepth(), 1);
    // And the next drawing may start at once.
    Drag(At(300, 300), At(350, 350));
    EXPECT_EQ(Components().size(), 2);
}
