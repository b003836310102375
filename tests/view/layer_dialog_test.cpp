// The layer dialog and its list: the layers of the page top first, the messages to the owner
// for adding, deleting and moving, the edits handed to the layer editor, and following the
// document.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "controls/layer_dialog.h"
#include "controls/layer_editor.h"
#include "controls/list_ctrl_ex.h"
#include "controls_fixtures.h"
#include "core/canvas.h"
#include "core/layer.h"
#include "core/notification_messages.h"
#include "support/message_recorder.h"

namespace {

// Records the editor's calls and carries them out on the model as the actions would.
struct EditorRecorder : CQarnLayerEditor {
    CQarnDoc* doc = nullptr;
    QStringList calls;
    void RenameLayer(CQarnLayer* layer, const QString& name) override {
        calls.append(QStringLiteral("rename %1").arg(name));
        layer->SetName(name);
    }
    void ToggleLayerFlags(CQarnLayer* layer, BYTE mask) override {
        calls.append(QStringLiteral("toggle %1").arg(mask));
        layer->SetPropW(BYTE(layer->GetPropW() ^ mask));
    }
    void SelectLayer(CQarnLayer* layer) override {
        calls.append(QStringLiteral("select %1").arg(layer->GetName()));
        layer->GetCanvas()->SetCurrentLayer(layer);
        doc->NotifyPageChanged(layer->GetCanvas(), Qarn::PageChange::Layers);
    }
};

class LayerDialogTest : public ::testing::Test {
protected:
    LayerDialogTest() {
        page = drawing.doc.GetCurrentCanvas();
        bottom = page->GetLayers().front();
        bottom->SetName(QStringLiteral("Base"));
        top = page->AddNewLayer();
        top->SetName(QStringLiteral("Notes"));
        top->SetLocked(true);
        page->SetCurrentLayer(bottom);
        editor.doc = &drawing.doc;
    }

    SampleDrawing drawing;
    CQarnCanvas* page = nullptr;
    CQarnLayer* bottom = nullptr;
    CQarnLayer* top = nullptr;
    MessageRecorder owner;
    EditorRecorder editor;
};

}  // namespace

TEST_F(LayerDialogTest, TheListShowsTheTopLayerFirstWithItsFlags) {
    CLayerDialog dialog(&drawing.doc, &owner, &editor);
    CListCtrlEx* list = dialog.GetList();
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->item(0, CListCtrlEx::NameColumn)->text(), QStringLiteral("Notes"));
    EXPECT_EQ(list->GetLayerAt(1), bottom);
    EXPECT_EQ(list->item(0, CListCtrlEx::LockedColumn)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(1, CListCtrlEx::LockedColumn)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list->item(1, CListCtrlEx::VisibleColumn)->checkState(), Qt::Checked);
    EXPECT_TRUE(list->item(1, CListCtrlEx::NameColumn)->font().bold()) << "the current layer";
    EXPECT_FALSE(list->item(0, CListCtrlEx::NameColumn)->font().bold());
    EXPECT_EQ(list->GetSelectedLayer(), bottom) << "the current layer is chosen at first";
}

TEST_F(LayerDialogTest, ButtonsSendTheLayerMessagesWithTheChosenLayer) {
    CLayerDialog dialog(&drawing.doc, &owner, &editor);
    dialog.GetList()->SelectLayer(bottom);
    EXPECT_FALSE(dialog.GetDownButton()->isEnabled()) << "the bottom layer cannot go down";
    EXPECT_TRUE(dialog.GetUpButton()->isEnabled());
    dialog.GetUpButton()->click();
    dialog.GetAddButton()->click();
    dialog.GetList()->SelectLayer(top);
    EXPECT_FALSE(dialog.GetUpButton()->isEnabled());
    dialog.GetDownButton()->click();
    dialog.GetDeleteButton()->click();

    ASSERT_EQ(owner.messages.size(), 4);
    EXPECT_EQ(owner.messages[0].message, QARN_WM_MOVE_LAYER);
    EXPECT_EQ(owner.messages[0].wParam, reinterpret_cast<WPARAM>(bottom));
    EXPECT_EQ(owner.messages[0].lParam, 0) << "up";
    EXPECT_EQ(owner.messages[1].message, QARN_WM_ADD_LAYER);
    EXPECT_EQ(owner.messages[1].wParam, reinterpret_cast<WPARAM>(bottom));
    EXPECT_EQ(owner.messages[2].message, QARN_WM_MOVE_LAYER);
    EXPECT_EQ(owner.messages[2].lParam, 1) << "down";
    EXPECT_EQ(owner.messages[3].message, QARN_WM_DEL_LAYER);
    EXPECT_EQ(owner.messages[3].wParam, reinterpret_cast<WPARAM>(top));
}

