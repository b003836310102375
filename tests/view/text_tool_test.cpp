// Writing text: the text tools with their Properties sheet, and editing a text in place.
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPlainTextEdit>
#include <QTimer>

#include "controls/text_page.h"
#include "controls/text_sheet.h"
#include "core/component_style.h"
#include "properties/text_property.h"
#include "view/command_ids.h"
#include "view/tool_fixtures.h"
#include "view/tools/in_place_text_editor.h"

namespace {

class TextToolTest : public ToolViewTest {
protected:
    // Answers the next Properties sheet: writes the text and confirms, or cancels.
    void AnswerSheet(const QString& text, bool confirm) {
        QTimer::singleShot(0, [this, text, confirm] {
            auto* sheet = qobject_cast<CQarnTextSheet*>(QApplication::activeModalWidget());
            sheetSeen = sheet != nullptr;
            if (sheet == nullptr) {
                return;
            }
            sheetTitle = sheet->windowTitle();
            // Typed, as a hand writes it.
            QPlainTextEdit* edit = sheet->GetTextPage()->GetTextEdit();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, text);
            if (confirm) {
                sheet->accept();
            } else {
                sheet->reject();
            }
        });
    }

    CQarnRect* AddTextBox(const RectF& r, const QString& text) {
        CQarnRect* box = AddBox(r);
        box->AddProperty(new CQarnTextProperty());
        box->SetText(text);
        return box;
    }

    bool sheetSeen = false;
    QString sheetTitle;
};

}  // namespace

TEST_F(TextToolTest, AClickOnEmptySpaceMakesATextBoxFittedToItsText) {
    const QByteArray empty = Bytes();
    Use(QarnCmd::ToolText);
    AnswerSheet(QStringLiteral("Hello"), true);
    Click(At(120, 140));
    ASSERT_TRUE(sheetSeen);
    EXPECT_EQ(sheetTitle, QStringLiteral("Properties"));
    ASSERT_EQ(Components().size(), 1);
    CQarnComponent* box = Components().first();
    EXPECT_EQ(box->GetText(), QStringLiteral("Hello"));
    EXPECT_FALSE(box->GetDrawLine());
    EXPECT_FALSE(box->GetFill());
    EXPECT_TRUE(box->GetDrawText());
    EXPECT_FLOAT_EQ(box->GetRectF().X, 120);
    EXPECT_FLOAT_EQ(box->GetRectF().Y, 140);
    // Fitted: far smaller than the box the text was measured in.
    EXPECT_GT(box->GetRectF().Width, 10);
    EXPECT_LT(box->GetRectF().Width, 200);
    EXPECT_LT(box->GetRectF().Height, 60);
    EXPECT_EQ(UndoDepth(), 1);
    const QByteArray written = Bytes();
    Undo();
    EXPECT_EQ(Bytes(), empty);
    Redo();
    EXPECT_EQ(Bytes(), written);
}

TEST_F(TextToolTest, CancelOrNoTextMakesNothing) {
    const QByteArray empty = Bytes();
    Use(QarnCmd::ToolRichText);
    AnswerSheet(QStringLiteral("Never"), false);
    Click(At(120, 140));
    ASSERT_TRUE(sheetSeen);
    Use(QarnCmd::ToolText);
    AnswerSheet(QString(), true);
    Click(At(120, 140));
    EXPECT_EQ(Bytes(), empty);
    EXPECT_EQ(UndoDepth(), 0);
}

TEST_F(TextToolTest, AClickOnTheSelectedComponentGivesItATextOrChangesIt) {
    CQarnRect* box = AddBox(RectF(100, 100, 200, 100));
    view->Select(box, false);
    Use(QarnCmd::ToolText);
    AnswerSheet(QStringLiteral("Label"), true);
    Click(At(200, 150));
    ASSERT_NE(box->GetTextProperty(), nullptr);
    EXPECT_EQ(box->GetText(), QStringLiteral("Label"));
    EXPECT_EQ(Components().size(), 1);
    EXPECT_EQ(UndoDepth(), 1);

    Use(QarnCmd::ToolText);
    AnswerSheet(QStringLiteral("Other"), true);
    Click(At(200, 150));
    EXPECT_EQ(box->GetText(), QStringLiteral("Other"));
    EXPECT_EQ(UndoDepth(), 2);
    Undo();
    EXPECT_EQ(box->GetText(), QStringLiteral("Label"));
    Undo();
    EXPECT_EQ(box->GetTextProperty(), nullptr);
}

