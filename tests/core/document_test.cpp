#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/canvas.h"
#include "core/component.h"
#include "core/default_page_size.h"
#include "core/doc.h"
#include "core/doc_listener.h"
#include "core/layer.h"
#include "core/notification_messages.h"
#include "platform/view.h"
#include "platform/window_messages.h"
#include "support/message_recorder.h"

namespace {

// A view that records what reaches its window and what the document tells it.
class RecordingView : public CView, public CQarnDocListener {
public:
    MessageRecorder window;
    int updates = 0;
    QList<CQarnComponent*> removed;

    QObject* GetMessageTarget() override { return &window; }
    void OnUpdate(CView*, LPARAM, CObject*) override { ++updates; }
    void OnComponentRemoved(CQarnComponent* c) override { removed.append(c); }
};

class DocumentTest : public ::testing::Test {
protected:
    MessageRecorder mainWindow;
    CQarnDoc doc;

    void SetUp() override {
        AfxSetMainWnd(&mainWindow);
        ASSERT_TRUE(doc.OnNewDocument());
    }
    void TearDown() override { AfxSetMainWnd(nullptr); }
};

}  // namespace

TEST_F(DocumentTest, ANewDocumentHasOnePageWithOneLayerOfTheDefaultSize) {
    ASSERT_EQ(doc.GetCanvasList().size(), 1);
    CQarnCanvas* page = doc.GetCurrentCanvas();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->GetLayers().size(), 1);
    EXPECT_EQ(page->GetCurrentLayer()->GetName(), QStringLiteral("Layer0"));
    EXPECT_EQ(page->GetSize(), doc.GetDefaultSize());
    EXPECT_EQ(page->GetDocument(), &doc);
    EXPECT_EQ(doc.GetMapMode(), 8);
    EXPECT_EQ(doc.GetVersionText(), QStringLiteral("Version 1.0"));
    EXPECT_EQ(doc.GetPaperColor().GetValue(), 0xFFFFFFFFu);
}

TEST(DocumentPageSizeTest, NewPagesTakeTheProgramsPageSize) {
    EXPECT_EQ(CQarnDoc::ComputePrintDefaultSize(), CSize(500, 500));
    {
        CQarnDoc doc;
        EXPECT_EQ(doc.GetDefaultSize(), CSize(500, 500));
        EXPECT_EQ(doc.GetPrintSize(), CSize(500, 500));
    }
    Qarn::SetDefaultPageSizeProvider([] { return CSize(827, 1169); });
    CQarnDoc a4;
    ASSERT_TRUE(a4.OnNewDocument());
    EXPECT_EQ(a4.GetCurrentCanvas()->GetSize(), CSize(827, 1169));
    // A provider without an answer (no printer) leaves the fixed size.
    Qarn::SetDefaultPageSizeProvider([] { return CSize(); });
    EXPECT_EQ(CQarnDoc::ComputePrintDefaultSize(), CSize(500, 500));
    Qarn::SetDefaultPageSizeProvider(nullptr);
}

TEST_F(DocumentTest, AddingNumbersNewComponentsAndKeepsGivenIds) {
    auto* first = new CQarnComponent();
    auto* second = new CQarnComponent();
    auto* numbered = new CQarnComponent();
    numbered->SetID(40);
    doc.AddTail(first);
    doc.AddHead(second);
    doc.AddTail(numbered);
    EXPECT_EQ(first->GetID(), 0u);
    EXPECT_EQ(second->GetID(), 1u);
    EXPECT_EQ(numbered->GetID(), 40u);
    EXPECT_EQ(doc.GetNextID(), 2u);

    ASSERT_EQ(mainWindow.Count(QRN_ADDED), 3);  // sent, so already here
    EXPECT_EQ(mainWindow.messages[0].wParam, reinterpret_cast<WPARAM>(first));
    EXPECT_EQ(mainWindow.messages[0].lParam, 0);
    CQarnLayer* layer = doc.GetCurrentCanvas()->GetCurrentLayer();
    EXPECT_EQ(layer->GetHead(), second);
    EXPECT_EQ(first->GetLayer(), layer);
}

TEST_F(DocumentTest, AddingBeforeAComponentTellsWhichOne) {
    auto* a = new CQarnComponent();
    auto* b = new CQarnComponent();
    doc.AddTail(a);
    doc.Add(b, a);
    EXPECT_EQ(doc.GetCurrentCanvas()->GetCurrentLayer()->GetHead(), b);
    QList<RecordedMessage> added = mainWindow.Of(QRN_ADDED);
    ASSERT_EQ(added.size(), 2);
    EXPECT_EQ(added[1].wParam, reinterpret_cast<WPARAM>(b));
    EXPECT_EQ(added[1].lParam, 0);
}

TEST_F(DocumentTest, ABusyDocumentNeitherNumbersNorAnnounces) {
    doc.SetBusy(true);
    auto* c = new CQarnComponent();
    doc.AddTail(c);
    EXPECT_EQ(c->GetID(), CQarnComponent::kNoID);
    EXPECT_EQ(mainWindow.Count(QRN_ADDED), 0);
    EXPECT_EQ(doc.GetNextID(), 0u);
    doc.SetBusy(false);
}

TEST_F(DocumentTest, AddingToAChosenLayer) {
    CQarnLayer* upper = doc.GetCurrentCanvas()->AddNewLayer();
    CQarnLayer* lower = doc.GetCurrentCanvas()->GetLayers().first();
    auto* c = new CQarnComponent();
    doc.AddTail(c, lower);
    EXPECT_EQ(c->GetLayer(), lower);
    EXPECT_TRUE(upper->IsEmpty());
}

