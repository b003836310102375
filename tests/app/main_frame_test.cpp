// The application as a person meets it: start-up, the menus, and the round of open, select,
// move, undo, save as, close and open again; the unsaved-changes question; a damaged file.
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QToolBar>
#include <QUrl>

#include "app_fixture.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/default_properties.h"
#include "platform/window_messages.h"
#include "undo/undo_manager.h"
#include "view/command_ids.h"
#include "view/ruler_bar.h"
#include "view/ruler_frame.h"
#include "view/tool.h"

namespace {

using namespace QarnCmd;

// Every command of the menus, sub-menus included, by id.
QHash<unsigned int, QAction*> MenuCommands(const QList<QMenu*>& menus) {
    QHash<unsigned int, QAction*> found;
    QList<QMenu*> todo = menus;
    while (!todo.isEmpty()) {
        QMenu* menu = todo.takeFirst();
        for (QAction* action : menu->actions()) {
            if (action->menu() != nullptr) {
                todo.append(action->menu());
            }
            const QString name = action->objectName();
            if (name.startsWith(QLatin1String("command-"))) {
                found.insert(name.mid(8).toUInt(), action);
            }
        }
    }
    return found;
}

}  // namespace

TEST_F(AppTest, StartsInOrderWithTheConfigurationDefaultsAndToolsBeforeTheFirstDrawing) {
    {
        QSettings settings(dir.filePath(QStringLiteral("inkvane.ini")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Config/Magnifier Ratio"), 7);
    }
    Start(SampleCopy());
    EXPECT_EQ(app->GetStartupSteps(),
              QStringList({QStringLiteral("settings root"), QStringLiteral("library"),
                           QStringLiteral("configuration"), QStringLiteral("undo manager"),
                           QStringLiteral("default properties"), QStringLiteral("tools"),
                           QStringLiteral("main frame"), QStringLiteral("command line")}));
    // The configuration came from the settings, the defaults and the tools are there.
    EXPECT_EQ(Qarn::GetConfig()->m_nMagnifierRatio, 7);
    EXPECT_EQ(Qarn::GetDefaultPropertyList().size(), 4);
    EXPECT_NE(Qarn::FindTool(CQarnTool::kSelectTool), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), frame);
    // The file named on the command line is the one drawing, shown in its window.
    ASSERT_EQ(frame->GetDocuments().size(), 1);
    EXPECT_EQ(Doc()->GetDisplayName(), QStringLiteral("sample.met"));
    EXPECT_FALSE(Doc()->GetCurrentCanvas()->GetLayers().first()->IsEmpty());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("sample.met[*] - Inkvane"));
    Qarn::GetConfig()->m_nMagnifierRatio = 4;
}

TEST_F(AppTest, WithoutAFileANewUntitledDrawingOpens) {
    Start();
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->GetDisplayName(), QStringLiteral("Qarn1"));
    EXPECT_NE(frame->NewDocument(), nullptr);
    Settle();
    EXPECT_EQ(Doc()->GetDisplayName(), QStringLiteral("Qarn2"));
    EXPECT_EQ(frame->GetMdiArea()->subWindowList().size(), 2);
}

