#include "undo/action_fixture.h"
#include "undo/action_ids.h"
#include "undo/add_point_action.h"
#include "undo/move_point_action.h"
#include "undo/poly_data_action.h"
#include "undo/poly_normalize_action.h"
#include "undo/remove_point_action.h"
#include "undo/simplify_action.h"

// A polyline with a connector resting on its third point and a free connector end.
class PolyActionTest : public ActionTest {
protected:
    void SetUp() override {
        ActionTest::SetUp();
        poly = AddPolyline({{0, 0}, {100, 0}, {100, 100}, {200, 100}});
        target = AddRect(RectF(400, 0, 80, 80));
        k = Connect(poly, PointF(100, 100), target, PointF(400, 40));
        gUndoManager->ClearTarget(doc);
    }
    int ConnectedAnchor() const { return k->GetLeftConnection()->GetAnchor(); }

    CQarnPoly* poly = nullptr;
    CQarnRect* target = nullptr;
    CQarnConnector* k = nullptr;
};

TEST_F(PolyActionTest, AddingAPointKeepsTheConnectorOnItsVertexAndUndoesExactly) {
    ASSERT_EQ(ConnectedAnchor(), 3);
    ExpectExactUndo(
        [&] {
            ASSERT_TRUE(Record(std::make_unique<CAddPointAction>(&view, QarnActionId::AddPoint,
                                                                 poly, 2, PointF(50, -30))));
            EXPECT_EQ(poly->GetPointCount(), 5);
            EXPECT_EQ(ConnectedAnchor(), 4);
        },
        true);
    EXPECT_EQ(ConnectedAnchor(), 3);
    // A point past the end, or on a component that is no poly, records nothing.
    EXPECT_FALSE(Record(
        std::make_unique<CAddPointAction>(&view, QarnActionId::AddPoint, poly, 9, PointF(1, 1))));
    EXPECT_FALSE(Record(
        std::make_unique<CAddPointAction>(&view, QarnActionId::AddPoint, target, 1, PointF(1, 1))));
}

TEST_F(PolyActionTest, EditingATurnedPolyNormalisesItAndUndoLeavesItTurned) {
    const RectF old = poly->GetRectF();
    poly->RotateAt(30, poly->GetRotateCenter(), 1);
    poly->OnRotated(0.0f, nullptr, 3);
    gUndoManager->ClearTarget(doc);
    ExpectExactUndo(
        [&] {
            ASSERT_TRUE(Record(std::make_unique<CAddPointAction>(&view, QarnActionId::AddPoint,
                                                                 poly, 5, PointF(250, 250))));
            EXPECT_EQ(poly->GetRotateAngle(), 0.0f);
            // The new point lies where it was given, as the poly shows.
            EXPECT_EQ(poly->GetPoint(5, 1), PointF(250, 250));
        },
        true);
    EXPECT_EQ(poly->GetRotateAngle(), 30.0f);
    EXPECT_EQ(poly->GetPointCount(), 4);
    (void)old;
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(
            std::make_unique<CPolyNormalizeAction>(&view, QarnActionId::NormalizePoly, poly)));
    });
    // Nothing to normalise: nothing recorded.
    EXPECT_FALSE(
        Record(std::make_unique<CPolyNormalizeAction>(&view, QarnActionId::NormalizePoly, poly)));
}

TEST_F(PolyActionTest, MovingAndRemovingPointsAreTakenBackWithTheConnector) {
    ExpectExactUndo([&] {
        auto action = std::make_unique<CMovePointAction>(&view, QarnActionId::MovePoint, poly, 3,
                                                         PointF(120, 140));
        CMovePointAction* move = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        move->MoveTo(PointF(130, 150));
        move->Finish();
        // The connector end rests on the moved vertex.
        EXPECT_EQ(k->GetPoint(1, 1), PointF(130, 150));
    });
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(
            std::make_unique<CRemovePointAction>(&view, QarnActionId::RemovePoint, poly, 1)));
        EXPECT_EQ(ConnectedAnchor(), 2);
    });
    // A line keeps two points.
    CQarnPoly* line = AddPolyline({{0, 500}, {50, 500}});
    EXPECT_FALSE(
        Record(std::make_unique<CRemovePointAction>(&view, QarnActionId::RemovePoint, line, 1)));
}

TEST_F(PolyActionTest, SimplifyAndPointDataReplaceThePointsUndoably) {
    CQarnPoly* wavy = AddPolyline({{0, 300}, {50, 300.1f}, {100, 300}, {150, 300}, {150, 400}});
    gUndoManager->ClearTarget(doc);
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CSimplifyAction>(&view, QarnActionId::Simplify, wavy)));
        EXPECT_EQ(wavy->GetPointCount(), 3);
    });
    // Already simple: the view takes nothing to record.
    const long depth = UndoDepth();
    EXPECT_FALSE(Record(std::make_unique<CSimplifyAction>(&view, QarnActionId::Simplify, wavy)));
    EXPECT_EQ(UndoDepth(), depth);

    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CPolyDataAction>(
            &view, QarnActionId::PolyData, poly,
            std::vector<PointF>{{0, 0}, {10, 10}, {20, 0}, {30, 10}, {40, 0}, {50, 10}})));
        EXPECT_EQ(poly->GetPointCount(), 6);
    });
    EXPECT_FALSE(Record(std::make_unique<CPolyDataAction>(&view, QarnActionId::PolyData, poly,
                                                          std::vector<PointF>{{0, 0}})));
}
