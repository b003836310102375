// The "Line & Fill" sheet on one component: every page shows the component's values, changed
// fields and OK give the expected properties, Cancel and refused input change nothing.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "controls/arrow_page.h"
#include "controls/arrow_well.h"
#include "controls/color_well.h"
#include "controls/compound_line_well.h"
#include "controls/fill_page.h"
#include "controls/font_fields.h"
#include "controls/hatch_well.h"
#include "controls/label_page.h"
#include "controls/label_placement.h"
#include "controls/label_pos_well.h"
#include "controls/line_page.h"
#include "controls/line_style_well.h"
#include "controls/line_width_well.h"
#include "controls/number_edit.h"
#include "controls/paint_editor.h"
#include "controls/property_sheet.h"
#include "controls/shadow_page.h"
#include "controls/text_page.h"
#include "controls/tip_page.h"
#include "controls/well_grid.h"
#include "controls_fixtures.h"
#include "core/component_style.h"
#include "core/property_editor.h"
#include "core/property_ids.h"
#include "platform/hatch_style.h"
#include "platform/variant.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"

namespace P = QarnPropId;

namespace {

class PropertySheetTest : public ::testing::Test {
protected:
    // Confirms the sheet with Enter (the default button) and writes the copy back.
    bool Confirm(CQarnPropertySheet& sheet, CQarnComponent& component) {
        PressEnter(sheet);
        if (sheet.result() != QDialog::Accepted) {
            return false;
        }
        sheet.ApplyTo(component);
        return true;
    }

    SampleDrawing drawing;
    WarningCatcher catcher;
};

}  // namespace

TEST_F(PropertySheetTest, ThePagesShowTheComponentsValues) {
    CQarnPropertySheet sheet(*drawing.box);
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Line & Fill"));
    EXPECT_EQ(sheet.GetArrowPage(), nullptr) << "a rectangle has no arrow heads";
    EXPECT_EQ(sheet.GetTabs()->count(), 6);

    CQarnLinePage* line = sheet.GetLinePage();
    EXPECT_TRUE(line->GetDrawLineBox()->isChecked());
    EXPECT_EQ(line->GetWidthEdit()->text(), QStringLiteral("2"));
    EXPECT_EQ(line->GetWidthWell()->GetLineWidth(), 2.0f);
    EXPECT_EQ(line->GetJoinBox()->currentIndex(), 1) << "bevel joins by default";
    EXPECT_EQ(line->GetPaintEditor()->GetColorWell1()->GetColor().GetValue(), 0xFF203040u);

    CQarnFillPage* fill = sheet.GetFillPage();
    EXPECT_TRUE(fill->GetFillBox()->isChecked());
    EXPECT_EQ(fill->GetPaintEditor()->GetColorWell1()->GetColor().GetValue(), 0xFFB3D9FFu);
    EXPECT_EQ(fill->GetOpacityEdit()->text(), QStringLiteral("100"));

    CQarnTextPage* text = sheet.GetTextPage();
    EXPECT_TRUE(text->GetShowBox()->isChecked());
    EXPECT_EQ(text->GetTextEdit()->toPlainText(), QStringLiteral("Pump\nstation"));
    EXPECT_EQ(text->GetFontFields()->GetFace(), QStringLiteral("Arial"));
    EXPECT_EQ(text->GetFontFields()->GetSizeEdit()->text(), QStringLiteral("14"));
    EXPECT_EQ(text->GetHorizontalBox()->currentIndex(), 1);

    CQarnLabelPage* label = sheet.GetLabelPage();
    EXPECT_TRUE(label->GetShowBox()->isChecked());
    EXPECT_EQ(label->GetTextEdit()->toPlainText(), QStringLiteral("Label"));

    EXPECT_EQ(sheet.GetTipPage()->GetTextEdit()->toPlainText(), QStringLiteral("<b>Pump 3</b>"));
    EXPECT_TRUE(sheet.GetTipPage()->GetUseNameBox()->isChecked());

    CQarnShadowPage* shadow = sheet.GetShadowPage();
    EXPECT_TRUE(shadow->GetShowBox()->isChecked());
    EXPECT_EQ(shadow->GetXOffsetEdit()->text(), QStringLiteral("3"));
    EXPECT_EQ(shadow->GetPlacementPicker()->GetCurSel(), 0);
    EXPECT_EQ(shadow->GetColorWell()->GetColor().GetValue(), 0x80000000u);
}

