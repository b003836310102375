#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/component.h"
#include "core/default_properties.h"
#include "core/doc.h"
#include "core/notification_messages.h"
#include "platform/char_format.h"
#include "platform/window_messages.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"
#include "properties/text_property.h"
#include "support/message_recorder.h"

namespace {

// A named class of the shape kind family, for the naming rules.
class CQarnShapeStar : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnShapeStar)
};
QARN_IMPLEMENT_SERIAL(CQarnShapeStar, CQarnComponent, 0)

class CQarnRectLike : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnRectLike)
};
QARN_IMPLEMENT_SERIAL(CQarnRectLike, CQarnComponent, 0)

class DefaultsFixture : public ::testing::Test {
protected:
    void SetUp() override { Qarn::CreateDefaultProperty(); }
    void TearDown() override { Qarn::ClearDefaultProperty(); }
};

}  // namespace

TEST(ComponentTest, DefaultConstructionHasNoPropertiesAndTheDefaultStyle) {
    CQarnComponent c;
    EXPECT_EQ(c.GetStyle(), 0x500007u);
    EXPECT_EQ(c.GetID(), 0xFFFFFFFFu);
    EXPECT_TRUE(c.GetPropList().isEmpty());
    EXPECT_TRUE(c.GetDrawLine() && c.GetFill() && c.GetDrawText() && c.GetDrawShadow());
    EXPECT_TRUE(c.GetTipUseName());
    EXPECT_FALSE(c.IsClosed());
}

TEST_F(DefaultsFixture, ARectangleGetsFreshClonesOfTheDefaultPenAndBrush) {
    CQarnComponent c(RectF(1, 2, 30, 40));
    EXPECT_EQ(c.GetStyle(), 0x504007u);
    ASSERT_EQ(c.GetPropList().size(), 2);
    CQarnProperty* pen = c.GetPropList()[0];
    CQarnProperty* brush = c.GetPropList()[1];
    EXPECT_EQ(pen->GetId(), 6002u);
    EXPECT_EQ(brush->GetId(), 6001u);
    EXPECT_EQ(pen->GetRefCount(), 1);
    EXPECT_EQ(brush->GetRefCount(), 1);
    EXPECT_NE(pen, Qarn::GetDefaultProperty(6002));
    EXPECT_NE(brush, Qarn::GetDefaultProperty(6001));
    EXPECT_EQ(Qarn::GetDefaultProperty(6002)->GetRefCount(), 1);  // only the list holds it
}

TEST_F(DefaultsFixture, ARectangleTakesTheCurrentDefaultsContent) {
    static_cast<CQarnPenProperty*>(Qarn::GetDefaultProperty(6002))->SetLineWidth(7.5f);
    CQarnComponent c(RectF(0, 0, 10, 10));
    EXPECT_FLOAT_EQ(c.GetLineWidth(), 7.5f);
}

TEST(ComponentTest, WithoutDefaultsARectangleGetsNewPenAndBrush) {
    ASSERT_EQ(Qarn::GetDefaultProperty(6002), nullptr);
    CQarnComponent c(RectF(0, 0, 10, 10));
    ASSERT_NE(c.GetPenProperty(), nullptr);
    ASSERT_NE(c.GetBrushProperty(), nullptr);
    EXPECT_FLOAT_EQ(c.GetLineWidth(), 1.0f);
    EXPECT_EQ(c.GetFillColor().GetValue(), 0xFFFFFFDCu);
}

