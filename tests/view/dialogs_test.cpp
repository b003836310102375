// The dialogs of the view commands: each shows the component's values, returns what was
// typed, refuses what cannot be, and Apply puts the result into the model.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "connectors/anchor_point.h"
#include "controls/anchor_dialog.h"
#include "controls/canvas_color_dialog.h"
#include "controls/color_picker.h"
#include "controls/color_well.h"
#include "controls/number_edit.h"
#include "controls/page_setup_sheet.h"
#include "controls/poly_data_dialog.h"
#include "controls/poly_style_dialog.h"
#include "controls/rotate_dialog.h"
#include "controls/shadow_dialog.h"
#include "controls/shadow_page.h"
#include "controls/size_dialog.h"
#include "controls/well_grid.h"
#include "controls_fixtures.h"
#include "core/canvas.h"
#include "core/component_style.h"
#include "core/property_ids.h"
#include "platform/variant.h"

namespace {

class DialogsTest : public ::testing::Test {
protected:
    SampleDrawing drawing;
    WarningCatcher catcher;
};

}  // namespace

// ---- Size & Position ------------------------------------------------------------------------

TEST_F(DialogsTest, SizeDialogShowsTheFrameAndAngleAndApplyMovesAndTurns) {
    CQarnComponent& box = *drawing.box;
    box.SetRotateAngle(30);
    CQarnSizeDialog dialog(box);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Size & Position"));
    EXPECT_EQ(dialog.GetXEdit()->text(), QStringLiteral("100"));
    EXPECT_EQ(dialog.GetHeightEdit()->text(), QStringLiteral("110"));
    EXPECT_EQ(dialog.GetAngleEdit()->text(), QStringLiteral("30"));

    TypeInto(dialog.GetXEdit(), QStringLiteral("150"));
    TypeInto(dialog.GetWidthEdit(), QStringLiteral("200"));
    TypeInto(dialog.GetAngleEdit(), QStringLiteral("90"));
    PressEnter(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const CQarnSizeDialog::Values values = dialog.GetValues();
    EXPECT_TRUE(values.frame.Equals(RectF(150, 80, 200, 110)));
    EXPECT_EQ(values.angle, 90.0f);
    ASSERT_TRUE(CQarnSizeDialog::Apply(box, values));
    EXPECT_EQ(box.GetRotateAngle(), 90.0f);
    EXPECT_EQ(box.GetRectF().Width, 200.0f);
    EXPECT_EQ(box.GetRectF().X, 150.0f);
}

TEST_F(DialogsTest, SizeDialogLeftAsShownChangesNothingEvenForUnroundNumbers) {
    CQarnComponent& box = *drawing.box;
    box.MoveTo(RectF(100.123456f, 80, 180.987654f, 110), MoveFlags::Invalidate);
    const QByteArray before = RecordOf(box);
    CQarnSizeDialog dialog(box);
    EXPECT_EQ(dialog.GetXEdit()->text(), QStringLiteral("100.12"));
    PressEnter(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(CQarnSizeDialog::Apply(box, dialog.GetValues()));
    EXPECT_EQ(RecordOf(box), before);
}

TEST_F(DialogsTest, SizeDialogKeepsProportionsAndLocksWhatTheComponentLocks) {
    CQarnComponent& box = *drawing.box;
    box.LockRatio(true);
    box.LockPosition(true);
    box.LockRotate(true);
    CQarnSizeDialog dialog(box);
    EXPECT_TRUE(dialog.GetKeepRatioBox()->isChecked());
    EXPECT_FALSE(dialog.GetXEdit()->isEnabled());
    EXPECT_FALSE(dialog.GetAngleEdit()->isEnabled());
    TypeInto(dialog.GetWidthEdit(), QStringLiteral("360"));
    EXPECT_EQ(dialog.GetHeightEdit()->text(), QStringLiteral("220"));
    TypeInto(dialog.GetHeightEdit(), QStringLiteral("55"));
    EXPECT_EQ(dialog.GetWidthEdit()->text(), QStringLiteral("90"));
}

TEST_F(DialogsTest, SizeDialogRefusesAZeroWidthAndNonNumbers) {
    CQarnSizeDialog dialog(*drawing.box);
    TypeInto(dialog.GetWidthEdit(), QStringLiteral("0"));
    PressEnter(dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(catcher.warnings.value(0), QStringLiteral("The width must not be 0."));
    TypeInto(dialog.GetWidthEdit(), QStringLiteral("50"));
    TypeInto(dialog.GetYEdit(), QStringLiteral("abc"));
    PressEnter(dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(catcher.warnings.value(1),
              QStringLiteral("Y must be a number from -1000000 to 1000000."));
}

// ---- Rotate Angle -----------------------------------------------------------------------------

TEST_F(DialogsTest, RotateDialogReturnsTheAngleAndRefusesMoreThanATurn) {
    CQarnRotateDialog dialog(45.0f);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Rotate Angle"));
    EXPECT_EQ(dialog.GetAngleEdit()->text(), QStringLiteral("45"));
    TypeInto(dialog.GetAngleEdit(), QStringLiteral("400"));
    PressEnter(dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(catcher.warnings.size(), 1);
    TypeInto(dialog.GetAngleEdit(), QStringLiteral("-12.5"));
    PressEnter(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetAngle(), -12.5f);
}

// ---- Anchor Point Setup -------------------------------------------------------------------------

TEST_F(DialogsTest, AnchorDialogChoosesTheDirectionWithTheArrowKeys) {
    CQarnAnchorPoint anchor(PointF(10, 10));
    anchor.SetDirection(1);
    CQarnAnchorDialog dialog(anchor);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Anchor Point Setup"));
    EXPECT_TRUE(dialog.GetButton(1)->isChecked());
    dialog.show();
    QRadioButton* right = dialog.GetButton(2);
    right->setFocus();
    QTest::keyClick(right, Qt::Key_Space);
    PressEnter(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetDirection(), 2);
    EXPECT_TRUE(CQarnAnchorDialog::Apply(anchor, dialog.GetDirection()));
    EXPECT_EQ(anchor.GetDirection(), 2);
    EXPECT_FALSE(CQarnAnchorDialog::Apply(anchor, 2));

    // A stored direction that is none of the five stays when nothing is chosen.
    anchor.SetDirection(3);
    CQarnAnchorDialog odd(anchor);
    EXPECT_EQ(odd.GetDirection(), 3);
}

TEST_F(DialogsTest, AnchorPointsOpenTheirOwnDialogThroughOnEditProperties) {
    CQarnAnchorPoint anchor(PointF(10, 10));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CQarnAnchorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->GetButton(8)->click();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(anchor.OnEditProperties(nullptr), 1);
    EXPECT_EQ(anchor.GetDirection(), 8);
}

// ---- Poly Style ---------------------------------------------------------------------------------

TEST_F(DialogsTest, PolyStyleDialogOffersTheFiveJoinsAndSetsThem) {
    CQarnPoly& line = *drawing.line;
    CQarnPolyStyleDialog dialog(line);
    QListWidget* joins = dialog.GetJoinList();
    ASSERT_EQ(joins->count(), 5);
    EXPECT_EQ(joins->item(4)->text(), QStringLiteral("Curve (2 contrl points)"));
    EXPECT_EQ(joins->currentRow(), 0);
    QTest::keyClick(joins, Qt::Key_Down);
    dialog.GetClosedBox()->setChecked(true);
    TypeInto(dialog.GetTensionEdit(), QStringLiteral("0.8"));
    PressEnter(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(CQarnPolyStyleDialog::Apply(line, dialog.GetValues()));
    EXPECT_EQ(line.GetJoinKind(), 1u);
    EXPECT_EQ(line.GetPropValue(QarnPropId::PolyStyle), CVariant(1));
    EXPECT_TRUE(line.IsClosed());
    EXPECT_EQ(line.GetTension(), 0.8f);
}

TEST_F(DialogsTest, PolyStyleDialogKeepsTheFlagsItDoesNotShow) {
    CQarnPoly& line = *drawing.line;
    line.SetPolyStyle(CQarnPoly::kStyleBit8 | 2);
    CQarnPolyStyleDialog dialog(line);
    dialog.GetIntegerBox()->setChecked(true);
    const CQarnPolyStyleDialog::Values values = dialog.GetValues();
    EXPECT_EQ(values.polyStyle, CQarnPoly::kStyleBit8 | CQarnPoly::kIntegerPoint | 2);
    TypeInto(dialog.GetTensionEdit(), QStringLiteral("11"));
    PressEnter(dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(catcher.warnings.value(0), QStringLiteral("Tension must be a number from 0 to 10."));
}

// ---- Poly Data ----------------------------------------------------------------------------------

TEST_F(DialogsTest, PolyDataDialogEditsThePointTable) {
    CQarnPoly& line = *drawing.line;
    CQarnPolyDataDialog dialog(line);
    QTableWidget* table = dialog.GetTable();
    ASSERT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("380"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("120"));

    table->item(1, 1)->setText(QStringLiteral("100.5"));
    table->setCurrentCell(2, 0);
    dialog.InsertPoint();
    ASSERT_EQ(table->rowCount(), 5);
    table->item(2, 0)->setText(QStringLiteral("400"));
    table->setCurrentCell(4, 0);
    dialog.DeletePoint();
    PressEnter(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);

    const std::vector<PointF> points = dialog.GetPoints();
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[1].Y, 100.5f);
    EXPECT_EQ(points[2].X, 400.0f);
    EXPECT_EQ(points[3].X, 450.0f);
    ASSERT_TRUE(CQarnPolyDataDialog::Apply(line, points));
    EXPECT_EQ(line.GetPointCount(), 4);
    EXPECT_EQ(line.GetPoint(2, 0).Y, 100.5f);
    EXPECT_EQ(line.GetRectF().Y, 100.5f) << "the frame follows the points";
}

TEST_F(DialogsTest, PolyDataDialogKeepsTwoPointsAndRefusesCellsThatAreNoNumbers) {
    CQarnPolyDataDialog dialog(*drawing.line);
    QTableWidget* table = dialog.GetTable();
    dialog.DeletePoint();
    dialog.DeletePoint();
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_FALSE(dialog.GetDeleteButton()->isEnabled());
    dialog.DeletePoint();
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(catcher.warnings.value(0), QStringLiteral("A poly needs at least 2 points."));

    table->item(1, 0)->setText(QStringLiteral("east"));
    PressEnter(dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(catcher.warnings.value(1),
              QStringLiteral("Point 2: X must be a number from -1000000 to 1000000."));
    EXPECT_EQ(table->currentRow(), 1);
    EXPECT_EQ(table->currentColumn(), 0);
}

TEST_F(DialogsTest, PolyDataLeftAsShownLeavesThePolyAlone) {
    const QByteArray before = RecordOf(*drawing.line);
    CQarnPolyDataDialog dialog(*drawing.line);
    PressEnter(dialog);
    EXPECT_FALSE(CQarnPolyDataDialog::Apply(*drawing.line, dialog.GetPoints()));
    EXPECT_EQ(RecordOf(*drawing.line), before);
}

// ---- Page Setup ---------------------------------------------------------------------------------

TEST_F(DialogsTest, PageSetupChoosesPaperAndOrientationAndSetsMargins) {
    CQarnDoc& doc = drawing.doc;
    doc.GetCurrentCanvas()->SetSize(827, 1169);
    CQarnPageSetupSheet sheet(doc);
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Page Setup"));
    EXPECT_EQ(sheet.GetPaperBox()->currentText(), QStringLiteral("A4 (210 x 297 mm)"));
    EXPECT_TRUE(sheet.GetPortraitButton()->isChecked());
    EXPECT_EQ(sheet.GetMarginEdit(0)->text(), QStringLiteral("0.5"));

    sheet.GetLandscapeButton()->click();
    EXPECT_EQ(sheet.GetWidthEdit()->text(), QStringLiteral("11.69"));
    sheet.GetPaperBox()->setCurrentIndex(0);
    Q_EMIT sheet.GetPaperBox()->activated(0);
    EXPECT_EQ(sheet.GetWidthEdit()->text(), QStringLiteral("11"));
    EXPECT_EQ(sheet.GetHeightEdit()->text(), QStringLiteral("8.5"));
    TypeInto(sheet.GetMarginEdit(1), QStringLiteral("1"));
    PressEnter(sheet);
    ASSERT_EQ(sheet.result(), QDialog::Accepted);
    const CQarnPageSetupSheet::Values values = sheet.GetValues();
    EXPECT_EQ(values.pageSize, CSize(1100, 850));
    EXPECT_EQ(values.margins, CRect(50, 100, 50, 50));
    ASSERT_TRUE(CQarnPageSetupSheet::Apply(doc, values));
    EXPECT_EQ(doc.GetCanvasSize(), CSize(1100, 850));
    EXPECT_EQ(doc.GetMargins(), CRect(50, 100, 50, 50));
}

TEST_F(DialogsTest, PageSetupFindsThePaperOfATypedSizeAndRefusesMarginsWithoutRoom) {
    CQarnPageSetupSheet sheet(drawing.doc);
    TypeInto(sheet.GetWidthEdit(), QStringLiteral("14"));
    TypeInto(sheet.GetHeightEdit(), QStringLiteral("8.5"));
    EXPECT_EQ(sheet.GetPaperBox()->currentText(), QStringLiteral("Legal (8.5 x 14 in)"));
    EXPECT_TRUE(sheet.GetLandscapeButton()->isChecked());
    TypeInto(sheet.GetMarginEdit(1), QStringLiteral("4"));
    TypeInto(sheet.GetMarginEdit(3), QStringLiteral("4.5"));
    PressEnter(sheet);
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(catcher.warnings.value(0),
              QStringLiteral("The top and bottom margins leave no room on the page."));
    EXPECT_EQ(sheet.GetTabs()->currentIndex(), 1);
    TypeInto(sheet.GetWidthEdit(), QStringLiteral("0.5"));
    PressEnter(sheet);
    EXPECT_EQ(catcher.warnings.value(1),
              QStringLiteral("Page width must be a number from 1 to 1000."));
    EXPECT_EQ(sheet.GetTabs()->currentIndex(), 0);
}

// ---- Canvas Color -------------------------------------------------------------------------------

TEST_F(DialogsTest, CanvasColourIsChosenFromTheKeyboardAndAlwaysOpaque) {
    CQarnCanvasColorDialog dialog(Color(0x80FFFFFFu));
    EXPECT_EQ(dialog.GetColor().GetValue(), 0xFFFFFFFFu);
    EXPECT_FALSE(dialog.GetPicker()->IsAlphaEnabled());
    dialog.show();
    CQarnWellGrid* palette = dialog.GetPicker()->GetPaletteGrid();
    // From white (the last swatch) one row up: lavender's row-mate above, gray 25 %.
    QTest::keyClick(palette, Qt::Key_Up);
    QTest::keyClick(palette, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetColor().GetValue(), 0xFFC0C0C0u);
}

// ---- Shadow Effect ------------------------------------------------------------------------------

TEST_F(DialogsTest, ShadowDialogSetsOnlyTheShadow) {
    CQarnComponent& box = *drawing.box;
    const CQarnPenProperty* pen = box.GetPenProperty();
    CQarnShadowDialog dialog(box);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Shadow Effect"));
    CQarnShadowPage* page = dialog.GetPage();
    EXPECT_TRUE(page->GetShowBox()->isChecked());
    page->GetPlacementPicker()->SetCurSel(9);
    TypeInto(page->GetXOffsetEdit(), QStringLiteral("10"));
    PressEnter(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_NE(dialog.GetShadow(), nullptr);
    EXPECT_EQ(dialog.GetShadow()->GetStyle(), 9u);
    EXPECT_TRUE(dialog.GetDrawShadow());
    ASSERT_TRUE(dialog.ApplyTo(box));
    EXPECT_EQ(box.GetPropValue(QarnPropId::ShadowStyle), CVariant(9));
    EXPECT_EQ(box.GetPropValue(QarnPropId::ShadowOffsetX), CVariant(10));
    EXPECT_EQ(box.GetPenProperty(), pen) << "the rest of the component is not touched";

    CQarnShadowDialog off(box);
    off.GetPage()->GetShowBox()->setChecked(false);
    TypeInto(off.GetPage()->GetXOffsetEdit(), QStringLiteral("x"));
    PressEnter(off);
    ASSERT_EQ(off.result(), QDialog::Accepted) << "fields of a shadow switched off are not checked";
    off.ApplyTo(box);
    EXPECT_FALSE(box.GetDrawShadow());
    EXPECT_NE(box.GetShadowProperty(), nullptr);
}
