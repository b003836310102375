// The dialogs the drawing view's commands open: OK with a change records exactly one undo
// step that gives back the bytes before it (and redo the bytes after); Cancel, or OK with
// nothing changed, leaves the document and its history as they were.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>

#include "connectors/anchor_point.h"
#include "controls/anchor_dialog.h"
#include "controls/canvas_color_dialog.h"
#include "controls/color_picker.h"
#include "controls/line_page.h"
#include "controls/multi_edit_dialog.h"
#include "controls/number_edit.h"
#include "controls/poly_data_dialog.h"
#include "controls/poly_style_dialog.h"
#include "controls/property_sheet.h"
#include "controls/rotate_dialog.h"
#include "controls/shadow_dialog.h"
#include "controls/shadow_page.h"
#include "controls/size_dialog.h"
#include "controls/well_grid.h"
#include "core/property_ids.h"
#include "shapes/poly.h"
#include "view/command_ids.h"
#include "view/tool_fixtures.h"

namespace {

using Fill = std::function<void(QDialog&)>;

// Types into an edit as the user does.
void Type(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

class DialogCommandTest : public ToolViewTest {
protected:
    // Runs the command; once its dialog shows, `fill` changes it and it is confirmed (or
    // cancelled). False when no dialog showed.
    bool RunWithDialog(unsigned int id, const Fill& fill, bool confirm) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            shown = true;
            fill(*dialog);
            if (confirm) {
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        view->OnCommand(id);
        return shown;
    }

    // OK gives one step that undoes and redoes byte for byte; Cancel changes nothing.
    void ExpectOneStep(unsigned int id, const Fill& fill) {
        const QByteArray before = Bytes();
        const long depth = UndoDepth();
        ASSERT_TRUE(RunWithDialog(id, fill, false));
        EXPECT_EQ(Bytes(), before) << "Cancel changes nothing";
        EXPECT_EQ(UndoDepth(), depth);

        ASSERT_TRUE(RunWithDialog(id, fill, true));
        const QByteArray after = Bytes();
        EXPECT_NE(after, before);
        EXPECT_EQ(UndoDepth(), depth + 1);
        ASSERT_TRUE(view->OnCommand(QarnCmd::EditUndo));
        EXPECT_EQ(Bytes(), before);
        ASSERT_TRUE(view->OnCommand(QarnCmd::EditRedo));
        EXPECT_EQ(Bytes(), after);
    }

    // OK on the dialog as shown records nothing.
    void ExpectNothingForNoChange(unsigned int id) {
        const QByteArray before = Bytes();
        const long depth = UndoDepth();
        ASSERT_TRUE(RunWithDialog(
            id, [](QDialog&) {}, true));
        EXPECT_EQ(Bytes(), before);
        EXPECT_EQ(UndoDepth(), depth);
    }

    CQarnPoly* AddLine() {
        auto* line = new CQarnPoly(RectF(320, 120, 200, 60));
        for (PointF p : {PointF(320, 180), PointF(380, 120), PointF(450, 170), PointF(520, 130)}) {
            line->AddPoint(p);
        }
        line->RecalcBounds(0);
        line->ResetPath();
        doc->AddTail(line);
        return line;
    }
};

}  // namespace

TEST_F(DialogCommandTest, TheComponentDialogsRecordOneStepEach) {
    CQarnRect* box = AddBox(RectF(50, 50, 120, 80));
    view->Select(box, false);

    SCOPED_TRACE("Line & Fill");
    ExpectOneStep(QarnCmd::LineAndFill, [](QDialog& d) {
        auto& sheet = dynamic_cast<CQarnPropertySheet&>(d);
        Type(sheet.GetLinePage()->GetWidthEdit(), QStringLiteral("6"));
    });
    EXPECT_EQ(box->GetLineWidth(), 6.0f);

    SCOPED_TRACE("Size & Position");
    ExpectOneStep(QarnCmd::SizeAndPosition, [](QDialog& d) {
        auto& size = dynamic_cast<CQarnSizeDialog&>(d);
        Type(size.GetWidthEdit(), QStringLiteral("200"));
        Type(size.GetAngleEdit(), QStringLiteral("30"));
    });
    EXPECT_NEAR(box->GetRectF().Width, 200.0f, 0.01f);

    SCOPED_TRACE("Shadow Effect");
    ExpectOneStep(QarnCmd::ShadowEffect, [](QDialog& d) {
        auto& shadow = dynamic_cast<CQarnShadowDialog&>(d);
        shadow.GetPage()->GetShowBox()->setChecked(true);
        Type(shadow.GetPage()->GetXOffsetEdit(), QStringLiteral("12"));
    });
    EXPECT_EQ(box->GetPropValue(QarnPropId::ShadowOffsetX), CVariant(12));

    SCOPED_TRACE("Rotate Angle");
    ExpectOneStep(QarnCmd::RotateAngle, [](QDialog& d) {
        Type(dynamic_cast<CQarnRotateDialog&>(d).GetAngleEdit(), QStringLiteral("15"));
    });
    ExpectNothingForNoChange(QarnCmd::RotateAngle);

    SCOPED_TRACE("Canvas Color");
    ExpectOneStep(QarnCmd::CanvasColor, [](QDialog& d) {
        CQarnWellGrid* palette =
            dynamic_cast<CQarnCanvasColorDialog&>(d).GetPicker()->GetPaletteGrid();
        palette->setFocus();
        QTest::keyClick(palette, Qt::Key_Up);
        QTest::keyClick(palette, Qt::Key_Space);
    });
}

TEST_F(DialogCommandTest, SeveralSelectedAreEditedTogetherInOneStep) {
    CQarnRect* a = AddBox(RectF(50, 50, 60, 40));
    CQarnRect* b = AddBox(RectF(150, 50, 60, 40));
    view->Select(a, false);
    view->Select(b, true);
    ExpectOneStep(QarnCmd::LineAndFill, [](QDialog& d) {
        auto& multi = dynamic_cast<CQarnMultiEditDialog&>(d);
        Type(multi.GetField(QarnPropId::LineWidth), QStringLiteral("4"));
    });
    EXPECT_EQ(a->GetLineWidth(), 4.0f);
    EXPECT_EQ(b->GetLineWidth(), 4.0f);
    ExpectNothingForNoChange(QarnCmd::LineAndFill);
}

TEST_F(DialogCommandTest, ThePolyDialogsAndCommandsRecordOneStepEach) {
    CQarnPoly* line = AddLine();
    view->Select(line, false);

    SCOPED_TRACE("Poly Style");
    ExpectOneStep(QarnCmd::PolyStyle, [](QDialog& d) {
        auto& style = dynamic_cast<CQarnPolyStyleDialog&>(d);
        QListWidget* joins = style.GetJoinList();
        joins->setCurrentRow((joins->currentRow() + 1) % joins->count());
    });
    ExpectNothingForNoChange(QarnCmd::PolyStyle);

    SCOPED_TRACE("Points Data");
    ExpectOneStep(QarnCmd::PolyData, [](QDialog& d) {
        QTableWidget* table = dynamic_cast<CQarnPolyDataDialog&>(d).GetTable();
        table->item(1, 1)->setText(QStringLiteral("100"));
    });
    ExpectNothingForNoChange(QarnCmd::PolyData);

    SCOPED_TRACE("Close or open figure");
    for (int round = 0; round < 2; ++round) {
        const bool closed = line->IsClosed();
        const QByteArray before = Bytes();
        bool handled = false;
        EXPECT_EQ(view->OnUpdateCommand(QarnCmd::CloseOpenFigure, &handled).checked, closed);
        ASSERT_TRUE(view->OnCommand(QarnCmd::CloseOpenFigure));
        EXPECT_EQ(line->IsClosed(), !closed);
        const QByteArray after = Bytes();
        ASSERT_TRUE(view->OnCommand(QarnCmd::EditUndo));
        EXPECT_EQ(line->IsClosed(), closed);
        EXPECT_EQ(Bytes(), before);
        ASSERT_TRUE(view->OnCommand(QarnCmd::EditRedo));
        EXPECT_EQ(Bytes(), after);
    }
}

TEST_F(DialogCommandTest, SimplifyRecordsOnlyWhenThereIsSomethingToTakeAway) {
    CQarnPoly* line = AddLine();
    view->Select(line, false);
    const long depth = UndoDepth();
    view->OnCommand(QarnCmd::SimplifyPoly);
    EXPECT_EQ(UndoDepth(), depth) << "no point lies on the line between its neighbours";

    line->AddPointAt(2, PointF(350, 150));  // halfway between the first two
    line->RecalcBounds(0);
    line->ResetPath();
    const QByteArray before = Bytes();
    ASSERT_TRUE(view->OnCommand(QarnCmd::SimplifyPoly));
    EXPECT_EQ(line->GetPointCount(), 4);
    EXPECT_EQ(UndoDepth(), depth + 1);
    ASSERT_TRUE(view->OnCommand(QarnCmd::EditUndo));
    EXPECT_EQ(Bytes(), before);
}

TEST_F(DialogCommandTest, AnAnchorPointTakesItsDirectionFromItsDialog) {
    auto* anchor = new CQarnAnchorPoint(PointF(300, 300));
    doc->AddTail(anchor);
    view->Select(anchor, false);
    ExpectOneStep(QarnCmd::AnchorOption, [](QDialog& d) {
        dynamic_cast<CQarnAnchorDialog&>(d).GetButton(4)->setChecked(true);
    });
    ExpectNothingForNoChange(QarnCmd::AnchorOption);
}

TEST_F(DialogCommandTest, TheDialogCommandsNeedASelectionThatFitsThem) {
    CQarnRect* box = AddBox(RectF(50, 50, 60, 40));
    bool handled = false;
    for (unsigned int id :
         {QarnCmd::PolyStyle, QarnCmd::PolyData, QarnCmd::CloseOpenFigure, QarnCmd::SimplifyPoly,
          QarnCmd::AnchorOption, QarnCmd::SizeAndPosition, QarnCmd::RotateAngle}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(view->OnUpdateCommand(id, &handled).enabled) << "nothing selected";
        EXPECT_TRUE(handled);
    }
    view->Select(box, false);
    for (unsigned int id : {QarnCmd::PolyStyle, QarnCmd::PolyData, QarnCmd::CloseOpenFigure,
                            QarnCmd::SimplifyPoly, QarnCmd::AnchorOption}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(view->OnUpdateCommand(id, &handled).enabled) << "a rectangle is no poly";
    }
    EXPECT_TRUE(view->OnUpdateCommand(QarnCmd::RotateAngle, &handled).enabled);
}