TEST(ComponentTest, NamesAreGeneratedOnceFromClassOrShape) {
    CQarnShapeStar star;
    star.SetID(3);
    EXPECT_EQ(star.GetName(), QStringLiteral("Star-3"));
    star.SetID(9);
    EXPECT_EQ(star.GetName(), QStringLiteral("Star-3"));  // kept

    CQarnRectLike rect;
    rect.SetID(12);
    EXPECT_EQ(rect.GetName(), QStringLiteral("RectLike-12"));

    CQarnComponent drawn;
    drawn.SetShapeID(18228);
    drawn.SetID(7);
    EXPECT_EQ(drawn.GetName(), QStringLiteral("Rectangle-7"));

    CQarnComponent pie;
    pie.SetShapeID(18227);
    pie.SetID(1);
    EXPECT_EQ(pie.GetName(), QStringLiteral("Pie-1"));

    CQarnComponent named;
    named.SetName(QStringLiteral("Mine"));
    EXPECT_EQ(named.GetName(), QStringLiteral("Mine"));
}

TEST(ComponentTest, StyleSettersTouchOneBitOnly) {
    CQarnComponent c;
    c.SetStyle(0xFFFFFFFFu);
    c.SetDrawLine(false);
    EXPECT_EQ(c.GetStyle(), 0xFFFFFFFEu);
    c.SetStyle(0);
    c.LockWidth(true);
    c.LockRotate(true);
    EXPECT_FALSE(c.CanSizeX());
    EXPECT_TRUE(c.CanSizeY());
    EXPECT_FALSE(c.CanRotate());
    EXPECT_EQ(c.GetStyle(), 0x100u | 0x400u);
    c.SetInvisible(true);
    c.SetTipUseName(true);
    c.SetUseItsOwn(true);
    EXPECT_EQ(c.GetStyle() & 0x2C00000u, 0x2C00000u);
    c.SetStyle(0x00200000u | 0xF8000000u);  // bits without meaning
    c.SetFill(true);
    c.SetFill(false);
    c.LockEdit(true);
    EXPECT_EQ(c.GetStyle(), 0x00200000u | 0xF8000000u | 0x10000u);
    EXPECT_FALSE(c.CanEdit());
}

TEST(ComponentTest, FlipModeNamesTheTwoFlipBits) {
    CQarnComponent c;
    EXPECT_EQ(c.GetFlipMode(), QStringLiteral("None"));
    c.SetHoriFlip(true);
    EXPECT_EQ(c.GetFlip(), 0x10u);
    EXPECT_EQ(c.GetFlipMode(), QStringLiteral("Hori."));
    c.SetVertFlip(true);
    EXPECT_EQ(c.GetFlipMode(), QStringLiteral("Hori.&Vert."));
    c.SetHoriFlip(false);
    EXPECT_EQ(c.GetFlipMode(), QStringLiteral("Vert."));
}

TEST(ComponentTest, PropertiesAreFoundByKindInAttachmentOrder) {
    CQarnComponent c;
    auto* first = new CQarnBrushProperty();
    auto* second = new CQarnBrushProperty();
    c.AddProperty(first);
    c.AddProperty(second);
    EXPECT_EQ(c.GetProperty(6001), first);
    EXPECT_EQ(c.GetBrushProperty(), first);
    EXPECT_EQ(c.GetProperty(6002), nullptr);
    c.RemoveProperty(6001);
    EXPECT_EQ(c.GetProperty(6001), second);
    c.RemoveProperty(nullptr);  // ignored
    EXPECT_EQ(c.GetPropList().size(), 1);
}

TEST(ComponentTest, SharedPropertiesLiveUntilTheirLastHolder) {
    auto* pen = new CQarnPenProperty();
    {
        CQarnComponent a;
        CQarnComponent b;
        a.AddProperty(pen);
        b.AddProperty(pen);
        EXPECT_EQ(pen->GetRefCount(), 2);
        a.RemoveProperty(pen);
        EXPECT_EQ(pen->GetRefCount(), 1);
        EXPECT_EQ(b.GetPenProperty(), pen);
        pen->SetLineWidth(3);  // still alive
    }
    // Destroying b released the last reference (checked by the sanitizers and valgrind).
}

