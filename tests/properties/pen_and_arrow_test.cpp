#include <gtest/gtest.h>

#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"
#include "properties/property.h"

TEST(PropertyTest, ReferenceCountingDeletesAtZero) {
    auto* p = new CQarnProperty(6009);
    EXPECT_EQ(p->GetRefCount(), 0);
    p->IncreaseRefCount();
    p->IncreaseRefCount();
    EXPECT_EQ(p->Remove(), 1);
    EXPECT_EQ(p->GetRefCount(), 1);
    EXPECT_EQ(p->Remove(), 0);  // deleted now
    CQarnProperty base(42);
    std::unique_ptr<CQarnProperty> clone(base.Clone());
    EXPECT_EQ(clone->GetId(), 42u);
    EXPECT_FALSE(clone->ToBeShared());
    CQarnProperty copy(base);
    EXPECT_EQ(copy.GetRefCount(), 0);
}

TEST(PenTest, DefaultsAndTheModuloFiveLineStyle) {
    CQarnPenProperty pen(123);
    EXPECT_EQ(pen.GetId(), 6002u);
    EXPECT_FLOAT_EQ(pen.GetLineWidth(), 1.0f);
    EXPECT_EQ(pen.GetMeterLimit(), 10);
    EXPECT_EQ(pen.GetLineJoin(), 1);
    EXPECT_EQ(pen.GetLineCap(), 0);
    EXPECT_EQ(pen.GetDashStyle(), 0);
    EXPECT_EQ(pen.GetColor1().GetValue(), 0xFF000000u);
    ASSERT_NE(pen.GetBrush(), nullptr);
    EXPECT_EQ(pen.GetBrush()->GetRefCount(), 1);
    EXPECT_FALSE(pen.HasFullBrush());
    pen.SetQarnLineStyle(7);
    EXPECT_EQ(pen.GetQarnLineStyle(), 2u);
}

TEST(PenTest, ANonSolidPaintTurnsTheStrokeIntoAFullBrushKeepingItsColour) {
    CQarnPenProperty pen;
    pen.SetColor1(Color(0xFF336699u));
    pen.SetBrushType(CQarnBrushProperty::Solid);
    EXPECT_FALSE(pen.HasFullBrush());
    pen.SetBrushType(CQarnBrushProperty::Hatch);
    ASSERT_TRUE(pen.HasFullBrush());
    EXPECT_EQ(pen.GetBrushType(), 1);
    EXPECT_EQ(pen.GetColor1().GetValue(), 0xFF336699u);
    EXPECT_EQ(pen.GetBrush()->GetRefCount(), 1);
    pen.SetHatchStyle(9);
    EXPECT_EQ(pen.GetHatchStyle(), 9);
    pen.SetBrushType(CQarnBrushProperty::Solid);
    EXPECT_TRUE(pen.HasFullBrush());  // stays a full brush
}

TEST(PenTest, CopyReplacesTheStrokeBrushWithAnUnsharedClone) {
    CQarnPenProperty source;
    source.SetLineWidth(6);
    source.SetDashStyle(4);
    source.SetDashCap(2);
    source.SetLineCap(2);
    source.SetLineJoin(3);
    source.SetMeterLimit(4);
    source.SetPenAlignment(1);
    source.SetPenType(5);
    source.SetQarnLineStyle(3);
    source.SetBrushType(CQarnBrushProperty::LinearGradient);
    source.SetColor2(Color(0xFFFF0000u));

    std::unique_ptr<CQarnPenProperty> clone(static_cast<CQarnPenProperty*>(source.Clone()));
    EXPECT_FLOAT_EQ(clone->GetLineWidth(), 6);
    EXPECT_EQ(clone->GetDashStyle(), 4);
    EXPECT_EQ(clone->GetDashCap(), 2);
    EXPECT_EQ(clone->GetLineCap(), 2);
    EXPECT_EQ(clone->GetLineJoin(), 3);
    EXPECT_EQ(clone->GetMeterLimit(), 4);
    EXPECT_EQ(clone->GetPenAlignment(), 1);
    EXPECT_EQ(clone->GetPenType(), 5);
    EXPECT_EQ(clone->GetQarnLineStyle(), 3u);
    EXPECT_TRUE(clone->HasFullBrush());
    EXPECT_NE(clone->GetBrush(), source.GetBrush());
    EXPECT_EQ(clone->GetBrush()->GetRefCount(), 1);
    EXPECT_EQ(clone->GetColor2().GetValue(), 0xFFFF0000u);
    clone->SetColor2(Color(0xFF00FF00u));
    EXPECT_EQ(source.GetColor2().GetValue(), 0xFFFF0000u);
}

TEST(ArrowTest, DefaultsCopyAndClone) {
    CQarnArrowProperty arrow;
    EXPECT_EQ(arrow.GetId(), 6003u);
    EXPECT_EQ(arrow.GetStartArrowSize(), 4);
    EXPECT_EQ(arrow.GetEndArrowSize(), 4);
    EXPECT_EQ(arrow.GetStartArrow(), ArrowTypeNone);
    arrow.SetStartArrow(ArrowTypeDiamond);
    arrow.SetEndArrowSize(9);
    std::unique_ptr<CQarnArrowProperty> clone(static_cast<CQarnArrowProperty*>(arrow.Clone()));
    EXPECT_EQ(clone->GetStartArrow(), ArrowTypeDiamond);
    EXPECT_EQ(clone->GetEndArrowSize(), 9);
    CQarnArrowProperty other(6100);
    other.Copy(&arrow);
    EXPECT_EQ(other.GetId(), 6100u);  // the kind is not part of the copy
    EXPECT_EQ(other.GetStartArrow(), ArrowTypeDiamond);
}
