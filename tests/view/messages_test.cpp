// The registered messages the library sends for the edits that cause them, with their
// parameters, and those the drawing view handles.
#include <QCoreApplication>
#include <cstdint>

#include "core/notification_messages.h"
#include "platform/message_relay.h"
#include "view/command_ids.h"
#include "view/tool_fixtures.h"

TEST_F(ToolViewTest, EditsSendTheirMessagesWithTheirParameters) {
    CQarnRect* box = AddBox(RectF(100, 100, 60, 40));
    ASSERT_EQ(mainWindow.Count(QRN_ADDED), 1);
    EXPECT_EQ(mainWindow.Of(QRN_ADDED)[0].wParam, reinterpret_cast<WPARAM>(box));

    mainWindow.messages.clear();
    Press(At(110, 110));
    ASSERT_EQ(mainWindow.Count(QRN_RULERPOINT), 1);
    EXPECT_EQ(mainWindow.Of(QRN_RULERPOINT)[0].wParam, 110u);
    EXPECT_EQ(mainWindow.Of(QRN_RULERPOINT)[0].lParam, 110);
    MoveTo(At(111, 111));
    EXPECT_GE(mainWindow.Count(QRN_MOUSEMOVE), 1);
    Release(At(111, 111));
    ASSERT_GE(mainWindow.Count(QRN_SELECTIONCHANGE), 1);
    EXPECT_EQ(mainWindow.Of(QRN_SELECTIONCHANGE)[0].wParam,
              WPARAM(static_cast<CQarnEditView*>(view.get())));

    // A property change of the one selected component travels as its number: the message is
    // posted, and the component may be gone by the time it arrives.
    mainWindow.messages.clear();
    view->OnCommand(QarnCmd::LineWidthFirst + 4);
    QCoreApplication::sendPostedEvents();
    ASSERT_GE(mainWindow.Count(QRN_PROPERTYCHANGE), 1);
    EXPECT_EQ(mainWindow.Of(QRN_PROPERTYCHANGE)[0].wParam, WPARAM(box->GetID()));

    mainWindow.messages.clear();
    view->OnCommand(QarnCmd::EditClear);
    ASSERT_EQ(mainWindow.Count(QRN_REMOVED), 1);
    EXPECT_EQ(mainWindow.Of(QRN_REMOVED)[0].wParam, reinterpret_cast<WPARAM>(box));

    // A new page becomes current: its number and the count, and its size to each view.
    mainWindow.messages.clear();
    view->OnCommand(QarnCmd::AddPage);
    QCoreApplication::sendPostedEvents();
    EXPECT_GE(mainWindow.Count(QARN_WM_PAGEINFO_UPDATED), 1);
    doc->GoToCanvas(doc->GetCanvasList().last());
    QCoreApplication::sendPostedEvents();
    ASSERT_GE(mainWindow.Count(QRN_PAGECHANGE), 1);
    EXPECT_EQ(mainWindow.Of(QRN_PAGECHANGE).last().wParam, 2u);
    EXPECT_EQ(mainWindow.Of(QRN_PAGECHANGE).last().lParam, 2);

    // Zooming relays the view.
    mainWindow.messages.clear();
    view->DoZoomIn();
    ASSERT_GE(mainWindow.Count(QARN_WM_CURRENTVIEW_UPDATED), 1);
    EXPECT_EQ(mainWindow.Of(QARN_WM_CURRENTVIEW_UPDATED).last().wParam,
              WPARAM(static_cast<CQarnEditView*>(view.get())));
}

TEST_F(ToolViewTest, TheViewRecordsTheLayerDialogsCommands) {
    CQarnCanvas* page = doc->GetCurrentCanvas();
    CQarnLayer* first = page->GetLayers().first();
    mainWindow.messages.clear();
    EXPECT_EQ(SendMessage(view.get(), QARN_WM_ADD_LAYER, reinterpret_cast<WPARAM>(first), 0), 1);
    ASSERT_EQ(page->GetLayers().size(), 2);
    EXPECT_GE(mainWindow.Count(QARN_WM_LAYERINFO_UPDATED), 1);
    CQarnLayer* added = page->GetLayers()[1];
    EXPECT_EQ(SendMessage(view.get(), QARN_WM_MOVE_LAYER, reinterpret_cast<WPARAM>(added), 1), 1);
    EXPECT_EQ(page->GetLayers().first(), added);
    EXPECT_EQ(SendMessage(view.get(), QARN_WM_DEL_LAYER, reinterpret_cast<WPARAM>(added), 0), 1);
    EXPECT_EQ(page->GetLayers().size(), 1);
    EXPECT_EQ(UndoDepth(), 3);
    view->OnCommand(QarnCmd::EditUndo);
    EXPECT_EQ(page->GetLayers().size(), 2);
}

TEST_F(ToolViewTest, TheFocusMessageHighlightsTheConnectionTarget) {
    CQarnRect* box = AddBox(RectF(100, 100, 60, 40));
    const CQarnFocusRecord record{nullptr, 120, 120};
    EXPECT_EQ(SendMessage(view.get(), QRN_UPDATE_FOCUS, reinterpret_cast<WPARAM>(&record), 0), 1);
    EXPECT_EQ(doc->GetConnectionTarget(), box);
    const CQarnFocusRecord away{nullptr, 400, 400};
    SendMessage(view.get(), QRN_UPDATE_FOCUS, reinterpret_cast<WPARAM>(&away), 0);
    EXPECT_EQ(doc->GetConnectionTarget(), nullptr);
}

TEST(MessageBroadcastTest, ReachesTheMainWindowsDescendantsDeepOnlyWhenAsked) {
    MessageRecorder main;
    auto* child = new MessageRecorder();
    child->setParent(&main);
    auto* grandchild = new MessageRecorder();
    grandchild->setParent(child);
    AfxSetMainWnd(&main);
    const UINT message = RegisterWindowMessage(QStringLiteral("test broadcast"));
    EXPECT_EQ(QarnMessageBroadcast(message, 1, 2, false), 1);
    EXPECT_EQ(child->Count(message), 1);
    EXPECT_EQ(grandchild->Count(message), 0);
    EXPECT_EQ(QarnMessageBroadcast(message, 1, 2, true), 2);
    EXPECT_EQ(grandchild->Count(message), 1);
    EXPECT_EQ(main.Count(message), 0);
    AfxSetMainWnd(nullptr);
}
