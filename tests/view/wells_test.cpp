// The wells and pickers: opening, choosing and giving up from the keyboard and the mouse, the
// messages their owner hears, and the typed values behind the samples.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "controls/arrow_well.h"
#include "controls/color_picker.h"
#include "controls/color_well.h"
#include "controls/compound_line_well.h"
#include "controls/hatch_well.h"
#include "controls/label_pos_well.h"
#include "controls/line_style_well.h"
#include "controls/line_width_well.h"
#include "controls/recent_colors.h"
#include "controls/shadow_items.h"
#include "controls/shadow_well.h"
#include "controls/well_grid.h"
#include "core/notification_messages.h"
#include "platform/hatch_style.h"
#include "support/message_recorder.h"

namespace {

constexpr int kControlId = 1207;

class WellTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 200);
        window.show();
    }

    template <class Well>
    Well* Place(Well* well) {
        well->setParent(&window);
        well->SetOwner(&owner);
        well->SetControlID(kControlId);
        well->move(10, 10);
        well->show();
        well->setFocus();
        return well;
    }

    QList<UINT> Sequence() const {
        QList<UINT> ids;
        for (const RecordedMessage& m : owner.messages) {
            ids.append(m.message);
        }
        return ids;
    }

    QWidget window;
    MessageRecorder owner;
};

}  // namespace

TEST_F(WellTest, EnterInTheDropDownTakesTheChoiceAndTellsTheOwnerInOrder) {
    auto* well = Place(new CQarnArrowWell(CQarnArrowHeadItems::End::End));
    well->SetArrowType(ArrowTypeArrow);
    QTest::keyClick(well, Qt::Key_F4);
    ASSERT_TRUE(well->IsDroppedDown());
    CQarnWellGrid* grid = well->GetDropDownGrid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetCurSel(), 1);
    // Down two rows of the one-column list: the open arrow, then the notched one.
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(well->GetArrowType(), ArrowTypeArrow) << "nothing is taken before Enter";
    QTest::keyClick(grid, Qt::Key_Return);

    EXPECT_FALSE(well->IsDroppedDown());
    EXPECT_EQ(well->GetArrowType(), ArrowTypeNotched);
    EXPECT_EQ(Sequence(),
              (QList<UINT>{WELL_DROPDOWN, WELL_SELCHANGED, WELL_SELENDOK, WELL_CLOSEUP}));
    for (const RecordedMessage& m : owner.messages) {
        EXPECT_EQ(m.wParam, WPARAM(kControlId));
    }
    EXPECT_EQ(owner.Of(WELL_SELCHANGED).front().lParam, 3);
    EXPECT_EQ(window.focusWidget(), well) << "the focus comes back to the well";
}

