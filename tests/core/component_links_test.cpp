#include <gtest/gtest.h>

#include "core/configuration.h"
#include "core/effect_cache.h"
#include "core/geometry_fixtures.h"
#include "properties/arrow_property.h"
#include "properties/pen_property.h"

namespace {

// A component with two elements: the frame and, kept apart, a small square inside it.
class TwoPart : public TestBox {
public:
    BOOL CreateElements(RectF* rect) override {
        ClearElements();
        const RectF r = rect != nullptr ? *rect : GetRectF();
        auto outer = std::make_unique<CQarnElement>();
        outer->GetPath()->AddRectangle(r);
        auto inner = std::make_unique<CQarnElement>();
        inner->GetPath()->AddRectangle(RectF(r.X + 1, r.Y + 1, 2, 2));
        inner->SetFlag(CQarnElement::kApart, true);
        AddElement(std::move(outer));
        AddElement(std::move(inner));
        return TRUE;
    }
};

// A connector stand-in: any component will do, it is only compared and asked for its group.
class Connector : public TestBox {};

}  // namespace

TEST(ComponentConnectionTest, NotificationsSkipMovingConnectorsAndReleaseGroupedOnes) {
    ConnectionLinkScope links;
    TestBox shape;
    shape.SetRectF(RectF(0, 0, 10, 10));
    shape.SetRotateAngle(15);
    Connector moving, grouped, free;
    grouped.SetParentGroup(reinterpret_cast<CQarnGroup*>(&shape));
    int a = 0, b = 0, c = 0, d = 0;
    CQarnConnection* toMoving = ConnectionHandle(a);
    CQarnConnection* toGrouped = ConnectionHandle(b);
    CQarnConnection* toFree = ConnectionHandle(c);
    CQarnConnection* unknown = ConnectionHandle(d);
    links.link.connectors = {{toMoving, &moving}, {toGrouped, &grouped}, {toFree, &free}};
    for (CQarnConnection* connection : {toMoving, toGrouped, toFree, unknown}) {
        shape.AddConnection(connection);
    }
    ComponentList selection{&shape, &moving};

    shape.OnPositionChanged(RectF(5, 5, 10, 10), &selection, 2);
    ASSERT_EQ(links.link.followed.size(), 2u);
    EXPECT_EQ(links.link.followed[0].connection, toFree);
    EXPECT_EQ(links.link.followed[0].change, 2);
    EXPECT_EQ(links.link.followed[0].oldRect, RectF(5, 5, 10, 10));
    EXPECT_FLOAT_EQ(links.link.followed[0].oldAngle, 15);
    EXPECT_EQ(links.link.followed[1].connection, unknown);
    ASSERT_EQ(links.link.killed.size(), 1u);
    EXPECT_EQ(links.link.killed[0], toGrouped);
    EXPECT_FALSE(shape.GetConnectionList().contains(toGrouped));

    links.link.followed.clear();
    shape.OnRotated(5.0f, nullptr, 3);  // nothing moves along: the first connector follows too
    ASSERT_EQ(links.link.followed.size(), 3u);
    EXPECT_EQ(links.link.followed[0].connection, toMoving);
    EXPECT_FLOAT_EQ(links.link.followed[0].oldAngle, 5);
    EXPECT_EQ(links.link.followed[0].oldRect, shape.GetRectF());

    links.link.followed.clear();
    shape.OnFlipped(DWORD(QARN_STYLE_HORIFLIP), nullptr, 4);
    ASSERT_EQ(links.link.followed.size(), 3u);
    EXPECT_EQ(links.link.followed[2].oldStyle, DWORD(QARN_STYLE_HORIFLIP));
    EXPECT_EQ(links.link.followed[2].change, 4);
}

TEST(ComponentConnectionTest, RemovingAndRecordingReachEveryConnector) {
    ConnectionLinkScope links;
    RecordedDoc views;
    auto* shape = views.Place(std::make_unique<TestBox>(RectF(0, 0, 10, 10)));
    int a = 0, b = 0;
    shape->AddConnection(ConnectionHandle(a));
    shape->AddConnection(ConnectionHandle(b));
    shape->SetEffectCache(std::make_unique<CQarnEffectCache>());
    shape->RecordlastPosition();
    EXPECT_EQ(links.link.recorded.size(), 2u);
    EXPECT_EQ(shape->GetEffectCache(), nullptr);

    // The connection target of a drag stops being one when it leaves the document.
    auto* other = views.Place(std::make_unique<TestBox>(RectF(20, 0, 10, 10)));
    views.doc.SetConnectionTarget(other);
    std::unique_ptr<CQarnComponent> taken = views.doc.TakeOut(shape);
    ASSERT_EQ(taken.get(), shape);
    EXPECT_EQ(views.doc.GetConnectionTarget(), other);  // only its own mark is cleared
    EXPECT_EQ(links.link.dropped.size(), 2u);
    EXPECT_TRUE(shape->GetConnectionList().isEmpty());
    views.doc.Remove(other);
    EXPECT_EQ(views.doc.GetConnectionTarget(), nullptr);
    delete other;
}

