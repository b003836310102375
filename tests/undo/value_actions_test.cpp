#include "core/property_ids.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/label_property.h"
#include "properties/pen_property.h"
#include "properties/property_value.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "undo/action_fixture.h"
#include "undo/action_ids.h"
#include "undo/add_property_action.h"
#include "undo/arrow_action.h"
#include "undo/color_action.h"
#include "undo/color_picker_action.h"
#include "undo/edit_action.h"
#include "undo/edit_multi_action.h"
#include "undo/font_action.h"
#include "undo/label_handle_action.h"
#include "undo/line_size_action.h"
#include "undo/line_style_action.h"
#include "undo/opacity_action.h"
#include "undo/prop_action.h"
#include "undo/property_action.h"

// The scene's shapes each get a text, a shadow and a label, so that every value has a place.
class ValueActionTest : public ActionTest {
protected:
    void SetUp() override {
        ActionTest::SetUp();
        BuildScene();
        for (CQarnComponent* c : {static_cast<CQarnComponent*>(a), static_cast<CQarnComponent*>(b),
                                  static_cast<CQarnComponent*>(m1)}) {
            auto* text = new CQarnTextProperty();
            text->SetText(QStringLiteral("text"));
            c->AddProperty(text);
            c->AddProperty(new CQarnShadowProperty());
            c->AddProperty(new CQarnArrowProperty());
        }
        a->AddProperty(new CQarnLabelProperty(RectF(10, 90, 60, 24)));
        ab->AddProperty(new CQarnPropertyValue(7000, QStringLiteral("weight"), CVariant(3.5)));
        gUndoManager->ClearTarget(doc);
        view.Select(a, false);
        view.Select(group, true);
        view.Select(ab, true);
    }
};

TEST_F(ValueActionTest, EveryValueOfTheExpandedSelectionIsTakenBackExactly) {
    const ComponentList& selection = view.GetSelection();
    for (unsigned int id :
         {QarnActionId::LineColor, QarnActionId::FillColor, QarnActionId::TextColor}) {
        SCOPED_TRACE(id);
        ExpectExactUndo([&] {
            ASSERT_TRUE(Record(std::make_unique<CColorAction>(&view, id, selection, 0x80336699u)));
        });
    }
    for (unsigned int id : {QarnActionId::LineAlpha, QarnActionId::FillAlpha,
                            QarnActionId::ShadowAlpha, QarnActionId::TextAlpha}) {
        SCOPED_TRACE(id);
        ExpectExactUndo([&] {
            ASSERT_TRUE(Record(std::make_unique<COpacityAction>(&view, id, selection, BYTE(77))));
        });
    }
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(
            std::make_unique<CLineStyleAction>(&view, QarnActionId::LineStyle, selection, 3)));
    });
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(
            std::make_unique<CLineSizeAction>(&view, QarnActionId::LineWidth, selection, 7.25f)));
    });
    for (unsigned int id : {QarnActionId::LeftArrow, QarnActionId::RightArrow}) {
        ExpectExactUndo([&] {
            ASSERT_TRUE(
                Record(std::make_unique<CArrowAction>(&view, id, selection, ArrowTypeSquare)));
        });
    }
    CCharFormat format;
    format.dwMask = CFM_FACE | CFM_SIZE;
    format.yHeight = 500;
    format.szFaceName = QStringLiteral("Courier New");
    view.SetCurrentCharFormat(format);
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CFontAction>(&view, QarnActionId::Font, selection)));
        ASSERT_NE(m1->GetTextProperty(), nullptr);
        EXPECT_EQ(m1->GetTextProperty()->GetFontName(), QStringLiteral("Courier New"));
        EXPECT_EQ(m1->GetTextProperty()->GetFontSize(), 25.0f);
    });
}

