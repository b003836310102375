// Each document tells only its own listeners, which may come and go while it tells them.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/doc_listener.h"
#include "core/geometry_fixtures.h"
#include "core/layer.h"

namespace {

// A stand-in for a drawing view: it hears one document and remembers what it heard.
struct ListeningView : CQarnDocListener {
    QList<CQarnComponent*> added;
    QList<CQarnComponent*> removed;
    QList<CQarnComponent*> changed;
    QList<Qarn::PageChange> pages;
    int closings = 0;

    void OnComponentAdded(CQarnComponent* c) override { added.append(c); }
    void OnComponentRemoved(CQarnComponent* c) override { removed.append(c); }
    void OnComponentChanged(CQarnComponent* c, Qarn::ComponentChange, const CRect&) override {
        changed.append(c);
    }
    void OnPageChanged(CQarnCanvas*, Qarn::PageChange change) override { pages.append(change); }
    void OnDocumentClosing() override { ++closings; }
};

std::unique_ptr<TestBox> Box(float x) {
    return std::make_unique<TestBox>(RectF(x, 0, 10, 10));
}

}  // namespace

TEST(DocListenerTest, TwoDocumentsInTwoViewsNeverSeeEachOthersChanges) {
    CQarnDoc first;
    CQarnDoc second;
    ASSERT_TRUE(first.OnNewDocument());
    ASSERT_TRUE(second.OnNewDocument());
    ListeningView firstView, secondView, anotherViewOfFirst;
    firstView.Subscribe(&first);
    anotherViewOfFirst.Subscribe(&first);
    secondView.Subscribe(&second);

    TestBox* a = Box(0).release();
    first.AddTail(a);
    TestBox* b = Box(0).release();
    second.AddTail(b);
    a->MoveTo(RectF(5, 5, 10, 10), MoveFlags::Invalidate);
    second.AddNewCanvas();
    second.GoToCanvas(second.GetCanvasList().first());
    b->RequestOutline();

    EXPECT_EQ(firstView.added, QList<CQarnComponent*>{a});
    EXPECT_EQ(firstView.changed, QList<CQarnComponent*>{a});
    EXPECT_TRUE(firstView.pages.isEmpty());
    EXPECT_EQ(anotherViewOfFirst.changed, firstView.changed);
    EXPECT_EQ(secondView.added, QList<CQarnComponent*>{b});
    EXPECT_EQ(secondView.changed, QList<CQarnComponent*>{b});
    EXPECT_EQ(secondView.pages, QList<Qarn::PageChange>{Qarn::PageChange::Current});

    // A view that moves to the other document hears only that one from then on.
    anotherViewOfFirst.Subscribe(&second);
    a->Invalidate(nullptr, false);
    EXPECT_EQ(anotherViewOfFirst.changed.size(), 1);
    EXPECT_EQ(first.GetListeners().Count(), 2);  // the view and the message adapter
    EXPECT_EQ(second.GetListeners().Count(), 3);
}

TEST(DocListenerTest, AChangeReportsWhereTheComponentWasAndKeepsWhereItIs) {
    RecordedDoc views;
    TestBox* box = views.Place(Box(0));
    const CRect before = box->GetBoundCache();
    EXPECT_EQ(before, box->GetBoundRect(false));
    box->MoveTo(RectF(100, 50, 10, 10), MoveFlags::Invalidate);
    box->MoveTo(RectF(200, 50, 10, 10), MoveFlags::Invalidate);
    ASSERT_EQ(views.link.oldBounds.size(), 2);
    EXPECT_EQ(views.link.oldBounds[0], before);
    EXPECT_EQ(views.link.oldBounds[1], CRect(99, 49, 111, 61));
    EXPECT_EQ(box->GetBoundCache(), CRect(199, 49, 211, 61));
}

TEST(DocListenerTest, ListenersMayLeaveOrArriveWhileAChangeIsDelivered) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    ListeningView late;
    struct Leaver : ListeningView {
        CQarnDocListener* other = nullptr;
        CQarnDoc* joinTo = nullptr;
        CQarnDocListener* joiner = nullptr;
        void OnComponentAdded(CQarnComponent* c) override {
            ListeningView::OnComponentAdded(c);
            Unsubscribe();
            other->Unsubscribe();
            joiner->Subscribe(joinTo);
        }
    };
    Leaver leaver;
    ListeningView second;
    leaver.other = &second;
    leaver.joinTo = &doc;
    leaver.joiner = &late;
    leaver.Subscribe(&doc);
    second.Subscribe(&doc);

    doc.AddTail(Box(0).release());
    EXPECT_EQ(leaver.added.size(), 1);
    EXPECT_TRUE(second.added.isEmpty());  // it left before its turn
    EXPECT_TRUE(late.added.isEmpty());    // it hears from the next change on
    doc.AddTail(Box(20).release());
    EXPECT_EQ(leaver.added.size(), 1);
    EXPECT_EQ(late.added.size(), 1);
    EXPECT_EQ(doc.GetListeners().Count(), 2);
}

TEST(DocListenerTest, WhicheverGoesFirstTheOtherLetsGo) {
    auto view = std::make_unique<ListeningView>();
    {
        CQarnDoc doc;
        view->Subscribe(&doc);
        auto early = std::make_unique<ListeningView>();
        early->Subscribe(&doc);
        early.reset();  // the listener goes first
        EXPECT_EQ(doc.GetListeners().Count(), 2);
    }  // the document goes first
    EXPECT_EQ(view->closings, 1);
    EXPECT_EQ(view->GetSubscribedDocument(), nullptr);
    view.reset();  // and nothing reaches the freed document
}

TEST(DocListenerTest, OpeningAFileTellsTheViewsToStartAfresh) {
    RecordedDoc source;
    source.Place(Box(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.met"));
    ASSERT_TRUE(source.doc.OnSaveDocument(path));

    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    ListeningView view;
    view.Subscribe(&doc);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(view.pages.size(), 1);
    EXPECT_EQ(view.pages[0], Qarn::PageChange::Reloaded);
    EXPECT_EQ(doc.GetListeners().Count(), 2);  // still subscribed to the same document
}

TEST(DocListenerTest, AComponentTakenOutBelongsToWhoeverTookIt) {
    struct Counted : TestBox {
        explicit Counted(int* freed) : TestBox(RectF(0, 0, 5, 5)), freed(freed) {}
        ~Counted() override { ++*freed; }
        int* freed;
    };
    int freed = 0;
    std::unique_ptr<CQarnComponent> held;
    {
        CQarnDoc doc;
        ASSERT_TRUE(doc.OnNewDocument());
        ListeningView view;
        view.Subscribe(&doc);
        auto* c = new Counted(&freed);
        doc.AddTail(c);
        CQarnLayer* layer = c->GetLayer();
        held = doc.TakeOut(c);
        ASSERT_EQ(held.get(), c);
        EXPECT_FALSE(doc.Contains(c));
        EXPECT_EQ(view.removed, QList<CQarnComponent*>{c});
        EXPECT_EQ(doc.TakeOut(c), nullptr);  // not in the document any more
        doc.PutBack(std::move(held), layer, nullptr);
        EXPECT_TRUE(doc.Contains(c));
        EXPECT_EQ(view.added.size(), 2);
        EXPECT_EQ(c->GetID(), 0u);  // keeps its number when it comes back
        held = doc.TakeOut(c);
        doc.AddTail(new Counted(&freed));
    }  // the document frees what it holds, not what was taken out
    EXPECT_EQ(freed, 1);
    held.reset();
    EXPECT_EQ(freed, 2);
}