TEST_F(PropertySheetTest, OkWithoutChangesAndCancelLeaveTheComponentAsItWas) {
    const QByteArray before = RecordOf(*drawing.box);
    {
        CQarnPropertySheet sheet(*drawing.box);
        ASSERT_TRUE(Confirm(sheet, *drawing.box));
        EXPECT_FALSE(sheet.GetAppearance().DiffersFrom(*drawing.box));
    }
    EXPECT_EQ(RecordOf(*drawing.box), before);
    {
        CQarnPropertySheet sheet(*drawing.box);
        TypeInto(sheet.GetLinePage()->GetWidthEdit(), QStringLiteral("9"));
        QTest::keyClick(&sheet, Qt::Key_Escape);
        EXPECT_EQ(sheet.result(), QDialog::Rejected);
    }
    EXPECT_EQ(RecordOf(*drawing.box), before);
    EXPECT_TRUE(catcher.warnings.isEmpty());
}

TEST_F(PropertySheetTest, TheLinePageSetsThePen) {
    CQarnPropertySheet sheet(*drawing.box);
    CQarnLinePage* page = sheet.GetLinePage();
    TypeInto(page->GetWidthEdit(), QStringLiteral("4.5"));
    EXPECT_EQ(page->GetWidthWell()->GetCurSel(), -1) << "the well follows the typed width";
    page->GetDashWell()->SetDashStyle(3);
    page->GetJoinBox()->setCurrentIndex(2);
    page->GetLineCapBox()->setCurrentIndex(2);
    TypeInto(page->GetMiterEdit(), QStringLiteral("20"));
    page->GetCompoundWell()->SetLineStyle(4);
    CQarnPaintEditor* paint = page->GetPaintEditor();
    paint->SetBrushType(CQarnBrushProperty::LinearGradient);
    paint->GetColorWell2()->SetColor(Color(0xFFFF0000u));
    paint->GetGradientModeBox()->setCurrentIndex(1);
    ASSERT_TRUE(Confirm(sheet, *drawing.box));

    CQarnComponent& c = *drawing.box;
    EXPECT_EQ(c.GetPropValue(P::LineWidth), CVariant(4.5f));
    EXPECT_EQ(c.GetPropValue(P::DashStyle), CVariant(3));
    EXPECT_EQ(c.GetPropValue(P::LineJoin), CVariant(BYTE(2)));
    EXPECT_EQ(c.GetPropValue(P::LineCap), CVariant(BYTE(2)));
    EXPECT_EQ(c.GetPropValue(P::MiterLimit), CVariant(BYTE(20)));
    EXPECT_EQ(c.GetPropValue(P::LineColor2), CVariant(std::int32_t(0xFFFF0000u)));
    const CQarnPenProperty* pen = c.GetPenProperty();
    EXPECT_EQ(pen->GetQarnLineStyle(), 4u);
    EXPECT_TRUE(pen->HasFullBrush()) << "a gradient stroke needs a full brush";
    EXPECT_EQ(pen->GetBrushType(), CQarnBrushProperty::LinearGradient);
    EXPECT_EQ(pen->GetLinearGradientMode(), 1);
}

