#include <gtest/gtest.h>

#include "core/component.h"
#include "core/property_ids.h"
#include "platform/variant.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"
#include "properties/property_value.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"

namespace P = QarnPropId;

namespace {

// A component with a pen, a brush and an arrow property, as lines with heads have.
class PropertyValuesTest : public ::testing::Test {
protected:
    PropertyValuesTest() : c(RectF(10, 20, 30, 40)) {
        arrow = new CQarnArrowProperty();
        c.AddProperty(arrow);
        pen = c.GetPenProperty();
        brush = dynamic_cast<CQarnBrushProperty*>(c.GetBrushProperty());
    }

    CQarnComponent c;
    CQarnPenProperty* pen = nullptr;
    CQarnBrushProperty* brush = nullptr;
    CQarnArrowProperty* arrow = nullptr;
};

}  // namespace

TEST_F(PropertyValuesTest, FlagIdsReadAndWriteOneStyleBitEach) {
    struct Flag {
        UINT id;
        DWORD bit;
    };
    const Flag flags[] = {
        {P::DrawLine, QARN_STYLE_DRAWLINE},       {P::Fill, QARN_STYLE_FILL},
        {P::DrawText, QARN_STYLE_DRAWTEXT},       {P::DrawShadow, QARN_STYLE_SHOWSHADE},
        {P::Closed, QARN_STYLE_CLOSED},           {P::AnchorAnyWhere, QARN_STYLE_ANCHORANYWHERE},
        {P::FillWithPen, QARN_STYLE_FILLWITHPEN}, {P::UseItsOwn, QARN_STYLE_NOTUSEPARENT},
        {P::LockRatio, QARN_STYLE_LOCKRATIO},     {P::Lock, QARN_STYLE_LOCK},
    };
    for (const Flag& f : flags) {
        c.SetStyle(0xFFFFFFFFu);
        EXPECT_EQ(c.SetPropValue(CVariant(false), f.id), S_OK);
        EXPECT_EQ(c.GetStyle(), ~f.bit) << "id " << f.id;
        EXPECT_EQ(c.GetPropValue(f.id), CVariant(false));
        c.SetStyle(0);
        // Any value that converts to a boolean will do.
        EXPECT_EQ(c.SetPropValue(CVariant("True"), f.id), S_OK);
        EXPECT_EQ(c.GetStyle(), f.bit) << "id " << f.id;
        EXPECT_EQ(c.SetPropValue(CVariant(0), f.id), S_OK);
        EXPECT_EQ(c.SetPropValue(CVariant(2.0), f.id), S_OK);
        EXPECT_EQ(c.GetPropValue(f.id), CVariant(true));
    }
    c.SetStyle(0);
    EXPECT_EQ(c.GetPropValue(P::Visible), CVariant(true));
    EXPECT_EQ(c.SetPropValue(CVariant(false), P::Visible), S_OK);
    EXPECT_EQ(c.GetStyle(), kStyleInvisible);
    EXPECT_EQ(c.GetPropValue(P::Visible), CVariant(false));
}

