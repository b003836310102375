// The undo core: actions made in views that close, compound steps, merged steps, and
// components owned by the action that took them out.
#include <gtest/gtest.h>

#include <memory>

#include "core/doc.h"
#include "core/layer.h"
#include "core/library_init.h"
#include "shapes/rect.h"
#include "undo/compound_action.h"
#include "undo/counting_action.h"
#include "undo/test_view.h"
#include "undo/undo_macro_guard.h"
#include "undo/undo_manager.h"

namespace {

// Takes a component out of the document and owns it while it is out.
class TakeOutAction : public CQarnAction {
public:
    TakeOutAction(CQarnEditView* view, CQarnComponent* component)
        : CQarnAction(view, 8051, true), m_pComponent(component) {}

protected:
    void OnDo() override {
        m_pLayer = m_pComponent->GetLayer();
        m_Held = GetTarget()->TakeOut(m_pComponent);
    }
    void OnUndo() override { GetTarget()->PutBack(std::move(m_Held), m_pLayer, nullptr); }
    void OnRedo() override { m_Held = GetTarget()->TakeOut(m_pComponent); }

private:
    CQarnComponent* m_pComponent;
    CQarnLayer* m_pLayer = nullptr;
    std::unique_ptr<CQarnComponent> m_Held;
};

// Moves a component by a step; consecutive steps on the same component make one undo step.
class NudgeAction : public CQarnAction {
public:
    NudgeAction(CQarnEditView* view, CQarnComponent* component, float dx)
        : CQarnAction(view, 8058, true), m_pComponent(component), m_fDx(dx) {}
    bool CanAbort() const override { return true; }
    bool AbsorbPrevious(CQarnAction& older) override {
        auto* nudge = dynamic_cast<NudgeAction*>(&older);
        if (nudge == nullptr || nudge->m_pComponent != m_pComponent) {
            return false;
        }
        m_fDx += nudge->m_fDx;
        return true;
    }

protected:
    void OnDo() override { Shift(m_fDx); }
    void OnUndo() override { Shift(-m_fDx); }
    void OnRedo() override { Shift(m_fDx); }

private:
    void Shift(float dx) {
        RectF r = m_pComponent->GetRectF();
        r.X += dx;
        m_pComponent->MoveTo(r, MoveFlags::Invalidate);
    }
    CQarnComponent* m_pComponent;
    float m_fDx;
};

struct Counted : CQarnRect {
    Counted(int* freed, float x) : CQarnRect(RectF(x, 0, 10, 10)), freed(freed) {}
    ~Counted() override { ++*freed; }
    int* freed;
};

class UndoCoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        QarnDllInitialize();
        doc = std::make_unique<CQarnDoc>();
        ASSERT_TRUE(doc->OnNewDocument());
        view = std::make_unique<TestView>();
        doc->AddView(view.get());
    }
    void TearDown() override {
        view.reset();
        doc.reset();
    }
    Counted* Add(float x) {
        auto* c = new Counted(&freed, x);
        doc->AddTail(c);
        return c;
    }
    long Depth() const { return gUndoManager->GetStackSize(doc.get(), CUndoManager::UndoStack); }

    std::unique_ptr<CQarnDoc> doc;
    std::unique_ptr<TestView> view;
    int freed = 0;
    ActionLog log;
};

}  // namespace

TEST_F(UndoCoreTest, ClosingTheViewAnActionWasMadeInLeavesItUndoable) {
    auto second = std::make_unique<TestView>();
    doc->AddView(second.get());
    Counted* c = Add(0);
    auto* action = new NudgeAction(second.get(), c, 5);
    action->Do();
    action->Finish();
    EXPECT_EQ(action->GetView(), second.get());
    EXPECT_EQ(action->GetTarget(), doc.get());
    second.reset();  // the window of that view is closed
    EXPECT_EQ(action->GetView(), nullptr);
    ASSERT_TRUE(gUndoManager->CanUndo(doc.get(), 1));
    gUndoManager->Undo(doc.get(), 1);
    EXPECT_FLOAT_EQ(c->GetRectF().X, 0);
    gUndoManager->Redo(doc.get(), 1);
    EXPECT_FLOAT_EQ(c->GetRectF().X, 5);
    EXPECT_EQ(view->selectionRefreshes, 0);  // the other view was never asked
}

