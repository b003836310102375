#include "core/effect_cache.h"
#include "platform/graphics_path.h"
#include "properties/label_property.h"
#include "undo/action_fixture.h"
#include "undo/action_ids.h"
#include "undo/add_layer_action.h"
#include "undo/delete_layer_action.h"
#include "undo/flip_action.h"
#include "undo/move_action.h"
#include "undo/move_one_step_action.h"
#include "undo/move_steps_action.h"
#include "undo/rotate_action.h"
#include "undo/size_action.h"
#include "undo/size_connector_action.h"
#include "undo/size_dlg_action.h"
#include "undo/style_action.h"

namespace {

std::vector<PointF> Route(const CQarnPoly* poly) {
    return std::vector<PointF>(poly->GetPointArray(),
                               poly->GetPointArray() + poly->GetPointCount());
}

}  // namespace

class PositionActionTest : public ActionTest {
protected:
    void SetUp() override {
        ActionTest::SetUp();
        BuildScene();
    }
};

TEST_F(PositionActionTest, MovingAShapeBringsBackTheConnectorsOldRouteOnUndo) {
    const std::vector<PointF> route = Route(ab);
    ExpectExactUndo([&] {
        auto action = std::make_unique<CMoveAction>(&view, QarnActionId::Move, ComponentList{b});
        CMoveAction* move = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        move->MoveBy(37.5f, 120.25f);
        move->Finish();
        // The connector followed its shape and was routed anew.
        EXPECT_NE(Route(ab), route);
    });
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Route(ab), route);
    EXPECT_EQ(ab->GetRightConnection()->GetComponent(), b);
}

TEST_F(PositionActionTest, StartingAMoveReadiesEachComponentAndKeepsWhatFollowsOnce) {
    for (CQarnComponent* c : ComponentList{a, m1, m2, group, ab, am, lone}) {
        c->SetEffectCache(std::make_unique<CQarnEffectCache>());
    }
    auto* label = new CQarnLabelProperty(RectF(100, 400, 60, 24));
    m2->AddProperty(label);
    label->SetRectF(RectF(120, 410, 60, 24));
    ASSERT_NE(label->GetLastRect(), label->GetRectF());

    auto action = std::make_unique<CMoveAction>(&view, QarnActionId::Move, ComponentList{a, group});
    CMoveAction* move = action.get();
    ASSERT_TRUE(Record(std::move(action)));
    // Every component taking part, and every connector resting on one, drops its cached
    // effect; the label keeps where the drag starts from; what is not moved keeps its cache.
    for (CQarnComponent* c : ComponentList{a, m1, m2, group, ab, am}) {
        EXPECT_EQ(c->GetEffectCache(), nullptr) << c->GetName().toStdString();
    }
    EXPECT_NE(lone->GetEffectCache(), nullptr);
    EXPECT_EQ(label->GetLastRect(), label->GetRectF());
    // The kept state holds the components first, then each connector resting on them once
    // (am rests on a and on m2).
    const ComponentList kept = move->GetStates().GetComponents();
    ASSERT_EQ(kept.size(), move->GetComponents().size() + 2);
    EXPECT_EQ(kept.mid(0, move->GetComponents().size()), move->GetComponents());
    EXPECT_EQ(kept.mid(move->GetComponents().size()).count(ab), 1);
    EXPECT_EQ(kept.mid(move->GetComponents().size()).count(am), 1);
    move->Finish();
}

TEST_F(PositionActionTest, AMoveTakesOnlyTheComponentsOfLayersStillInTheDocument) {
    CQarnLayer* base = Layer();
    ASSERT_TRUE(Record(std::make_unique<CAddLayerAction>(&view, QarnActionId::AddLayer)));
    CQarnLayer* top = Layer();
    ASSERT_NE(top, base);
    CQarnRect* upper1 = AddRect(RectF(700, 0, 50, 50), Qarn::kShapeRectangle, top);
    CQarnRect* upper2 = AddRect(RectF(800, 0, 50, 50), Qarn::kShapeRectangle, top);
    ASSERT_TRUE(
        Record(std::make_unique<CDeleteLayerAction>(&view, QarnActionId::DeleteLayer, top)));
    // A stale selection: the shapes of the deleted layer still name it as theirs, and they
    // alternate with shapes of a layer still in the document.
    ASSERT_EQ(upper1->GetLayer(), top);
    const ComponentList selection{a, upper1, b, upper2, lone, nullptr, upper1};
    auto action = std::make_unique<CMoveAction>(&view, QarnActionId::Move, selection);
    CMoveAction* move = action.get();
    ASSERT_TRUE(Record(std::move(action)));
    EXPECT_EQ(move->GetTopLevel(), (ComponentList{a, b, lone}));
    move->MoveBy(10, 0);
    move->Finish();
    EXPECT_EQ(upper1->GetRectF().X, 700.0f);
    EXPECT_EQ(lone->GetRectF().X, 510.0f);
}