TEST_F(DocumentTest, RemovingTakesTheComponentOutOfEveryLayerAndView) {
    RecordingView view;
    doc.AddView(&view);
    view.Subscribe(&doc);
    auto* c = new CQarnComponent();
    doc.AddTail(c);
    CQarnLayer* other = doc.GetCurrentCanvas()->AddNewLayer();
    other->GetList().append(c);  // held twice, as after a faulty edit
    EXPECT_TRUE(doc.Remove(c));
    for (CQarnLayer* layer : doc.GetCurrentCanvas()->GetLayers()) {
        EXPECT_EQ(layer->GetObjectPosition(c), 0);
    }
    ASSERT_EQ(mainWindow.Count(QRN_REMOVED), 1);
    EXPECT_EQ(mainWindow.Of(QRN_REMOVED)[0].wParam, reinterpret_cast<WPARAM>(c));
    EXPECT_EQ(view.removed, QList<CQarnComponent*>{c});
    delete c;  // the document does not delete it
    doc.RemoveView(&view);
}

TEST_F(DocumentTest, RemovingPagesRefusesTheLastAndPicksANeighbour) {
    CQarnCanvas* first = doc.GetCurrentCanvas();
    CQarnCanvas* neighbour = reinterpret_cast<CQarnCanvas*>(1);
    EXPECT_FALSE(doc.RemoveCanvas(first, neighbour));
    EXPECT_EQ(doc.GetCanvasList().size(), 1);

    CQarnCanvas* second = doc.AddNewCanvas();
    CQarnCanvas* third = doc.AddNewCanvas();
    EXPECT_TRUE(doc.RemoveCanvas(second, neighbour));
    EXPECT_EQ(neighbour, first);
    EXPECT_EQ(doc.GetCurrentCanvas(), first);
    delete second;

    EXPECT_TRUE(doc.RemoveCanvas(first, neighbour));
    EXPECT_EQ(neighbour, nullptr);
    EXPECT_EQ(doc.GetCurrentCanvas(), third);
    EXPECT_EQ(doc.GetCanvasList(), CanvasList{third});
    delete first;
}

TEST_F(DocumentTest, InsertingAPageAfterAStrangerPutsItFirst) {
    CQarnCanvas stranger;
    auto* page = new CQarnCanvas();
    doc.AddCanvas(&stranger, page);
    EXPECT_EQ(doc.GetCanvasIndex(page), 0);
    EXPECT_EQ(page->GetDocument(), &doc);
    EXPECT_EQ(doc.GetCanvasIndex(&stranger), -1);
}

TEST_F(DocumentTest, PageChangesArePostedToViewsAndMainWindow) {
    RecordingView view;
    doc.AddView(&view);
    CQarnCanvas* first = doc.GetCurrentCanvas();
    CQarnCanvas* second = doc.AddNewCanvas();
    second->SetSize(800, 600);
    doc.GoToCanvas(first);
    doc.OnNextCanvas();
    QCoreApplication::sendPostedEvents();

    QList<RecordedMessage> sizes = view.window.Of(QRN_PAGESIZECHANGE);
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_EQ(sizes[1].wParam, 800u);
    EXPECT_EQ(sizes[1].lParam, 600);
    QList<RecordedMessage> pages = mainWindow.Of(QRN_PAGECHANGE);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[1].wParam, 2u);  // 1-based page number
    EXPECT_EQ(pages[1].lParam, 2);   // number of pages
    EXPECT_EQ(view.updates, 2);
    doc.RemoveView(&view);
}

TEST_F(DocumentTest, NavigatingPastEitherEndChangesNothing) {
    RecordingView view;
    doc.AddView(&view);
    EXPECT_FALSE(doc.OnPreviousCanvas());
    EXPECT_FALSE(doc.OnNextCanvas());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(mainWindow.Count(QRN_PAGECHANGE), 0);
    EXPECT_EQ(view.updates, 0);
    doc.RemoveView(&view);
}

TEST_F(DocumentTest, TemplatesAreKeptOncePerId) {
    auto* a = new CQarnAutoShapeTempl();
    a->SetTemplateID(7);
    EXPECT_EQ(doc.AddTemplate(a, false), a);
    auto* b = new CQarnAutoShapeTempl();
    b->SetTemplateID(7);
    EXPECT_EQ(doc.AddTemplate(b, false), a);  // b is deleted
    auto* c = new CQarnAutoShapeTempl();
    c->SetTemplateID(7);
    EXPECT_EQ(doc.AddTemplate(c, true), c);  // a is deleted
    EXPECT_EQ(doc.GetTemplates().size(), 1);
    EXPECT_EQ(doc.FindASTemplate(7), c);
    EXPECT_EQ(doc.FindASTemplate(8), nullptr);
}

TEST_F(DocumentTest, TheGridToggleMarksTheDocumentModified) {
    RecordingView view;
    doc.AddView(&view);
    EXPECT_FALSE(doc.IsGridShown());
    doc.OnViewGrid();
    EXPECT_TRUE(doc.IsGridShown());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, 1);
    doc.RemoveView(&view);
}

TEST(DocumentLifeTest, ViewsOutlivingOrDyingBeforeTheDocumentStayConsistent) {
    auto* doc = new CQarnDoc();
    {
        struct Quiet : CView {
            QObject* GetMessageTarget() override { return nullptr; }
            void OnUpdate(CView*, LPARAM, CObject*) override {}
        } early;
        doc->AddView(&early);
        EXPECT_EQ(early.GetDocument(), doc);
    }
    EXPECT_TRUE(doc->GetViews().isEmpty());  // a destroyed view detaches itself
    delete doc;
}
