// The main window's commands, menus, toolbars, docking panes and status bar. Every entry is
// a command of the frame's command set, made from the command catalogue; a command that
// nothing handles yet stays disabled.
#include <QAction>
#include <QDockWidget>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "child_frame.h"
#include "main_frame.h"
#include "my_qarn_doc.h"
#include "my_qarn_view.h"
#include "panes/distance_pane.h"
#include "panes/layer_pane.h"
#include "panes/navigation_pane.h"
#include "panes/svg_preview_pane.h"
#include "panes/visual_effect_pane.h"
#include "print_controller.h"
#include "user_prompt.h"
#include "view/command_catalogue.h"
#include "view/command_ids.h"
#include "view/command_set.h"
#include "view/page_setup_command.h"
#include "view/tool.h"

namespace {

using namespace QarnCmd;

// The tool commands of the Draw menu and the toolbars: each makes its tool current.
const QList<unsigned int>& ToolCommands() {
    static const QList<unsigned int> ids = {
        ToolSelect,
        ToolCircleSelect,
        ToolPolySelect,
        ToolPan,
        ToolLine,
        ToolArrow,
        ToolPolyline,
        ToolPolygon,
        ToolText,
        ToolRichText,
        ToolScribble,
        ToolCurve,
        ToolClosedCurve,
        ToolPoint,
        ToolConnector,
        ToolConnector + 1,
        ToolConnector + 2,
        ToolConnectorCurved,
        ToolConnectorCurved + 1,
        ToolConnectorCurved + 2,
        ToolConnectorDirect,
        ToolConnectorDirect + 1,
        ToolConnectorDirect + 2,
        ToolConnectorRounded,
        ToolConnectorRounded + 1,
        ToolConnectorRounded + 2,
        ToolRotate,
        ToolMagnifier,
        ToolPerspective,
        ShapeRectangle,
        ShapeEllipse,
        ShapeRoundRectangle,
        EditPoint,
        DeletePoint,
    };
    return ids;
}

CQarnCommandState Enabled(bool on, bool checked = false) {
    return CQarnCommandState{on, checked};
}

}  // namespace

void CMainFrame::CreateFrameCommands() {
    CQarnCommandSet& c = *m_pCommands;
    const auto withDocument = [this](unsigned int) { return Enabled(ActiveDocument() != nullptr); };
    c.SetHandler(FileNew, [this](unsigned int) { NewDocument(); });
    c.SetHandler(FileOpen, [this](unsigned int) {
        OpenDocument(Prompt().AskOpenFileName(this, m_Template.GetFilter()));
    });
    c.SetHandler(FileClose, [this](unsigned int) { CloseDocument(ActiveDocument()); });
    c.SetUpdateRule(FileClose, withDocument);
    c.SetHandler(FileSave, [this](unsigned int) { SaveDocument(ActiveDocument()); });
    c.SetUpdateRule(FileSave, withDocument);
    c.SetHandler(FileSaveAs, [this](unsigned int) { SaveDocumentAs(ActiveDocument()); });
    c.SetUpdateRule(FileSaveAs, withDocument);
    c.SetHandler(FileExport, [this](unsigned int) { ExportActivePage(); });
    c.SetUpdateRule(FileExport, withDocument);
    c.SetHandler(FilePrint, [this](unsigned int) { m_pPrint->Print(ActiveView()); });
    c.SetUpdateRule(FilePrint, withDocument);
    c.SetHandler(FilePrintPreview, [this](unsigned int) { m_pPrint->PrintPreview(ActiveView()); });
    c.SetUpdateRule(FilePrintPreview, withDocument);
    c.SetHandler(FilePrintSetup, [this](unsigned int) { m_pPrint->PageSetup(); });
    c.SetHandler(FilePageSetup, [this](unsigned int) { Qarn::OnPageSetup(ActiveView(), this); });
    c.SetUpdateRule(FilePageSetup, withDocument);
    c.SetHandler(AppExit, [this](unsigned int) { close(); });
    for (unsigned int i = 0; i < unsigned(CRecentFileList::kSize); ++i) {
        c.SetHandler(FileRecent1 + i, [this](unsigned int id) { OpenRecent(id); });
        c.SetUpdateRule(FileRecent1 + i, [this](unsigned int id) {
            return Enabled(int(id - FileRecent1) < m_Recent.GetFiles().size());
        });
    }

    // Window.
    c.SetHandler(WindowNew, [this](unsigned int) { NewWindow(ActiveDocument()); });
    c.SetUpdateRule(WindowNew, withDocument);
    c.SetHandler(WindowCascade, [this](unsigned int) {
        m_pMdi->setViewMode(QMdiArea::SubWindowView);
        m_pMdi->cascadeSubWindows();
    });
    c.SetUpdateRule(WindowCascade, withDocument);
    c.SetHandler(WindowTile, [this](unsigned int) {
        m_pMdi->setViewMode(QMdiArea::SubWindowView);
        m_pMdi->tileSubWindows();
    });
    c.SetUpdateRule(WindowTile, withDocument);
    c.SetHandler(WindowArrange, [this](unsigned int) {
        // The minimised windows line up along the bottom of the area.
        int x = 0;
        for (QMdiSubWindow* window : m_pMdi->subWindowList()) {
            if (window->isMinimized()) {
                window->move(x, m_pMdi->viewport()->height() - window->height());
                x += window->width();
            }
        }
    });
    c.SetUpdateRule(WindowArrange, [this](unsigned int) {
        return Enabled(m_pMdi->viewMode() == QMdiArea::SubWindowView &&
                       ActiveDocument() != nullptr);
    });
    c.SetHandler(HelpAbout, [this](unsigned int) { ShowAbout(); });

    // Bars and panes.
    c.SetHandler(StatusBar,
                 [this](unsigned int) { statusBar()->setVisible(statusBar()->isHidden()); });
    c.SetUpdateRule(StatusBar,
                    [this](unsigned int) { return Enabled(true, !statusBar()->isHidden()); });
    c.SetHandler(BarRuler, [this](unsigned int) {
        m_bRulersShown = !m_bRulersShown;
        for (CQarnChildFrame* child : GetChildFrames()) {
            child->ShowRulers(m_bRulersShown);
        }
    });
    c.SetUpdateRule(BarRuler, [this](unsigned int) { return Enabled(true, m_bRulersShown); });
}