TEST_F(PropertySheetTest, UntickingTheOutlineKeepsThePenAndClearsTheBitOnly) {
    const CQarnPenProperty* pen = drawing.box->GetPenProperty();
    CQarnPropertySheet sheet(*drawing.box);
    sheet.GetLinePage()->GetDrawLineBox()->setChecked(false);
    // A field of a switched-off part is not checked.
    TypeInto(sheet.GetLinePage()->GetWidthEdit(), QStringLiteral("wide"));
    ASSERT_TRUE(Confirm(sheet, *drawing.box));
    EXPECT_FALSE(drawing.box->GetDrawLine());
    EXPECT_EQ(drawing.box->GetPenProperty(), pen);
}

TEST_F(PropertySheetTest, TheFillPageSetsHatchesAndTheOpacity) {
    CQarnPropertySheet sheet(*drawing.box);
    CQarnFillPage* page = sheet.GetFillPage();
    CQarnPaintEditor* paint = page->GetPaintEditor();
    paint->GetKindBox()->setCurrentIndex(1);
    EXPECT_TRUE(paint->GetHatchWell()->isVisibleTo(page));
    EXPECT_FALSE(paint->GetGradientModeBox()->isVisibleTo(page));
    paint->GetHatchWell()->SetHatchStyle(HatchStyleWeave);
    paint->GetColorWell2()->SetColor(Color(0xFF00FF00u));
    TypeInto(page->GetOpacityEdit(), QStringLiteral("50"));
    page->GetWindingBox()->setChecked(true);
    ASSERT_TRUE(Confirm(sheet, *drawing.box));

    CQarnComponent& c = *drawing.box;
    EXPECT_EQ(c.GetBrushType(), CQarnBrushProperty::Hatch);
    EXPECT_EQ(c.GetPropValue(P::HatchStyle), CVariant(BYTE(HatchStyleWeave)));
    EXPECT_EQ(c.GetPropValue(P::FillColor2), CVariant(std::int32_t(0xFF00FF00u)));
    // 50 % of 255, on the fill and on the line's paint alike.
    EXPECT_EQ(c.GetPropValue(P::FillAlpha), CVariant(BYTE(128)));
    EXPECT_EQ(c.GetPropValue(P::LineAlpha), CVariant(BYTE(128)));
    EXPECT_TRUE(c.GetFillWinding());
}

TEST_F(PropertySheetTest, APictureFillNeedsAPictureThatCanBeRead) {
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("missing.png"));
    const QString present = folder.filePath(QStringLiteral("tile.png"));
    QImage tile(4, 4, QImage::Format_ARGB32);
    tile.fill(Qt::red);
    ASSERT_TRUE(tile.save(present));

    CQarnPropertySheet sheet(*drawing.box);
    sheet.GetTabs()->setCurrentIndex(0);
    CQarnPaintEditor* paint = sheet.GetFillPage()->GetPaintEditor();
    paint->SetBrushType(CQarnBrushProperty::Texture);
    TypeInto(paint->GetPictureEdit(), missing);
    PressEnter(sheet);
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    ASSERT_EQ(catcher.warnings.size(), 1);
    EXPECT_TRUE(catcher.warnings[0].contains(missing));
    EXPECT_EQ(sheet.GetTabs()->currentWidget(), sheet.GetFillPage())
        << "the page of the refused field comes to the front";

    TypeInto(paint->GetPictureEdit(), present);
    paint->GetWrapBox()->setCurrentIndex(4);
    paint->GetStretchBox()->setChecked(false);
    ASSERT_TRUE(Confirm(sheet, *drawing.box));
    EXPECT_EQ(drawing.box->GetBrushType(), CQarnBrushProperty::Texture);
    EXPECT_EQ(drawing.box->GetPropValue(P::ImageName), CVariant(present));
    EXPECT_EQ(drawing.box->GetWrapMode(), 4);
    EXPECT_FALSE(drawing.box->GetStretch());
}

