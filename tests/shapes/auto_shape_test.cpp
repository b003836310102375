// Instances of symbols: anchors, text area, elements, states, names, and which template they
// draw with as templates are installed, copied into documents and taken away.
#include <gtest/gtest.h>

#include <memory>

#include "core/element.h"
#include "properties/pen_property.h"
#include "shapes/catalogue/cube.h"
#include "shapes/shape_fixtures.h"
#include "shapes/symbol_fixtures.h"

namespace {

RectF PathBounds(const GraphicsPath& path) {
    RectF bounds;
    path.GetBounds(&bounds);
    return bounds;
}

class AutoShapeTest : public ::testing::Test {
protected:
    CQarnDoc doc;
    void SetUp() override { ASSERT_TRUE(doc.OnNewDocument()); }
};

}  // namespace

TEST_F(AutoShapeTest, AnchorsAreTheStandardFiveThenTheTemplatesPlacedInTheRectangle) {
    InstalledTemplates installed(BoxAndDisc(7));
    CQarnAutoShape* shape = PlaceInstance(doc, RectF(10, 20, 200, 100), 7);
    EXPECT_EQ(shape->GetAnchorCount(), 7);
    ExpectPointNear(shape->GetAnchorPoint(1), PointF(110, 20));  // the top middle
    ExpectPointNear(shape->GetAnchorPoint(6), PointF(210, 70));
    ExpectPointNear(shape->GetAnchorPoint(7), PointF(110, 120));
    ExpectPointNear(shape->GetAnchorPoint(8), PointF(110, 70));  // none: the centre
    EXPECT_EQ(shape->GetAnchorDirection(8), 16);
    ExpectRectNear(shape->GetTextPosition(), RectF(30, 40, 160, 60));
    // Without the standard five the template's anchors are numbered from 1.
    installed.list[0]->SetStandardAnchors(false);
    EXPECT_EQ(shape->GetAnchorCount(), 2);
    ExpectPointNear(shape->GetAnchorPoint(1), PointF(210, 70));
    // Turned, the anchors turn with the instance.
    installed.list[0]->SetStandardAnchors(true);
    shape->RotateAt(90, shape->GetCenterPointF(), 1);
    ExpectPointNear(shape->GetAnchorPoint(6), PointF(110, 170));

    // A template without anchors offers exactly the standard five; a missing one too.
    CQarnAutoShapeTempl* bare = new CQarnAutoShapeTempl();
    bare->SetTemplateID(30);
    installed.list.append(bare);
    EXPECT_EQ(PlaceInstance(doc, RectF(0, 0, 10, 10), 30)->GetAnchorCount(), 5);
    CQarnAutoShape* missing = PlaceInstance(doc, RectF(0, 0, 10, 10), 31);
    EXPECT_EQ(missing->GetAnchorCount(), 5);
    ExpectRectNear(missing->GetTextPosition(), RectF(0, 0, 10, 10));
}

TEST_F(AutoShapeTest, AnchorDirectionsFollowMirroredFramesFlipsAndTurns) {
    InstalledTemplates installed(BoxAndDisc(7));
    CQarnAutoShape* shape = PlaceInstance(doc, RectF(0, 0, 200, 100), 7);
    EXPECT_EQ(shape->GetAnchorDirection(6), 2);
    EXPECT_EQ(shape->GetAnchorDirection(7), 4);
    EXPECT_EQ(shape->GetAnchorDirection(1), 1);  // a standard anchor, by the frame's rule

    CQarnAutoShape* mirrored = PlaceInstance(doc, RectF(200, 100, -200, -100), 7);
    EXPECT_EQ(mirrored->GetAnchorDirection(6), 8);
    EXPECT_EQ(mirrored->GetAnchorDirection(7), 1);
    ExpectPointNear(mirrored->GetAnchorPoint(6), PointF(0, 50));

    shape->SetHoriFlip(true);
    EXPECT_EQ(shape->GetAnchorDirection(6), 8);
    mirrored->SetHoriFlip(true);
    EXPECT_EQ(mirrored->GetAnchorDirection(6), 2);
    shape->SetHoriFlip(false);
    // 89.9 degrees count as 89: one quarter turn from 45 on.
    shape->SetRotateAngle(89.9f);
    EXPECT_EQ(shape->GetAnchorDirection(6), 4);
    shape->SetRotateAngle(-90.0f);
    EXPECT_EQ(shape->GetAnchorDirection(6), 1);
}

