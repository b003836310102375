#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "connector_fixtures.h"
#include "connectors/connection_table.h"
#include "core/configuration.h"
#include "core/element.h"
#include "core/property_ids.h"
#include "platform/dc.h"
#include "platform/graphics_path.h"
#include "platform/variant.h"
#include "shapes/group.h"

namespace {

bool PathHas(const GraphicsPath* path, PointF p) {
    for (const PointF& q : path->Points()) {
        if (Near(q, p, 0.05f)) {
            return true;
        }
    }
    return false;
}

const GraphicsPath* Outline(CQarnConnector* k) {
    k->ResetPath();
    k->CreateElements(nullptr);
    return k->GetElementCount() > 0 ? k->GetElement(0)->GetPath() : nullptr;
}

void SetRoute(CQarnConnector* k, std::vector<PointF> points) {
    const int count = int(points.size());
    k->SetPointArray(std::move(points));
    k->SetPointCount(count);
    k->RecalcBounds(0);
    k->ResetHandles();
}

}  // namespace

TEST_F(ConnectorScene, FreeConnectorsAreLaidOutWhenAnEndIsDragged) {
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(10, 10));
    k->MoveHandleTo(2, PointF(100, 40), 0);
    EXPECT_EQ(Points(k), (std::vector<PointF>{{0, 0}, {50, 0}, {50, 40}, {100, 40}}));
    EXPECT_EQ(k->GetHandleCount(), 3);
    EXPECT_EQ(k->GetDraggedHandle(), 3);
    k->MoveHandleTo(3, PointF(40, 100), 0);
    EXPECT_EQ(Points(k), (std::vector<PointF>{{0, 0}, {0, 50}, {40, 50}, {40, 100}}));
    EXPECT_FALSE(k->GetFill());
    EXPECT_NE(k->GetIntegerPoint(), 0u);
}

TEST_F(ConnectorScene, AMiddleHandleSlidesItsLegSideways) {
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(10, 10));
    k->MoveHandleTo(2, PointF(100, 40), 0);
    // The vertical leg moves across only.
    ASSERT_EQ(k->GetHandle(2, 0), PointF(50, 20));
    EXPECT_EQ(k->MoveHandleTo(2, PointF(70, 33), 0), 1);
    EXPECT_EQ(Points(k), (std::vector<PointF>{{0, 0}, {70, 0}, {70, 40}, {100, 40}}));
    EXPECT_EQ(k->GetHandle(2, 0), PointF(70, 20));
    // A horizontal leg moves up or down only, and the route is not rebuilt.
    CQarnConnector* tall = AddConnector(PointF(0, 0), PointF(10, 10));
    tall->MoveHandleTo(2, PointF(40, 100), 0);
    tall->MoveHandleTo(2, PointF(13, 60), 0);
    EXPECT_EQ(Points(tall), (std::vector<PointF>{{0, 0}, {0, 60}, {40, 60}, {40, 100}}));
    EXPECT_EQ(tall->GetRectF().Height, 100);
}

TEST_F(ConnectorScene, HandleHitsTryTheEndsFirstAndPlainHitsTheFrame) {
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(10, 10));
    k->MoveHandleTo(2, PointF(4, 2), 0);
    ASSERT_EQ(k->GetHandleCount(), 3);
    // All three handle squares hold (2, 1): the start wins, then the end.
    EXPECT_EQ(k->HitTest(CPoint(2, 1), nullptr, 1, nullptr), 1);
    EXPECT_EQ(k->HitTest(CPoint(6, 4), nullptr, 1, nullptr), 3);
    EXPECT_EQ(k->HitTest(CPoint(40, 40), nullptr, 1, nullptr), 0);
    CQarnConnector* wide = AddConnector(PointF(0, 0), PointF(10, 10));
    wide->MoveHandleTo(2, PointF(100, 40), 0);
    EXPECT_EQ(wide->HitTest(CPoint(52, 21), nullptr, 1, nullptr), 2);
    EXPECT_EQ(wide->HitTest(CPoint(20, 30), nullptr, 0, nullptr), 1);
    EXPECT_EQ(wide->HitTest(CPoint(120, 30), nullptr, 0, nullptr), 0);
    EXPECT_EQ(wide->GetHandleCursor(1), Qt::CrossCursor);
    EXPECT_NE(wide->GetHandleCursor(2), Qt::CrossCursor);
}

