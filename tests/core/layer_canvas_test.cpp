#include <gtest/gtest.h>

#include "core/canvas.h"
#include "core/component.h"
#include "core/layer.h"
#include "properties/basic_brush_property.h"

namespace {

CQarnComponent* NewComponent(UINT id) {
    auto* c = new CQarnComponent();
    c->SetID(id);
    return c;
}

QList<UINT> Ids(const CQarnLayer& layer) {
    QList<UINT> ids;
    for (CQarnComponent* c : layer.GetList()) {
        ids.append(c->GetID());
    }
    return ids;
}

}  // namespace

TEST(LayerTest, InsertionSetsTheLayerAndKeepsDrawingOrder) {
    CQarnLayer layer;
    CQarnComponent* a = NewComponent(1);
    CQarnComponent* b = NewComponent(2);
    CQarnComponent* c = NewComponent(3);
    EXPECT_EQ(layer.AddTail(a), 1);
    EXPECT_EQ(layer.AddHead(b), 1);
    layer.Add(c, a);  // just before a
    EXPECT_EQ(Ids(layer), (QList<UINT>{2, 3, 1}));
    EXPECT_EQ(a->GetLayer(), &layer);
    EXPECT_EQ(c->GetLayer(), &layer);
    EXPECT_EQ(layer.FindObjectAfter(b), c);
    EXPECT_EQ(layer.FindObjectAfter(a), nullptr);
    EXPECT_EQ(layer.GetObjectPosition(a), 3);

    CQarnComponent* d = NewComponent(4);
    layer.Add(d, nullptr);  // no `before`: at the end
    EXPECT_EQ(layer.GetTail(), d);

    layer.Remove(c);
    EXPECT_EQ(c->GetLayer(), &layer);  // the layer field stays
    EXPECT_EQ(layer.GetObjectPosition(c), 0);
    delete c;
}

TEST(LayerTest, PositionsWalkTheListBothWays) {
    CQarnLayer layer;
    for (UINT id = 1; id <= 3; ++id) {
        layer.AddTail(NewComponent(id));
    }
    QList<UINT> forward;
    for (POSITION pos = layer.GetHeadPosition(); pos != 0;) {
        forward.append(layer.GetNext(pos)->GetID());
    }
    EXPECT_EQ(forward, (QList<UINT>{1, 2, 3}));
    QList<UINT> backward;
    for (POSITION pos = layer.GetTailPosition(); pos != 0;) {
        backward.append(layer.GetPrev(pos)->GetID());
    }
    EXPECT_EQ(backward, (QList<UINT>{3, 2, 1}));
    EXPECT_EQ(layer.FindIndex(2), 3);
    EXPECT_EQ(layer.FindIndex(3), 0);
    POSITION after = layer.InsertAfter(2, NewComponent(9));
    EXPECT_EQ(layer.GetAt(after)->GetID(), 9u);
    EXPECT_EQ(Ids(layer), (QList<UINT>{1, 2, 9, 3}));
    delete layer.RemoveHead();
    delete layer.RemoveTail();
    EXPECT_EQ(Ids(layer), (QList<UINT>{2, 9}));
}

TEST(LayerTest, SplicingAListAdoptsEveryComponent) {
    CQarnLayer layer;
    layer.AddTail(NewComponent(5));
    ComponentList list{NewComponent(1), NewComponent(2)};
    layer.AddHead(&list);
    ComponentList more{NewComponent(8)};
    layer.AddTail(&more);
    EXPECT_EQ(Ids(layer), (QList<UINT>{1, 2, 5, 8}));
    EXPECT_EQ(list[1]->GetLayer(), &layer);
}

