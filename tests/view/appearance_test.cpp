// The edited copy behind the property sheet: what it takes from a component and what it
// writes back.
#include <gtest/gtest.h>

#include "controls/appearance.h"
#include "controls/label_placement.h"
#include "controls_fixtures.h"
#include "core/component_style.h"
#include "platform/graphics.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"

TEST(AppearanceTest, WritingBackAnUnchangedCopyLeavesTheRecordAsItWas) {
    SampleDrawing drawing;
    const QByteArray before = RecordOf(*drawing.box);
    CQarnAppearance copy(*drawing.box);
    EXPECT_FALSE(copy.DiffersFrom(*drawing.box));
    EXPECT_FALSE(copy.ApplyTo(*drawing.box));
    EXPECT_EQ(RecordOf(*drawing.box), before);
    // The text "Pump\r\nstation" keeps its CR LF: the copy is the property itself, cloned.
    EXPECT_EQ(drawing.box->GetText(), QStringLiteral("Pump\r\nstation"));
}

TEST(AppearanceTest, AChangedPropertyTakesTheOldOnesPlaceInTheList) {
    SampleDrawing drawing;
    CQarnComponent& box = *drawing.box;
    const PropertyList before = box.GetPropList();
    CQarnProperty* oldPen = box.GetPenProperty();
    const int penIndex = int(before.indexOf(oldPen));

    CQarnAppearance copy(box);
    copy.GetPen()->SetLineWidth(7.5f);
    ASSERT_TRUE(copy.ApplyTo(box));

    const PropertyList& after = box.GetPropList();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_NE(after[penIndex], oldPen);
    EXPECT_EQ(after[penIndex], box.GetPenProperty());
    EXPECT_EQ(box.GetLineWidth(), 7.5f);
    EXPECT_EQ(box.GetPenProperty()->GetRefCount(), 1);
    // Properties that did not change are the very same objects.
    for (int i = 0; i < after.size(); ++i) {
        if (i != penIndex) {
            EXPECT_EQ(after[i], before[i]);
        }
    }
}

TEST(AppearanceTest, APropertySharedWithAnotherComponentIsNotChangedUnderIt) {
    SampleDrawing drawing;
    // Properties are shared by count: the line takes the box's tip as well.
    CQarnTipProperty* shared = drawing.box->GetTipProperty();
    drawing.line->AddProperty(shared);
    CQarnAppearance copy(*drawing.box);
    copy.GetTip()->SetText(QStringLiteral("Changed"));
    copy.ApplyTo(*drawing.box);
    EXPECT_EQ(drawing.box->GetTipText(), QStringLiteral("Changed"));
    EXPECT_EQ(drawing.line->GetTipText(), QStringLiteral("<b>Pump 3</b>"));
    EXPECT_EQ(shared->GetRefCount(), 1);
}

TEST(AppearanceTest, PartsCanBeGainedAndLost) {
    SampleDrawing drawing;
    CQarnComponent& line = *drawing.line;
    ASSERT_EQ(line.GetLabelProperty(), nullptr);
    CQarnAppearance copy(line);
    CQarnLabelProperty* label = copy.MakeLabel();
    ASSERT_NE(label, nullptr);
    // A new label stands below the frame as it shows.
    const RectF frame = Qarn::ShownFrame(line);
    EXPECT_EQ(Qarn::FindLabelPosition(frame, label->GetRectF()), 7);
    copy.MakeText()->SetText(QStringLiteral("new"));
    copy.DropTip();
    ASSERT_TRUE(copy.ApplyTo(line));
    EXPECT_NE(line.GetLabelProperty(), nullptr);
    EXPECT_EQ(line.GetText(), QStringLiteral("new"));

    CQarnAppearance second(*drawing.box);
    second.DropLabel();
    second.DropTip();
    ASSERT_TRUE(second.ApplyTo(*drawing.box));
    EXPECT_EQ(drawing.box->GetLabelProperty(), nullptr);
    EXPECT_EQ(drawing.box->GetTipProperty(), nullptr);
}