TEST_F(ConnectorScene, RoundCornersAreNeverWiderThanHalfALeg) {
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(20, 10), CQarnConnector::TypeRoundCorner);
    SetRoute(k, {{0, 0}, {10, 0}, {10, 10}, {20, 10}});
    const GraphicsPath* path = Outline(k);
    ASSERT_NE(path, nullptr);
    // Radius 5: the legs stop 5 short of each corner.
    EXPECT_TRUE(PathHas(path, PointF(5, 0)));
    EXPECT_TRUE(PathHas(path, PointF(10, 5)));
    EXPECT_TRUE(PathHas(path, PointF(15, 10)));
    EXPECT_FALSE(PathHas(path, PointF(10, 0)));
    // Long legs get the corner radius of 20.
    SetRoute(k, {{0, 0}, {100, 0}, {100, 100}, {200, 100}});
    path = Outline(k);
    EXPECT_TRUE(PathHas(path, PointF(80, 0)));
    EXPECT_TRUE(PathHas(path, PointF(100, 20)));
    EXPECT_TRUE(PathHas(path, PointF(120, 100)));
    RectF bounds;
    path->GetBounds(&bounds);
    EXPECT_NEAR(bounds.Width, 200, 0.01);
    EXPECT_NEAR(bounds.Height, 100, 0.01);
    // An elbow keeps its sharp corners.
    k->SetConnectorType(CQarnConnector::TypeElbow);
    EXPECT_TRUE(PathHas(Outline(k), PointF(100, 0)));
}

TEST_F(ConnectorScene, ConnectToEdgeDrawsTheEndFromTheShapesOutline) {
    CQarnRect* shape = AddRect(RectF(0, 0, 100, 100));
    shape->SetAnchorAnyWhere(true);
    CQarnConnector* k = AddConnector(PointF(300, 50), PointF(50, 50));
    DropEnd(k, false, shape, PointF(50, 50));
    ASSERT_NE(k->GetRightConnection(), nullptr);
    EXPECT_TRUE(PathHas(Outline(k), PointF(50, 50)));
    k->SetPropValue(CVariant(std::int32_t(1)), QarnPropId::ConnectorToEdge);
    const GraphicsPath* path = Outline(k);
    EXPECT_FALSE(PathHas(path, PointF(50, 50)));
    RectF bounds;
    path->GetBounds(&bounds);
    // Where the leg leaves the outline, within the few units the outline search settles on.
    EXPECT_GE(bounds.X, 99);
    EXPECT_LE(bounds.X, 106);
}

TEST_F(ConnectorScene, TypeAndConnectToEdgeAreProperties) {
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(100, 40));
    EXPECT_EQ(k->GetPropValue(QarnPropId::ConnectorType).GetI4(), 1);
    EXPECT_EQ(k->SetPropValue(CVariant(std::int32_t(3)), QarnPropId::ConnectorType), S_OK);
    EXPECT_EQ(k->GetConnectorType(), CQarnConnector::TypeCurved);
    EXPECT_NE(k->SetPropValue(CVariant(std::int32_t(9)), QarnPropId::ConnectorType), S_OK);
    EXPECT_EQ(k->GetConnectorType(), CQarnConnector::TypeCurved);
    EXPECT_EQ(k->SetPropValue(CVariant(std::int32_t(1)), QarnPropId::ConnectorToEdge), S_OK);
    EXPECT_EQ(k->GetPropValue(QarnPropId::ConnectorToEdge).GetI4(), 1);
}

TEST_F(ConnectorScene, MovingShiftingAndNormalisingCarryTheHandles) {
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(10, 10));
    k->MoveHandleTo(2, PointF(100, 40), 0);
    k->Shift(10, 5);
    EXPECT_EQ(k->GetHandle(2, 0), PointF(60, 25));
    EXPECT_EQ(k->GetHandle(3, 0), PointF(110, 45));
    k->MoveTo(RectF(10, 5, 200, 80), 0);
    EXPECT_EQ(k->GetHandle(2, 0), PointF(110, 45));
    EXPECT_EQ(k->GetHandle(3, 0), PointF(210, 85));
    EXPECT_EQ(k->GetPoint(4, 0), PointF(210, 85));
    k->SetRotateAngle(90);
    const PointF shown = k->GetHandle(3, 1);
    k->Normalize();
    EXPECT_EQ(k->GetRotateAngle(), 0);
    EXPECT_TRUE(Near(k->GetHandle(3, 0), shown));
    EXPECT_TRUE(Near(k->GetPoint(4, 0), shown));
    EXPECT_FALSE(k->CanFlip());
}

TEST_F(ConnectorScene, TheTrackerShowsConnectedEndsRedAndFreeEndsGreen) {
    CQarnRect* shape = AddRect(RectF(0, 0, 40, 40));
    CQarnConnector* k = AddConnector(PointF(40, 20), PointF(150, 100));
    DropEnd(k, true, shape, PointF(40, 20));
    QImage image(200, 140, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CDC dc(&painter);
        k->DrawTracker(&dc, CQarnComponent::TrackerSelected, 1.0f);
    }
    EXPECT_EQ(image.pixel(40, 20), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(150, 100), 0xFF00FF00u);
    // The middle of the middle leg is a yellow diamond.
    const PointF middle = k->GetHandle(2, 1);
    EXPECT_EQ(image.pixel(int(middle.X), int(middle.Y)), 0xFFFFFF00u);
}

