// The sheet of several components: shared values show, differing ones show nothing, and only
// what the user changes is set on all of them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>

#include "controls/appearance.h"
#include "controls/color_well.h"
#include "controls/line_style_well.h"
#include "controls/multi_edit_dialog.h"
#include "controls/number_edit.h"
#include "controls_fixtures.h"
#include "core/property_ids.h"

namespace P = QarnPropId;

namespace {

class MultiEditTest : public ::testing::Test {
protected:
    MultiEditTest() {
        second = new CQarnRect(RectF(400, 300, 50, 50));
        second->SetLineColor(Color(0xFFFF0000u));
        second->SetLineWidth(2);
        auto* text = new CQarnTextProperty();
        text->SetText(QStringLiteral("Second"));
        text->SetFontSize(14);
        second->AddProperty(text);
        second->ResetPath();
        drawing.doc.AddTail(second);
        both = {drawing.box, second};
    }

    SampleDrawing drawing;
    CQarnRect* second = nullptr;
    ComponentList both;
    WarningCatcher catcher;
};

}  // namespace

TEST_F(MultiEditTest, SharedValuesShowAndDifferingOnesDoNot) {
    CQarnMultiEditDialog dialog(both);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Line & Fill of 2 objects"));
    auto* width = qobject_cast<CQarnNumberEdit*>(dialog.GetField(P::LineWidth));
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->text(), QStringLiteral("2"));
    EXPECT_FALSE(dialog.IsMixed(P::LineWidth));
    auto* color = qobject_cast<CQarnColorWell*>(dialog.GetField(P::LineColor1));
    ASSERT_NE(color, nullptr);
    EXPECT_TRUE(dialog.IsMixed(P::LineColor1));
    EXPECT_FALSE(color->HasColor());
    auto* size = qobject_cast<CQarnNumberEdit*>(dialog.GetField(P::FontSize));
    ASSERT_NE(size, nullptr) << "both carry text";
    EXPECT_EQ(size->text(), QStringLiteral("14"));
    // Arrow heads only when every component has them.
    EXPECT_EQ(dialog.GetField(P::StartArrow), nullptr);

    CQarnMultiEditDialog withLine(ComponentList{drawing.box, drawing.line});
    EXPECT_EQ(withLine.GetField(P::FontSize), nullptr) << "the line has no text";
    EXPECT_EQ(withLine.GetField(P::StartArrow), nullptr);
    EXPECT_NE(withLine.GetField(P::LineWidth), nullptr);
    auto* shadowBox = qobject_cast<QCheckBox*>(withLine.GetField(P::DrawShadow));
    EXPECT_EQ(shadowBox, nullptr) << "the line has no shadow";
}

TEST_F(MultiEditTest, OnlyTheChangedFieldsAreSetOnEveryComponent) {
    CQarnMultiEditDialog dialog(both);
    TypeInto(dialog.GetField(P::LineWidth), QStringLiteral("5"));
    qobject_cast<CQarnLineStyleWell*>(dialog.GetField(P::DashStyle))->setFocus();
    QTest::keyClick(dialog.GetField(P::DashStyle), Qt::Key_Down);
    PressEnter(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const QList<CQarnMultiEditDialog::Change> changes = dialog.GetChanges();
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(CQarnMultiEditDialog::Apply(both, changes), 2);
    for (CQarnComponent* c : both) {
        EXPECT_EQ(c->GetLineWidth(), 5.0f);
        EXPECT_EQ(c->GetDashStyle(), 1);
    }
    // Each keeps its own line colour.
    EXPECT_EQ(drawing.box->GetLineColor().GetValue(), 0xFF203040u);
    EXPECT_EQ(second->GetLineColor().GetValue(), 0xFFFF0000u);
}

TEST_F(MultiEditTest, AMixedSwitchSettlesOnOneValueWhenClicked) {
    second->SetFill(false);
    CQarnMultiEditDialog dialog(both);
    auto* fill = qobject_cast<QCheckBox*>(dialog.GetField(P::Fill));
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->checkState(), Qt::PartiallyChecked);
    fill->click();
    EXPECT_FALSE(fill->isTristate());
    const Qt::CheckState chosen = fill->checkState();
    PressEnter(dialog);
    CQarnMultiEditDialog::Apply(both, dialog.GetChanges());
    EXPECT_EQ(drawing.box->GetFill(), chosen == Qt::Checked);
    EXPECT_EQ(second->GetFill(), chosen == Qt::Checked);
}

TEST_F(MultiEditTest, OpacityIsShownInPercentAndStoredAsAlpha) {
    CQarnMultiEditDialog dialog(both);
    auto* opacity = qobject_cast<CQarnNumberEdit*>(dialog.GetField(P::Alpha));
    ASSERT_NE(opacity, nullptr);
    EXPECT_EQ(opacity->text(), QStringLiteral("100"));
    TypeInto(opacity, QStringLiteral("25"));
    PressEnter(dialog);
    CQarnMultiEditDialog::Apply(both, dialog.GetChanges());
    EXPECT_EQ(drawing.box->GetAlpha(), 64);
    EXPECT_EQ(second->GetFillColor().GetA(), 64);
}

TEST_F(MultiEditTest, RefusedValuesNameTheFieldAndNothingIsSet) {
    const QByteArray before = RecordOf(*drawing.box);
    CQarnMultiEditDialog dialog(both);
    TypeInto(dialog.GetField(P::FontSize), QStringLiteral("0"));
    PressEnter(dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(catcher.warnings.value(0),
              QStringLiteral("Font size (pt) must be a whole number from 1 to 1000."));
    auto* font = qobject_cast<QFontComboBox*>(dialog.GetField(P::FontName));
    font->setEditText(QString());
    TypeInto(dialog.GetField(P::FontSize), QStringLiteral("12"));
    PressEnter(dialog);
    EXPECT_EQ(catcher.warnings.value(1), QStringLiteral("Name the font of the text."));
    EXPECT_EQ(RecordOf(*drawing.box), before);
    // A dialog confirmed without changes changes nothing.
    CQarnMultiEditDialog untouched(both);
    PressEnter(untouched);
    EXPECT_TRUE(untouched.GetChanges().isEmpty());
    EXPECT_EQ(CQarnMultiEditDialog::Apply(both, untouched.GetChanges()), 0);
}

TEST_F(MultiEditTest, CopiesTakenBeforeTheChangesRestoreEveryComponentExactly) {
    const QByteArray first = RecordOf(*drawing.box);
    const QByteArray other = RecordOf(*second);
    std::vector<std::unique_ptr<CQarnAppearance>> before;
    for (CQarnComponent* c : both) {
        before.push_back(std::make_unique<CQarnAppearance>(*c));
    }
    CQarnMultiEditDialog dialog(both);
    TypeInto(dialog.GetField(P::LineWidth), QStringLiteral("7"));
    qobject_cast<QCheckBox*>(dialog.GetField(P::DrawText))->click();
    PressEnter(dialog);
    ASSERT_EQ(CQarnMultiEditDialog::Apply(both, dialog.GetChanges()), 2);
    for (size_t i = 0; i < before.size(); ++i) {
        before[i]->ApplyTo(*both[qsizetype(i)]);
    }
    EXPECT_EQ(RecordOf(*drawing.box), first);
    EXPECT_EQ(RecordOf(*second), other);
}
