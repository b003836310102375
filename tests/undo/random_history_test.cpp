// Random edits, undos and redos on a document of several pages and layers with groups,
// connectors and polylines, with a short history so that steps fall off its end. After every
// step the saved bytes must be those the history says: an undo gives back the bytes before
// the edit it undoes, a redo those after it. Seeded, so a failure names the sequence that
// reproduces it.

#include <deque>
#include <random>

#include "core/property_ids.h"
#include "undo/action_fixture.h"
#include "undo/action_ids.h"
#include "undo/add_action.h"
#include "undo/add_canvas_action.h"
#include "undo/add_layer_action.h"
#include "undo/add_point_action.h"
#include "undo/arrow_action.h"
#include "undo/canvas_color_action.h"
#include "undo/canvas_size_action.h"
#include "undo/color_action.h"
#include "undo/delete_action.h"
#include "undo/delete_canvas_action.h"
#include "undo/delete_layer_action.h"
#include "undo/edit_action.h"
#include "undo/flip_action.h"
#include "undo/grouping.h"
#include "undo/layer_name_action.h"
#include "undo/layer_prop_change_action.h"
#include "undo/line_size_action.h"
#include "undo/move_action.h"
#include "undo/move_layer_action.h"
#include "undo/move_one_step_action.h"
#include "undo/move_point_action.h"
#include "undo/move_steps_action.h"
#include "undo/native_clip.h"
#include "undo/opacity_action.h"
#include "undo/paste_action.h"
#include "undo/prop_action.h"
#include "undo/remove_point_action.h"
#include "undo/rotate_action.h"
#include "undo/send_to_layer_action.h"
#include "undo/size_action.h"
#include "undo/size_connector_action.h"
#include "undo/style_action.h"
#include "undo/ungroup_action.h"

namespace {

constexpr int kSequences = 300;
constexpr int kStepsPerSequence = 40;
constexpr long kCapacity = 4;

}  // namespace

class RandomHistoryTest : public ActionTest {
protected:
    // Two pages of two layers each, each layer with shapes, a group and connectors.
    void BuildDocument() {
        gUndoManager->RegisterTarget(doc, kCapacity, &CQarnDoc::UndoNotify);
        for (int page = 0; page < 2; ++page) {
            if (page > 0) {
                ASSERT_TRUE(
                    Record(std::make_unique<CAddCanvasAction>(&view, QarnActionId::AddPage)));
            }
            for (int layer = 0; layer < 2; ++layer) {
                if (layer > 0) {
                    ASSERT_TRUE(
                        Record(std::make_unique<CAddLayerAction>(&view, QarnActionId::AddLayer)));
                }
                const float y = 400.0f * float(layer);
                CQarnRect* r1 = AddRect(RectF(0, y, 100, 80));
                CQarnRect* r2 = AddRect(RectF(300, y + 40, 90, 70), Qarn::kShapeEllipse);
                Connect(r1, PointF(100, y + 40), r2, PointF(300, y + 75));
                CQarnRect* g1 = AddRect(RectF(0, y + 200, 60, 60));
                CQarnRect* g2 = AddRect(RectF(100, y + 220, 60, 60), Qarn::kShapeRoundRectangle);
                auto* grouped = new CQarnGroup();
                grouped->AddComponent(g1);
                grouped->AddComponent(g2);
                grouped->RecalcBounds();
                doc->AddTail(grouped);
                Connect(r2, PointF(345, y + 110), g2, PointF(130, y + 220));
                CQarnPoly* poly = AddPolyline({{500, y}, {600, y + 50}, {550, y + 150}});
                Connect(poly, PointF(600, y + 50), r1, PointF(50, y + 80),
                        CQarnConnector::TypeDirect);
            }
        }
        doc->GoToCanvas(doc->GetCanvasList().first());
        gUndoManager->ClearTarget(doc);
    }