TEST_F(AutoShapeTest, ElementsTakeTheirComponentsFlagsAndOwnOrInheritedProperties) {
    auto* t = new CQarnAutoShapeTempl();
    t->SetTemplateID(40);
    t->SetPosition(RectF(0, 0, 100, 100));
    CQarnRect* own = OwnShape(Qarn::kShapeRectangle, RectF(0, 0, 50, 50), kBoxFill);
    CQarnRect* inherits = OwnShape(Qarn::kShapeEllipse, RectF(50, 50, 50, 50), kDiscFill);
    inherits->SetUseItsOwn(false);
    inherits->SetClosed(false);
    inherits->SetDrawLine(false);
    auto* cube = new CQarnShapeCube(RectF(0, 50, 50, 50));
    cube->SetFillWithPen(true);
    cube->SetUseItsOwn(true);
    t->AddComponent(own);
    t->AddComponent(inherits);
    t->AddComponent(cube);
    InstalledTemplates installed(t);

    CQarnAutoShape* shape = PlaceInstance(doc, RectF(100, 100, 200, 200), 40);
    shape->SetLineColor(Color(0xFF123456u));
    shape->InitElements(0);
    ASSERT_EQ(shape->GetElementCount(), 5);
    const CQarnElement* box = shape->GetElement(0);
    EXPECT_EQ(box->GetFlags() & 0x7F,
              DWORD(CQarnElement::kFill | CQarnElement::kDrawLine | CQarnElement::kClosed |
                    CQarnElement::kLastOfComponent));
    EXPECT_EQ(box->GetPen(), own->GetPenProperty());
    EXPECT_EQ(box->GetBrush(), own->GetBrushProperty());
    ExpectRectNear(PathBounds(*box->GetPath()), RectF(100, 100, 100, 100));

    const CQarnElement* disc = shape->GetElement(1);
    EXPECT_TRUE(disc->HasFlag(CQarnElement::kUsesInstance));
    EXPECT_FALSE(disc->HasFlag(CQarnElement::kClosed));
    EXPECT_FALSE(disc->HasFlag(CQarnElement::kDrawLine));  // the component draws no line
    EXPECT_EQ(disc->GetBrush(), shape->GetBrushProperty());
    ExpectRectNear(disc->GetRectF(), RectF(100, 100, 200, 200));

    // The cube's three faces: only the last ends its component; the side keeps its shade; all
    // are filled with the cube's pen.
    EXPECT_FALSE(shape->GetElement(2)->HasFlag(CQarnElement::kLastOfComponent));
    EXPECT_TRUE(shape->GetElement(4)->HasFlag(CQarnElement::kLastOfComponent));
    EXPECT_EQ(shape->GetElement(4)->GetShade(), CQarnShapeCube::kSideShade);
    EXPECT_TRUE(shape->GetElement(3)->HasFlag(CQarnElement::kFillWithPen));
    EXPECT_EQ(shape->GetElement(3)->GetBrush(), cube->GetPenProperty()->GetBrush());

    // Lines and fills only where the instance has them too.
    shape->SetFill(false);
    shape->InitElements(0);
    EXPECT_FALSE(shape->GetElement(0)->HasFlag(CQarnElement::kFill));
    EXPECT_TRUE(shape->GetElement(0)->HasFlag(CQarnElement::kDrawLine));
}

TEST_F(AutoShapeTest, TheNameAndTheStatesComeFromTheTemplates) {
    CQarnAutoShapeTempl* off = BoxAndDisc(50);
    CQarnAutoShapeTempl* on = BoxAndDisc(51);
    on->SetTemplateName(QStringLiteral("Valve open"));
    InstalledTemplates installed(off);
    installed.list.append(on);
    // A list installed later with the same number changes nothing: the first list wins.
    CQarnTemplateList later{BoxAndDisc(50)};
    Qarn::AddASTemplateList(&later);
    CQarnAutoShape* shape = PlaceInstance(doc, RectF(0, 0, 100, 50), 50);
    EXPECT_EQ(shape->GetName(), QStringLiteral("Valve-%1").arg(shape->GetID()));
    EXPECT_EQ(shape->GetTemplate(), off);
    shape->SetCurrentState(1);
    EXPECT_EQ(shape->GetTemplate(), on);
    // A state without a template of its own shows the first state.
    shape->SetCurrentState(5);
    EXPECT_EQ(shape->GetTemplate(), off);
    // Placed in the second state, it draws that state and the document keeps both.
    auto* second = new CQarnAutoShape(RectF(0, 0, 100, 50), 50);
    second->SetCurrentState(1);
    doc.AddTail(second);
    second->Initialize(second->GetLayer());
    EXPECT_EQ(second->GetTemplate(), on);
    EXPECT_NE(doc.FindASTemplate(50), nullptr);
    EXPECT_NE(doc.FindASTemplate(51), nullptr);
    // Without a template the component's own rule names it.
    CQarnAutoShape* lost = PlaceInstance(doc, RectF(0, 0, 1, 1), 77);
    EXPECT_EQ(lost->GetName(), QStringLiteral("AutoShape-%1").arg(lost->GetID()));
    qDeleteAll(later);
    later.clear();
}

