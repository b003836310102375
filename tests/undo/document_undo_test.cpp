#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/canvas.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/library_init.h"
#include "core/notification_messages.h"
#include "platform/compound_file.h"
#include "shapes/rect.h"
#include "support/stored_record.h"
#include "undo/counting_action.h"
#include "undo/test_view.h"
#include "undo/undo_manager.h"

namespace {

class DocumentUndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        QarnDllInitialize();
        ASSERT_NE(gUndoManager, nullptr);
        savedSteps = Qarn::GetConfig()->m_nMaximumUndoStep;
        savedCanUndo = Qarn::CanUndoAferSaving();
        doc = new CQarnDoc();
        view.Show(doc);
    }
    void TearDown() override {
        delete doc;
        Qarn::GetConfig()->m_nMaximumUndoStep = savedSteps;
        Qarn::SetUndoAferSaving(savedCanUndo);
    }

    // Records n actions the way a tool does: made in a view, done, finished.
    void Act(int n) {
        for (int i = 0; i < n; ++i) {
            auto* action = new CountingAction(log, &view, true);
            action->Do();
            action->Finish();
        }
    }
    QString SavePath() const { return dir.filePath(QStringLiteral("drawing.met")); }

    QTemporaryDir dir;
    TestView view;
    CQarnDoc* doc = nullptr;
    ActionLog log;
    int savedSteps = 60;
    bool savedCanUndo = false;
};

TEST_F(DocumentUndoTest, AnActionReportsToTheDocumentOfItsView) {
    ASSERT_TRUE(doc->OnNewDocument());
    auto* action = new CountingAction(log, &view, true);
    EXPECT_EQ(action->GetTarget(), doc);
    EXPECT_EQ(action->GetView(), &view);
    EXPECT_FALSE(action->IsDone());
    action->Do();
    EXPECT_TRUE(action->IsDone());
    EXPECT_EQ(gUndoManager->PeekLastAction(doc), action);
    EXPECT_TRUE(doc->IsModified());

    action->Finish();
    const int refreshes = view.selectionRefreshes;
    gUndoManager->Undo(doc, 1);
    EXPECT_EQ(view.selectionRefreshes, refreshes + 1);
    EXPECT_TRUE(action->IsUndone());
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DocumentUndoTest, AnActionThatDoesNotNotifyStaysWithItsMaker) {
    ASSERT_TRUE(doc->OnNewDocument());
    CountingAction action(log, &view, false);
    action.Do();
    EXPECT_TRUE(action.IsDone());
    EXPECT_EQ(gUndoManager->GetStackSize(doc, 0), 0);
    EXPECT_FALSE(action.CanAbort());
    EXPECT_TRUE(action.IsSuccess());
    EXPECT_TRUE(action.GetName().isEmpty());
}

