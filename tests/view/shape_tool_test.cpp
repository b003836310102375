// Drawing shapes of the catalogue with the mouse on a real view.
#include "view/tools/shape_tool.h"
#include "controls/warning.h"
#include "core/notification_messages.h"
#include "shapes/shape_kind.h"
#include "shapes/shape_registry.h"
#include "view/command_ids.h"
#include "view/tool_fixtures.h"

namespace {

class ShapeToolTest : public ToolViewTest {
protected:
    void SetUp() override {
        ToolViewTest::SetUp();
        previous = Qarn::SetWarningHandler(
            [this](QWidget*, const QString& text) { warnings.append(text); });
    }
    void TearDown() override {
        Qarn::SetWarningHandler(previous);
        ToolViewTest::TearDown();
    }

    QStringList warnings;
    Qarn::WarningHandler previous;
};

}  // namespace

TEST_F(ShapeToolTest, ADragDrawsTheShapeAsOneStepThatUndoesAndRedoesByteForByte) {
    const QByteArray empty = Bytes();
    ASSERT_TRUE(view->OnCommand(QarnCmd::ShapeRectangle));
    EXPECT_EQ(CQarnTool::GetToolID(), QarnCmd::ShapeRectangle);
    Drag(At(100, 100), At(250, 180));
    ASSERT_EQ(Components().size(), 1);
    CQarnComponent* box = Components().first();
    // The rectangle command draws the auto-shape rectangle.
    EXPECT_EQ(box->GetShapeID(), 18228);
    EXPECT_EQ(box->GetRuntimeClass(), Qarn::FindShapeKind(18228)->runtimeClass);
    EXPECT_FLOAT_EQ(box->GetRectF().X, 100);
    EXPECT_FLOAT_EQ(box->GetRectF().Y, 100);
    EXPECT_FLOAT_EQ(box->GetRectF().Width, 150);
    EXPECT_FLOAT_EQ(box->GetRectF().Height, 80);
    EXPECT_EQ(view->GetSelection(), ComponentList{box});
    EXPECT_EQ(UndoDepth(), 1);
    // The tool falls back to the selection tool.
    EXPECT_EQ(CQarnTool::GetToolID(), CQarnTool::kSelectTool);

    const QByteArray drawn = Bytes();
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Bytes(), empty);
    EXPECT_TRUE(Components().isEmpty());
    ASSERT_TRUE(Redo());
    EXPECT_EQ(Bytes(), drawn);
}

TEST_F(ShapeToolTest, AClickGivesTheDefaultSizeAndATinyDragTheLeastSize) {
    Use(QarnCmd::ShapeEllipse);
    Click(At(200, 200));
    ASSERT_EQ(Components().size(), 1);
    const RectF clicked = Components().first()->GetRectF();
    EXPECT_EQ(Components().first()->GetShapeID(), 18218);
    EXPECT_FLOAT_EQ(clicked.X, 150);
    EXPECT_FLOAT_EQ(clicked.Y, 150);
    EXPECT_FLOAT_EQ(clicked.Width, 100);
    EXPECT_FLOAT_EQ(clicked.Height, 100);

    Use(QarnCmd::ShapeEllipse);
    Drag(At(300, 100), At(303, 103));
    ASSERT_EQ(Components().size(), 2);
    const RectF tiny = Components().last()->GetRectF();
    EXPECT_FLOAT_EQ(tiny.X, 300);
    EXPECT_FLOAT_EQ(tiny.Width, 8);
    EXPECT_FLOAT_EQ(tiny.Height, 8);
    EXPECT_EQ(UndoDepth(), 2);
}

TEST_F(ShapeToolTest, TheRightHandBraceMadeByAClickOpensToTheLeft) {
    Use(18245);
    Click(At(200, 200));
    ASSERT_EQ(Components().size(), 1);
    const RectF frame = Components().first()->GetRectF();
    EXPECT_FLOAT_EQ(std::fabs(frame.Width), 40);
    EXPECT_FLOAT_EQ(frame.Height, 100);
    EXPECT_LT(frame.Width, 0);
    EXPECT_FLOAT_EQ(frame.X + frame.Width / 2, 200);
}

TEST_F(ShapeToolTest, EscapeWhileDrawingLeavesNothingBehind) {
    const QByteArray empty = Bytes();
    Use(QarnCmd::ShapeRectangle);
    Drag(At(100, 100), At(250, 180), Qt::NoModifier, false);
    ASSERT_EQ(Components().size(), 1);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Components().isEmpty());
    EXPECT_EQ(Bytes(), empty);
    EXPECT_EQ(UndoDepth(), 0);
    EXPECT_EQ(RedoDepth(), 0);
    EXPECT_FALSE(doc->IsModified());
    Release(At(250, 180));
    EXPECT_TRUE(Components().isEmpty());
}