TEST(ComponentConnectionTest, AFreedComponentLetsGoOfTheEndsRestingOnIt) {
    ConnectionLinkScope links;
    int a = 0, b = 0;
    auto shape = std::make_unique<TestBox>(RectF(0, 0, 10, 10));
    shape->AddConnection(ConnectionHandle(a));
    shape->AddConnection(ConnectionHandle(b));
    TestBox connector;
    links.link.connectors[ConnectionHandle(a)] = &connector;
    EXPECT_TRUE(shape->BeenConnectedBy(&connector));
    EXPECT_FALSE(shape->BeenConnectedBy(nullptr));
    EXPECT_FALSE(TestBox().BeenConnectedBy(&connector));
    shape.reset();
    ASSERT_EQ(links.link.dropped.size(), 2u);
    EXPECT_EQ(links.link.dropped[0], ConnectionHandle(a));
    EXPECT_EQ(links.link.dropped[1], ConnectionHandle(b));
}

TEST(ComponentConnectionTest, InvalidatingDropsTheEffectCacheOnlyWithTheEditEffect) {
    RecordedDoc views;
    auto* shape = views.Place(std::make_unique<TestBox>(RectF(0, 0, 10, 10)));
    const int effect = Qarn::GetVizEffect();
    Qarn::SetVizEffect(0);
    shape->SetEffectCache(std::make_unique<CQarnEffectCache>());
    shape->Invalidate(nullptr, false);
    EXPECT_NE(shape->GetEffectCache(), nullptr);
    Qarn::SetVizEffect(1);
    shape->Invalidate(nullptr, true);
    EXPECT_EQ(shape->GetEffectCache(), nullptr);
    Qarn::SetVizEffect(effect);
    EXPECT_EQ(views.link.invalidated.size(), 2);
}

TEST(ComponentElementTest, InitialisingTakesTheStyleAndProperties) {
    auto box = MakeBox(RectF(0, 0, 20, 10));
    auto* arrow = new CQarnArrowProperty();
    box->AddProperty(arrow);
    box->SetDrawLine(false);
    box->SetFillWinding(true);
    box->ResetPath();
    CQarnElement* e = box->GetElement(0);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetFlags(), DWORD(CQarnElement::kFill | CQarnElement::kClosed));
    EXPECT_EQ(e->GetPen(), box->GetPenProperty());
    EXPECT_EQ(e->GetBrush(), box->GetBrushProperty());
    EXPECT_EQ(e->GetArrow(), arrow);
    EXPECT_EQ(e->GetRectF(), RectF(0, 0, 20, 10));
    EXPECT_EQ(e->GetPath()->GetFillMode(), FillModeWinding);
    EXPECT_EQ(box->GetPath(), e->GetPath());  // one element: its path is the outline

    box->SetFillWithPen(true);
    box->InitElements(0);
    EXPECT_EQ(e->GetBrush(), box->GetPenProperty()->GetBrush());
    auto* shadow = new TestShadow(1, 1, Color(0x80000000u));
    box->AddProperty(shadow);
    box->InitElements(16);
    EXPECT_EQ(e->GetBrush(), shadow->GetBrushProperty());
    EXPECT_EQ(box->GetElement(1), nullptr);
    EXPECT_EQ(box->GetElement(-1), nullptr);
}

TEST(ComponentElementTest, SeveralElementsMakeAnOwnedCombinedOutlineAndPathModesPick) {
    TwoPart shape;
    shape.SetRectF(RectF(0, 0, 20, 20));
    shape.ResetPath();
    ASSERT_EQ(shape.GetElementCount(), 2);
    EXPECT_EQ(shape.GetPath()->GetPointCount(), 8);
    GraphicsPath all, together, apart;
    shape.CreatePath(all, nullptr, 0);
    shape.CreatePath(together, nullptr, 1);
    shape.CreatePath(apart, nullptr, 2);
    EXPECT_EQ(all.GetPointCount(), 8);
    EXPECT_EQ(together.GetPointCount(), 4);
    EXPECT_EQ(apart.GetPointCount(), 4);
    EXPECT_TRUE(apart.IsVisible(2, 2));
    EXPECT_TRUE(shape.GetElement(1)->HasFlag(CQarnElement::kApart));  // kept by Init

    TwoPart fresh;  // paths asked for before any outline: the elements are built
    fresh.SetRectF(RectF(0, 0, 20, 20));
    GraphicsPath built;
    RectF elsewhere(100, 100, 10, 10);
    fresh.CreatePath(built, &elsewhere, 0);
    RectF b;
    built.GetBounds(&b);
    EXPECT_NEAR(b.X, 100, 1e-4);

    TestBox plain;
    EXPECT_TRUE(plain.CreateElements(nullptr));
    EXPECT_EQ(plain.GetElementCount(), 1);
}
