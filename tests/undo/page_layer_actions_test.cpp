#include <QCoreApplication>

#include "core/notification_messages.h"
#include "platform/window_messages.h"
#include "properties/basic_brush_property.h"
#include "support/message_recorder.h"
#include "undo/action_fixture.h"
#include "undo/action_ids.h"
#include "undo/add_canvas_action.h"
#include "undo/add_layer_action.h"
#include "undo/canvas_color_action.h"
#include "undo/canvas_size_action.h"
#include "undo/delete_canvas_action.h"
#include "undo/delete_layer_action.h"
#include "undo/layer_name_action.h"
#include "undo/layer_prop_change_action.h"
#include "undo/layer_select_action.h"
#include "undo/move_canvas_action.h"
#include "undo/move_layer_action.h"
#include "undo/page_action.h"
#include "undo/send_to_layer_action.h"

class PageLayerActionTest : public ActionTest {
protected:
    void SetUp() override {
        ActionTest::SetUp();
        BuildScene();
        AfxSetMainWnd(&mainWindow);
    }
    void TearDown() override {
        AfxSetMainWnd(nullptr);
        ActionTest::TearDown();
    }
    CQarnCanvas* Page(int i) const { return doc->GetCanvasList()[i]; }
    LayerList& Layers() const { return doc->GetCurrentCanvas()->GetLayers(); }

    MessageRecorder mainWindow;
};

TEST_F(PageLayerActionTest, PagesAreAddedDeletedAndMovedUndoablyAndThePanesHearOfIt) {
    CQarnCanvas* first = doc->GetCurrentCanvas();
    CQarnCanvas* added = nullptr;
    ExpectExactUndo(
        [&] {
            auto action = std::make_unique<CAddCanvasAction>(&view, QarnActionId::AddPage);
            CAddCanvasAction* add = action.get();
            ASSERT_TRUE(Record(std::move(action)));
            added = add->GetCanvas();
            EXPECT_EQ(doc->GetCurrentCanvas(), added);
            EXPECT_EQ(added->GetLayers().size(), 1);
        },
        true);
    EXPECT_EQ(doc->GetCanvasList().size(), 1);
    EXPECT_EQ(doc->GetCurrentCanvas(), first);
    EXPECT_GE(mainWindow.Count(QARN_WM_PAGEINFO_UPDATED), 2);
    ASSERT_TRUE(Redo());
    ASSERT_TRUE(Record(std::make_unique<CAddCanvasAction>(&view, QarnActionId::AddPage)));
    ASSERT_EQ(doc->GetCanvasList().size(), 3);

    // The middle page goes; undo puts it back at its place and shows it.
    doc->GoToCanvas(added);
    ExpectExactUndo(
        [&] {
            ASSERT_TRUE(
                Record(std::make_unique<CDeleteCanvasAction>(&view, QarnActionId::DeletePage)));
            EXPECT_EQ(doc->GetCurrentCanvas(), first);
        },
        true);
    EXPECT_EQ(Page(1), added);
    EXPECT_EQ(doc->GetCurrentCanvas(), added);

    ExpectExactUndo(
        [&] {
            ASSERT_TRUE(Record(std::make_unique<CMoveCanvasAction>(&view, 33224, first, Page(2))));
            EXPECT_EQ(Page(2), first);
        },
        true);
    EXPECT_EQ(Page(0), first);
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CMoveCanvasAction>(&view, 33224, Page(2), nullptr)));
    });
}

TEST_F(PageLayerActionTest, TheOnlyPageOrLayerIsNeverDeletedAndNothingIsRecorded) {
    mainWindow.messages.clear();
    const long depth = UndoDepth();
    EXPECT_FALSE(Record(std::make_unique<CDeleteCanvasAction>(&view, QarnActionId::DeletePage)));
    EXPECT_FALSE(
        Record(std::make_unique<CDeleteLayerAction>(&view, QarnActionId::DeleteLayer, Layer())));
    EXPECT_FALSE(Record(std::make_unique<CMoveLayerAction>(&view, 8068, Layer(), 0)));
    EXPECT_EQ(UndoDepth(), depth);
    EXPECT_EQ(mainWindow.Count(QARN_WM_PAGEINFO_UPDATED), 0);
    EXPECT_EQ(mainWindow.Count(QARN_WM_LAYERINFO_UPDATED), 0);
    EXPECT_EQ(doc->GetCanvasList().size(), 1);
}