TEST(LayerTest, FlagsAndVisibility) {
    CQarnLayer layer;
    EXPECT_EQ(layer.GetPropW(), 3);
    EXPECT_TRUE(layer.IsVisible(-1));
    EXPECT_EQ(layer.IsSelectable(), 2);  // the bit's value
    layer.SetLocked(true);
    EXPECT_EQ(layer.IsLocked(), 4);
    layer.SetPropW(2);
    EXPECT_FALSE(layer.IsVisible(-1));
    layer.SetVisible(true);
    EXPECT_TRUE(layer.IsVisible(1.0f));  // the default range always shows
    EXPECT_FALSE(layer.IsVisible(0.0f));
    layer.SetZoomRange(0.5f, 2.0f);
    EXPECT_FALSE(layer.IsVisible(0.25f));
    EXPECT_FALSE(layer.IsVisible(4.0f));
    EXPECT_TRUE(layer.IsVisible(2.0f));
}

TEST(CanvasTest, NewLayersAreNamedByTheirIndexUnlessNamedBefore) {
    CQarnCanvas canvas;
    EXPECT_EQ(canvas.AddNewLayer()->GetName(), QStringLiteral("Layer0"));
    CQarnLayer* second = canvas.AddNewLayer();
    EXPECT_EQ(second->GetName(), QStringLiteral("Layer1"));
    EXPECT_EQ(canvas.GetCurrentLayer(), second);
    auto* named = new CQarnLayer();
    named->SetName(QStringLiteral("Notes"));
    canvas.AddLayer(named);
    EXPECT_EQ(named->GetName(), QStringLiteral("Notes"));
    EXPECT_EQ(named->GetCanvas(), &canvas);
    EXPECT_EQ(named->GetIndexInContainer(), 3);
    EXPECT_EQ(canvas.GetLayerIndex(second), 1);
}

TEST(CanvasTest, InsertingAfterAStrangerPutsTheLayerFirst) {
    CQarnCanvas canvas;
    canvas.AddNewLayer();
    CQarnLayer stranger;
    auto* inserted = new CQarnLayer();
    canvas.AddLayer(&stranger, inserted);
    EXPECT_EQ(canvas.GetLayerIndex(inserted), 0);
    EXPECT_EQ(inserted->GetName(), QStringLiteral("Layer0"));
    auto* afterFirst = new CQarnLayer();
    canvas.AddLayer(inserted, afterFirst);
    EXPECT_EQ(canvas.GetLayerIndex(afterFirst), 1);
    EXPECT_EQ(stranger.GetIndexInContainer(), -1);
}

TEST(CanvasTest, PaperIsWhiteAndOwned) {
    CQarnCanvas canvas;
    ASSERT_NE(canvas.GetBackground(), nullptr);
    EXPECT_EQ(canvas.GetBackground()->GetColor1().GetValue(), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.GetBackground()->GetRefCount(), 1);
    EXPECT_EQ(canvas.GetSize(), CSize(100, 100));
    EXPECT_EQ(canvas.GetCanvasFlag(), 1);
}

TEST(CanvasTest, InitialisingAfterLoadingReachesEveryComponent) {
    CQarnCanvas canvas;
    CQarnLayer* bottom = canvas.AddNewLayer();
    CQarnLayer* top = canvas.AddNewLayer();
    CQarnComponent* c = NewComponent(1);
    top->GetList().append(c);  // as a reader builds it, without setting the layer
    canvas.Initialize(nullptr);
    EXPECT_EQ(canvas.GetCurrentLayer(), bottom);
    EXPECT_EQ(c->GetLayer(), top);
    EXPECT_EQ(top->GetCanvas(), &canvas);
}

TEST(CanvasTest, HitTestsOnlyReachComponentsOnTheAskedPageAndVisibleLayers) {
    CQarnCanvas page;
    CQarnCanvas other;
    CQarnLayer* layer = page.AddNewLayer();
    auto* box = new CQarnComponent(RectF(0, 0, 10, 10));
    layer->AddTail(box);
    EXPECT_EQ(box->HitTest(CPoint(5, 5), nullptr, 0, &page), 1);
    EXPECT_EQ(box->HitTest(CPoint(5, 5), nullptr, 0, nullptr), 1);
    EXPECT_EQ(box->HitTest(CPoint(5, 5), nullptr, 0, &other), 0);
    layer->SetVisible(false);
    EXPECT_EQ(box->HitTest(CPoint(5, 5), nullptr, 0, &page), 0);
}