TEST(ComponentTest, CopyClonesPropertiesAndKeepsIdentity) {
    CQarnComponent source(RectF(5, 6, 7, 8));
    source.SetID(11);
    source.SetName(QStringLiteral("Source"));
    source.SetStyle(0x1234u);
    source.SetState(9);
    source.SetRotateAngle(30);
    source.SetRotateCenter(PointF(1, 2));
    source.SetShapeID(18218);
    source.SetLineWidth(4);

    CQarnComponent target;
    target.SetID(20);
    target.SetName(QStringLiteral("Target"));
    target.AddProperty(new CQarnArrowProperty());
    target.Copy(&source);

    EXPECT_EQ(target.GetID(), 20u);
    EXPECT_EQ(target.GetName(), QStringLiteral("Target"));
    EXPECT_EQ(target.GetStyle(), 0x1234u);
    EXPECT_EQ(target.GetState(), 9u);
    EXPECT_FLOAT_EQ(target.GetRotateAngle(), 30);
    EXPECT_TRUE(target.GetRectF().Equals(RectF(5, 6, 7, 8)));
    EXPECT_EQ(target.GetRotateCenter().Y, 2.0f);
    EXPECT_EQ(target.GetShapeID(), 18218);
    ASSERT_EQ(target.GetPropList().size(), 2);
    EXPECT_FALSE(target.HasArrow());
    EXPECT_NE(target.GetPenProperty(), source.GetPenProperty());
    EXPECT_FLOAT_EQ(target.GetLineWidth(), 4);
    EXPECT_EQ(target.GetPenProperty()->GetRefCount(), 1);
}

TEST(ComponentTest, CloneIsAnIndependentCopy) {
    CQarnComponent source(RectF(0, 0, 10, 20));
    source.SetFillColor(Color(0xFF00FF00u));
    std::unique_ptr<CQarnComponent> clone(source.Clone(nullptr));
    EXPECT_EQ(clone->GetPropList().size(), 2);
    EXPECT_EQ(clone->GetFillColor().GetValue(), 0xFF00FF00u);
    clone->SetFillColor(Color(0xFF0000FFu));
    EXPECT_EQ(source.GetFillColor().GetValue(), 0xFF00FF00u);
    EXPECT_EQ(clone->GetID(), 0xFFFFFFFFu);
}

TEST(ComponentTest, ForwardersFallBackWhenThePropertyIsMissing) {
    CQarnComponent bare;
    EXPECT_EQ(bare.GetLineColor().GetValue(), 0u);
    EXPECT_FLOAT_EQ(bare.GetLineWidth(), 1.0f);
    EXPECT_EQ(bare.GetFillColor().GetValue(), 0u);
    EXPECT_EQ(bare.GetStartArrow(), ArrowTypeNone);
    EXPECT_EQ(bare.GetEndArrow(), ArrowTypeNone);
    EXPECT_EQ(bare.GetStartArrowSize(), 0);
    bare.SetLineWidth(5);
    bare.SetFillColor(Color(0xFF123456u));
    bare.SetStartArrow(ArrowTypeArrow);  // nothing to set, nothing happens
    EXPECT_TRUE(bare.GetPropList().isEmpty());
}

TEST(ComponentTest, ForwardersReachThePenBrushAndArrow) {
    CQarnComponent c(RectF(0, 0, 1, 1));
    c.AddProperty(new CQarnArrowProperty());
    c.SetLineColor(Color(0x80102030u));
    EXPECT_EQ(c.GetLineColor().GetValue(), 0x80102030u);
    c.SetLineColor(DWORD(RGB(1, 2, 3)));  // a colour reference keeps the alpha
    EXPECT_EQ(c.GetLineColor().GetValue(), 0x80010203u);
    c.SetAlpha(0x11);
    EXPECT_EQ(c.GetLineColor().GetA(), 0x11);
    EXPECT_EQ(c.GetFillColor().GetA(), 0x11);
    EXPECT_EQ(c.GetAlpha(), 0x11);
    c.SetArrowType(2, ArrowTypeDiamond);
    c.SetEndArrowSize(6);
    EXPECT_EQ(c.GetEndArrow(), ArrowTypeDiamond);
    EXPECT_EQ(c.GetArrowType(2), ArrowTypeDiamond);
    EXPECT_EQ(c.GetArrowType(1), ArrowTypeNone);
    EXPECT_EQ(c.GetEndArrowSize(), 6);
    c.SetBrushType(CQarnBrushProperty::Hatch);
    EXPECT_EQ(c.GetBrushType(), 1);
    c.SetDashStyle(3);
    EXPECT_EQ(c.GetDashStyle(), 3);
}