    int Random(int n) { return int(rng() % unsigned(n)); }
    float RandomFloat(float low, float high) {
        return low + (high - low) * float(rng() % 10000) / 10000.0f;
    }
    ComponentList PageComponents(bool topLevelOnly) const {
        ComponentList all;
        for (CQarnLayer* layer : doc->GetCurrentCanvas()->GetLayers()) {
            for (CQarnComponent* c : layer->GetList()) {
                if (!topLevelOnly || c->GetParentGroup() == nullptr) {
                    all.append(c);
                }
            }
        }
        return all;
    }
    template <class T>
    QList<T*> Of(const ComponentList& list) const {
        QList<T*> found;
        for (CQarnComponent* c : list) {
            if (auto* t = dynamic_cast<T*>(c)) {
                found.append(t);
            }
        }
        return found;
    }
    CQarnComponent* PickOne(const ComponentList& list) {
        return list.isEmpty() ? nullptr : list[Random(int(list.size()))];
    }
    ComponentList PickSome(const ComponentList& list, int most) {
        ComponentList some;
        const int n = list.isEmpty() ? 0 : 1 + Random(most);
        for (int i = 0; i < n; ++i) {
            CQarnComponent* c = PickOne(list);
            if (!some.contains(c)) {
                some.append(c);
            }
        }
        return some;
    }
    CQarnLayer* PickLayer() {
        LayerList& layers = doc->GetCurrentCanvas()->GetLayers();
        return layers[Random(int(layers.size()))];
    }