TEST_F(ConnectorScene, CopiesOfAConnectorWithOneOfItsShapesKeepOnlyThatEnd) {
    CQarnRect* a = AddRect(RectF(0, 0, 100, 100));
    CQarnRect* b = AddRect(RectF(300, 30, 100, 100));
    CQarnConnector* k = AddConnector(PointF(100, 50), PointF(300, 80));
    DropEnd(k, true, a, PointF(100, 50));
    DropEnd(k, false, b, PointF(300, 80));
    const ComponentList copied{a, k};
    CQarnConnectionTable table;
    table.CreateFromContainer(copied);
    ASSERT_EQ(table.GetCount(), 2);
    EXPECT_EQ(table.GetEntries()[0].component, 1);
    EXPECT_EQ(table.GetEntries()[1].component, 0);

    ComponentList pasted{a->Clone(nullptr), k->Clone(nullptr)};
    table.ResetContainer(pasted);
    auto* k2 = static_cast<CQarnConnector*>(pasted[1]);
    ASSERT_NE(k2->GetLeftConnection(), nullptr);
    EXPECT_EQ(k2->GetLeftConnection()->GetComponent(), pasted[0]);
    EXPECT_EQ(k2->GetLeftConnection()->GetConnector(), k2);
    EXPECT_EQ(k2->GetRightConnection(), nullptr);
    EXPECT_TRUE(pasted[0]->BeenConnectedBy(k2));
    EXPECT_FALSE(a->BeenConnectedBy(k2));
    EXPECT_FALSE(b->BeenConnectedBy(k2));
    // The originals are as they were.
    EXPECT_EQ(a->GetConnectionList().size(), 1);
    EXPECT_EQ(b->GetConnectionList().size(), 1);
    delete k2;
    delete pasted[0];
    EXPECT_EQ(a->GetConnectionList().size(), 1);
}

TEST_F(ConnectorScene, AConnectorMovedOnItsOwnIsReRoutedOnlyWithTheSwitchOn) {
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(10, 10));
    SetRoute(k, {{0, 0}, {100, 0}, {100, 40}});
    k->OnFinishedMove();
    EXPECT_EQ(k->GetPointCount(), 3);
    k->SetAutoLayoutSwitch(1);
    k->OnFinishedMove();
    EXPECT_EQ(Points(k), (std::vector<PointF>{{0, 0}, {50, 0}, {50, 40}, {100, 40}}));
    k->SetConnectorType(CQarnConnector::TypeDirect);
    EXPECT_FALSE(k->NeedAutoLayout());
}

TEST_F(ConnectorScene, WithTheVisualEffectAFollowingConnectorAsksForAnOutline) {
    CQarnRect* shape = AddRect(RectF(0, 0, 100, 100));
    CQarnConnector* k = AddConnector(PointF(100, 50), PointF(300, 80));
    DropEnd(k, true, shape, PointF(100, 50));
    const int effect = Qarn::GetVizEffect();
    Qarn::SetVizEffect(1);
    views.outlines.clear();
    views.invalidated.clear();
    const RectF old = shape->GetRectF();
    shape->MoveTo(RectF(0, 10, 100, 100), 0);
    shape->OnPositionChanged(old, nullptr, 1);
    Qarn::SetVizEffect(effect);
    EXPECT_TRUE(views.outlines.contains(k));
    EXPECT_FALSE(views.invalidated.contains(k));
}

TEST_F(ConnectorScene, ACurvedConnectorDrawsItsRouteAsACurve) {
    CQarnConnector* k = AddConnector(PointF(0, 0), PointF(10, 10), CQarnConnector::TypeCurved);
    k->SetPolyStyle(CQarnPoly::JoinCurve);
    SetRoute(k, {{0, 0}, {50, 0}, {50, 40}, {100, 40}});
    const GraphicsPath* path = Outline(k);
    ASSERT_NE(path, nullptr);
    // Bezier pieces: three points a leg, more than the four of the plain route.
    EXPECT_EQ(path->Points().size(), 10u);
    k->SetPointCount(1);
    EXPECT_FALSE(k->CreateElements(nullptr));
}

TEST_F(ConnectorScene, InsideAGroupAConnectorIsNeitherReRoutedNorKeptOnMovedShapes) {
    CQarnRect* shape = AddRect(RectF(0, 0, 100, 100));
    CQarnConnector* k = AddConnector(PointF(100, 50), PointF(300, 80));
    DropEnd(k, true, shape, PointF(100, 50));
    EXPECT_FALSE(k->CanFlip());
    CQarnGroup group;
    k->SetParentGroup(&group);
    EXPECT_FALSE(k->NeedAutoLayout());
    EXPECT_TRUE(k->CanFlip());
    // The shape moving on its own lets go of a grouped connector.
    const RectF old = shape->GetRectF();
    shape->MoveTo(RectF(0, 50, 100, 100), 0);
    shape->OnPositionChanged(old, nullptr, 1);
    EXPECT_EQ(k->GetLeftConnection(), nullptr);
    EXPECT_FALSE(shape->BeenConnectedBy(k));
    k->SetParentGroup(nullptr);
}