TEST_F(PositionActionTest, MovingManyComponentsCarriesEachOutlineAlong) {
    // More components than a move looks ahead, some without a built outline.
    ComponentList shapes;
    for (int i = 0; i < 11; ++i) {
        auto* shape = new CQarnRect(RectF(float(i * 20), 600, 10 + float(i), 8));
        shape->SetShapeID(i % 2 == 0 ? Qarn::kShapeRectangle : Qarn::kShapeEllipse);
        shape->UpdateRotateCenter();
        if (i % 3 != 1) {
            shape->ResetPath();
        }
        doc->AddTail(shape);
        shapes.append(shape);
    }
    for (qsizetype count : {qsizetype(1), qsizetype(3), shapes.size()}) {
        const ComponentList moved = shapes.mid(0, count);
        std::vector<RectF> frames;
        std::vector<RectF> outlines;
        for (CQarnComponent* c : moved) {
            frames.push_back(c->GetRectF());
            RectF bounds;
            if (c->GetPath() != nullptr) {
                c->GetPath()->GetBounds(&bounds);
            }
            outlines.push_back(bounds);
        }
        auto action = std::make_unique<CMoveAction>(&view, QarnActionId::Move, moved);
        CMoveAction* move = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        move->MoveBy(3, 2);
        move->Finish();
        for (qsizetype i = 0; i < moved.size(); ++i) {
            CQarnComponent* c = moved[i];
            const RectF& was = frames[size_t(i)];
            EXPECT_EQ(c->GetRectF(), RectF(was.X + 3, was.Y + 2, was.Width, was.Height));
            ASSERT_NE(c->GetPath(), nullptr);
            RectF now;
            c->GetPath()->GetBounds(&now);
            // A built outline moves along; one not built yet is built where the frame is.
            const RectF& outline = outlines[size_t(i)];
            const RectF expected = outline.Width > 0 ? RectF(outline.X + 3, outline.Y + 2,
                                                             outline.Width, outline.Height)
                                                     : c->GetRectF();
            EXPECT_NEAR(now.X, expected.X, 1e-3f) << i;
            EXPECT_NEAR(now.Y, expected.Y, 1e-3f) << i;
            EXPECT_NEAR(now.Width, expected.Width, 1e-3f) << i;
        }
    }
}

TEST_F(PositionActionTest, MovingAGroupMovesItsMembersAndTheirConnectors) {
    ExpectExactUndo([&] {
        auto action =
            std::make_unique<CMoveAction>(&view, QarnActionId::Move, ComponentList{group});
        CMoveAction* move = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        EXPECT_EQ(move->GetComponents().size(), 3);                   // members and group
        EXPECT_TRUE(move->GetStates().GetComponents().contains(am));  // and what follows them
        move->MoveBy(-40, 15);
        move->Finish();
    });
    EXPECT_EQ(m2->GetRectF().X, 60.0f);
    EXPECT_EQ(am->GetRightConnection()->GetComponent(), m2);
}

TEST_F(PositionActionTest, MovingAConnectorAwayFromItsShapesDetachesItUntilUndo) {
    ExpectExactUndo(
        [&] {
            auto action =
                std::make_unique<CMoveAction>(&view, QarnActionId::Move, ComponentList{ab});
            CMoveAction* move = action.get();
            ASSERT_TRUE(Record(std::move(action)));
            move->MoveBy(0, 500);
            move->Finish();
            EXPECT_EQ(ab->GetLeftConnection(), nullptr);
            EXPECT_EQ(ab->GetRightConnection(), nullptr);
        },
        true);
    ASSERT_NE(ab->GetLeftConnection(), nullptr);
    EXPECT_TRUE(a->BeenConnectedBy(ab));
    EXPECT_TRUE(b->BeenConnectedBy(ab));
}