    // One random edit, recorded through the view (or refused).
    void Edit() {
        const ComponentList top = PageComponents(true);
        const ComponentList sel = PickSome(top, 3);
        view.Deselect(nullptr);
        for (CQarnComponent* c : sel) {
            view.Select(c, true);
        }
        switch (Random(22)) {
            case 0: {
                auto action = std::make_unique<CMoveAction>(&view, QarnActionId::Move, sel);
                CMoveAction* move = action.get();
                if (Record(std::move(action))) {
                    move->MoveBy(RandomFloat(-80, 80), RandomFloat(-80, 80));
                    move->Finish();
                }
                break;
            }
            case 1: {
                CQarnComponent* c = PickOne(top);
                if (c == nullptr) {
                    break;
                }
                auto action = std::make_unique<CSizeAction>(&view, QarnActionId::Resize,
                                                            1 + Random(8), PointF(), c);
                CSizeAction* size = action.get();
                if (Record(std::move(action))) {
                    size->SizeTo(PointF(RandomFloat(-50, 700), RandomFloat(-50, 900)));
                    size->Finish();
                }
                break;
            }
            case 2: {
                auto action = std::make_unique<CRotateAction>(&view, QarnActionId::Rotate, sel);
                CRotateAction* rotate = action.get();
                if (Record(std::move(action))) {
                    rotate->RotateBy(float(15 * (1 + Random(12))));
                    rotate->Finish();
                }
                break;
            }
            case 3: {
                auto action = std::make_unique<CFlipAction>(&view, QarnActionId::Flip, sel);
                CFlipAction* flip = action.get();
                if (Record(std::move(action))) {
                    flip->FlipAll(Random(2) == 0 ? 0x10 : 0x20);
                    flip->Finish();
                }
                break;
            }
            case 4:
                Record(std::make_unique<CDeleteAction>(&view, QarnActionId::Delete, sel));
                break;
            case 5:
                Record(std::make_unique<CPasteAction>(&view, QarnActionId::Paste,
                                                      CQarnNativeClip::Write(sel)));
                break;
            case 6:
                Qarn::GroupComponents(&view, sel, Random(2) == 0);
                break;
            case 7:
                if (CQarnGroup* g = Of<CQarnGroup>(top).value(0, nullptr)) {
                    Record(std::make_unique<CUngroupAction>(&view, QarnActionId::Ungroup, g));
                }
                break;
            case 8:
                switch (Random(4)) {
                    case 0:
                        Record(std::make_unique<CColorAction>(
                            &view, QarnActionId::LineColor + unsigned(Random(3)), sel, rng()));
                        break;
                    case 1:
                        Record(std::make_unique<COpacityAction>(&view, QarnActionId::FillAlpha, sel,
                                                                BYTE(Random(256))));
                        break;
                    case 2:
                        Record(std::make_unique<CLineSizeAction>(&view, QarnActionId::LineWidth,
                                                                 sel, RandomFloat(0, 12)));
                        break;
                    default:
                        Record(std::make_unique<CArrowAction>(&view, QarnActionId::RightArrow, sel,
                                                              ArrowType(16 + Random(8))));
                        break;
                }
                break;
            case 9: {
                const UINT ids[] = {QarnPropId::X,           QarnPropId::Height,
                                    QarnPropId::RotateAngle, QarnPropId::Name,
                                    QarnPropId::DrawLine,    QarnPropId::ConnectorType,
                                    QarnPropId::PolyStyle};
                const UINT id = ids[Random(7)];
                CVariant value = id == QarnPropId::Name       ? CVariant("n")
                                 : id == QarnPropId::DrawLine ? CVariant(Random(2) == 0)
                                 : id >= QarnPropId::PolyStyle
                                     ? CVariant(std::int32_t(1 + Random(3)))
                                     : CVariant(RandomFloat(1, 300));
                Record(std::make_unique<CPropAction>(&view, id, value, sel));
                break;
            }
            case 10: {
                QList<CQarnPoly*> polys;
                for (CQarnPoly* p : Of<CQarnPoly>(PageComponents(false))) {
                    if (!p->IsKindOf(CQarnConnector::ThisClass())) {
                        polys.append(p);
                    }
                }
                if (polys.isEmpty()) {
                    break;
                }
                CQarnPoly* p = polys[Random(int(polys.size()))];
                const int n = p->GetPointCount();
                const PointF at(RandomFloat(0, 700), RandomFloat(0, 800));
                if (Random(3) == 0) {
                    Record(std::make_unique<CAddPointAction>(&view, QarnActionId::AddPoint, p,
                                                             1 + Random(n + 1), at));
                } else if (Random(2) == 0) {
                    Record(std::make_unique<CRemovePointAction>(&view, QarnActionId::RemovePoint, p,
                                                                1 + Random(n)));
                } else {
                    Record(std::make_unique<CMovePointAction>(&view, QarnActionId::MovePoint, p,
                                                              1 + Random(n), at));
                }
                break;
            }
            case 11:
                if (CQarnComponent* c = PickOne(top)) {
                    if (Random(2) == 0) {
                        Record(std::make_unique<CMoveOneStepAction>(
                            &view, QarnActionId::MovePosition, Random(2) == 0, c));
                    } else {
                        Record(std::make_unique<CMoveStepsAction>(&view, QarnActionId::MovePosition,
                                                                  Random(2) == 0, nullptr, c));
                    }
                }
                break;
            case 12:
                if (Random(2) == 0) {
                    Record(std::make_unique<CAddCanvasAction>(&view, QarnActionId::AddPage));
                } else {
                    Record(std::make_unique<CDeleteCanvasAction>(&view, QarnActionId::DeletePage));
                }
                break;
            case 13:
                switch (Random(5)) {
                    case 0:
                        Record(std::make_unique<CAddLayerAction>(&view, QarnActionId::AddLayer,
                                                                 PickLayer()));
                        break;
                    case 1:
                        Record(std::make_unique<CDeleteLayerAction>(
                            &view, QarnActionId::DeleteLayer, PickLayer()));
                        break;
                    case 2:
                        Record(std::make_unique<CMoveLayerAction>(&view, 8068, PickLayer(),
                                                                  Random(2)));
                        break;
                    case 3:
                        Record(std::make_unique<CLayerNameAction>(
                            &view, 8069, PickLayer(), QStringLiteral("L%1").arg(rng())));
                        break;
                    default:
                        Record(std::make_unique<CLayerPropChangeAction>(
                            &view, QarnActionId::LayerFlags, PickLayer(), BYTE(1 + Random(7))));
                        break;
                }
                break;
            case 14:
                Record(std::make_unique<CSendToLayerAction>(&view, QarnActionId::SendToLayer, sel,
                                                            PickLayer()));
                break;
            case 15:
                Record(std::make_unique<CAddAction>(
                    &view, QarnActionId::AddObject,
                    std::make_unique<CQarnRect>(
                        RectF(RandomFloat(0, 600), RandomFloat(0, 800), 40, 30))));
                break;
            case 16: {
                QList<CQarnConnector*> connectors = Of<CQarnConnector>(PageComponents(false));
                CQarnComponent* on = PickOne(top);
                if (connectors.isEmpty() || on == nullptr) {
                    break;
                }
                CQarnConnector* k = connectors[Random(int(connectors.size()))];
                const int handle = Random(2) == 0 ? 1 : k->GetHandleCount();
                const PointF p = on->GetAnchorCount() > 0
                                     ? on->GetAnchorPoint(1 + Random(on->GetAnchorCount()))
                                     : on->GetCenterPointF();
                doc->SetConnectionTarget(on == k ? nullptr : on);
                auto action = std::make_unique<CSizeConnectorAction>(&view, QarnActionId::Resize,
                                                                     handle, p, k);
                CQarnAction* made = action.get();
                const bool recorded = Record(std::move(action));
                doc->SetConnectionTarget(nullptr);
                if (recorded) {
                    made->Finish();
                }
                break;
            }
            case 17:
                if (Random(2) == 0) {
                    Record(std::make_unique<CCanvasColorAction>(&view, 0, doc->GetCurrentCanvas(),
                                                                Color(rng())));
                } else {
                    Record(std::make_unique<CCanvasSizeAction>(
                        &view, QarnActionId::PageSize, doc->GetCurrentCanvas(),
                        CSize(100 + Random(900), 100 + Random(900))));
                }
                break;
            case 18:
                if (CQarnComponent* c = PickOne(top)) {
                    if (Record(std::make_unique<CEditAction>(&view, QarnActionId::Edit, c))) {
                        c->SetLineColor(Color(rng()));
                        c->SetTipText(QStringLiteral("tip %1").arg(Random(9)));
                        c->SetFill(Random(2) == 0);
                        gUndoManager->SetLastAction(doc, nullptr);
                    }
                }
                break;
            case 19:
                if (Record(std::make_unique<CStyleAction>(&view, QarnActionId::Style, sel))) {
                    for (CQarnComponent* c : sel) {
                        c->SetDrawLine(Random(2) == 0);
                        c->LockRatio(Random(2) == 0);
                    }
                }
                break;
            default: {
                // A nudge of a selection finished at once.
                auto action = std::make_unique<CMoveAction>(&view, QarnActionId::Move, sel);
                CMoveAction* move = action.get();
                if (Record(std::move(action))) {
                    move->MoveBy(float(Random(3) - 1), float(Random(3) - 1));
                    move->Finish();
                }
                break;
            }
        }
        gUndoManager->SetLastAction(doc, nullptr);
    }

