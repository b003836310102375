// Undoable edits of a page of 100,000 components: moving them all as one action, undoing and
// redoing that, and deleting them all and undoing that. The memory an action keeps is reported
// per component it changed.
#include <benchmark/benchmark.h>

#include <memory>

#include "connectors/connector.h"
#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/library_init.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "undo/action_ids.h"
#include "undo/action_recorder.h"
#include "undo/delete_action.h"
#include "undo/move_action.h"
#include "undo/undo_manager.h"

namespace {

constexpr int kCount = 100000;

// A document with one page of kCount rectangles and ellipses.
std::unique_ptr<CQarnDoc> FilledDocument() {
    QarnDllInitialize();
    auto doc = std::make_unique<CQarnDoc>();
    doc->OnNewDocument();
    for (int i = 0; i < kCount; ++i) {
        const RectF r(float((i * 37) % 4800), float((i * 53) % 4800), 10.0f + float(i % 7), 8.0f);
        auto* shape = new CQarnRect(r);
        shape->SetShapeID(i % 2 == 0 ? Qarn::kShapeRectangle : Qarn::kShapeEllipse);
        shape->UpdateRotateCenter();
        shape->ResetPath();
        doc->AddTail(shape);
    }
    return doc;
}

const ComponentList& AllOf(CQarnDoc& doc) {
    return doc.GetCurrentCanvas()->GetCurrentLayer()->GetList();
}

// Records a move of every component by (dx, dy) (no move at all when both are 0, to measure
// what the action itself costs); the action, owned by the history.
CMoveAction* MoveAll(CQarnDoc& doc, float dx, float dy) {
    auto action = std::make_unique<CMoveAction>(&doc, QarnActionId::Move, AllOf(doc));
    CMoveAction* move = action.get();
    if (Qarn::RecordAction(std::move(action)) == nullptr) {
        return nullptr;
    }
    if (dx != 0.0f || dy != 0.0f) {
        move->MoveBy(dx, dy);
    }
    move->Finish();
    return move;
}

}  // namespace

// What the action adds to a drag of everything: keeping the state before it and recording.
static void BM_RecordMoveOfAll(benchmark::State& state) {
    std::unique_ptr<CQarnDoc> doc = FilledDocument();
    for (auto _ : state) {
        if (MoveAll(*doc, 0.0f, 0.0f) == nullptr) {
            state.SkipWithError("the move was not recorded");
            break;
        }
    }
}
BENCHMARK(BM_RecordMoveOfAll)->Unit(benchmark::kMillisecond);

// The whole drag: recording, then every component moved by the offset (which rebuilds its
// outline) and the action finished.
static void BM_MoveAllAsOneAction(benchmark::State& state) {
    std::unique_ptr<CQarnDoc> doc = FilledDocument();
    CMoveAction* last = nullptr;
    for (auto _ : state) {
        last = MoveAll(*doc, 3.0f, 2.0f);
        if (last == nullptr) {
            state.SkipWithError("the move was not recorded");
            break;
        }
    }
    if (last != nullptr) {
        state.counters["action_bytes_per_component"] =
            double(last->GetStates().GetMemoryUsage()) / kCount;
    }
}
BENCHMARK(BM_MoveAllAsOneAction)->Unit(benchmark::kMillisecond);

static void BM_UndoMoveAll(benchmark::State& state) {
    std::unique_ptr<CQarnDoc> doc = FilledDocument();
    MoveAll(*doc, 3.0f, 2.0f);
    for (auto _ : state) {
        gUndoManager->Undo(doc.get(), 1);
        state.PauseTiming();
        gUndoManager->Redo(doc.get(), 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoMoveAll)->Unit(benchmark::kMillisecond);

static void BM_RedoMoveAll(benchmark::State& state) {
    std::unique_ptr<CQarnDoc> doc = FilledDocument();
    MoveAll(*doc, 3.0f, 2.0f);
    for (auto _ : state) {
        state.PauseTiming();
        gUndoManager->Undo(doc.get(), 1);
        state.ResumeTiming();
        gUndoManager->Redo(doc.get(), 1);
    }
}
BENCHMARK(BM_RedoMoveAll)->Unit(benchmark::kMillisecond);

static void BM_DeleteAllAndUndo(benchmark::State& state) {
    std::unique_ptr<CQarnDoc> doc = FilledDocument();
    double bytes = 0;
    for (auto _ : state) {
        const ComponentList all = AllOf(*doc);
        auto action = std::make_unique<CDeleteAction>(doc.get(), QarnActionId::Delete, all);
        CDeleteAction* deletion = action.get();
        if (Qarn::RecordAction(std::move(action)) == nullptr) {
            state.SkipWithError("the deletion was not recorded");
            break;
        }
        bytes = double(deletion->GetMemoryUsage());
        gUndoManager->Undo(doc.get(), 1);
        // The undone deletion goes, so the next round starts from the same history.
        state.PauseTiming();
        gUndoManager->ClearTarget(doc.get());
        state.ResumeTiming();
    }
    state.counters["action_bytes_per_component"] = bytes / kCount;
}
BENCHMARK(BM_DeleteAllAndUndo)->Unit(benchmark::kMillisecond);

namespace {

// A diagram of `count` boxes in rows, each joined to the next by a connector resting on both.
std::unique_ptr<CQarnDoc> ConnectedDiagram(int count) {
    QarnDllInitialize();
    auto doc = std::make_unique<CQarnDoc>();
    doc->OnNewDocument();
    std::vector<CQarnRect*> boxes;
    for (int i = 0; i < count; ++i) {
        auto* box = new CQarnRect(RectF(float(i % 100) * 40, float(i / 100) * 40, 20, 20));
        box->SetShapeID(Qarn::kShapeRectangle);
        box->UpdateRotateCenter();
        box->ResetPath();
        doc->AddTail(box);
        boxes.push_back(box);
    }
    for (int i = 0; i + 1 < count; ++i) {
        const PointF a(boxes[size_t(i)]->GetRectF().X + 20, boxes[size_t(i)]->GetRectF().Y + 10);
        const PointF b(boxes[size_t(i) + 1]->GetRectF().X, boxes[size_t(i) + 1]->GetRectF().Y + 10);
        auto* k = new CQarnConnector(RectF(a.X, a.Y, 0, 0));
        k->AddPoint(a);
        k->AddPoint(b);
        k->RecalcBounds(0);
        k->ResetHandles();
        doc->AddTail(k);
        for (const bool start : {true, false}) {
            doc->SetConnectionTarget(start ? boxes[size_t(i)] : boxes[size_t(i) + 1]);
            k->MoveHandleTo(start ? 1 : k->GetHandleCount(), start ? a : b, 0);
        }
        doc->SetConnectionTarget(nullptr);
    }
    return doc;
}

}  // namespace

// Moving a whole connected diagram (boxes and the connectors between them) as one action: the
// time grows with the size of the diagram, not with its square.
static void BM_MoveConnectedDiagram(benchmark::State& state) {
    std::unique_ptr<CQarnDoc> doc = ConnectedDiagram(int(state.range(0)));
    for (auto _ : state) {
        if (MoveAll(*doc, 3.0f, 2.0f) == nullptr) {
            state.SkipWithError("the move was not recorded");
            break;
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MoveConnectedDiagram)
    ->Arg(2000)
    ->Arg(8000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
