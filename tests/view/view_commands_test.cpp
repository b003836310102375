// The commands of the drawing view: each one undo step that gives back the bytes before it,
// enabled only when it can act.
#include <QClipboard>

#include "core/notification_messages.h"
#include "shapes/group.h"
#include "view/command_ids.h"
#include "view/tool_fixtures.h"

namespace {

bool Enabled(CQarnView& view, unsigned int id) {
    bool handled = false;
    const CQarnCommandState state = view.OnUpdateCommand(id, &handled);
    return handled && state.enabled;
}

}  // namespace

TEST_F(ToolViewTest, EveryEditCommandIsOneStepThatUndoesByteForByte) {
    CQarnRect* a = AddBox(RectF(50, 50, 60, 40));
    CQarnRect* b = AddBox(RectF(150, 50, 60, 40));
    AddBox(RectF(250, 50, 60, 40));
    const unsigned int commands[] = {
        QarnCmd::EditClear,
        QarnCmd::Group,
        QarnCmd::FlipHorizontal,
        QarnCmd::FlipVertical,
        QarnCmd::Rotate90Clockwise,
        QarnCmd::Rotate45Anticlockwise,
        QarnCmd::BringToFront,
        QarnCmd::BringToBack,
        QarnCmd::BringForward,
        QarnCmd::BringBackward,
        QarnCmd::LineWidthFirst + 5,
        QarnCmd::LineStyleFirst + 2,
        QarnCmd::EditCut,
    };
    for (unsigned int id : commands) {
        SCOPED_TRACE(id);
        view->Deselect(nullptr);
        view->Select(id == QarnCmd::BringToBack || id == QarnCmd::BringBackward ? b : a, false);
        if (id == QarnCmd::Group) {
            view->Select(b, true);
        }
        const QByteArray before = Bytes();
        const long depth = UndoDepth();
        ASSERT_TRUE(Enabled(*view, id));
        ASSERT_TRUE(view->OnCommand(id));
        const QByteArray after = Bytes();
        EXPECT_NE(after, before);
        EXPECT_EQ(UndoDepth(), depth + 1);
        ASSERT_TRUE(view->OnCommand(QarnCmd::EditUndo));
        EXPECT_EQ(Bytes(), before);
        ASSERT_TRUE(view->OnCommand(QarnCmd::EditRedo));
        EXPECT_EQ(Bytes(), after);
        view->OnCommand(QarnCmd::EditUndo);
    }
}

TEST_F(ToolViewTest, CommandsAreDisabledWhenTheyCannotAct) {
    EXPECT_FALSE(Enabled(*view, QarnCmd::EditUndo));
    EXPECT_FALSE(Enabled(*view, QarnCmd::EditClear));
    EXPECT_FALSE(Enabled(*view, QarnCmd::Group));
    EXPECT_FALSE(Enabled(*view, QarnCmd::EditSelectAll));
    CQarnRect* first = AddBox(RectF(50, 50, 60, 40));
    CQarnRect* last = AddBox(RectF(150, 50, 60, 40));
    EXPECT_TRUE(Enabled(*view, QarnCmd::EditSelectAll));
    view->Select(last, false);
    // The front-most cannot go further forward; nothing is recorded for it.
    EXPECT_FALSE(Enabled(*view, QarnCmd::BringForward));
    EXPECT_FALSE(view->OnCommand(QarnCmd::BringForward));
    EXPECT_TRUE(Enabled(*view, QarnCmd::BringBackward));
    EXPECT_FALSE(Enabled(*view, QarnCmd::Ungroup));
    view->Select(first, true);
    view->OnCommand(QarnCmd::Group);
    ASSERT_EQ(view->GetSelection().size(), 1);
    EXPECT_NE(dynamic_cast<CQarnGroup*>(view->GetSelection().first()), nullptr);
    EXPECT_TRUE(Enabled(*view, QarnCmd::Ungroup));
    // An unknown command is not the view's.
    bool handled = true;
    view->OnUpdateCommand(1, &handled);
    EXPECT_FALSE(handled);
}

TEST_F(ToolViewTest, SelectAllTakesEveryShownComponentOfThePage) {
    AddBox(RectF(50, 50, 60, 40));
    AddBox(RectF(150, 50, 60, 40));
    CQarnLayer* hidden = doc->GetCurrentCanvas()->AddNewLayer();
    AddBox(RectF(10, 10, 5, 5), hidden);
    hidden->SetVisible(false);
    mainWindow.messages.clear();
    ASSERT_TRUE(view->OnCommand(QarnCmd::EditSelectAll));
    EXPECT_EQ(view->GetSelection().size(), 2);
    EXPECT_GE(mainWindow.Count(QRN_SELECTIONCHANGE), 1);
    EXPECT_EQ(UndoDepth(), 0);
}

TEST_F(ToolViewTest, CopyAndPasteLandOneShiftAwayAsOneStep) {
    AddBox(RectF(50, 50, 60, 40));
    view->OnCommand(QarnCmd::EditSelectAll);
    ASSERT_TRUE(view->OnCommand(QarnCmd::EditCopy));
    const QByteArray before = Bytes();
    ASSERT_TRUE(Enabled(*view, QarnCmd::EditPaste));
    ASSERT_TRUE(view->OnCommand(QarnCmd::EditPaste));
    EXPECT_EQ(Layer0()->GetCount(), 2);
    ASSERT_EQ(view->GetSelection().size(), 1);
    EXPECT_NE(view->GetSelection().first()->GetRectF().X, 50);
    view->OnCommand(QarnCmd::EditUndo);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(ToolViewTest, ActivatingTheViewTellsTheMainWindow) {
    view->OnActivateView(false);
    EXPECT_EQ(mainWindow.Count(QRN_DEACTIVATEVIEW), 1);
    view->OnActivateView(true);
    ASSERT_EQ(mainWindow.Count(QRN_ACTIVATEVIEW), 1);
    EXPECT_EQ(mainWindow.Of(QRN_ACTIVATEVIEW)[0].wParam,
              WPARAM(static_cast<CQarnEditView*>(view.get())));
}

TEST_F(ToolViewTest, ACommandSetFollowsTheView) {
    CQarnCommandSet commands;
    view->BindCommands(&commands);
    QAction* undo = commands.Action(QarnCmd::EditUndo);
    QAction* remove = commands.Action(QarnCmd::EditClear);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    CQarnRect* box = AddBox(RectF(50, 50, 60, 40));
    Click(At(60, 60));
    EXPECT_TRUE(remove->isEnabled());
    remove->trigger();
    EXPECT_EQ(Layer0()->GetCount(), 0);
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(Layer0()->GetCount(), 1);
    (void)box;
}