TEST_F(TextToolTest, ADoubleClickEditsTheTextInPlaceAsOneUndoableStep) {
    CQarnRect* box = AddTextBox(RectF(100, 100, 200, 100), QStringLiteral("Before"));
    const QByteArray before = Bytes();
    DoubleClick(At(200, 150));
    CInPlaceTextEditor* editor = view->GetTextEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Before"));
    // Over the component, as the view shows it.
    EXPECT_TRUE(editor->geometry().contains(At(200, 150)));
    // Typing replaces the selected text; Enter makes a new line; Ctrl+Enter keeps it.
    QTest::keyClicks(editor, QStringLiteral("After"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("all"));
    QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(view->GetTextEditor(), nullptr);
    EXPECT_EQ(box->GetText(), QStringLiteral("After\nall"));
    EXPECT_EQ(UndoDepth(), 1);
    Undo();
    EXPECT_EQ(box->GetText(), QStringLiteral("Before"));
    EXPECT_EQ(Bytes(), before);

    // Escape drops the edit.
    DoubleClick(At(200, 150));
    editor = view->GetTextEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("Dropped"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(view->GetTextEditor(), nullptr);
    EXPECT_EQ(box->GetText(), QStringLiteral("Before"));
    EXPECT_EQ(UndoDepth(), 0);
}

TEST_F(TextToolTest, TheInPlaceEditorFollowsTheZoomAndGoesWithItsComponent) {
    CQarnRect* box = AddTextBox(RectF(100, 100, 100, 50), QStringLiteral("Zoomed"));
    DoubleClick(At(150, 125));
    CInPlaceTextEditor* editor = view->GetTextEditor();
    ASSERT_NE(editor, nullptr);
    const int width = editor->width();
    CPoint centre(150, 125);
    view->DoZoomIn(&centre, 2.0f);
    // The box is 200 pixels wide at 200%; the editor grew with it.
    EXPECT_GE(editor->width(), 198);
    EXPECT_GT(editor->width(), width);
    EXPECT_TRUE(editor->geometry().contains(At(150, 125)));
    // The component leaves (its addition is undone elsewhere): the edit goes with it.
    doc->Remove(box);
    QApplication::processEvents();
    EXPECT_EQ(view->GetTextEditor(), nullptr);
    doc->PutBack(std::unique_ptr<CQarnComponent>(box), Layer0(), nullptr);
}

TEST_F(TextToolTest, ATurnedComponentsTextIsEditedTurnedWithIt) {
    CQarnRect* box = AddTextBox(RectF(100, 100, 200, 100), QStringLiteral("Turned"));
    box->SetRotateAngle(30.0f);
    box->ResetPath();
    view->RefreshAll();
    const QByteArray before = Bytes();
    view->EditTextInPlace(box);
    CInPlaceTextEditor* editor = view->GetTextEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_DOUBLE_EQ(editor->GetShownAngle(), 30.0);
    // The turned editor is shown where the turned box is: around the box's centre, which the
    // turn about that same centre leaves in place.
    QWidget* holder = editor->graphicsProxyWidget()->scene()->views().first();
    EXPECT_TRUE(holder->isVisible());
    EXPECT_TRUE(holder->geometry().contains(At(200, 150)));
    EXPECT_GT(holder->height(), editor->height()) << "the turned editor needs more room";
    QTest::keyClicks(editor, QStringLiteral("Kept"));
    QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(view->GetTextEditor(), nullptr);
    EXPECT_EQ(box->GetText(), QStringLiteral("Kept"));
    EXPECT_EQ(UndoDepth(), 1);
    Undo();
    EXPECT_EQ(Bytes(), before);

    // An upright component's editor is no turned one.
    box->SetRotateAngle(0.0f);
    view->EditTextInPlace(box);
    ASSERT_NE(view->GetTextEditor(), nullptr);
    EXPECT_EQ(view->GetTextEditor()->graphicsProxyWidget(), nullptr);
    view->GetTextEditor()->Cancel();
}