TEST_F(WellTest, EscapeOrAClickElsewhereGivesUpTheChoice) {
    auto* well = Place(new CQarnLineStyleWell());
    well->SetDashStyle(2);
    QTest::keyClick(well, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(well->IsDroppedDown());
    QTest::keyClick(well->GetDropDownGrid(), Qt::Key_End);
    QTest::keyClick(well->GetDropDownGrid(), Qt::Key_Escape);
    EXPECT_FALSE(well->IsDroppedDown());
    EXPECT_EQ(well->GetDashStyle(), 2);
    EXPECT_EQ(Sequence(), (QList<UINT>{WELL_DROPDOWN, WELL_SELENDCANCEL, WELL_CLOSEUP}));

    owner.messages.clear();
    QTest::keyClick(well, Qt::Key_Space);
    ASSERT_TRUE(well->IsDroppedDown());
    // The window system closes a drop-down when the user clicks outside it.
    well->GetDropDown()->hide();
    EXPECT_FALSE(well->IsDroppedDown());
    EXPECT_EQ(Sequence(), (QList<UINT>{WELL_DROPDOWN, WELL_SELENDCANCEL, WELL_CLOSEUP}));
}

TEST_F(WellTest, ChoosingTheSameSampleAgainChangesNothing) {
    auto* well = Place(new CQarnShadowWell());
    well->SetShadowStyle(5);
    QTest::keyClick(well, Qt::Key_F4);
    QTest::keyClick(well->GetDropDownGrid(), Qt::Key_Space);
    EXPECT_EQ(Sequence(), (QList<UINT>{WELL_DROPDOWN, WELL_SELENDOK, WELL_CLOSEUP}));
    EXPECT_EQ(well->GetShadowStyle(), 5u);
}

TEST_F(WellTest, ArrowKeysOnTheClosedWellStepThroughTheSamples) {
    auto* well = Place(new CQarnLineWidthWell());
    int changes = 0;
    QObject::connect(well, &CQarnWell::ValueChanged, [&] { ++changes; });
    well->SetLineWidth(3.0f);
    QTest::keyClick(well, Qt::Key_Down);
    EXPECT_EQ(well->GetLineWidth(), 4.0f);
    QTest::keyClick(well, Qt::Key_Up);
    QTest::keyClick(well, Qt::Key_Up);
    EXPECT_EQ(well->GetLineWidth(), 2.0f);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(owner.Count(WELL_SELCHANGED), 3);
    EXPECT_EQ(owner.Count(WELL_DROPDOWN), 0);
    // At the first sample Up goes nowhere and says nothing.
    well->SetLineWidth(0.0f);
    QTest::keyClick(well, Qt::Key_Up);
    EXPECT_EQ(owner.Count(WELL_SELCHANGED), 3);
}

TEST_F(WellTest, AClickOnASampleTakesIt) {
    auto* well = Place(new CQarnHatchWell());
    well->SetHatchStyle(0);
    QTest::mouseClick(well, Qt::LeftButton);
    ASSERT_TRUE(well->IsDroppedDown());
    CQarnWellGrid* grid = well->GetDropDownGrid();
    const QRect cell = grid->GetCellRect(HatchStyleWeave);
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_FALSE(well->IsDroppedDown());
    EXPECT_EQ(well->GetHatchStyle(), WORD(HatchStyleWeave));
    EXPECT_EQ(owner.Of(WELL_SELCHANGED).value(0).lParam, HatchStyleWeave);
}

TEST_F(WellTest, ValuesOutsideTheSamplesAreKeptAndShownAsText) {
    CQarnLineWidthWell width;
    width.SetLineWidth(2.5f);
    EXPECT_EQ(width.GetCurSel(), -1);
    EXPECT_EQ(width.GetLineWidth(), 2.5f);
    width.SetLineWidth(8.0f);
    EXPECT_EQ(width.GetCurSel(), 8);

    CQarnLineStyleWell dashes;
    dashes.SetDashStyle(5);
    EXPECT_EQ(dashes.GetCurSel(), -1);
    EXPECT_EQ(dashes.GetDashStyle(), 5);
    EXPECT_EQ(dashes.accessibleDescription(), QStringLiteral("Custom"));

    CQarnShadowWell shadow;
    shadow.SetShadowStyle(40);
    EXPECT_EQ(shadow.GetShadowStyle(), 40u);

    CQarnHatchWell hatch;
    hatch.SetHatchStyle(HatchStyleSolidDiamond);
    EXPECT_EQ(hatch.GetCurSel(), 52);
    hatch.SetHatchStyle(60);
    EXPECT_EQ(hatch.GetHatchStyle(), 60);

    CQarnCompoundLineWell compound;
    compound.SetLineStyle(7);
    EXPECT_EQ(compound.GetLineStyle(), 2u);

    CQarnLabelPosWell label;
    EXPECT_EQ(label.GetLabelPosition(), -1);
    label.SetLabelPosition(8);
    EXPECT_EQ(label.GetLabelPosition(), 8);
}

TEST_F(WellTest, ArrowWellsNameTheHeadsInTheOrderOfTheArrowCommands) {
    CQarnArrowWell start(CQarnArrowHeadItems::End::Start);
    const ArrowType order[] = {ArrowTypeNone,    ArrowTypeArrow,     ArrowTypeOpen,
                               ArrowTypeNotched, ArrowTypeDiamond,   ArrowTypeRound,
                               ArrowTypeSquare,  ArrowTypeBarbFirst, ArrowTypeBarbSecond};
    for (int i = 0; i < 9; ++i) {
        start.SetArrowType(order[i]);
        EXPECT_EQ(start.GetCurSel(), i);
        EXPECT_EQ(start.GetArrowType(), order[i]);
        EXPECT_FALSE(start.GetItems().GetItemName(i).isEmpty());
    }
    // A stored value that is no head is kept, not turned into "none".
    start.SetArrowType(ArrowType(99));
    EXPECT_EQ(start.GetCurSel(), -1);
    EXPECT_EQ(start.GetArrowType(), ArrowType(99));
    EXPECT_EQ(start.accessibleName(), QStringLiteral("Start arrow head"));
}

TEST_F(WellTest, APickerInAPageTellsItsOwnerOfEachChoice) {
    auto* grid =
        new CQarnWellGrid(std::make_shared<CQarnShadowItems>(), QStringLiteral("Shadow"), &window);
    grid->SetOwner(&owner, kControlId);
    grid->SetCurSel(0);
    grid->show();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->GetCurSel(), 5);
    ASSERT_EQ(owner.Count(WELL_SELCHANGED), 2);
    EXPECT_EQ(owner.messages.back().lParam, 5);
    // Enter and Escape belong to the dialog the picker sits in.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(grid, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(grid->accessibleDescription(), grid->GetItems().GetItemName(5));
}