TEST_F(AppTest, EveryMenuCommandIsThereWithItsTextAndShortcut) {
    Start();
    const QHash<unsigned int, QAction*> menus = MenuCommands(frame->GetDocumentMenus());
    const QList<unsigned int> required = {FileNew,
                                          FileOpen,
                                          FileClose,
                                          FileSave,
                                          FileSaveAs,
                                          FileExport,
                                          FilePrint,
                                          FilePrintPreview,
                                          FilePrintSetup,
                                          AppExit,
                                          EditUndo,
                                          EditRedo,
                                          EditCut,
                                          EditCopy,
                                          EditCopySpecial,
                                          EditPaste,
                                          EditClear,
                                          EditSelectAll,
                                          Preference,
                                          GridColorStyle,
                                          ShowGrid,
                                          SnapToGrid,
                                          CanvasColor,
                                          StatusBar,
                                          Toolbars,
                                          Zoom,
                                          QualityLow,
                                          QualityMedium,
                                          QualityHigh,
                                          ShapeRectangle,
                                          ShapeEllipse,
                                          ShapeRoundRectangle,
                                          ToolScribble,
                                          ToolLine,
                                          ToolArrow,
                                          ToolPolygon,
                                          ToolCurve,
                                          ToolClosedCurve,
                                          ToolText,
                                          InsertPicture,
                                          Group,
                                          Ungroup,
                                          FlipHorizontal,
                                          FlipVertical,
                                          Rotate90Clockwise,
                                          Rotate90Anticlockwise,
                                          Rotate45Clockwise,
                                          Rotate45Anticlockwise,
                                          RotateAngle,
                                          BringToFront,
                                          BringToBack,
                                          BringForward,
                                          BringBackward,
                                          OrderBySelection,
                                          EditPoint,
                                          DeletePoint,
                                          CloseOpenFigure,
                                          PolyStyle,
                                          SimplifyPoly,
                                          PolyData,
                                          ConnectToEdge,
                                          SetShapeDefault,
                                          AlignLeft,
                                          AlignRight,
                                          AlignTop,
                                          AlignBottom,
                                          SpaceAcross,
                                          SpaceDown,
                                          SameWidth,
                                          SameHeight,
                                          SameSize,
                                          FitToContent,
                                          WindowNew,
                                          WindowCascade,
                                          WindowTile,
                                          WindowArrange,
                                          HelpTopics,
                                          HelpAbout,
                                          BarMain,
                                          BarBasicDraw,
                                          BarRotateFlip,
                                          BarLayout,
                                          BarRuler,
                                          BarPolyTool,
                                          PaneVisualEffect,
                                          PaneSymbols,
                                          PaneLayer,
                                          PaneSvgPreview,
                                          PaneNavigation,
                                          PaneDistance,
                                          Customize};
    for (unsigned int id : required) {
        EXPECT_TRUE(menus.contains(id)) << "menu command " << id;
    }
    EXPECT_EQ(menus.value(EditUndo)->text(), QStringLiteral("&Undo"));
    EXPECT_EQ(menus.value(EditSelectAll)->text(), QStringLiteral("Select &All"));
    EXPECT_EQ(menus.value(Group)->text(), QStringLiteral("&Group"));
    const QList<std::pair<unsigned int, const char*>> shortcuts = {
        {EditUndo, "Ctrl+Z"}, {EditRedo, "Ctrl+Y"}, {EditSelectAll, "Ctrl+A"}, {EditClear, "Del"},
        {Group, "Ctrl+G"},    {Ungroup, "Ctrl+U"},  {FileExport, "Ctrl+E"},    {FileOpen, "Ctrl+O"},
        {FileSave, "Ctrl+S"}, {EditCopy, "Ctrl+C"}, {EditPaste, "Ctrl+V"},     {EditCut, "Ctrl+X"}};
    for (const auto& [id, keys] : shortcuts) {
        EXPECT_EQ(menus.value(id)->shortcut(), QKeySequence(QString::fromLatin1(keys))) << id;
    }
    // The bars' status texts are the program's own.
    EXPECT_EQ(menus.value(BarMain)->statusTip(), QStringLiteral("Show/Hind Main Tool Bar"));
    EXPECT_EQ(menus.value(PaneLayer)->statusTip(), QStringLiteral("Show/Hide Layer Window"));
}

