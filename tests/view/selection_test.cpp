// The view's selection: the primary selection, what may be selected, and selecting by
// rectangle and by ellipse in each mode.
#include <gtest/gtest.h>

#include "connectors/connector.h"
#include "shapes/group.h"
#include "view_fixtures.h"

namespace {

using SelectionTest = ViewTest;

CQarnConnector* AddConnector(CQarnDoc& doc, const PointF& from, const PointF& to) {
    auto* connector = new CQarnConnector(RectF(from.X, from.Y, 0, 0));
    connector->AddPoint(from);
    connector->AddPoint(to);
    connector->ResetPath();
    doc.AddTail(connector);
    return connector;
}

}  // namespace

TEST_F(SelectionTest, ThePrimaryIsTheLastSelectedThatIsNoConnector) {
    CQarnRect* a = AddBox(RectF(10, 10, 40, 40));
    CQarnRect* b = AddBox(RectF(100, 10, 40, 40));
    CQarnConnector* link = AddConnector(*doc, PointF(50, 30), PointF(100, 30));
    view->Select(a);
    view->Select(b, true);
    view->Select(link, true);
    EXPECT_EQ(view->IsSelected(a), 1);
    EXPECT_EQ(view->IsSelected(b), 2);
    EXPECT_EQ(view->IsSelected(link), 1);
    EXPECT_EQ(view->GetPrimarySelection(), b);
    view->Deselect(b);
    EXPECT_EQ(view->IsSelected(b), 0);
    EXPECT_EQ(view->IsSelected(a), 2);
    // Selecting without adding replaces the selection.
    view->Select(b);
    EXPECT_EQ(view->GetSelection(), ComponentList{b});
    // Selecting twice keeps one entry.
    view->Select(b, true);
    EXPECT_EQ(view->GetSelection().size(), 1);
    EXPECT_EQ(view->IsSelected(nullptr), 0);
}

TEST_F(SelectionTest, GroupedComponentsAndThoseOnHiddenUnselectableOrLockedLayersAreRefused) {
    CQarnRect* a = AddBox(RectF(10, 10, 40, 40));
    CQarnRect* b = AddBox(RectF(60, 10, 40, 40));
    auto* group = new CQarnGroup();
    group->AddComponent(a);
    group->AddComponent(b);
    group->RecalcBounds();
    doc->AddTail(group);
    view->Select(a);
    EXPECT_TRUE(view->GetSelection().isEmpty());
    view->Select(group);
    EXPECT_EQ(view->IsSelected(group), 2);

    CQarnLayer* hidden = AddLayer();
    CQarnRect* onHidden = AddBox(RectF(10, 100, 40, 40), hidden);
    hidden->SetVisible(false);
    CQarnLayer* unselectable = AddLayer();
    CQarnRect* onUnselectable = AddBox(RectF(10, 150, 40, 40), unselectable);
    unselectable->SetSelectable(false);
    CQarnLayer* locked = AddLayer();
    CQarnRect* onLocked = AddBox(RectF(10, 200, 40, 40), locked);
    locked->SetLocked(true);
    for (CQarnRect* refused : {onHidden, onUnselectable, onLocked}) {
        view->Select(refused, true);
        EXPECT_EQ(view->IsSelected(refused), 0);
    }
}

TEST_F(SelectionTest, RectangleModesInsideTouchingAndCentre) {
    CQarnRect* inside = AddBox(RectF(20, 20, 30, 30));
    CQarnRect* across = AddBox(RectF(90, 20, 60, 30));  // centre (120, 35) inside, edge out
    CQarnRect* touching = AddBox(RectF(130, 60, 60, 60));
    CQarnRect* outside = AddBox(RectF(300, 300, 20, 20));
    const CRect band = ClientOf(CRect(10, 10, 140, 70));

    EXPECT_EQ(view->SelectWithinRect(band, CQarnBaseView::SelectInside, false), 1);
    EXPECT_EQ(view->GetSelection(), ComponentList{inside});

    view->SelectWithinRect(band, CQarnBaseView::SelectTouching, false);
    EXPECT_EQ(view->GetSelection(), (ComponentList{inside, across, touching}));

    view->SelectWithinRect(band, CQarnBaseView::SelectCentre, false);
    EXPECT_EQ(view->GetSelection(), (ComponentList{inside, across}));
    EXPECT_EQ(view->IsSelected(outside), 0);

    // Adding keeps what was selected.
    view->Select(outside);
    view->SelectWithinRect(band, CQarnBaseView::SelectInside, true);
    EXPECT_EQ(view->GetSelection(), (ComponentList{outside, inside}));
}