    // One step of the sequence, checked against the history's record of states.
    void Step() {
        const int choice = Random(100);
        if (choice < 60) {
            CQarnAction* topBefore = gUndoManager->PeekLastAction(doc);
            const long depthBefore = UndoDepth();
            const long redoBefore = gUndoManager->GetStackSize(doc, 1);
            Edit();
            const bool recorded = gUndoManager->PeekLastAction(doc) != topBefore ||
                                  UndoDepth() != depthBefore ||
                                  gUndoManager->GetStackSize(doc, 1) != redoBefore;
            if (recorded) {
                states.resize(size_t(at + 1));
                states.push_back(Bytes());
                ++at;
                while (long(states.size()) > kCapacity + 1) {
                    states.pop_front();
                    --at;
                }
            }
        } else if (choice < 82) {
            ASSERT_EQ(gUndoManager->CanUndo(doc, 1), at > 0);
            if (Undo()) {
                --at;
            }
        } else {
            ASSERT_EQ(gUndoManager->CanRedo(doc, 1), at + 1 < int(states.size()));
            if (Redo()) {
                ++at;
            }
        }
        ASSERT_TRUE(SameBytes(states[size_t(at)], Bytes()));
    }

    std::mt19937 rng;
    std::deque<QByteArray> states;
    int at = 0;
};

TEST_F(RandomHistoryTest, EveryStateOfARandomHistoryComesBackByteForByte) {
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        SCOPED_TRACE(::testing::Message() << "sequence " << sequence);
        rng.seed(std::mt19937::result_type(20240 + sequence));
        TearDown();
        SetUp();
        BuildDocument();
        states.assign(1, Bytes());
        at = 0;
        for (int step = 0; step < kStepsPerSequence; ++step) {
            SCOPED_TRACE(::testing::Message() << "step " << step);
            Step();
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}