// ---- The colour well -------------------------------------------------------------------

namespace {

class ColorWellTest : public WellTest {
protected:
    void SetUp() override {
        WellTest::SetUp();
        CQarnRecentColors::Clear();
        previousDialog = CQarnColorPicker::SetColorDialog(
            [this](QWidget*, const Color& initial, bool alpha) -> std::optional<Color> {
                dialogInitial = initial;
                dialogAlpha = alpha;
                return dialogAnswer;
            });
    }
    void TearDown() override { CQarnColorPicker::SetColorDialog(previousDialog); }

    CQarnColorPicker::ColorDialog previousDialog;
    std::optional<Color> dialogAnswer;
    Color dialogInitial;
    bool dialogAlpha = false;
};

}  // namespace

TEST_F(ColorWellTest, APaletteColourTakenByKeyKeepsTheOpacityAndIsAnnounced) {
    auto* well = Place(new CQarnColorWell(QStringLiteral("Fill colour")));
    well->SetColor(Color(0x80FF0000u));  // red at half opacity
    QTest::keyClick(well, Qt::Key_F4);
    CQarnColorPicker* picker = well->GetPicker();
    ASSERT_NE(picker, nullptr);
    CQarnWellGrid* palette = picker->GetPaletteGrid();
    EXPECT_TRUE(palette->hasFocus() || QApplication::focusWidget() == palette);
    EXPECT_EQ(palette->GetItems().GetItemName(palette->GetCurSel()), QStringLiteral("Red"));
    QTest::keyClick(palette, Qt::Key_Right);  // light orange
    QTest::keyClick(palette, Qt::Key_Return);

    EXPECT_EQ(well->GetColor().GetValue(), 0x80FF9900u);
    ASSERT_EQ(owner.Count(CPW_SELCHANGED), 1);
    EXPECT_EQ(DWORD(owner.Of(CPW_SELCHANGED)[0].lParam), 0x80FF9900u);
    EXPECT_EQ(owner.Count(WELL_SELENDOK), 1);
    EXPECT_EQ(CQarnRecentColors::Get().value(0).GetValue(), 0x80FF9900u);
}