TEST_F(PropertySheetTest, TheArrowPageShowsForLinesAndRefusesOversizedHeads) {
    CQarnPropertySheet sheet(*drawing.line);
    CQarnArrowPage* page = sheet.GetArrowPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetStartWell()->GetArrowType(), ArrowTypeNone);
    EXPECT_EQ(page->GetEndWell()->GetArrowType(), ArrowTypeArrow);
    EXPECT_EQ(page->GetEndSizeEdit()->text(), QStringLiteral("4"));

    page->GetStartWell()->SetArrowType(ArrowTypeDiamond);
    TypeInto(page->GetStartSizeEdit(), QStringLiteral("300"));
    PressEnter(sheet);
    ASSERT_EQ(catcher.warnings.size(), 1);
    EXPECT_EQ(catcher.warnings[0],
              QStringLiteral("Start arrow size must be a whole number from 0 to 255."));
    EXPECT_EQ(page->GetStartSizeEdit()->text(), QStringLiteral("300")) << "nothing is clamped";

    TypeInto(page->GetStartSizeEdit(), QStringLiteral("6"));
    ASSERT_TRUE(Confirm(sheet, *drawing.line));
    EXPECT_EQ(drawing.line->GetStartArrow(), ArrowTypeDiamond);
    EXPECT_EQ(drawing.line->GetStartArrowSize(), 6);
    EXPECT_EQ(drawing.line->GetEndArrow(), ArrowTypeArrow);
}

TEST_F(PropertySheetTest, TheTextPageSetsTheTextAndItsFormat) {
    CQarnPropertySheet sheet(*drawing.box);
    CQarnTextPage* page = sheet.GetTextPage();
    page->GetTextEdit()->setFocus();
    page->GetTextEdit()->selectAll();
    QTest::keyClicks(page->GetTextEdit(), QStringLiteral("Valve"));
    CQarnFontFields* font = page->GetFontFields();
    font->GetFaceBox()->setEditText(QStringLiteral("Courier New"));
    TypeInto(font->GetSizeEdit(), QStringLiteral("18.5"));
    font->GetBoldBox()->setChecked(true);
    font->GetUnderlineBox()->setChecked(true);
    page->GetColorWell()->SetColor(Color(0xFF0000C0u));
    page->GetHorizontalBox()->setCurrentIndex(2);
    page->GetVerticalBox()->setCurrentIndex(0);
    page->GetTopToBottomBox()->setChecked(true);
    ASSERT_TRUE(Confirm(sheet, *drawing.box));

    CQarnComponent& c = *drawing.box;
    EXPECT_EQ(c.GetText(), QStringLiteral("Valve"));
    EXPECT_EQ(c.GetPropValue(P::FontName), CVariant(QStringLiteral("Courier New")));
    EXPECT_EQ(c.GetTextProperty()->GetFontSize(), 18.5f);
    EXPECT_EQ(c.GetPropValue(P::FontStyle), CVariant(std::int32_t(1 | 4)));
    EXPECT_EQ(c.GetPropValue(P::TextColor), CVariant(std::int32_t(0xFF0000C0u)));
    EXPECT_EQ(c.GetPropValue(P::TextAlign), CVariant(2));
    EXPECT_EQ(c.GetPropValue(P::TextVAlign), CVariant(0));
    EXPECT_TRUE(c.GetTextProperty()->GetVertical());
}

TEST_F(PropertySheetTest, TextIsAddedToAComponentWithoutAndHiddenWithoutLosingIt) {
    CQarnComponent& line = *drawing.line;
    ASSERT_EQ(line.GetTextProperty(), nullptr);
    {
        CQarnPropertySheet sheet(line);
        CQarnTextPage* page = sheet.GetTextPage();
        EXPECT_FALSE(page->GetShowBox()->isChecked());
        page->GetShowBox()->setChecked(true);
        page->GetTextEdit()->setPlainText(QStringLiteral("Inflow"));
        ASSERT_TRUE(Confirm(sheet, line));
    }
    ASSERT_NE(line.GetTextProperty(), nullptr);
    EXPECT_EQ(line.GetText(), QStringLiteral("Inflow"));
    EXPECT_TRUE(line.GetDrawText());
    {
        CQarnPropertySheet sheet(line);
        sheet.GetTextPage()->GetShowBox()->setChecked(false);
        ASSERT_TRUE(Confirm(sheet, line));
    }
    EXPECT_FALSE(line.GetDrawText());
    EXPECT_EQ(line.GetText(), QStringLiteral("Inflow"));
}