void CMainFrame::InstallToolHandlers() {
    // Tools belong to the whole program: without a view they are still chosen.
    for (unsigned int id : ToolCommands()) {
        m_pCommands->SetHandler(id, [this](unsigned int tool) {
            if (CMyQarnView* view = m_pBoundView) {
                view->OnCommand(tool);
            } else {
                CQarnTool::SetToolID(tool);
            }
            ScheduleRefresh(0);
        });
        m_pCommands->SetUpdateRule(id, [](unsigned int tool) {
            return Enabled(Qarn::FindTool(tool) != nullptr, CQarnTool::GetToolID() == tool);
        });
    }
}

QMenu* CMainFrame::AddMenu(QList<QMenu*>& set, const QString& title,
                           const QList<unsigned int>& ids) {
    auto* menu = new QMenu(title, this);
    menu->setObjectName(QStringLiteral("menu-") + QString(title).remove(QLatin1Char('&')));
    menu->setAccessibleName(QString(title).remove(QLatin1Char('&')));
    m_pCommands->AddTo(menu, ids);
    set.append(menu);
    return menu;
}

QMenu* CMainFrame::AddSubMenu(QMenu* menu, const QString& title, const QList<unsigned int>& ids) {
    QMenu* sub = menu->addMenu(title);
    sub->setAccessibleName(QString(title).remove(QLatin1Char('&')));
    m_pCommands->AddTo(sub, ids);
    return sub;
}