TEST_F(PropertyValuesTest, IdentityFrameAndFlipAreReadInTheirTypes) {
    c.SetRotateAngle(30);
    c.SetID(9);
    EXPECT_EQ(c.GetPropValue(P::X), CVariant(10.0f));
    EXPECT_EQ(c.GetPropValue(P::Y), CVariant(20.0f));
    EXPECT_EQ(c.GetPropValue(P::Width), CVariant(30.0f));
    EXPECT_EQ(c.GetPropValue(P::Height), CVariant(40.0f));
    EXPECT_EQ(c.GetPropValue(P::RotateAngle), CVariant(30.0f));
    EXPECT_EQ(c.GetPropValue(P::ID), CVariant(9));
    EXPECT_EQ(c.GetPropValue(P::Name), CVariant(QStringLiteral("Component-9")));
    c.SetHoriFlip(true);
    EXPECT_EQ(c.GetPropValue(P::FlipMode), CVariant(QStringLiteral("Hori.")));

    EXPECT_EQ(c.SetPropValue(CVariant("Label"), P::Name), S_OK);
    EXPECT_EQ(c.GetName(), QStringLiteral("Label"));
    EXPECT_EQ(c.SetPropValue(CVariant(-1), P::ID), S_OK);
    EXPECT_EQ(c.GetID(), CQarnComponent::kNoID);
    EXPECT_EQ(c.SetPropValue(CVariant("12"), P::ID), S_OK);
    EXPECT_EQ(c.GetID(), 12u);

    // The flip mode is shown only.
    const DWORD style = c.GetStyle();
    EXPECT_EQ(c.SetPropValue(CVariant("None"), P::FlipMode), S_OK);
    EXPECT_EQ(c.GetStyle(), style);
    // One value of the frame changes and the others stay.
    EXPECT_EQ(c.SetPropValue(CVariant(15.0f), P::X), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant("45"), P::Height), S_OK);
    EXPECT_TRUE(c.GetRectF().Equals(RectF(15, 20, 30, 45)));
    // The angle turns about the centre by the difference.
    EXPECT_EQ(c.SetPropValue(CVariant(90.0f), P::RotateAngle), S_OK);
    EXPECT_FLOAT_EQ(c.GetRotateAngle(), 90.0f);
    EXPECT_TRUE(c.GetRectF().Equals(RectF(15, 20, 30, 45)));
    EXPECT_EQ(c.SetPropValue(CVariant("wide"), P::Width), DISP_E_TYPEMISMATCH);
    EXPECT_TRUE(c.GetRectF().Equals(RectF(15, 20, 30, 45)));
}

TEST_F(PropertyValuesTest, PenIdsReachThePenAndFallBackWithoutOne) {
    EXPECT_EQ(c.SetPropValue(CVariant(3), P::PenType), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(2.5), P::LineWidth), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(std::int32_t(0x80FF0000u)), P::LineColor1), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(std::int32_t(0xFF00FF00u)), P::LineColor2), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(2), P::LineCap), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(BYTE(3)), P::LineJoin), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant("4"), P::DashStyle), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(BYTE(20)), P::MiterLimit), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(1), P::PenAlignment), S_OK);
    EXPECT_EQ(pen->GetPenType(), 3);
    EXPECT_FLOAT_EQ(pen->GetLineWidth(), 2.5f);
    EXPECT_EQ(pen->GetColor1().GetValue(), 0x80FF0000u);
    EXPECT_EQ(pen->GetColor2().GetValue(), 0xFF00FF00u);
    EXPECT_EQ(pen->GetLineCap(), 2);
    EXPECT_EQ(pen->GetLineJoin(), 3);
    EXPECT_EQ(pen->GetDashStyle(), 4);
    EXPECT_EQ(pen->GetMeterLimit(), 20);
    EXPECT_EQ(pen->GetPenAlignment(), 1);
    EXPECT_EQ(c.SetPropValue(CVariant(BYTE(0x40)), P::LineAlpha), S_OK);
    EXPECT_EQ(pen->GetColor1().GetValue(), 0x40FF0000u);

    EXPECT_EQ(c.GetPropValue(P::PenType), CVariant(3));
    EXPECT_EQ(c.GetPropValue(P::LineWidth), CVariant(2.5f));
    EXPECT_EQ(c.GetPropValue(P::LineColor1), CVariant(0x40FF0000));
    EXPECT_EQ(c.GetPropValue(P::LineColor2), CVariant(std::int32_t(0xFF00FF00u)));
    EXPECT_EQ(c.GetPropValue(P::LineCap), CVariant(BYTE(2)));
    EXPECT_EQ(c.GetPropValue(P::LineJoin), CVariant(BYTE(3)));
    EXPECT_EQ(c.GetPropValue(P::DashStyle), CVariant(4));
    EXPECT_EQ(c.GetPropValue(P::LineAlpha), CVariant(BYTE(0x40)));
    EXPECT_EQ(c.GetPropValue(P::MiterLimit), CVariant(BYTE(20)));
    EXPECT_EQ(c.GetPropValue(P::PenAlignment), CVariant(BYTE(1)));

    // Values outside a field's range change nothing.
    EXPECT_EQ(c.SetPropValue(CVariant(300), P::LineCap), DISP_E_OVERFLOW);
    EXPECT_EQ(c.SetPropValue(CVariant(70000), P::DashStyle), DISP_E_OVERFLOW);
    EXPECT_EQ(c.SetPropValue(CVariant(-1), P::PenType), DISP_E_OVERFLOW);
    EXPECT_EQ(c.SetPropValue(CVariant("thick"), P::LineWidth), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(pen->GetLineCap(), 2);
    EXPECT_EQ(pen->GetDashStyle(), 4);
    EXPECT_EQ(pen->GetPenType(), 3);
    EXPECT_FLOAT_EQ(pen->GetLineWidth(), 2.5f);

    c.RemoveProperty(QARN_PROP_PEN);
    EXPECT_EQ(c.GetPropValue(P::PenType), CVariant(0));
    EXPECT_EQ(c.GetPropValue(P::LineWidth), CVariant(1.0f));
    EXPECT_EQ(c.GetPropValue(P::LineColor1), CVariant(0));
    EXPECT_EQ(c.GetPropValue(P::LineColor2), CVariant(0));
    EXPECT_EQ(c.GetPropValue(P::LineCap), CVariant(BYTE(0)));
    EXPECT_EQ(c.GetPropValue(P::LineJoin), CVariant(BYTE(0)));
    EXPECT_EQ(c.GetPropValue(P::DashStyle), CVariant(0));
    EXPECT_EQ(c.GetPropValue(P::MiterLimit), CVariant(BYTE(10)));
    EXPECT_EQ(c.GetPropValue(P::PenAlignment), CVariant(BYTE(0)));
    for (UINT id : {201u, 202u, 203u, 204u, 205u, 206u, 207u, 208u, 209u, 210u}) {
        EXPECT_EQ(c.SetPropValue(CVariant(1), id), S_OK) << "id " << id;
    }
}