TEST_F(PropertySheetTest, TheLabelPagePlacesRemovesAndStylesTheLabel) {
    const RectF frame = Qarn::ShownFrame(*drawing.box);
    {
        CQarnPropertySheet sheet(*drawing.box);
        CQarnLabelPage* page = sheet.GetLabelPage();
        EXPECT_EQ(page->GetPositionWell()->GetLabelPosition(), 7) << "the label stands below";
        page->GetPositionWell()->SetLabelPosition(1);
        page->GetColorWell()->SetColor(Color(0xFF008000u));
        page->GetFontFields()->GetItalicBox()->setChecked(true);
        ASSERT_TRUE(Confirm(sheet, *drawing.box));
    }
    const CQarnLabelProperty* label = drawing.box->GetLabelProperty();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(Qarn::FindLabelPosition(frame, label->GetRectF()), 1);
    EXPECT_EQ(label->GetRectF().Width, 100.0f) << "the label keeps its size";
    EXPECT_EQ(label->GetColor().GetValue(), 0xFF008000u);
    EXPECT_EQ(label->GetFont()->GetFontStyle(), CQarnFontProperty::Italic);
    {
        CQarnPropertySheet sheet(*drawing.box);
        EXPECT_EQ(sheet.GetLabelPage()->GetPositionWell()->GetLabelPosition(), 1);
        sheet.GetLabelPage()->GetShowBox()->setChecked(false);
        ASSERT_TRUE(Confirm(sheet, *drawing.box));
    }
    EXPECT_EQ(drawing.box->GetLabelProperty(), nullptr);
}

TEST_F(PropertySheetTest, TheTipPageSetsTheTipAndAnEmptyTextRemovesIt) {
    {
        CQarnPropertySheet sheet(*drawing.line);
        CQarnTipPage* page = sheet.GetTipPage();
        page->GetTextEdit()->setFocus();
        QTest::keyClicks(page->GetTextEdit(), QStringLiteral("Main <i>inflow</i>"));
        EXPECT_TRUE(page->GetPreview()->text().contains(QStringLiteral("<i>inflow</i>")));
        page->GetUseNameBox()->setChecked(false);
        ASSERT_TRUE(Confirm(sheet, *drawing.line));
    }
    EXPECT_EQ(drawing.line->GetTipText(), QStringLiteral("Main <i>inflow</i>"));
    EXPECT_FALSE(drawing.line->GetTipUseName());
    {
        CQarnPropertySheet sheet(*drawing.line);
        sheet.GetTipPage()->GetTextEdit()->selectAll();
        sheet.GetTipPage()->GetTextEdit()->setFocus();
        QTest::keyClick(sheet.GetTipPage()->GetTextEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(sheet.GetTipPage()->GetTextEdit(), Qt::Key_Delete);
        ASSERT_TRUE(Confirm(sheet, *drawing.line));
    }
    EXPECT_EQ(drawing.line->GetTipProperty(), nullptr);
}

TEST_F(PropertySheetTest, TheShadowPageGivesAComponentAShadowPlacedAsPicked) {
    CQarnComponent& line = *drawing.line;
    ASSERT_EQ(line.GetShadowProperty(), nullptr);
    CQarnPropertySheet sheet(line);
    CQarnShadowPage* page = sheet.GetShadowPage();
    EXPECT_FALSE(page->GetShowBox()->isChecked());
    page->GetShowBox()->setChecked(true);
    CQarnWellGrid* picker = page->GetPlacementPicker();
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Down);
    QTest::keyClick(picker, Qt::Key_Right);
    TypeInto(page->GetYOffsetEdit(), QStringLiteral("-7"));
    page->GetColorWell()->SetColor(Color(0x40102030u));
    ASSERT_TRUE(Confirm(sheet, line));

    EXPECT_TRUE(line.GetDrawShadow());
    EXPECT_EQ(line.GetPropValue(P::ShadowStyle), CVariant(5));
    EXPECT_EQ(line.GetPropValue(P::ShadowOffsetY), CVariant(-7));
    EXPECT_EQ(line.GetPropValue(P::ShadowColor1), CVariant(std::int32_t(0x40102030u)));
}