TEST(AppearanceTest, APlainColourFillBecomesAFullBrushKeepingItsColours) {
    CQarnComponent c(RectF(0, 0, 10, 10));
    c.RemoveProperty(QARN_PROP_BRUSH);
    auto* plain = new CQarnBasicBrushProperty(QARN_PROP_BRUSH);
    plain->SetColor1(Color(0x80112233u));
    c.AddProperty(plain);
    CQarnAppearance copy(c);
    auto* full = dynamic_cast<CQarnBrushProperty*>(copy.MakeFullBrush());
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->GetColor1().GetValue(), 0x80112233u);
    full->SetBrushType(CQarnBrushProperty::Hatch);
    ASSERT_TRUE(copy.ApplyTo(c));
    EXPECT_EQ(c.GetBrushType(), CQarnBrushProperty::Hatch);
    EXPECT_NE(dynamic_cast<CQarnBrushProperty*>(c.GetBrushProperty()), nullptr);
}

TEST(AppearanceTest, TheOutlineIsRebuiltOnTheNewPropertiesAndTheChangeAnnounced) {
    SampleDrawing drawing;
    struct Counter : CQarnDocListener {
        int changed = 0;
        int properties = 0;
        void OnComponentChanged(CQarnComponent*, Qarn::ComponentChange, const CRect&) override {
            ++changed;
        }
        void OnComponentPropertyChanged(CQarnComponent*, UINT) override { ++properties; }
    } counter;
    counter.Subscribe(&drawing.doc);
    CQarnAppearance copy(*drawing.box);
    copy.GetPen()->SetLineWidth(12.0f);
    copy.SetStyleBit(QARN_STYLE_FILL, false);
    ASSERT_TRUE(copy.ApplyTo(*drawing.box));
    EXPECT_EQ(counter.changed, 1);
    EXPECT_EQ(counter.properties, 1);
    EXPECT_FALSE(drawing.box->GetFill());
    // The elements stroke with the new pen: drawing after the old one went must work and
    // use the new width.
    ASSERT_GT(drawing.box->GetElementCount(), 0);
    QImage image(400, 300, QImage::Format_ARGB32);
    image.fill(Qt::white);
    Graphics graphics(&image);
    drawing.box->Draw(&graphics, CRect(0, 0, 400, 300), nullptr, nullptr, 0);
    EXPECT_NE(image.pixel(100, 135), qRgb(255, 255, 255)) << "the thick line covers the edge";
    EXPECT_NE(image.pixel(105, 135), qRgb(255, 255, 255));
}

// An undo step can keep a copy taken before the sheet and write it back: the record comes back
// byte for byte, whatever the sheet changed (parts gained and lost included).
TEST(AppearanceTest, ACopyTakenBeforeAnEditRestoresTheRecordExactly) {
    SampleDrawing drawing;
    CQarnComponent& box = *drawing.box;
    const QByteArray original = RecordOf(box);
    const CQarnAppearance before(box);

    CQarnAppearance edited(box);
    edited.GetPen()->SetLineWidth(6.0f);
    edited.MakeFullBrush()->SetBrushType(CQarnBrushProperty::Hatch);
    edited.DropLabel();
    edited.DropTip();
    edited.GetText()->SetText(QStringLiteral("Other"));
    edited.SetStyleBit(QARN_STYLE_DRAWLINE, false);
    ASSERT_TRUE(edited.ApplyTo(box));
    ASSERT_NE(RecordOf(box), original);

    ASSERT_TRUE(before.ApplyTo(box));
    EXPECT_EQ(RecordOf(box), original);
    // And the other way again (redo).
    ASSERT_TRUE(edited.ApplyTo(box));
    EXPECT_FALSE(edited.DiffersFrom(box));
}