void CMainFrame::CreateMenus() {
    const QList<unsigned int> recent = {FileRecent1, FileRecent1 + 1, FileRecent1 + 2,
                                        FileRecent1 + 3};
    const QList<unsigned int> bars = {BarMain,
                                      BarBasicDraw,
                                      BarRotateFlip,
                                      BarLayout,
                                      BarRuler,
                                      BarPolyTool,
                                      0,
                                      PaneVisualEffect,
                                      PaneSymbols,
                                      PaneLayer,
                                      PaneSvgPreview,
                                      PaneNavigation,
                                      PaneDistance,
                                      0,
                                      Customize};

    // With a document open.
    QMenu* file = AddMenu(m_DocMenus, QStringLiteral("&File"),
                          {FileNew, FileOpen, FileClose, FileSave, FileSaveAs, 0, FileExport, 0,
                           FilePrint, FilePrintPreview, FilePrintSetup, FilePageSetup, 0});
    m_pCommands->AddTo(file, recent);
    m_pCommands->AddTo(file, {0, AppExit});
    AddMenu(m_DocMenus, QStringLiteral("&Edit"),
            {EditUndo, EditRedo, 0, EditCut, EditCopy, EditCopySpecial, EditPaste, EditClear, 0,
             EditSelectAll, 0, LineAndFill, SizeAndPosition, ShadowEffect, 0, Preference});
    QMenu* view = AddMenu(m_DocMenus, QStringLiteral("&View"), {});
    AddSubMenu(view, QStringLiteral("Grid &Lines"), {GridColorStyle, ShowGrid, SnapToGrid});
    m_pCommands->AddTo(view, {CanvasColor, ObjectsBorder, 0, StatusBar});
    QMenu* toolbars = AddSubMenu(view, QStringLiteral("&Toolbars"), bars);
    toolbars->menuAction()->setObjectName(QStringLiteral("command-%1").arg(Toolbars));
    m_pCommands->AddTo(view, {0, Zoom, ZoomFull, ZoomIn, ZoomOut});
    AddSubMenu(view, QStringLiteral("Drawing &Quality"), {QualityLow, QualityMedium, QualityHigh});
    QMenu* draw = AddMenu(m_DocMenus, QStringLiteral("&Draw"), {});
    AddSubMenu(draw, QStringLiteral("&Select"),
               {ToolSelect, ToolCircleSelect, ToolPolySelect, ToolPan});
    AddSubMenu(draw, QStringLiteral("&Add Shapes"),
               {ShapeRectangle, ShapeEllipse, ShapeRoundRectangle, ToolScribble, ToolLine,
                ToolArrow, ToolPolygon, ToolCurve, ToolClosedCurve, ToolText});
    m_pCommands->AddTo(draw, {InsertPicture, 0, Group, Ungroup});
    AddSubMenu(draw, QStringLiteral("&Flip"), {FlipHorizontal, FlipVertical});
    AddSubMenu(draw, QStringLiteral("&Rotate"),
               {Rotate90Clockwise, Rotate90Anticlockwise, Rotate45Clockwise, Rotate45Anticlockwise,
                0, RotateAngle});
    AddSubMenu(draw, QStringLiteral("&Order"),
               {BringToFront, BringToBack, BringForward, BringBackward, 0, OrderBySelection});
    AddSubMenu(draw, QStringLiteral("&Poly Property"),
               {EditPoint, DeletePoint, CloseOpenFigure, PolyStyle, SimplifyPoly, PolyData});
    AddSubMenu(draw, QStringLiteral("&Connector Option"), {ConnectToEdge});
    m_pCommands->AddTo(draw, {0, SetShapeDefault});
    QMenu* layout = AddMenu(m_DocMenus, QStringLiteral("&Layout"), {});
    AddSubMenu(layout, QStringLiteral("&Align"), {AlignLeft, AlignRight, AlignTop, AlignBottom});
    AddSubMenu(layout, QStringLiteral("&Space Evenly"), {SpaceAcross, SpaceDown});
    AddSubMenu(layout, QStringLiteral("&Make Same Size"), {SameWidth, SameHeight, SameSize});
    m_pCommands->AddTo(layout, {FitToContent});
    QMenu* window = AddMenu(m_DocMenus, QStringLiteral("&Window"),
                            {WindowNew, WindowCascade, WindowTile, WindowArrange});
    // The open windows, to bring one to the front.
    connect(window, &QMenu::aboutToShow, this, [this, window] {
        for (QAction* action : window->actions()) {
            if (action->property("windowEntry").toBool()) {
                window->removeAction(action);
                delete action;
            }
        }
        const QList<QMdiSubWindow*> windows = m_pMdi->subWindowList(QMdiArea::CreationOrder);
        if (!windows.isEmpty()) {
            window->addSeparator()->setProperty("windowEntry", true);
        }
        for (int i = 0; i < windows.size(); ++i) {
            QMdiSubWindow* sub = windows[i];
            QAction* entry = window->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
                sub->windowTitle().remove(QStringLiteral("[*]"))));
            entry->setProperty("windowEntry", true);
            entry->setCheckable(true);
            entry->setChecked(sub == m_pMdi->activeSubWindow());
            connect(entry, &QAction::triggered, this,
                    [this, sub] { m_pMdi->setActiveSubWindow(sub); });
        }
    });
    AddMenu(m_DocMenus, QStringLiteral("&Help"), {HelpTopics, 0, HelpAbout});

    // Without a document.
    QMenu* start = AddMenu(m_NoDocMenus, QStringLiteral("&File"),
                           {FileNew, FileOpen, FilePrintSetup, FileOption, 0});
    m_pCommands->AddTo(start, recent);
    m_pCommands->AddTo(start, {0, AppExit});
    QMenu* startView = AddMenu(m_NoDocMenus, QStringLiteral("&View"), {});
    QMenu* startBars = AddSubMenu(startView, QStringLiteral("&Toolbars"), bars);
    startBars->menuAction()->setObjectName(QStringLiteral("command-%1").arg(Toolbars));
    m_pCommands->AddTo(startView, {StatusBar});
    AddMenu(m_NoDocMenus, QStringLiteral("&Help"), {HelpTopics, 0, HelpAbout});

    // Shortcuts work whichever menus show.
    for (unsigned int id : m_pCommands->Ids()) {
        addAction(m_pCommands->Action(id));
    }
}