TEST_F(PropertySheetTest, InvalidNumbersAreRefusedWithTheFieldNamedAndFocused) {
    CQarnPropertySheet sheet(*drawing.box);
    sheet.show();
    sheet.GetTabs()->setCurrentWidget(sheet.GetShadowPage());
    CQarnNumberEdit* size = sheet.GetTextPage()->GetFontFields()->GetSizeEdit();
    TypeInto(size, QStringLiteral("0"));
    PressEnter(sheet);
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    ASSERT_EQ(catcher.warnings.size(), 1);
    EXPECT_EQ(catcher.warnings[0], QStringLiteral("Text size must be a number from 1 to 1000."));
    EXPECT_EQ(sheet.GetTabs()->currentWidget(), sheet.GetTextPage());
    EXPECT_EQ(sheet.focusWidget(), size);
    EXPECT_EQ(size->selectedText(), QStringLiteral("0"));

    CQarnPropertySheet second(*drawing.box);
    second.GetTextPage()->GetFontFields()->GetFaceBox()->setEditText(QString());
    PressEnter(second);
    EXPECT_NE(second.result(), QDialog::Accepted);
    EXPECT_EQ(catcher.warnings.value(1), QStringLiteral("Name the font of the text."));
}

// ---- The component's own OnEditProperties, driven from the keyboard ---------------------

namespace {

// Presses a key in the modal dialog the component opens, once it is up.
void PressInNextDialog(Qt::Key key, std::function<void(QWidget*)> before = {}) {
    QTimer::singleShot(0, [key, before] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        if (before) {
            before(dialog);
        }
        QTest::keyClick(dialog, key);
    });
}

}  // namespace

TEST_F(PropertySheetTest, OnEditPropertiesReportsWhetherTheUserConfirmed) {
    const QByteArray before = RecordOf(*drawing.box);
    PressInNextDialog(Qt::Key_Escape);
    EXPECT_EQ(drawing.box->OnEditProperties(nullptr), 0);
    EXPECT_EQ(RecordOf(*drawing.box), before);

    PressInNextDialog(Qt::Key_Return, [](QWidget* dialog) {
        auto* sheet = qobject_cast<CQarnPropertySheet*>(dialog);
        ASSERT_NE(sheet, nullptr);
        TypeInto(sheet->GetLinePage()->GetWidthEdit(), QStringLiteral("3"));
    });
    EXPECT_EQ(drawing.box->OnEditProperties(nullptr), 1);
    EXPECT_EQ(drawing.box->GetLineWidth(), 3.0f);
}

TEST_F(PropertySheetTest, AnInstalledEditorTakesThePlaceOfTheSheet) {
    struct Recorder : CQarnPropertyEditor {
        CQarnComponent* asked = nullptr;
        bool EditProperties(CQarnComponent& component, CView*) override {
            asked = &component;
            return true;
        }
    } recorder;
    CQarnPropertyEditor::Set(&recorder);
    EXPECT_EQ(drawing.line->OnEditProperties(nullptr), 1);
    CQarnPropertyEditor::Set(nullptr);
    EXPECT_EQ(recorder.asked, drawing.line);
}