TEST_F(ShapeToolTest, SnappingShiftAndCtrlAsTheUserExpects) {
    view->SetSnapToGrid(true);  // grid of 4
    Use(QarnCmd::ShapeRectangle);
    Drag(At(101, 99), At(203, 149));
    ASSERT_EQ(Components().size(), 1);
    RectF frame = Components().first()->GetRectF();
    EXPECT_FLOAT_EQ(frame.X, 100);
    EXPECT_FLOAT_EQ(frame.Y, 100);
    EXPECT_FLOAT_EQ(frame.Width, 104);
    EXPECT_FLOAT_EQ(frame.Height, 48);

    // Shift draws a square (and does not snap); Ctrl keeps the tool for the next shape.
    Use(QarnCmd::ShapeRectangle);
    Drag(At(300, 100), At(401, 151), Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_EQ(Components().size(), 2);
    frame = Components().last()->GetRectF();
    EXPECT_FLOAT_EQ(frame.X, 300);
    EXPECT_NEAR(frame.Width, frame.Height, 1.0f);
    EXPECT_EQ(CQarnTool::GetToolID(), QarnCmd::ShapeRectangle);
}

TEST_F(ShapeToolTest, EveryKindOfTheCatalogueIsDrawnWithItsOwnClass) {
    const CQarnTool* shapeTool = Qarn::FindTool(CShapeTool::kShapeToolID);
    ASSERT_NE(shapeTool, nullptr);
    int kinds = 0;
    int x = 20;
    int y = 20;
    for (const int id : Qarn::GetShapeKindIDs()) {
        if (!shapeTool->Serves(UINT(id)) || id == QarnCmd::ShapeRectangle ||
            id == QarnCmd::ShapeEllipse || id == QarnCmd::ShapeRoundRectangle) {
            continue;
        }
        ++kinds;
        // The command of the kind finds the shape tool.
        ASSERT_EQ(Qarn::FindTool(UINT(id)), shapeTool) << id;
        Use(UINT(id));
        Drag(At(float(x), float(y)), At(float(x + 40), float(y + 30)));
        ASSERT_EQ(Components().size(), kinds) << id;
        CQarnComponent* drawn = Components().last();
        EXPECT_EQ(drawn->GetShapeID(), id);
        EXPECT_EQ(drawn->GetRuntimeClass(), Qarn::FindShapeKind(id)->runtimeClass) << id;
        EXPECT_NEAR(std::fabs(drawn->GetRectF().Width), 40, 1.0) << id;
        x += 50;
        if (x > 700) {
            x = 20;
            y += 40;
        }
    }
    // The 88 kinds less the rectangle and ellipse commands' own kinds.
    EXPECT_GE(kinds, 80);
    // One step each, as far as the history keeps them.
    EXPECT_EQ(UndoDepth(), std::min<long>(kinds, 60));
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(ShapeToolTest, AKindWithoutAClassSaysSoAndAddsNothing) {
    Use(CShapeTool::kShapeToolID);
    CShapeTool::SetShapeID(18235);  // no kind has this id
    Click(At(100, 100));
    EXPECT_EQ(warnings, QStringList{QStringLiteral("Cannot create the shape!")});
    EXPECT_TRUE(Components().isEmpty());
    EXPECT_EQ(UndoDepth(), 0);
    CShapeTool::SetShapeID(CShapeTool::kShapeToolID);
}

TEST_F(ShapeToolTest, ToolCommandsAreEnabledAndCheckedByTheCurrentToolAndKind) {
    bool handled = false;
    CQarnCommandState state = view->OnUpdateCommand(QarnCmd::ShapeRectangle, &handled);
    EXPECT_TRUE(handled);
    EXPECT_TRUE(state.enabled);
    EXPECT_FALSE(state.checked);
    ASSERT_TRUE(view->OnCommand(QarnCmd::ShapeRectangle));
    EXPECT_TRUE(view->OnUpdateCommand(QarnCmd::ShapeRectangle, &handled).checked);
    EXPECT_FALSE(view->OnUpdateCommand(QarnCmd::ShapeEllipse, &handled).checked);
    // The shape tool's own command, with a kind set, checks that kind.
    CShapeTool::SetShapeID(18290);
    Use(CShapeTool::kShapeToolID);
    EXPECT_TRUE(view->OnUpdateCommand(18290, &handled).checked);
    EXPECT_FALSE(view->OnUpdateCommand(QarnCmd::ShapeRectangle, &handled).checked);
    CShapeTool::SetShapeID(CShapeTool::kShapeToolID);
    // Every drawing tool's command is enabled; none without a document.
    for (UINT id : {QarnCmd::ToolLine, QarnCmd::ToolConnectorDirect + 2, QarnCmd::ToolText,
                    QarnCmd::ToolRotate, QarnCmd::ToolPan, QarnCmd::ToolMagnifier,
                    QarnCmd::EditPoint, QarnCmd::DeletePoint, QarnCmd::ToolPerspective}) {
        EXPECT_TRUE(view->OnUpdateCommand(id, &handled).enabled) << id;
        EXPECT_TRUE(handled) << id;
    }
    view->SetDocument(nullptr);
    EXPECT_FALSE(view->OnUpdateCommand(QarnCmd::ToolLine, &handled).enabled);
    EXPECT_FALSE(view->OnUpdateCommand(QarnCmd::ShapeRectangle, &handled).enabled);
}