TEST_F(PropertyValuesTest, BrushIdsReachTheFillAndFallBackWithoutOne) {
    EXPECT_EQ(c.SetPropValue(CVariant(5), P::HatchStyle), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(std::int32_t(0xFF112233u)), P::FillColor1), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(std::int32_t(0x7F445566u)), P::FillColor2), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant("tile.png"), P::ImageName), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(BYTE(4)), P::WrapMode), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(BYTE(0x10)), P::FillAlpha), S_OK);
    EXPECT_EQ(brush->GetHatchStyle(), 5);
    EXPECT_EQ(brush->GetColor1().GetValue(), 0x10112233u);
    EXPECT_EQ(brush->GetColor2().GetValue(), 0x7F445566u);
    EXPECT_EQ(brush->GetImageName(), QStringLiteral("tile.png"));
    EXPECT_EQ(brush->GetWrapMode(), 4);
    EXPECT_EQ(c.SetPropValue(CVariant(BYTE(2)), P::GradientMode), S_OK);
    EXPECT_EQ(c.GetPropValue(P::HatchStyle), CVariant(BYTE(2)));  // one shared field

    EXPECT_EQ(c.GetPropValue(P::GradientMode), CVariant(BYTE(2)));
    EXPECT_EQ(c.GetPropValue(P::FillColor1), CVariant(0x10112233));
    EXPECT_EQ(c.GetPropValue(P::FillColor2), CVariant(0x7F445566));
    EXPECT_EQ(c.GetPropValue(P::ImageName), CVariant(QStringLiteral("tile.png")));
    EXPECT_EQ(c.GetPropValue(P::WrapMode), CVariant(BYTE(4)));
    EXPECT_EQ(c.GetPropValue(P::FillAlpha), CVariant(BYTE(0x10)));

    // The overall alpha goes to the pen's paint and the fill; out of range it is refused.
    EXPECT_EQ(c.SetPropValue(CVariant(0x33), P::Alpha), S_OK);
    EXPECT_EQ(c.GetPropValue(P::Alpha), CVariant(0x33));
    EXPECT_EQ(pen->GetColor1().GetA(), 0x33);
    EXPECT_EQ(c.SetPropValue(CVariant(256), P::Alpha), DISP_E_OVERFLOW);
    EXPECT_EQ(brush->GetAlpha(), 0x33);

    c.RemoveProperty(QARN_PROP_BRUSH);
    EXPECT_EQ(c.GetPropValue(P::HatchStyle), CVariant(BYTE(0)));
    EXPECT_EQ(c.GetPropValue(P::FillColor1), CVariant(0));
    EXPECT_EQ(c.GetPropValue(P::FillColor2), CVariant(0));
    EXPECT_EQ(c.GetPropValue(P::ImageName), CVariant(QString()));
    EXPECT_EQ(c.GetPropValue(P::GradientMode), CVariant(BYTE(0)));
    EXPECT_EQ(c.GetPropValue(P::WrapMode), CVariant(BYTE(0)));
    EXPECT_EQ(c.GetPropValue(P::FillAlpha), CVariant(BYTE(0)));
    EXPECT_EQ(c.GetPropValue(P::Alpha), CVariant(0x33));  // now from the pen's paint
    EXPECT_EQ(c.SetPropValue(CVariant("x.png"), P::ImageName), S_OK);
}