TEST_F(PositionActionTest, SizingRotatingAndFlippingAreTakenBackExactly) {
    ExpectExactUndo([&] {
        auto action =
            std::make_unique<CSizeAction>(&view, QarnActionId::Resize, 5, PointF(400, 120), b);
        CSizeAction* size = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        size->SizeTo(PointF(433.3f, 171.7f));
        size->Finish();
    });
    ExpectExactUndo([&] {
        auto action =
            std::make_unique<CSizeAction>(&view, QarnActionId::Resize, 5, PointF(160, 380), group);
        CSizeAction* size = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        size->SizeTo(PointF(211.1f, 403.9f));
        size->Finish();
    });
    ExpectExactUndo([&] {
        auto action =
            std::make_unique<CRotateAction>(&view, QarnActionId::Rotate, ComponentList{a, group});
        CRotateAction* rotate = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        rotate->RotateBy(33);
        rotate->Finish();
    });
    ExpectExactUndo([&] {
        auto action = std::make_unique<CFlipAction>(&view, QarnActionId::Flip, ComponentList{a, b});
        CFlipAction* flip = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        flip->FlipAll(0x10);
        flip->Finish();
    });
}

TEST_F(PositionActionTest, WhatCannotRotateOrFlipIsLeftOutAndUntouchedByUndo) {
    b->LockRotate(true);
    auto action = std::make_unique<CRotateAction>(&view, QarnActionId::Rotate, ComponentList{a, b});
    CRotateAction* rotate = action.get();
    EXPECT_FALSE(rotate->GetComponents().contains(b));
    ASSERT_TRUE(Record(std::move(action)));
    rotate->RotateBy(90);
    rotate->Finish();
    // A change the rotation did not make stays when it is undone.
    b->SetRotateAngle(45);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(a->GetRotateAngle(), 0.0f);
    EXPECT_EQ(b->GetRotateAngle(), 45.0f);

    lone->LockFlip(true);
    auto flip = std::make_unique<CFlipAction>(&view, QarnActionId::Flip, ComponentList{lone});
    EXPECT_FALSE(Record(std::move(flip)));  // nothing can flip: nothing recorded
}

TEST_F(PositionActionTest, ArrowKeyNudgesMakeOneStepUnlessTheDocumentWasSavedBetween) {
    const QByteArray before = Bytes();
    const auto nudge = [&](float dx) {
        ASSERT_EQ(view.CanAddNewAction(QarnActionId::Nudge), CActionRecorder::Allowed);
        auto action =
            std::make_unique<CMoveAction>(&view, QarnActionId::Nudge, view.GetSelection());
        CMoveAction* move = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        move->MoveBy(dx, 0);  // left pending, unfinished, as the arrow keys leave it
    };
    view.Select(a, false);
    view.Select(lone, true);
    nudge(1);
    nudge(1);
    nudge(1);
    EXPECT_EQ(UndoDepth(), 1);
    EXPECT_EQ(lone->GetRectF().X, 503.0f);
    ASSERT_TRUE(Undo());
    EXPECT_TRUE(SameBytes(before, Bytes()));
    ASSERT_TRUE(Redo());

    // A saved state between two nudges stays reachable.
    gUndoManager->TargetCleaned(doc);
    const QByteArray saved = Bytes();
    nudge(1);
    EXPECT_EQ(UndoDepth(), 2);
    ASSERT_TRUE(Undo());
    EXPECT_TRUE(SameBytes(saved, Bytes()));
    EXPECT_FALSE(doc->IsModified());

    // Nudging other components starts a step of its own.
    ASSERT_TRUE(Redo());
    view.Select(b, false);
    nudge(-2);
    EXPECT_EQ(UndoDepth(), 3);
}

TEST_F(PositionActionTest, ADraggedConnectorEndAttachesAndUndoLetsItGo) {
    CQarnConnector* k = Connect(nullptr, PointF(600, 0), nullptr, PointF(700, 100));
    ExpectExactUndo(
        [&] {
            doc->SetConnectionTarget(lone);
            auto action = std::make_unique<CSizeConnectorAction>(
                &view, QarnActionId::Resize, k->GetHandleCount(), PointF(525, 500), k);
            ASSERT_TRUE(Record(std::move(action)));
            doc->SetConnectionTarget(nullptr);
            EXPECT_NE(k->GetRightConnection(), nullptr);
        },
        true);
    EXPECT_EQ(k->GetRightConnection(), nullptr);
    EXPECT_FALSE(lone->BeenConnectedBy(k));
    ASSERT_TRUE(Redo());
    ASSERT_NE(k->GetRightConnection(), nullptr);
    EXPECT_TRUE(lone->BeenConnectedBy(k));
}