TEST(ComponentTest, PropertyChangesArePostedByNumberUnlessInsideAGroup) {
    MessageRecorder mainWindow;
    AfxSetMainWnd(&mainWindow);
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    auto* c = new CQarnComponent();
    doc.AddTail(c);
    c->OnPropertyChanged(203);
    // The component may be gone when the posted message arrives: it travels as its number.
    doc.Remove(c);
    const UINT id = c->GetID();
    delete c;
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(mainWindow.Count(QRN_PROPERTYCHANGE), 1);
    EXPECT_EQ(mainWindow.Of(QRN_PROPERTYCHANGE)[0].wParam, WPARAM(id));
    EXPECT_EQ(mainWindow.Of(QRN_PROPERTYCHANGE)[0].lParam, 203);

    auto* member = new CQarnComponent();
    doc.AddTail(member);
    member->SetParentGroup(reinterpret_cast<CQarnGroup*>(&mainWindow));  // any non-null group
    member->OnPropertyChanged(204);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(mainWindow.Count(QRN_PROPERTYCHANGE), 1);
    member->SetParentGroup(nullptr);
    AfxSetMainWnd(nullptr);
}

TEST(ComponentTest, GeometryDataAndContainment) {
    CQarnComponent c;
    c.SetRectF(RectF(-1.5f, 2.5f, 10.9f, 3.2f));
    EXPECT_EQ(c.GetRect(), CRect(-1, 2, 9, 5));
    c.UpdateRotateCenter();
    EXPECT_FLOAT_EQ(c.GetRotateCenter().X, 3.95f);
    c.Shift(1.5f, -2.5f);
    EXPECT_TRUE(c.GetRectF().Equals(RectF(0, 0, 10.9f, 3.2f)));
    c.SetRect(CRect(1, 2, 4, 8));
    EXPECT_TRUE(c.GetRectF().Equals(RectF(1, 2, 3, 6)));

    CQarnComponent other;
    ComponentList list;
    c.AddToList(list);
    EXPECT_EQ(c.GetIndexInList(list), 1);
    EXPECT_EQ(other.GetIndexInList(list), 0);
}

TEST(ComponentTest, TextForwardersFallBackWithoutATextProperty) {
    CQarnComponent bare;
    EXPECT_TRUE(bare.GetText().isEmpty());
    EXPECT_EQ(bare.GetTextColor(), 0u);
    CCharFormat format = bare.GetCharFormat();
    EXPECT_EQ(format.szFaceName, QStringLiteral("Arial"));
    EXPECT_EQ(format.yHeight, 240);
    bare.SetText(QStringLiteral("ignored"));
    EXPECT_TRUE(bare.GetText().isEmpty());

    CQarnComponent withText;
    withText.AddProperty(new CQarnTextProperty());
    withText.SetText(QStringLiteral("Valve"));
    withText.SetTextColor(Color(0xFF0000FFu));
    EXPECT_EQ(withText.GetText(), QStringLiteral("Valve"));
    EXPECT_EQ(withText.GetTextColor(), 0xFF0000u);  // blue as a colour reference
    CCharFormat big;
    big.dwMask = CFM_SIZE;
    big.yHeight = 400;
    withText.SetCharFormat(big, nullptr);
    EXPECT_EQ(withText.GetCharFormat().yHeight, 400);
}