TEST_F(DocumentUndoTest, TheModifiedFlagFollowsUndoRedoAndSave) {
    Qarn::SetUndoAferSaving(true);
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_FALSE(doc->IsModified());
    Act(3);
    EXPECT_TRUE(doc->IsModified());
    QString error;
    ASSERT_TRUE(doc->OnSaveDocument(SavePath(), &error)) << error.toStdString();
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(gUndoManager->GetStackSize(doc, 0), 3);  // the history survives the save
    gUndoManager->Undo(doc, 1);
    EXPECT_TRUE(doc->IsModified());
    gUndoManager->Redo(doc, 1);
    EXPECT_FALSE(doc->IsModified());
    gUndoManager->Undo(doc, 3);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DocumentUndoTest, SavingClearsTheHistoryWhenUndoAfterSavingIsOff) {
    Qarn::SetUndoAferSaving(false);
    ASSERT_TRUE(doc->OnNewDocument());
    Act(4);
    QString error;
    ASSERT_TRUE(doc->OnSaveDocument(SavePath(), &error)) << error.toStdString();
    EXPECT_EQ(log.destroyed, 4);
    EXPECT_FALSE(gUndoManager->CanUndo(doc, 1));
    Act(1);
    EXPECT_TRUE(doc->IsModified());
    gUndoManager->Undo(doc, 1);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DocumentUndoTest, AFailedSaveLeavesTheDocumentModified) {
    Qarn::SetUndoAferSaving(true);
    ASSERT_TRUE(doc->OnNewDocument());
    Act(2);
    gUndoManager->Undo(doc, 1);
    EXPECT_FALSE(doc->OnSaveDocument(dir.filePath(QStringLiteral("no/such/folder/x.met"))));
    EXPECT_TRUE(doc->IsModified());
    gUndoManager->Undo(doc, 1);
    // Back at the state of the new document, which is the one last saved.
    EXPECT_FALSE(doc->IsModified());
    gUndoManager->Redo(doc, 1);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DocumentUndoTest, AFailedSaveKeepsTheHistoryEvenWhenSavingClearsIt) {
    Qarn::SetUndoAferSaving(false);
    ASSERT_TRUE(doc->OnNewDocument());
    Act(3);
    EXPECT_FALSE(doc->OnSaveDocument(dir.filePath(QStringLiteral("no/such/folder/x.met"))));
    EXPECT_EQ(log.destroyed, 0);
    EXPECT_TRUE(gUndoManager->CanUndo(doc, 3));
    EXPECT_TRUE(doc->IsModified());
    gUndoManager->Undo(doc, 3);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DocumentUndoTest, AFileThatFailsToOpenLeavesTheDocumentAsItWas) {
    Qarn::SetUndoAferSaving(true);
    ASSERT_TRUE(doc->OnNewDocument());
    auto* box = new CQarnRect(RectF(10, 10, 40, 20));
    doc->AddTail(box);
    doc->SetGridSize(8);
    doc->AddNewCanvas();
    ASSERT_TRUE(doc->OnSaveDocument(SavePath()));
    Act(2);
    const QByteArray before = StoredRecord(*doc);

    // A damaged file: the first half of a good document.
    const QString damaged = dir.filePath(QStringLiteral("damaged.met"));
    QString error;
    ASSERT_TRUE(CCompoundFile::WriteContents(damaged, before.left(before.size() / 2), &error));
    for (const QString& path : {damaged, dir.filePath(QStringLiteral("missing.met"))}) {
        EXPECT_FALSE(doc->OnOpenDocument(path, &error)) << path.toStdString();
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_EQ(StoredRecord(*doc), before);
        EXPECT_EQ(doc->GetCanvasList().size(), 2);
        EXPECT_EQ(doc->GetGridSize(), 8);
        EXPECT_EQ(doc->GetPathName(), SavePath());
        EXPECT_EQ(box->GetDocument(), doc);
        EXPECT_TRUE(doc->IsModified());
        EXPECT_EQ(log.destroyed, 0);
        EXPECT_TRUE(gUndoManager->CanUndo(doc, 2));
    }
    gUndoManager->Undo(doc, 2);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DocumentUndoTest, OpeningAFileTakesOverEverythingItHolds) {
    ASSERT_TRUE(doc->OnNewDocument());
    CQarnDoc source;
    ASSERT_TRUE(source.OnNewDocument());
    source.SetGridSize(12);
    source.SetGridColor(0xFF102030u);
    source.AddTail(new CQarnRect(RectF(0, 0, 5, 5)));
    source.AddNewCanvas();
    const QString path = dir.filePath(QStringLiteral("source.met"));
    ASSERT_TRUE(source.OnSaveDocument(path));

    doc->AddTail(new CQarnRect(RectF(1, 1, 2, 2)));
    Act(1);
    QString error;
    ASSERT_TRUE(doc->OnOpenDocument(path, &error)) << error.toStdString();
    EXPECT_EQ(StoredRecord(*doc), StoredRecord(source));
    EXPECT_EQ(doc->GetGridSize(), 12);
    EXPECT_EQ(doc->GetGridColor(), 0xFF102030u);
    ASSERT_EQ(doc->GetCanvasList().size(), 2);
    for (CQarnCanvas* canvas : doc->GetCanvasList()) {
        EXPECT_EQ(canvas->GetDocument(), doc);
    }
    EXPECT_EQ(doc->GetCurrentCanvas(), doc->GetCanvasList().first());
    EXPECT_EQ(log.destroyed, 1);
}

TEST_F(DocumentUndoTest, TheDocumentKeepsTheStoredNumberOfUndoSteps) {
    Qarn::GetConfig()->m_nMaximumUndoStep = 60;
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_EQ(gUndoManager->GetStackCapacity(doc), 60);
    Act(61);
    EXPECT_EQ(gUndoManager->GetStackSize(doc, 0), 60);
    EXPECT_EQ(log.destroyed, 1);
    gUndoManager->Undo(doc, 60);
    EXPECT_TRUE(doc->IsModified());

    Qarn::GetConfig()->m_nMaximumUndoStep = 0;
    EXPECT_EQ(CQarnDoc::UndoCapacity(), 1);
    Qarn::GetConfig()->m_nMaximumUndoStep = 12;
    CQarnDoc other;
    ASSERT_TRUE(other.OnNewDocument());
    EXPECT_EQ(gUndoManager->GetStackCapacity(&other), 12);
}

TEST_F(DocumentUndoTest, OpeningAFileStartsAFreshHistory) {
    Qarn::SetUndoAferSaving(true);
    ASSERT_TRUE(doc->OnNewDocument());
    Act(3);
    QString error;
    ASSERT_TRUE(doc->OnSaveDocument(SavePath(), &error)) << error.toStdString();
    Act(1);
    ASSERT_TRUE(doc->OnOpenDocument(SavePath(), &error)) << error.toStdString();
    EXPECT_EQ(log.destroyed, 4);
    EXPECT_FALSE(gUndoManager->CanUndo(doc, 1));
    EXPECT_FALSE(doc->IsModified());
    Act(1);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DocumentUndoTest, ADestroyedDocumentTakesItsHistoryWithIt) {
    ASSERT_TRUE(doc->OnNewDocument());
    Act(5);
    gUndoManager->Undo(doc, 2);
    delete doc;
    EXPECT_EQ(log.destroyed, 5);
    EXPECT_FALSE(gUndoManager->IsRegistered(doc));
    doc = nullptr;
}

TEST_F(DocumentUndoTest, OnlyDocumentsTakeTheModifiedFlag) {
    TestTarget other;
    UMNotificationData data{gUndoManager, UM_Do, 1, true};
    CQarnDoc::UndoNotify(&other, data);  // must neither crash nor write anything
    CQarnDoc::UndoNotify(doc, data);
    EXPECT_TRUE(doc->IsModified());
    data.modified = false;
    CQarnDoc::UndoNotify(doc, data);
    EXPECT_FALSE(doc->IsModified());
}

}  // namespace