void CMainFrame::UpdateMenuBar() {
    const bool documents = !m_Docs.empty();
    if (documents == m_bShowingDocMenus && !menuBar()->actions().isEmpty()) {
        return;
    }
    m_bShowingDocMenus = documents;
    menuBar()->clear();
    for (QMenu* menu : documents ? m_DocMenus : m_NoDocMenus) {
        menuBar()->addMenu(menu);
    }
}

void CMainFrame::UpdateRecentCommands() {
    const QStringList& files = m_Recent.GetFiles();
    for (int i = 0; i < CRecentFileList::kSize; ++i) {
        QAction* action = m_pCommands->Action(FileRecent1 + unsigned(i));
        const bool present = i < files.size();
        action->setVisible(present);
        if (present) {
            const QString name = QFileInfo(files[i]).fileName();
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                QString(name).replace(QLatin1Char('&'), QLatin1String("&&"))));
            action->setStatusTip(files[i]);
            action->setToolTip(files[i]);
        }
    }
    m_pCommands->Refresh();
}

QToolBar* CMainFrame::AddToolBar(unsigned int id, const QString& title,
                                 const QList<unsigned int>& ids, Qt::ToolBarArea area) {
    auto* bar = new QToolBar(title, this);
    addToolBar(area, bar);
    bar->setObjectName(QStringLiteral("toolbar-%1").arg(id));
    bar->setAccessibleName(title);
    bar->setIconSize(QSize(22, 22));
    m_pCommands->AddTo(bar, ids);
    m_ToolBars.insert(id, bar);
    m_pCommands->SetHandler(id, [bar](unsigned int) { bar->setVisible(bar->isHidden()); });
    m_pCommands->SetUpdateRule(id, [bar](unsigned int) { return Enabled(true, !bar->isHidden()); });
    connect(bar, &QToolBar::visibilityChanged, m_pCommands, &CQarnCommandSet::Refresh);
    return bar;
}

Qt::ToolBarArea CMainFrame::ToolArea() const {
    // Down the left side where the screen is tall enough for every tool; else on top, where
    // the bar folds what does not fit.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool tall = screen == nullptr || screen->availableGeometry().height() >= 760;
    return tall ? Qt::LeftToolBarArea : Qt::TopToolBarArea;
}

void CMainFrame::CreateToolBars() {
    AddToolBar(BarMain, QStringLiteral("Main"),
               {FileNew,  FileOpen, FileSave,   0,         FilePrint, FilePrintPreview,
                0,        EditCut,  EditCopy,   EditPaste, EditClear, 0,
                EditUndo, EditRedo, 0,          ZoomIn,    ZoomOut,   ZoomFull,
                0,        ShowGrid, SnapToGrid, 0,         HelpAbout});
    // The drawing tools stand down the left side, as in other drawing programs.
    AddToolBar(BarBasicDraw, QStringLiteral("Basic Draw"),
               {ToolSelect,
                ToolPan,
                0,
                ToolLine,
                ToolArrow,
                ShapeRectangle,
                ShapeRoundRectangle,
                ShapeEllipse,
                ToolPolyline,
                ToolPolygon,
                ToolCurve,
                ToolClosedCurve,
                ToolScribble,
                ToolText,
                ToolPoint,
                0,
                ToolConnector,
                ToolConnectorDirect,
                ToolConnectorCurved,
                0,
                ToolRotate,
                ToolMagnifier,
                InsertPicture},
               ToolArea());
    AddToolBar(BarRotateFlip, QStringLiteral("Rotate/Flip"),
               {Rotate90Anticlockwise, Rotate90Clockwise, Rotate45Anticlockwise, Rotate45Clockwise,
                RotateAngle, 0, FlipHorizontal, FlipVertical, 0, BringToFront, BringForward,
                BringBackward, BringToBack, 0, Group, Ungroup});
    addToolBarBreak();
    AddToolBar(BarLayout, QStringLiteral("Layout"),
               {AlignLeft, AlignRight, AlignTop, AlignBottom, 0, SpaceAcross, SpaceDown, 0,
                SameWidth, SameHeight, SameSize, FitToContent});
    AddToolBar(BarPolyTool, QStringLiteral("PolyTool"),
               {EditPoint, DeletePoint, CloseOpenFigure, PolyStyle, SimplifyPoly, PolyData});
}