TEST_F(ValueActionTest, AttributesByPropertyIdTakeBackTheirSideEffects) {
    // The frame moves the selected components themselves; the connectors follow.
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CPropAction>(&view, QarnPropId::Y, CVariant(900.0f),
                                                         ComponentList{b})));
        EXPECT_EQ(ab->GetPoint(ab->GetPointCount(), 1).Y, 940.0f);
    });
    const ComponentList& selection = view.GetSelection();
    struct Case {
        UINT id;
        CVariant value;
    };
    const Case cases[] = {
        {QarnPropId::X, CVariant(12.5f)},
        {QarnPropId::Width, CVariant(333.0f)},
        {QarnPropId::RotateAngle, CVariant(30.0f)},
        {QarnPropId::Fill, CVariant(false)},
        {QarnPropId::Name, CVariant("renamed")},
        {QarnPropId::LineWidth, CVariant(4.0f)},
        {QarnPropId::FontSize, CVariant(30.0f)},
        {QarnPropId::Text, CVariant("other")},
        {QarnPropId::PolyStyle, CVariant(std::int32_t(1))},
        {QarnPropId::ConnectorType, CVariant(std::int32_t(4))},
        {7000, CVariant(9.0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        ExpectExactUndo([&] {
            ASSERT_TRUE(Record(std::make_unique<CPropAction>(&view, c.id, c.value, selection)));
        });
    }
}

TEST_F(ValueActionTest, ARefusedValueIsReportedAndChangesNothing) {
    const QByteArray before = Bytes();
    auto action = std::make_unique<CPropAction>(&view, QarnPropId::Alpha,
                                                CVariant(std::int32_t(1000)), ComponentList{a});
    CPropAction* prop = action.get();
    EXPECT_TRUE(Record(std::move(action)));
    EXPECT_TRUE(FAILED(prop->GetResult()));
    EXPECT_TRUE(SameBytes(before, Bytes()));
}

TEST_F(ValueActionTest, APickedBrushGoesToItsPlaceAsACopyAndComesOffOnUndo) {
    CQarnBrushProperty picked;
    picked.SetBrushType(CQarnBrushProperty::Solid);
    picked.SetColor1(Color(0xFF112233u));
    const ComponentList& selection = view.GetSelection();
    a->SetFill(false);
    for (unsigned int id : {QarnActionId::PickFill, QarnActionId::PickLine, QarnActionId::PickText,
                            QarnActionId::PickShadow}) {
        SCOPED_TRACE(id);
        ExpectExactUndo([&] {
            ASSERT_TRUE(
                Record(std::make_unique<CColorPickerAction>(&view, id, &picked, selection)));
        });
    }
    EXPECT_EQ(a->GetFillColor().GetValue(), 0xFF112233u);
    EXPECT_TRUE(a->GetFill());
    EXPECT_NE(a->GetBrushProperty(), &picked);
    // Connectors take no fill.
    EXPECT_NE(ab->GetFillColor().GetValue(), 0xFF112233u);
}

TEST_F(ValueActionTest, PropertiesAttachedOrReplacedComeOffOnUndo) {
    ExpectExactUndo([&] {
        auto* pen = new CQarnPenProperty(1);
        pen->SetLineWidth(9);
        ASSERT_TRUE(Record(std::make_unique<CPropertyAction>(&view, 0, QARN_PROP_PEN, pen, b)));
        EXPECT_EQ(b->GetLineWidth(), 9.0f);
    });
    ExpectExactUndo([&] {
        auto* text = new CQarnTextProperty();
        text->SetText(QStringLiteral("new"));
        ASSERT_TRUE(Record(
            std::make_unique<CAddPropertyAction>(&view, QarnActionId::AddProperty, text, lone)));
        EXPECT_EQ(lone->GetText(), QStringLiteral("new"));
    });
}

TEST_F(ValueActionTest, DialogEditsAndLabelDragsAreExchangedAsAWhole) {
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CEditAction>(&view, QarnActionId::Edit, a)));
        // What a property dialog does: properties changed, dropped and added, flags set.
        a->SetLineColor(Color(0xFF00FF00u));
        a->RemoveProperty(QARN_PROP_SHADOW);
        a->SetTipText(QStringLiteral("tip"));
        a->SetDrawShadow(false);
        gUndoManager->SetLastAction(doc, nullptr);
    });
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CEditMultiAction>(&view, QarnActionId::EditMulti,
                                                              view.GetSelection())));
        m1->SetFillColor(Color(0xFF0000FFu));
        ab->SetLineWidth(3);
    });
    ExpectExactUndo([&] {
        const int handle = a->GetHandleCount();
        auto action =
            std::make_unique<CLabelHandleAction>(&view, QarnActionId::LabelHandle, handle, a);
        CLabelHandleAction* label = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        label->DragTo(PointF(200, 250));
        label->Finish();
    });
}