TEST_F(AutoShapeTest, TheDocumentKeepsACopyAndRefreshesItWhenTheSettingSaysSo) {
    InstalledTemplates installed(BoxAndDisc(7));
    CQarnAutoShape* first = PlaceInstance(doc, RectF(0, 0, 100, 50), 7);
    CQarnAutoShapeTempl* copy = doc.FindASTemplate(7);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, installed.list[0]);
    EXPECT_EQ(ObjectBytes(copy), ObjectBytes(installed.list[0]));
    EXPECT_EQ(first->GetTemplate(), installed.list[0]);  // the installed one draws

    installed.list[0]->SetTemplateName(QStringLiteral("Valve, revised"));
    {
        ReplaceTemplateSetting keep(0);
        PlaceInstance(doc, RectF(0, 0, 100, 50), 7);
        EXPECT_EQ(doc.FindASTemplate(7), copy);
        EXPECT_EQ(copy->GetName(), QStringLiteral("Valve"));
    }
    {
        ReplaceTemplateSetting refresh(1);
        PlaceInstance(doc, RectF(0, 0, 100, 50), 7);
        ASSERT_NE(doc.FindASTemplate(7), nullptr);
        EXPECT_EQ(doc.FindASTemplate(7)->GetName(), QStringLiteral("Valve, revised"));
        EXPECT_EQ(doc.GetTemplates().size(), 1);
    }
    EXPECT_EQ(first->GetTemplate(), installed.list[0]);
}

TEST_F(AutoShapeTest, AnInstanceNeverKeepsATemplateThatWasDeleted) {
    // Only the document's copy: the instance draws with it.
    doc.AddTemplate(BoxAndDisc(7), false);
    CQarnAutoShape* shape = PlaceInstance(doc, RectF(0, 0, 100, 50), 7);
    EXPECT_EQ(shape->GetTemplate(), doc.FindASTemplate(7));
    shape->ResetPath();
    EXPECT_EQ(shape->GetElementCount(), 2);
    {
        // The symbol is installed and a new instance refreshes the copy the first one drew
        // with: that copy is gone, and the first instance draws with the installed one.
        InstalledTemplates installed(BoxAndDisc(7));
        installed.list[0]->AddComponent(OwnShape(Qarn::kShapeRectangle, RectF(0, 0, 5, 5), 0));
        ReplaceTemplateSetting refresh(1);
        PlaceInstance(doc, RectF(0, 0, 100, 50), 7);
        EXPECT_EQ(shape->GetTemplate(), installed.list[0]);
        shape->InitElements(0);
        EXPECT_EQ(shape->GetElementCount(), 3);
    }
    // Uninstalled again: back to the document's (refreshed) copy.
    EXPECT_EQ(shape->GetTemplate(), doc.FindASTemplate(7));
    shape->InitElements(0);
    EXPECT_EQ(shape->GetElementCount(), 3);
}

TEST_F(AutoShapeTest, AMissingTemplateIsReportedOnceAndTheInstanceDrawsAgainWhenInstalled) {
    MissingTemplateRecorder recorder;
    const int before = MissingTemplateRecorder::Count();
    CQarnAutoShape* shape = PlaceInstance(doc, RectF(10, 10, 100, 50), 7);
    EXPECT_TRUE(shape->IsTemplateMissing());
    EXPECT_EQ(MissingTemplateRecorder::Count(), before + 1);
    EXPECT_EQ(shape->GetTemplate(), nullptr);
    shape->InitElements(0);
    ASSERT_EQ(shape->GetElementCount(), 1);
    ExpectRectNear(OutlineBounds(*shape), RectF(10, 10, 100, 50));
    EXPECT_EQ(shape->GetTemplateNumber(), 7u);
    {
        InstalledTemplates installed(BoxAndDisc(7));
        shape->InitElements(0);
        EXPECT_EQ(shape->GetElementCount(), 2);
        // The document now keeps a copy, so the drawing opens without the file.
        EXPECT_NE(doc.FindASTemplate(7), nullptr);
        EXPECT_EQ(MissingTemplateRecorder::Count(), before + 1);
    }
    EXPECT_NE(shape->GetTemplate(), nullptr);
    shape->Initialize(shape->GetLayer());
    EXPECT_FALSE(shape->IsTemplateMissing());
}

TEST_F(AutoShapeTest, ASymbolHoldingAnInstanceOfItselfDrawsThatInstanceAsItsRectangle) {
    auto* t = new CQarnAutoShapeTempl();
    t->SetTemplateID(60);
    t->SetPosition(RectF(0, 0, 100, 100));
    t->AddComponent(new CQarnAutoShape(RectF(0, 0, 100, 100), 60));
    t->AddComponent(OwnShape(Qarn::kShapeRectangle, RectF(25, 25, 50, 50), kBoxFill));
    InstalledTemplates installed(t);
    CQarnAutoShape* shape = PlaceInstance(doc, RectF(0, 0, 200, 200), 60);
    shape->ResetPath();
    EXPECT_EQ(shape->GetElementCount(), 2);
    GraphicsPath outline;
    shape->CreatePath(outline, nullptr, PathMode::All);
    ExpectRectNear(PathBounds(outline), RectF(0, 0, 200, 200));
}