TEST_F(ColorWellTest, TheOpacitySliderAndEnterTakeTheSameColourMoreOpaque) {
    auto* well = Place(new CQarnColorWell(QStringLiteral("Line colour")));
    well->SetColor(Color(0xFF336699u));
    QTest::keyClick(well, Qt::Key_F4);
    QSlider* slider = well->GetPicker()->GetOpacitySlider();
    EXPECT_EQ(slider->value(), 100);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageDown);
    QTest::keyClick(slider, Qt::Key_PageDown);
    QTest::keyClick(slider, Qt::Key_Return);
    EXPECT_FALSE(well->IsDroppedDown());
    // 80 % of 255, rounded.
    EXPECT_EQ(well->GetColor().GetValue(), 0xCC336699u);
}

TEST_F(ColorWellTest, MoreColoursAsksTheColourDialogAndCancelChangesNothing) {
    auto* well = Place(new CQarnColorWell(QStringLiteral("Text colour")));
    well->SetColor(Color(0xFF000000u));
    dialogAnswer = Color(0x40123456u);
    QTest::keyClick(well, Qt::Key_F4);
    QTest::mouseClick(well->GetPicker()->GetMoreButton(), Qt::LeftButton);
    EXPECT_FALSE(well->IsDroppedDown());
    EXPECT_EQ(dialogInitial.GetValue(), 0xFF000000u);
    EXPECT_TRUE(dialogAlpha);
    EXPECT_EQ(well->GetColor().GetValue(), 0x40123456u);
    EXPECT_EQ(owner.Count(WELL_SELENDOK), 1);

    owner.messages.clear();
    dialogAnswer.reset();
    QTest::keyClick(well, Qt::Key_F4);
    QTest::mouseClick(well->GetPicker()->GetMoreButton(), Qt::LeftButton);
    EXPECT_FALSE(well->IsDroppedDown());
    EXPECT_EQ(well->GetColor().GetValue(), 0x40123456u);
    EXPECT_EQ(Sequence(), (QList<UINT>{WELL_DROPDOWN, WELL_SELENDCANCEL, WELL_CLOSEUP}));
}

TEST_F(ColorWellTest, AWellWithoutOpacityKeepsEveryColourOpaque) {
    auto* well = Place(new CQarnColorWell(QStringLiteral("Canvas colour")));
    well->SetAlphaEnabled(false);
    well->SetColor(Color(0x20FFFFFFu));
    EXPECT_EQ(well->GetColor().GetValue(), 0xFFFFFFFFu);
    dialogAnswer = Color(0x10ABCDEFu);
    QTest::keyClick(well, Qt::Key_F4);
    EXPECT_FALSE(well->GetPicker()->GetOpacitySlider()->isVisible());
    QTest::mouseClick(well->GetPicker()->GetMoreButton(), Qt::LeftButton);
    EXPECT_FALSE(dialogAlpha);
    EXPECT_EQ(well->GetColor().GetValue(), 0xFFABCDEFu);
}

TEST_F(ColorWellTest, RecentColoursComeFirstWithoutRepeats) {
    for (ARGB c : {0xFF000001u, 0xFF000002u, 0xFF000001u}) {
        CQarnRecentColors::Add(Color(c));
    }
    const QList<Color> recent = CQarnRecentColors::Get();
    ASSERT_EQ(recent.size(), 2);
    EXPECT_EQ(recent[0].GetValue(), 0xFF000001u);
    for (ARGB c = 0; c < 20; ++c) {
        CQarnRecentColors::Add(Color(0xFF100000u + c));
    }
    EXPECT_EQ(CQarnRecentColors::Get().size(), CQarnRecentColors::kMaxCount);

    // A recent colour is offered again, with its own opacity.
    CQarnRecentColors::Clear();
    CQarnRecentColors::Add(Color(0x7F00FF00u));
    auto* well = Place(new CQarnColorWell(QStringLiteral("Fill colour")));
    QTest::keyClick(well, Qt::Key_F4);
    CQarnWellGrid* recentGrid = well->GetPicker()->GetRecentGrid();
    ASSERT_TRUE(recentGrid->isVisible());
    QTest::mouseClick(recentGrid, Qt::LeftButton, Qt::NoModifier,
                      recentGrid->GetCellRect(0).center());
    EXPECT_EQ(well->GetColor().GetValue(), 0x7F00FF00u);
}