TEST_F(PropertyValuesTest, ArrowIdsReachTheArrowHeadsAndFallBackToNoHeads) {
    EXPECT_EQ(c.SetPropValue(CVariant(6), P::StartArrowSize), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(BYTE(ArrowTypeRound)), P::StartArrow), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant("7"), P::EndArrowSize), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(241), P::EndArrow), S_OK);
    EXPECT_EQ(arrow->GetStartArrowSize(), 6);
    EXPECT_EQ(arrow->GetStartArrow(), ArrowTypeRound);
    EXPECT_EQ(arrow->GetEndArrowSize(), 7);
    EXPECT_EQ(arrow->GetEndArrow(), ArrowTypeOpen);
    EXPECT_EQ(c.GetPropValue(P::StartArrowSize), CVariant(BYTE(6)));
    EXPECT_EQ(c.GetPropValue(P::StartArrow), CVariant(BYTE(18)));
    EXPECT_EQ(c.GetPropValue(P::EndArrowSize), CVariant(BYTE(7)));
    EXPECT_EQ(c.GetPropValue(P::EndArrow), CVariant(BYTE(241)));

    c.RemoveProperty(QARN_PROP_ARROW);
    EXPECT_EQ(c.GetPropValue(P::StartArrowSize), CVariant(BYTE(0)));
    EXPECT_EQ(c.GetPropValue(P::StartArrow), CVariant(BYTE(16)));
    EXPECT_EQ(c.GetPropValue(P::EndArrowSize), CVariant(BYTE(0)));
    EXPECT_EQ(c.GetPropValue(P::EndArrow), CVariant(BYTE(16)));
}

TEST_F(PropertyValuesTest, ShadowTextPolyAndConnectorIdsGiveTheirNeutralValues) {
    const struct {
        UINT id;
        CVariant value;
    } fallbacks[] = {
        {P::ShadowStyle, CVariant(0)},     {P::ShadowColor1, CVariant(0)},
        {P::ShadowColor2, CVariant(0)},    {P::ShadowOffsetX, CVariant(0)},
        {P::ShadowOffsetY, CVariant(0)},   {P::ShadowAlpha, CVariant(BYTE(255))},
        {P::TextColor, CVariant(0)},       {P::FontName, CVariant("Times New Roman")},
        {P::FontSize, CVariant(12)},       {P::FontStyle, CVariant(0)},
        {P::TextAlign, CVariant(0)},       {P::StringFormat, CVariant(0)},
        {P::TextVAlign, CVariant(0)},      {P::TextAlpha, CVariant(BYTE(255))},
        {P::Text, CVariant(QString())},    {P::PolyStyle, CVariant(0)},
        {P::PolyStyleBit8, CVariant(0)},   {P::ConnectorType, CVariant(0)},
        {P::ConnectorToEdge, CVariant(0)},
    };
    const DWORD style = c.GetStyle();
    for (const auto& f : fallbacks) {
        EXPECT_EQ(c.GetPropValue(f.id), f.value) << "id " << f.id;
        EXPECT_EQ(c.SetPropValue(f.value, f.id), S_OK) << "id " << f.id;
    }
    EXPECT_EQ(c.GetStyle(), style);
    EXPECT_EQ(c.GetPropList().size(), 3);
    EXPECT_EQ(c.SetPropValue(CVariant("big"), P::FontSize), DISP_E_TYPEMISMATCH);
}

