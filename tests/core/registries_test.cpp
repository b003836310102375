#include <gtest/gtest.h>

#include "core/component.h"
#include "core/default_properties.h"
#include "core/library_init.h"
#include "core/local_resource.h"
#include "core/template_registry.h"
#include "core/unit.h"
#include "platform/resource_module.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"

namespace {

class DefaultPropertyTest : public ::testing::Test {
protected:
    void SetUp() override { Qarn::CreateDefaultProperty(); }
    void TearDown() override { Qarn::ClearDefaultProperty(); }
};

CQarnAutoShapeTempl* Template(UINT id) {
    auto* t = new CQarnAutoShapeTempl();
    t->SetTemplateID(id);
    return t;
}

}  // namespace

TEST_F(DefaultPropertyTest, TheListHoldsPenBrushArrowAndTextInOrder) {
    const auto& list = Qarn::GetDefaultPropertyList();
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[0]->GetId(), 6002u);
    EXPECT_EQ(list[1]->GetId(), 6001u);
    EXPECT_EQ(list[2]->GetId(), 6003u);
    EXPECT_EQ(list[3]->GetId(), 6004u);
    EXPECT_NE(dynamic_cast<CQarnPenProperty*>(list[0]), nullptr);
    EXPECT_NE(dynamic_cast<CQarnBrushProperty*>(list[1]), nullptr);
}

TEST_F(DefaultPropertyTest, RemovingAMissingKindChangesNothing) {
    Qarn::RemoveDefaultProperty(6007);
    EXPECT_EQ(Qarn::GetDefaultPropertyList().size(), 4);
    Qarn::RemoveDefaultProperty(6003);
    EXPECT_EQ(Qarn::GetDefaultPropertyList().size(), 3);
    EXPECT_EQ(Qarn::GetDefaultProperty(6003), nullptr);
}

TEST_F(DefaultPropertyTest, TheFirstOfAKindWins) {
    CQarnProperty* first = Qarn::GetDefaultProperty(6002);
    Qarn::AddDefaultProperty(new CQarnPenProperty());
    EXPECT_EQ(Qarn::GetDefaultProperty(6002), first);
}

TEST_F(DefaultPropertyTest, AComponentsStyleBecomesTheDefault) {
    CQarnComponent c(RectF(0, 0, 10, 10));
    c.SetLineWidth(9);
    c.SetFillColor(Color(0xFF00FF00u));
    Qarn::SetDefaultsFromComponent(&c);
    auto* pen = static_cast<CQarnPenProperty*>(Qarn::GetDefaultProperty(6002));
    EXPECT_FLOAT_EQ(pen->GetLineWidth(), 9);
    EXPECT_NE(pen, c.GetPenProperty());
    auto* brush = static_cast<CQarnBrushProperty*>(Qarn::GetDefaultProperty(6001));
    EXPECT_EQ(brush->GetColor1().GetValue(), 0xFF00FF00u);
    // The component has no arrow, so the arrow default stays.
    EXPECT_NE(Qarn::GetDefaultProperty(6003), nullptr);
    EXPECT_EQ(Qarn::GetDefaultPropertyList().size(), 4);
}

TEST(TemplateRegistryTest, LookUpsCountThroughTheListsInOrder) {
    CQarnTemplateList first{Template(10), Template(7), Template(12)};
    CQarnTemplateList second{Template(7), Template(30)};
    Qarn::AddASTemplateList(&first);
    Qarn::AddASTemplateList(&second);

    EXPECT_EQ(Qarn::GetASTemplateListCount(), 2);
    EXPECT_EQ(Qarn::GetASTemplateList(1), &second);
    EXPECT_EQ(Qarn::FindASTemplate(7), first[1]);  // the list added first wins
    EXPECT_EQ(Qarn::FindASTemplate(30), second[1]);
    EXPECT_EQ(Qarn::FindASTemplate(99), nullptr);
    EXPECT_EQ(Qarn::FindASID(0), 10u);
    EXPECT_EQ(Qarn::FindASID(3), 7u);
    EXPECT_EQ(Qarn::FindASID(4), 30u);
    EXPECT_EQ(Qarn::FindASID(5), UINT(-1));

    Qarn::ClearASTListEntry();
    EXPECT_EQ(Qarn::GetASTemplateListCount(), 0);
    EXPECT_EQ(first.size(), 3);  // the lists themselves are untouched
    qDeleteAll(first);
    qDeleteAll(second);
}

TEST(TemplateTest, ANewTemplateHasItsDefaults) {
    CQarnAutoShapeTempl t;
    EXPECT_EQ(t.GetName(), QStringLiteral("New AutoShape"));
    EXPECT_EQ(t.GetDefaultWidth(), 100);
    EXPECT_EQ(t.GetDefaultHeight(), 100);
    EXPECT_TRUE(t.HasStandardAnchors());
    t.AddAnchorPoint(PointF(1, 2), 4);
    EXPECT_EQ(t.GetAnchorDirections().value(0), 4);
}

TEST(LibraryInitTest, LibraryTextsComeFromItsOwnModuleUnlessReplaced) {
    QarnDllInitialize();
    QarnDllInitialize();  // a second call changes nothing
    EXPECT_TRUE(QarnDllIsInitialized());

    CResourceModule program(QStringLiteral("program"));
    program.SetString(8123, QStringLiteral("program's own"));
    AfxSetResourceHandle(&program);
    {
        CQarnLocalResource scope;
        EXPECT_EQ(LoadResourceString(8123), QStringLiteral("cm"));
    }
    EXPECT_EQ(AfxGetResourceHandle(), &program);

    CResourceModule translated(QStringLiteral("translated"));
    translated.SetString(8123, QStringLiteral("Zentimeter"));
    QARNSetResourceHandle(&translated);
    {
        CQarnLocalResource scope;
        EXPECT_EQ(LoadResourceString(8123), QStringLiteral("Zentimeter"));
    }
    QARNSetResourceHandle(nullptr);
    {
        CQarnLocalResource scope;
        EXPECT_EQ(LoadResourceString(8123), QStringLiteral("cm"));
    }
    AfxSetResourceHandle(nullptr);
}

TEST(LibraryInitTest, PersistentClassesAreCreatableByName) {
    for (const char* name :
         {"CQarnComponent", "CQarnProperty", "CQarnPenProperty", "CQarnBasicBrushProperty",
          "CQarnBrushProperty", "CQarnGradient", "CQarnBlendData", "CQarnArrowProperty",
          "CQarnAutoShapeTempl", "CCustomConfig"}) {
        const CRuntimeClass* c = CRuntimeClass::FromName(QString::fromLatin1(name));
        ASSERT_NE(c, nullptr) << name;
        std::unique_ptr<CObject> o(c->CreateObject());
        EXPECT_NE(o, nullptr) << name;
        EXPECT_STREQ(o->GetRuntimeClass()->m_lpszClassName, name);
    }
}

TEST(UnitTest, TheRulerHasSevenUnitsWith568TwipsPerCentimetre) {
    const CUnit* units = CUnit::RulerUnits();
    EXPECT_EQ(units[1].m_nTPU, 568);
    EXPECT_EQ(units[1].m_nAbbrevID, 8123u);
    EXPECT_TRUE(units[1].m_bSpaceAbbrev);
    EXPECT_EQ(units[2].m_nSmallDiv, 120);
    EXPECT_EQ(units[0].m_nAbbrevID, 8117u);
    EXPECT_FALSE(units[6].m_bSpaceAbbrev);
    CUnit copy = units[3];
    EXPECT_EQ(copy.m_nMinMove, 120);
}