TEST_F(UndoCoreTest, ATakenOutComponentIsFreedOnceWhicheverGoesFirst) {
    // The history drops the action while the component is out: the action frees it.
    Counted* c = Add(0);
    (new TakeOutAction(view.get(), c))->Do();
    EXPECT_FALSE(doc->Contains(c));
    gUndoManager->ClearTarget(doc.get());
    EXPECT_EQ(freed, 1);

    // Undone (back in the document), then the redo stack is dropped: the document keeps it.
    c = Add(0);
    (new TakeOutAction(view.get(), c))->Do();
    gUndoManager->Undo(doc.get(), 1);
    EXPECT_TRUE(doc->Contains(c));
    (new CountingAction(log, view.get(), true))->Do();  // a new step drops the redo stack
    EXPECT_EQ(freed, 1);
    EXPECT_TRUE(doc->Contains(c));

    // The document goes while an action holds a component out: freed exactly once.
    Add(0);
    Counted* out = Add(20);
    (new TakeOutAction(view.get(), out))->Do();
    doc.reset();
    EXPECT_EQ(freed, 4);
}

TEST_F(UndoCoreTest, AGuardMakesEverythingRecordedMeanwhileOneStep) {
    Counted* a = Add(0);
    Counted* b = Add(50);
    (new CountingAction(log, view.get(), true))->Do();
    gUndoManager->Undo(doc.get(), 1);  // something to redo, which the step will drop
    {
        CUndoMacroGuard guard(view.get(), 9001);
        (new NudgeAction(view.get(), a, 3))->Do();
        {
            CUndoMacroGuard inner(doc.get(), 9002);  // nested: still the one step
            (new NudgeAction(view.get(), b, 4))->Do();
            EXPECT_FALSE(gUndoManager->CanUndo(doc.get(), 1));  // no undo while it is open
        }
        EXPECT_EQ(Depth(), 0);
        EXPECT_EQ(gUndoManager->GetStackSize(doc.get(), CUndoManager::RedoStack), 1);
    }
    ASSERT_EQ(Depth(), 1);
    EXPECT_FALSE(gUndoManager->CanRedo(doc.get(), 1));
    auto* step = dynamic_cast<CCompoundAction*>(gUndoManager->PeekLastAction(doc.get()));
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->GetID(), 9001u);
    EXPECT_EQ(step->GetPartCount(), 2);
    EXPECT_TRUE(step->GetPart(0)->IsFinished());
    EXPECT_TRUE(doc->IsModified());

    gUndoManager->Undo(doc.get(), 1);
    EXPECT_FLOAT_EQ(a->GetRectF().X, 0);
    EXPECT_FLOAT_EQ(b->GetRectF().X, 50);
    gUndoManager->Redo(doc.get(), 1);
    EXPECT_FLOAT_EQ(a->GetRectF().X, 3);
    EXPECT_FLOAT_EQ(b->GetRectF().X, 54);

    // A guard under which nothing was recorded leaves no step.
    { CUndoMacroGuard empty(view.get(), 9003); }
    EXPECT_EQ(Depth(), 1);
}

TEST_F(UndoCoreTest, ConsecutiveNudgesOfTheSameComponentMergeIntoOneStep) {
    Counted* a = Add(0);
    Counted* b = Add(50);
    for (int i = 0; i < 5; ++i) {
        auto* nudge = new NudgeAction(view.get(), a, 1);
        nudge->Do();
        EXPECT_EQ(gUndoManager->PeekLastAction(doc.get()), nudge);  // the newer one stays
    }
    EXPECT_EQ(Depth(), 1);
    (new NudgeAction(view.get(), b, 1))->Do();  // another component: a step of its own
    EXPECT_EQ(Depth(), 2);
    gUndoManager->Undo(doc.get(), 2);
    EXPECT_FLOAT_EQ(a->GetRectF().X, 0);
    EXPECT_FLOAT_EQ(b->GetRectF().X, 50);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(UndoCoreTest, NudgesOnEitherSideOfASaveStayTwoSteps) {
    Counted* a = Add(0);
    (new NudgeAction(view.get(), a, 1))->Do();
    gUndoManager->TargetCleaned(doc.get());  // saved after the first nudge
    (new NudgeAction(view.get(), a, 1))->Do();
    EXPECT_EQ(Depth(), 2);
    EXPECT_TRUE(doc->IsModified());
    // One undo leads back to the saved state.
    gUndoManager->Undo(doc.get(), 1);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(UndoCoreTest, AnActionForADocumentWithoutHistoryStaysWithItsMaker) {
    CQarnDoc loose;  // never opened or made new: not registered
    CountingAction action(log, nullptr, true);
    action.Do();
    EXPECT_FALSE(action.WasRecorded());
    auto* recorded = new CountingAction(log, view.get(), true);
    recorded->Do();
    EXPECT_TRUE(recorded->WasRecorded());
    EXPECT_FALSE(gUndoManager->SetLastAction(&loose, nullptr));
}