TEST_F(PropertyValuesTest, ShadowIdsReachTheShadow) {
    auto* shadow = new CQarnShadowProperty();
    c.AddProperty(shadow);
    EXPECT_EQ(c.SetPropValue(CVariant(13), P::ShadowStyle), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(-4), P::ShadowOffsetX), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(std::int32_t(0xFF112233u)), P::ShadowColor1), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(BYTE(0x40)), P::ShadowAlpha), S_OK);
    EXPECT_EQ(shadow->GetStyle(), 13u);
    EXPECT_EQ(shadow->GetXOffset(), -4);
    EXPECT_EQ(shadow->GetColor1().GetValue(), 0x40112233u);
    EXPECT_EQ(c.GetPropValue(P::ShadowOffsetX), CVariant(-4));
    EXPECT_EQ(c.GetPropValue(P::ShadowColor1), CVariant(std::int32_t(0x40112233u)));
    EXPECT_EQ(c.GetPropValue(P::ShadowAlpha), CVariant(BYTE(0x40)));
}

TEST_F(PropertyValuesTest, TextIdsReachTheText) {
    auto* text = new CQarnTextProperty();
    c.AddProperty(text);
    EXPECT_EQ(c.GetPropValue(P::FontName), CVariant("Arial"));
    EXPECT_EQ(c.GetPropValue(P::FontSize), CVariant(12));
    EXPECT_EQ(c.GetPropValue(P::FontStyle), CVariant(0));
    EXPECT_EQ(c.GetPropValue(P::TextAlign), CVariant(1));
    EXPECT_EQ(c.GetPropValue(P::Text), CVariant("Text"));
    EXPECT_EQ(c.SetPropValue(CVariant("Pump"), P::Text), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(20.7), P::FontSize), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(3), P::FontStyle), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(300), P::TextAlign), DISP_E_OVERFLOW);
    EXPECT_EQ(c.SetPropValue(CVariant(2), P::TextVAlign), S_OK);
    EXPECT_EQ(c.SetPropValue(CVariant(std::int32_t(0xFF00FF00u)), P::TextColor), S_OK);
    EXPECT_EQ(text->GetText(), QStringLiteral("Pump"));
    EXPECT_EQ(c.GetPropValue(P::FontSize), CVariant(int(text->GetFontSize())));
    EXPECT_EQ(text->GetFontStyle(), 3);
    EXPECT_EQ(text->GetXAlignment(), 1);  // refused, unchanged
    EXPECT_EQ(text->GetYAlignment(), 2);
    EXPECT_EQ(text->GetColor(0), 0x00FF00u);
    EXPECT_EQ(c.GetPropValue(P::TextAlpha), CVariant(BYTE(255)));
}

TEST_F(PropertyValuesTest, OtherIdsReachTheUserValueAttachedUnderThem) {
    EXPECT_TRUE(c.GetPropValue(7000).IsEmpty());
    EXPECT_EQ(c.SetPropValue(CVariant(1), 7000), S_OK);  // nothing to write into
    EXPECT_TRUE(c.GetPropValue(7000).IsEmpty());
    EXPECT_EQ(c.GetPropList().size(), 3);

    for (UINT id : {7000u, 305u, 105u, 200u, 0u}) {
        auto* value = new CQarnPropertyValue(id, QStringLiteral("v"), CVariant(id == 0 ? 1 : 2));
        c.AddProperty(value);
        EXPECT_EQ(c.GetPropValue(id), value->GetValue()) << "id " << id;
        // The value is taken as it comes, with no conversion.
        EXPECT_EQ(c.SetPropValue(CVariant("text"), id), S_OK);
        EXPECT_EQ(value->GetValue(), CVariant("text")) << "id " << id;
        EXPECT_EQ(c.GetPropValue(id), CVariant("text"));
    }
    // The first value of a kind is the one reached.
    auto* later = new CQarnPropertyValue(7000, QString(), CVariant(99));
    c.AddProperty(later);
    EXPECT_EQ(c.GetPropValue(7000), CVariant("text"));

    // A pen or brush found under an id has no variant to give or take.
    EXPECT_TRUE(c.GetPropValue(QARN_PROP_PEN).IsEmpty());
    EXPECT_EQ(c.SetPropValue(CVariant(5), QARN_PROP_PEN), S_OK);
    EXPECT_TRUE(c.GetPenProperty() != nullptr);
    EXPECT_FLOAT_EQ(c.GetLineWidth(), 1.0f);
    c.AddProperty(new CQarnProperty(7200));
    EXPECT_TRUE(c.GetPropValue(7200).IsEmpty());
}