TEST_F(AppTest, WithoutADocumentTheShortMenusShowAndDocumentCommandsAreOff) {
    Start();
    ASSERT_TRUE(Trigger(FileClose));
    EXPECT_TRUE(frame->GetDocuments().isEmpty());
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, QStringList({QStringLiteral("&File"), QStringLiteral("&View"),
                                   QStringLiteral("&Help")}));
    const QHash<unsigned int, QAction*> menus = MenuCommands(frame->GetNoDocumentMenus());
    for (unsigned int id : {FileNew, FileOpen, FilePrintSetup, FileOption, AppExit, StatusBar}) {
        EXPECT_TRUE(menus.contains(id)) << id;
    }
    EXPECT_FALSE(menus.contains(EditUndo));
    for (unsigned int id : {FileSave, FileClose, FilePrint, EditUndo, EditSelectAll, Group}) {
        EXPECT_FALSE(IsEnabled(id)) << id;
    }
    // A new drawing brings the full menus back.
    ASSERT_TRUE(Trigger(FileNew));
    EXPECT_EQ(frame->menuBar()->actions().size(), frame->GetDocumentMenus().size());
    EXPECT_TRUE(IsEnabled(FileSave));
}

TEST_F(AppTest, CommandsThatNothingDoesYetAreDisabledAndToolsFollowTheRegistry) {
    Start(SampleCopy());
    Trigger(EditSelectAll);
    for (unsigned int id : {AlignLeft, SameSize, Preference, FileOption, HelpTopics, Customize,
                            EditCopySpecial, RotateAngle, PaneSymbols}) {
        EXPECT_FALSE(IsEnabled(id)) << id;
    }
    // Only tools that are registered are offered; the current one is checked.
    EXPECT_TRUE(IsEnabled(ToolSelect));
    EXPECT_TRUE(Action(ToolSelect)->isChecked());
    for (unsigned int id : {ToolLine, ShapeRectangle, ToolText}) {
        EXPECT_EQ(IsEnabled(id), Qarn::FindTool(id) != nullptr) << id;
    }
    EXPECT_TRUE(IsEnabled(ToolCircleSelect));
    ASSERT_TRUE(Trigger(ToolCircleSelect));
    EXPECT_EQ(CQarnTool::GetToolID(), ToolCircleSelect);
    EXPECT_TRUE(Action(ToolCircleSelect)->isChecked());
    EXPECT_FALSE(Action(ToolSelect)->isChecked());
    Trigger(ToolSelect);
}