void CMainFrame::AddPane(unsigned int id, const QString& title, CPane* pane,
                         Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(title, this);
    dock->setObjectName(QStringLiteral("pane-%1").arg(id));
    dock->setAccessibleName(title);
    pane->setAccessibleName(title);
    dock->setWidget(pane);
    addDockWidget(area, dock);
    m_Docks.insert(id, dock);
    m_pCommands->SetHandler(id, [dock](unsigned int) {
        // A pane behind another one's tab comes to the front rather than going.
        if (!dock->isHidden() && dock->visibleRegion().isEmpty()) {
            dock->raise();
            return;
        }
        dock->setVisible(dock->isHidden());
        if (!dock->isHidden()) {
            dock->raise();
        }
    });
    m_pCommands->SetUpdateRule(id,
                               [dock](unsigned int) { return Enabled(true, !dock->isHidden()); });
    connect(dock, &QDockWidget::visibilityChanged, m_pCommands, &CQarnCommandSet::Refresh);
}

void CMainFrame::CreatePanes() {
    AddPane(PaneVisualEffect, QStringLiteral("Visual Effect"), new CVisualEffectPane(),
            Qt::RightDockWidgetArea);
    AddPane(PaneLayer, QStringLiteral("Layers"), new CLayerPane(), Qt::RightDockWidgetArea);
    AddPane(PaneNavigation, QStringLiteral("Navigation"), new CNavigationPane(),
            Qt::RightDockWidgetArea);
    AddPane(PaneSvgPreview, QStringLiteral("SVG Preview"), new CSvgPreviewPane(),
            Qt::RightDockWidgetArea);
    AddPane(PaneDistance, QStringLiteral("Distance"), new CDistancePane(), Qt::RightDockWidgetArea);
    // The layers share the place of the visual effects; the preview that of the navigation.
    tabifyDockWidget(m_Docks.value(PaneVisualEffect), m_Docks.value(PaneLayer));
    tabifyDockWidget(m_Docks.value(PaneNavigation), m_Docks.value(PaneSvgPreview));
    tabifyDockWidget(m_Docks.value(PaneNavigation), m_Docks.value(PaneDistance));
    m_Docks.value(PaneVisualEffect)->raise();
    m_Docks.value(PaneNavigation)->raise();
    resizeDocks({m_Docks.value(PaneVisualEffect)}, {300}, Qt::Horizontal);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setAccessibleName(QStringLiteral("Status"));
    const auto field = [bar](const QString& name, const QString& tip, int width) {
        auto* label = new QLabel(bar);
        label->setObjectName(name);
        label->setAccessibleName(tip);
        label->setToolTip(tip);
        label->setMinimumWidth(width);
        label->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(label);
        return label;
    };
    m_pPositionField =
        field(QStringLiteral("PointerPosition"), QStringLiteral("Pointer position"),
              fontMetrics().horizontalAdvance(QStringLiteral("00000.00 cm, 00000.00 cm")));
    m_pSizeField =
        field(QStringLiteral("SelectionSize"), QStringLiteral("Size of the selection"),
              fontMetrics().horizontalAdvance(QStringLiteral("0000.00 cm x 0000.00 cm")));
    m_pZoomField = field(QStringLiteral("ZoomRatio"), QStringLiteral("Zoom"),
                         fontMetrics().horizontalAdvance(QStringLiteral("00000%")));
    bar->showMessage(QStringLiteral("Ready"));
}

void CMainFrame::ShowAbout() {
    QMessageBox::about(this, QStringLiteral("About Inkvane"),
                       QStringLiteral("<b>Inkvane</b> %1<br>A vector drawing program.")
                           .arg(QStringLiteral(QARN_VERSION)));
}