TEST_F(SelectionTest, EllipseModesInsideTouchingAndCentre) {
    // The ellipse inscribed in (0, 0)-(200, 100): centre (100, 50), half-axes 100 and 50.
    CQarnRect* middle = AddBox(RectF(80, 40, 40, 20));
    CQarnRect* corner = AddBox(RectF(0, 0, 12, 12));  // in the rectangle, outside the ellipse
    CQarnRect* rim = AddBox(RectF(185, 30, 40, 40));  // crosses the right end, centre out
    const CRect band = ClientOf(CRect(0, 0, 200, 100));

    view->SelectWithinElps(band, CQarnBaseView::SelectInside, false);
    EXPECT_EQ(view->GetSelection(), ComponentList{middle});
    view->SelectWithinElps(band, CQarnBaseView::SelectTouching, false);
    EXPECT_EQ(view->GetSelection(), (ComponentList{middle, rim}));
    view->SelectWithinElps(band, CQarnBaseView::SelectCentre, false);
    EXPECT_EQ(view->GetSelection(), ComponentList{middle});
    EXPECT_EQ(view->IsSelected(corner), 0);
}

TEST_F(SelectionTest, HiddenAndLockedLayersContributeNothingAndTheLayerFlagLimitsTheSearch) {
    CQarnRect* below = AddBox(RectF(20, 20, 30, 30));
    CQarnLayer* hidden = AddLayer();
    AddBox(RectF(60, 20, 30, 30), hidden);
    hidden->SetVisible(false);
    CQarnLayer* locked = AddLayer();
    AddBox(RectF(100, 20, 30, 30), locked);
    locked->SetLocked(true);
    CQarnLayer* top = AddLayer();
    CQarnRect* onTop = AddBox(RectF(140, 20, 30, 30), top);
    const CRect band = ClientOf(CRect(0, 0, 300, 100));

    EXPECT_EQ(view->SelectWithinRect(band, CQarnBaseView::SelectInside, false), 2);
    EXPECT_EQ(view->GetSelection(), (ComponentList{below, onTop}));

    doc->GetCurrentCanvas()->SetCurrentLayer(top);
    view->SelectWithinRect(band, CQarnBaseView::SelectInside | CQarnBaseView::kCurrentLayerOnly,
                           false);
    EXPECT_EQ(view->GetSelection(), ComponentList{onTop});
    view->SelectWithinElps(ClientOf(CRect(-100, -100, 400, 300)),
                           CQarnBaseView::SelectCentre | 0x80, false);
    EXPECT_EQ(view->GetSelection(), ComponentList{onTop});
}

TEST_F(SelectionTest, SelectionByAreaWorksAtOtherZooms) {
    CQarnRect* a = AddBox(RectF(200, 200, 20, 20));
    const CPoint spot(210, 210);
    view->DoZoomIn(&spot, 4.0f);
    EXPECT_EQ(view->SelectWithinRect(ClientOf(CRect(195, 195, 225, 225)),
                                     CQarnBaseView::SelectInside, false),
              1);
    EXPECT_EQ(view->IsSelected(a), 2);
    view->SelectWithinRect(ClientOf(CRect(195, 195, 215, 225)), CQarnBaseView::SelectInside, false);
    EXPECT_EQ(view->IsSelected(a), 0);
}

TEST_F(SelectionTest, PolygonSelectionOnlyEmptiesTheSelectionUnlessAdding) {
    CQarnRect* a = AddBox(RectF(20, 20, 30, 30));
    view->Select(a);
    const POINT points[3] = {{0, 0}, {10, 0}, {0, 10}};
    EXPECT_EQ(view->SelectWithinPoly(points, 3, 0, true), 3);
    EXPECT_EQ(view->IsSelected(a), 2);
    view->SelectWithinPoly(points, 3, 0, false);
    EXPECT_TRUE(view->GetSelection().isEmpty());
}

TEST_F(SelectionTest, AComponentLeavingTheDocumentLeavesTheSelection) {
    CQarnRect* a = AddBox(RectF(20, 20, 30, 30));
    CQarnRect* b = AddBox(RectF(60, 20, 30, 30));
    view->Select(a);
    view->Select(b, true);
    std::unique_ptr<CQarnComponent> out = doc->TakeOut(a);
    EXPECT_EQ(view->GetSelection(), ComponentList{b});
    doc->PutBack(std::move(out), nullptr, nullptr);
    EXPECT_EQ(view->IsSelected(a), 0);
}

TEST_F(SelectionTest, HidingALayerDropsItsComponentsFromTheSelection) {
    CQarnRect* a = AddBox(RectF(20, 20, 30, 30));
    view->Select(a);
    Layer0()->SetVisible(false);
    doc->NotifyPageChanged(doc->GetCurrentCanvas(), Qarn::PageChange::Layers);
    EXPECT_TRUE(view->GetSelection().isEmpty());
}