TEST_F(AppTest, OpenSelectMoveUndoSaveAsCloseAndReopenGivesTheMovedDrawing) {
    Start(SampleCopy());
    CQarnComponent* shape = ClickableComponent();
    ASSERT_NE(shape, nullptr);
    const UINT id = shape->GetID();
    const CRect before = shape->GetBoundRect(false);
    const QPoint from = CentreOf(shape);

    // Selected by a click, moved by a drag.
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::NoModifier, from);
    Settle();
    EXPECT_EQ(View()->IsSelected(shape), 2);
    EXPECT_FALSE(frame->GetSizeField()->text().isEmpty());
    Drag(from, from + QPoint(40, 30));
    const CRect moved = shape->GetBoundRect(false);
    EXPECT_GT(moved.left, before.left + 10);
    EXPECT_GT(moved.top, before.top + 10);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(frame->windowTitle().startsWith(QStringLiteral("sample.met[*]")));
    EXPECT_TRUE(frame->isWindowModified());

    // Ctrl+Z takes the move back; Redo does it again.
    View()->setFocus();
    QTest::keyClick(View(), Qt::Key_Z, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(shape->GetBoundRect(false), before);
    ASSERT_TRUE(Trigger(EditRedo));
    EXPECT_EQ(shape->GetBoundRect(false), moved);

    // Save As under a new name, close, open again.
    const QString saved = dir.filePath(QStringLiteral("moved"));
    prompt->saveName = saved;
    ASSERT_TRUE(Trigger(FileSaveAs));
    EXPECT_TRUE(prompt->errors.isEmpty()) << prompt->errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(prompt->filters.last(), QStringLiteral("Qarn Files (*.met)"));
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->GetDisplayName(), QStringLiteral("moved.met"));
    ASSERT_TRUE(Trigger(FileClose));
    EXPECT_TRUE(prompt->questions.isEmpty());
    EXPECT_TRUE(frame->GetDocuments().isEmpty());
    EXPECT_EQ(frame->GetRecentFiles().GetFiles().value(0), saved + QStringLiteral(".met"));

    // Reopened from the recent files.
    ASSERT_TRUE(Trigger(FileRecent1));
    ASSERT_NE(Doc(), nullptr);
    CQarnComponent* again = nullptr;
    for (CQarnLayer* layer : Doc()->GetCurrentCanvas()->GetLayers()) {
        for (CQarnComponent* c : layer->GetList()) {
            again = c->GetID() == id ? c : again;
        }
    }
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetBoundRect(false), moved);
    EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(AppTest, ClosingAModifiedDrawingAsksFirstAndCancelKeepsIt) {
    Start(SampleCopy());
    Trigger(EditSelectAll);
    ASSERT_TRUE(Trigger(EditClear));
    ASSERT_TRUE(Doc()->IsModified());

    prompt->answers = {CUserPrompt::Cancel};
    Trigger(FileClose);
    EXPECT_EQ(prompt->questions, QStringList({QStringLiteral("Save changes to sample.met?")}));
    EXPECT_EQ(frame->GetDocuments().size(), 1);

    // The window's own close button asks the same.
    prompt->answers = {CUserPrompt::Cancel};
    QMdiSubWindow* window = frame->GetMdiArea()->subWindowList().first();
    window->close();
    Settle();
    EXPECT_EQ(prompt->questions.size(), 2);
    EXPECT_EQ(frame->GetDocuments().size(), 1);

    // A second window of the drawing closes without asking; the last one asks.
    ASSERT_TRUE(Trigger(WindowNew));
    EXPECT_EQ(frame->GetChildFrames(Doc()).size(), 2);
    frame->GetMdiArea()->activeSubWindow()->close();
    Settle();
    EXPECT_EQ(prompt->questions.size(), 2);
    EXPECT_EQ(frame->GetDocuments().size(), 1);

    // Discard: it closes and the file is as it was.
    prompt->answers = {CUserPrompt::Discard};
    const QString path = Doc()->GetPathName();
    Trigger(FileClose);
    EXPECT_TRUE(frame->GetDocuments().isEmpty());
    CMyQarnDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(path));
    EXPECT_FALSE(reread.GetCurrentCanvas()->GetLayers().first()->IsEmpty());
}

TEST_F(AppTest, ExitAsksForEveryModifiedDrawingAndSavesWhenAsked) {
    Start(SampleCopy());
    const QString path = Doc()->GetPathName();
    Trigger(EditSelectAll);
    Trigger(EditClear);
    prompt->answers = {CUserPrompt::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(frame->GetDocuments().size(), 1);
    prompt->answers = {CUserPrompt::Save};
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(prompt->questions.size(), 2);
    CMyQarnDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(path));
    EXPECT_TRUE(reread.GetCurrentCanvas()->GetLayers().first()->IsEmpty());
}