TEST_F(PositionActionTest, RecordedDialogEditsAreExchangedWithTheKeptState) {
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CSizeDlgAction>(&view, QarnActionId::SizeDialog, b)));
        // The dialog's values come after the action is recorded and finished.
        const RectF old = b->GetRectF();
        b->MoveTo(RectF(310, 50, 77, 66), 0);
        b->RotateAt(15, b->GetCenterPointF(), 1);
        b->OnPositionChanged(old, nullptr, 2);
    });
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(
            std::make_unique<CStyleAction>(&view, QarnActionId::Style, ComponentList{a, b})));
        a->SetFill(false);
        b->LockRatio(true);
    });
}

TEST_F(PositionActionTest, StackingOrderStepsAndUndoesAndIsRecordedEvenAtTheEnds) {
    const int at = a->GetIndexInContainer();
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(
            std::make_unique<CMoveOneStepAction>(&view, QarnActionId::MovePosition, true, a)));
    });
    EXPECT_EQ(a->GetIndexInContainer(), at + 1);
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CMoveStepsAction>(&view, QarnActionId::MovePosition,
                                                              true, nullptr, m1)));
    });
    EXPECT_EQ(Layer()->GetTail(), m1);
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CMoveStepsAction>(&view, QarnActionId::MovePosition,
                                                              false, nullptr, lone)));
    });
    EXPECT_EQ(Layer()->GetHead(), lone);

    // Forward on the last component changes nothing but is recorded.
    const QByteArray before = Bytes();
    const long depth = UndoDepth();
    ASSERT_TRUE(Record(std::make_unique<CMoveOneStepAction>(&view, QarnActionId::MovePosition, true,
                                                            Layer()->GetTail())));
    EXPECT_EQ(UndoDepth(), depth + 1);
    EXPECT_TRUE(SameBytes(before, Bytes()));
}

TEST_F(PositionActionTest, ALargeConnectedDiagramMovesWholeOrLeavesItsConnectorsToFollow) {
    // More boxes than a move walks its list for, joined in a chain.
    std::vector<CQarnRect*> boxes;
    ComponentList justBoxes;
    for (int i = 0; i < 40; ++i) {
        const int column = i % 8;
        const int row = i / 8;
        auto* box = new CQarnRect(RectF(float(column) * 60, 500 + float(row) * 60, 20, 20));
        box->SetShapeID(Qarn::kShapeRectangle);
        box->UpdateRotateCenter();
        box->ResetPath();
        doc->AddTail(box);
        boxes.push_back(box);
        justBoxes.append(box);
    }
    std::vector<CQarnConnector*> links;
    ComponentList everything = justBoxes;
    for (size_t i = 0; i + 1 < boxes.size(); ++i) {
        const RectF a = boxes[i]->GetRectF();
        const RectF b = boxes[i + 1]->GetRectF();
        links.push_back(
            Connect(boxes[i], PointF(a.X + 20, a.Y + 10), boxes[i + 1], PointF(b.X, b.Y + 10)));
        everything.append(links.back());
    }
    const auto moveBy = [&](const ComponentList& list, float dx, float dy) {
        auto action = std::make_unique<CMoveAction>(&view, QarnActionId::Move, list);
        CMoveAction* move = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        move->MoveBy(dx, dy);
        move->Finish();
    };

    // Moved whole, every connector moves with its boxes: its route is the old one, shifted.
    std::vector<std::vector<PointF>> routes;
    routes.reserve(links.size());
    for (CQarnConnector* k : links) {
        routes.push_back(Route(k));
    }
    moveBy(everything, 30, 20);
    for (size_t i = 0; i < links.size(); ++i) {
        const std::vector<PointF> now = Route(links[i]);
        ASSERT_EQ(now.size(), routes[i].size()) << i;
        for (size_t p = 0; p < now.size(); ++p) {
            EXPECT_NEAR(now[p].X, routes[i][p].X + 30, 1e-3f) << i;
            EXPECT_NEAR(now[p].Y, routes[i][p].Y + 20, 1e-3f) << i;
        }
        EXPECT_EQ(links[i]->GetLeftConnection()->GetComponent(), boxes[i]);
        EXPECT_EQ(links[i]->GetRightConnection()->GetComponent(), boxes[i + 1]);
    }

    // The boxes alone: the connectors are not in the list, so they follow their boxes.
    moveBy(justBoxes, 0, 90);
    for (size_t i = 0; i < links.size(); ++i) {
        const std::vector<PointF> now = Route(links[i]);
        EXPECT_NEAR(now.front().Y, boxes[i]->GetRectF().Y + 10, 1e-3f) << i;
        EXPECT_NEAR(now.back().Y, boxes[i + 1]->GetRectF().Y + 10, 1e-3f) << i;
        EXPECT_EQ(links[i]->GetLeftConnection()->GetComponent(), boxes[i]);
    }
}