TEST_F(PageLayerActionTest, ShowingAPageAndChangingItsPaperAndSize) {
    ASSERT_TRUE(Record(std::make_unique<CAddCanvasAction>(&view, QarnActionId::AddPage)));
    CQarnCanvas* second = doc->GetCurrentCanvas();
    ASSERT_TRUE(Record(std::make_unique<CPageAction>(&view, 0, Page(0))));
    EXPECT_EQ(doc->GetCurrentCanvas(), Page(0));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(doc->GetCurrentCanvas(), second);
    ExpectExactUndo([&] {
        ASSERT_TRUE(
            Record(std::make_unique<CCanvasColorAction>(&view, 0, second, Color(0xFFFFEECCu))));
        EXPECT_EQ(second->GetBackground()->GetColor1().GetValue(), 0xFFFFEECCu);
    });
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CCanvasSizeAction>(&view, QarnActionId::PageSize,
                                                               second, CSize(850, 1100))));
        EXPECT_EQ(second->GetSize(), CSize(850, 1100));
    });
    EXPECT_FALSE(Record(
        std::make_unique<CCanvasSizeAction>(&view, QarnActionId::PageSize, second, CSize(0, 100))));
}

TEST_F(PageLayerActionTest, LayersAreAddedRenamedToggledSelectedAndMoved) {
    CQarnLayer* base = Layer();
    CQarnLayer* added = nullptr;
    ExpectExactUndo([&] {
        auto action = std::make_unique<CAddLayerAction>(&view, QarnActionId::AddLayer);
        CAddLayerAction* add = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        added = add->GetLayer();
        EXPECT_EQ(Layer(), added);
        EXPECT_EQ(added->GetName(), QStringLiteral("Layer1"));
    });
    EXPECT_GE(mainWindow.Count(QARN_WM_LAYERINFO_UPDATED), 1);
    ExpectExactUndo([&] {
        ASSERT_TRUE(
            Record(std::make_unique<CLayerNameAction>(&view, 8069, added, QStringLiteral("Top"))));
    });
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CLayerPropChangeAction>(&view, QarnActionId::LayerFlags,
                                                                    added, BYTE(5))));
        EXPECT_EQ(added->GetPropW(), BYTE(6));
    });
    ASSERT_TRUE(
        Record(std::make_unique<CLayerSelectAction>(&view, QarnActionId::SelectLayer, base)));
    EXPECT_EQ(Layer(), base);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Layer(), added);

    // The last layer cannot go further toward the end, but one place back.
    EXPECT_FALSE(Record(std::make_unique<CMoveLayerAction>(&view, 8068, added, 0)));
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CMoveLayerAction>(&view, 8068, added, 1)));
        EXPECT_EQ(Layers().first(), added);
    });
}

TEST_F(PageLayerActionTest, SendingToAnotherLayerAndBackKeepsEveryStackingPlace) {
    ASSERT_TRUE(Record(std::make_unique<CAddLayerAction>(&view, QarnActionId::AddLayer)));
    CQarnLayer* top = Layer();
    CQarnLayer* base = Layers().first();
    AddRect(RectF(0, 0, 10, 10), Qarn::kShapeRectangle, top);
    const ComponentList order = base->GetList();
    ExpectExactUndo(
        [&] {
            ASSERT_TRUE(Record(std::make_unique<CSendToLayerAction>(
                &view, QarnActionId::SendToLayer, ComponentList{ab, a, group}, top)));
            EXPECT_EQ(top->GetCount(), 1 + 5);
            EXPECT_EQ(m1->GetLayer(), top);
        },
        true);
    EXPECT_EQ(base->GetList(), order);
    EXPECT_EQ(a->GetLayer(), base);
}

TEST_F(PageLayerActionTest, ADeletedLayerTakesItsConnectionsAlongAndBringsThemBack) {
    ASSERT_TRUE(Record(std::make_unique<CAddLayerAction>(&view, QarnActionId::AddLayer)));
    CQarnLayer* top = Layer();
    CQarnRect* upper = AddRect(RectF(700, 0, 50, 50), Qarn::kShapeRectangle, top);
    CQarnConnector* across = Connect(lone, PointF(525, 500), upper, PointF(725, 50));
    ASSERT_EQ(across->GetLayer(), top);
    ASSERT_NE(across->GetLeftConnection(), nullptr);
    view.Select(upper, false);
    gUndoManager->ClearTarget(doc);
    ExpectExactUndo(
        [&] {
            ASSERT_TRUE(Record(
                std::make_unique<CDeleteLayerAction>(&view, QarnActionId::DeleteLayer, top)));
            // The connector went with the layer; its end on the page's other layer let go.
            EXPECT_EQ(across->GetLeftConnection(), nullptr);
            EXPECT_FALSE(lone->BeenConnectedBy(across));
            EXPECT_TRUE(view.GetSelection().isEmpty());
            EXPECT_EQ(Layer(), Layers().first());
        },
        true);
    ASSERT_NE(across->GetLeftConnection(), nullptr);
    EXPECT_TRUE(lone->BeenConnectedBy(across));
    EXPECT_EQ(across->GetRightConnection()->GetComponent(), upper);
    EXPECT_EQ(Layer(), top);
}