TEST_F(AppTest, ADamagedFileShowsOneMessageAndLeavesTheOpenDrawingsAlone) {
    Start(SampleCopy());
    CMyQarnDoc* open = Doc();
    Trigger(EditSelectAll);
    const int selected = int(View()->GetSelection().size());
    const int windows = int(frame->GetMdiArea()->subWindowList().size());
    QFile damaged(dir.filePath(QStringLiteral("damaged.met")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    QByteArray bytes;
    {
        QFile sample(QStringLiteral(QARN_SAMPLE_FILE));
        ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
        bytes = sample.readAll();
    }
    // The compound file is there, its contents cut off.
    damaged.write(bytes.left(bytes.size() / 2));
    damaged.close();

    EXPECT_EQ(frame->OpenDocument(damaged.fileName()), nullptr);
    Settle();
    ASSERT_EQ(prompt->errors.size(), 1);
    EXPECT_TRUE(prompt->errors.first().contains(QStringLiteral("damaged.met")));
    EXPECT_EQ(frame->GetDocuments(), QList<CMyQarnDoc*>({open}));
    EXPECT_EQ(frame->GetMdiArea()->subWindowList().size(), windows);
    EXPECT_EQ(Doc(), open);
    EXPECT_EQ(int(View()->GetSelection().size()), selected);
    EXPECT_FALSE(open->IsModified());
    EXPECT_FALSE(frame->GetRecentFiles().GetFiles().contains(damaged.fileName()));

    // A file that is not there at all: one message too.
    EXPECT_EQ(frame->OpenDocument(dir.filePath(QStringLiteral("missing.met"))), nullptr);
    EXPECT_EQ(prompt->errors.size(), 2);
}

TEST_F(AppTest, FilesDroppedOnTheWindowOpenAndOpeningOneTwiceShowsItsWindow) {
    Start();
    const QString path = SampleCopy(QStringLiteral("dropped.met"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &drop);
    Settle();
    ASSERT_EQ(frame->GetDocuments().size(), 2);
    EXPECT_EQ(Doc()->GetDisplayName(), QStringLiteral("dropped.met"));
    CMyQarnDoc* dropped = Doc();
    frame->NewDocument();
    Settle();
    EXPECT_EQ(frame->OpenDocument(path), dropped);
    Settle();
    EXPECT_EQ(Doc(), dropped);
    EXPECT_EQ(frame->GetDocuments().size(), 3);
}

TEST_F(AppTest, RecentFilesKeepFourNewestFirstAcrossRuns) {
    Start();
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << SampleCopy(QStringLiteral("r%1.met").arg(i));
        ASSERT_NE(frame->OpenDocument(paths.last()), nullptr);
    }
    // Opening the oldest kept one again moves it first.
    frame->OpenDocument(paths[2]);
    EXPECT_EQ(frame->GetRecentFiles().GetFiles(),
              QStringList({paths[2], paths[4], paths[3], paths[1]}));
    EXPECT_EQ(Action(FileRecent1)->text(), QStringLiteral("&1 r2.met"));
    EXPECT_TRUE(IsEnabled(FileRecent1 + 3));
    app->ExitInstance();
    app.reset();

    Start();
    EXPECT_EQ(frame->GetRecentFiles().GetFiles(),
              QStringList({paths[2], paths[4], paths[3], paths[1]}));
}

TEST_F(AppTest, BarsAndPanesShowAndHideFromTheViewMenuAndKeepTheirLayout) {
    Start();
    QToolBar* layout = frame->GetToolBar(BarLayout);
    ASSERT_NE(layout, nullptr);
    EXPECT_TRUE(Action(BarLayout)->isChecked());
    Trigger(BarLayout);
    EXPECT_TRUE(layout->isHidden());
    EXPECT_FALSE(Action(BarLayout)->isChecked());
    // A pane behind another one's tab comes to the front first, then goes.
    QDockWidget* distance = frame->GetPaneDock(PaneDistance);
    Trigger(PaneDistance);
    EXPECT_FALSE(distance->isHidden());
    EXPECT_FALSE(distance->visibleRegion().isEmpty());
    Trigger(PaneDistance);
    EXPECT_TRUE(distance->isHidden());
    Trigger(BarRuler);
    EXPECT_TRUE(frame->ActiveChild()->GetRulerFrame()->GetHorizontalRuler()->isHidden());
    EXPECT_FALSE(Action(BarRuler)->isChecked());
    ASSERT_TRUE(frame->close());
    app->ExitInstance();
    app.reset();

    QSettings settings(dir.filePath(QStringLiteral("inkvane.ini")), QSettings::IniFormat);
    EXPECT_FALSE(settings.value(QStringLiteral("Settings/BarState")).toString().isEmpty());
    Start();
    EXPECT_TRUE(frame->GetToolBar(BarLayout)->isHidden());
    EXPECT_TRUE(frame->GetPaneDock(PaneDistance)->isHidden());
    EXPECT_FALSE(frame->GetToolBar(BarMain)->isHidden());
    EXPECT_FALSE(Action(BarRuler)->isChecked());
}