TEST_F(LayerDialogTest, AOnlyLayerCannotBeDeleted) {
    CQarnDoc doc;
    doc.OnNewDocument();
    CLayerDialog dialog(&doc, &owner, &editor);
    EXPECT_EQ(dialog.GetList()->rowCount(), 1);
    EXPECT_FALSE(dialog.GetDeleteButton()->isEnabled());
    EXPECT_FALSE(dialog.GetUpButton()->isEnabled());
    EXPECT_FALSE(dialog.GetDownButton()->isEnabled());
    EXPECT_TRUE(dialog.GetAddButton()->isEnabled());
}

TEST_F(LayerDialogTest, FlagsToggleWithSpaceAndNamesChangeInPlace) {
    CLayerDialog dialog(&drawing.doc, &owner, &editor);
    dialog.show();
    CListCtrlEx* list = dialog.GetList();
    list->setFocus();
    list->setCurrentCell(0, CListCtrlEx::VisibleColumn);
    QTest::keyClick(list, Qt::Key_Space);
    ASSERT_EQ(editor.calls.value(0), QStringLiteral("toggle %1").arg(int(CQarnLayer::Visible)));
    EXPECT_FALSE(top->IsVisible());
    EXPECT_EQ(list->item(0, CListCtrlEx::VisibleColumn)->checkState(), Qt::Unchecked);

    list->setCurrentCell(1, CListCtrlEx::NameColumn);
    QTest::keyClick(list, Qt::Key_F2);
    // The name is edited in a line edit over the cell.
    auto* editorWidget = list->findChild<QLineEdit*>();
    ASSERT_NE(editorWidget, nullptr);
    QTest::keyClick(editorWidget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editorWidget, QStringLiteral("Ground"));
    QTest::keyClick(editorWidget, Qt::Key_Return);
    // The list takes the edit once the event loop runs.
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.calls.value(1), QStringLiteral("rename Ground"));
    EXPECT_EQ(bottom->GetName(), QStringLiteral("Ground"));
}

TEST_F(LayerDialogTest, TheListFollowsTheDocument) {
    CLayerDialog dialog(&drawing.doc, &owner, &editor);
    dialog.GetList()->SelectLayer(top);
    dialog.GetCurrentButton()->click();
    EXPECT_EQ(editor.calls.value(0), QStringLiteral("select Notes"));
    EXPECT_TRUE(dialog.GetList()->item(0, CListCtrlEx::NameColumn)->font().bold());

    CQarnLayer* extra = page->AddNewLayer();
    extra->SetName(QStringLiteral("Extra"));
    drawing.doc.NotifyPageChanged(page, Qarn::PageChange::Layers);
    ASSERT_EQ(dialog.GetList()->rowCount(), 3);
    EXPECT_EQ(dialog.GetList()->item(0, CListCtrlEx::NameColumn)->text(), QStringLiteral("Extra"));
    EXPECT_EQ(dialog.GetList()->GetSelectedLayer(), top) << "the chosen layer stays chosen";
}

TEST_F(LayerDialogTest, ADocumentThatGoesLeavesAnEmptyList) {
    auto* doc = new CQarnDoc();
    doc->OnNewDocument();
    CLayerDialog dialog(doc, &owner, &editor);
    EXPECT_EQ(dialog.GetList()->rowCount(), 1);
    delete doc;
    EXPECT_EQ(dialog.GetList()->rowCount(), 0);
    EXPECT_FALSE(dialog.GetAddButton()->isEnabled());
    dialog.GetAddButton()->click();
    EXPECT_TRUE(owner.messages.isEmpty());
}
