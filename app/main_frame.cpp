#include "main_frame.h"

#include "platform/message_param.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "child_frame.h"
#include "core/canvas.h"
#include "core/doc.h"
#include "core/notification_messages.h"
#include "document_watcher.h"
#include "my_qarn_doc.h"
#include "my_qarn_view.h"
#include "panes/distance_pane.h"
#include "panes/pane.h"
#include "panes/svg_preview_pane.h"
#include "platform/message_event.h"
#include "platform/win_app.h"
#include "platform/window_messages.h"
#include "print_controller.h"
#include "unit_text.h"
#include "user_prompt.h"
#include "view/command_ids.h"
#include "view/command_set.h"
#include "view/ruler_bar.h"
#include "view/ruler_frame.h"

namespace {

const QString kBarSection = QStringLiteral("Settings");
// The width (logical pixels) below which the panes start hidden.
constexpr int kRoomForPanes = 1000;

}  // namespace

CMainFrame::CMainFrame(CWinApp* app, QWidget* parent)
    : QMainWindow(parent), m_pApp(app), m_pPrompt(std::make_unique<CUserPrompt>()) {
    setWindowTitle(Title());
    setObjectName(QStringLiteral("MainFrame"));
    setAccessibleName(Title());
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    // The whole screen up to a comfortable size.
    QSize size(1400, 900);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    resize(size);
    m_InitialSize = size;

    m_pMdi = new QMdiArea(this);
    m_pMdi->setObjectName(QStringLiteral("DrawingArea"));
    m_pMdi->setAccessibleName(QStringLiteral("Drawings"));
    m_pMdi->setViewMode(QMdiArea::TabbedView);
    m_pMdi->setTabsClosable(true);
    m_pMdi->setTabsMovable(true);
    m_pMdi->setDocumentMode(true);
    setCentralWidget(m_pMdi);
    connect(m_pMdi, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    m_pCommands = new CQarnCommandSet(this);
    m_pPrint = std::make_unique<CPrintController>(this, app);
    m_pWatcher = std::make_unique<CDocumentWatcher>([this](unsigned changes) {
        unsigned paneChanges = 0;
        if (changes & CDocumentWatcher::Drawing) {
            paneChanges |= CPane::DrawingChanged;
        }
        if (changes & CDocumentWatcher::Pages) {
            paneChanges |= CPane::PagesChanged;
        }
        if (changes & CDocumentWatcher::Layers) {
            paneChanges |= CPane::LayersChanged;
        }
        ScheduleRefresh(paneChanges);
    });
    m_RefreshTimer.setSingleShot(true);
    m_RefreshTimer.setInterval(0);
    connect(&m_RefreshTimer, &QTimer::timeout, this, &CMainFrame::RefreshNow);

    m_Recent.ReadList(m_pApp);
    CreateFrameCommands();
    CreateMenus();
    CreateToolBars();
    CreatePanes();
    CreateStatusBar();
    InstallToolHandlers();
    if (!RestoreBarState() && size.width() < kRoomForPanes) {
        // A small screen (or a large scale) leaves the drawing the room: the panes wait in the
        // View menu.
        for (QDockWidget* dock : std::as_const(m_Docks)) {
            dock->hide();
        }
    }
    UpdateMenuBar();
    UpdateRecentCommands();
    m_pCommands->Refresh();
}

CMainFrame::~CMainFrame() {
    m_bClosing = true;
    m_RefreshTimer.stop();
    m_pWatcher->Unsubscribe();
    m_pMdi->disconnect(this);
    // The windows go before their documents; no command reaches a view from now on.
    m_pBoundView = nullptr;
    UnbindViewCommands();
    const QList<QMdiSubWindow*> windows = m_pMdi->subWindowList();
    for (QMdiSubWindow* window : windows) {
        delete window;
    }
    for (auto& doc : m_Docs) {
        doc->OnCloseDocument();
    }
    m_Docs.clear();
    // The commands' rules read this frame: they go before the widgets that could still ask
    // for them while the window closes.
    delete m_pCommands;
    m_pCommands = nullptr;
    if (AfxGetMainWnd() == this) {
        AfxSetMainWnd(nullptr);
    }
}

void CMainFrame::SetUserPrompt(std::unique_ptr<CUserPrompt> prompt) {
    m_pPrompt = prompt ? std::move(prompt) : std::make_unique<CUserPrompt>();
}

QList<QMenu*> CMainFrame::GetMenus() const {
    return m_bShowingDocMenus ? m_DocMenus : m_NoDocMenus;
}

CPane* CMainFrame::GetPane(unsigned int id) const {
    QDockWidget* dock = m_Docks.value(id);
    return dock != nullptr ? qobject_cast<CPane*>(dock->widget()) : nullptr;
}

// Active window and view.

CQarnChildFrame* CMainFrame::ActiveChild() const {
    QMdiSubWindow* window = m_pMdi->activeSubWindow();
    if (window == nullptr) {
        // The area forgets its active window while the main window is inactive.
        const QList<QMdiSubWindow*> windows =
            m_pMdi->subWindowList(QMdiArea::ActivationHistoryOrder);
        window = windows.isEmpty() ? nullptr : windows.last();
    }
    return window != nullptr ? qobject_cast<CQarnChildFrame*>(window->widget()) : nullptr;
}

CMyQarnView* CMainFrame::ActiveView() const {
    CQarnChildFrame* child = ActiveChild();
    return child != nullptr ? child->GetView() : nullptr;
}

CMyQarnDoc* CMainFrame::ActiveDocument() const {
    CQarnChildFrame* child = ActiveChild();
    return child != nullptr ? child->GetDocument() : nullptr;
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    if (m_bClosing) {
        return;
    }
    if (window == nullptr) {
        // The main window lost the focus: the last active window stays the active one.
        BindView(ActiveView());
        return;
    }
    auto* child = qobject_cast<CQarnChildFrame*>(window->widget());
    BindView(child != nullptr ? child->GetView() : nullptr);
}

void CMainFrame::BindView(CMyQarnView* view) {
    if (view == m_pBoundView) {
        return;
    }
    CMyQarnView* old = m_pBoundView;
    m_pBoundView = view;
    if (old != nullptr) {
        old->OnActivateView(false);
    }
    if (view != nullptr) {
        view->BindCommands(m_pCommands);
        if (m_ViewCommandIds.isEmpty()) {
            // Which commands are the view's is learnt once, from the first view bound.
            for (unsigned int id : m_pCommands->Ids()) {
                bool handled = false;
                view->OnUpdateCommand(id, &handled);
                if (handled) {
                    m_ViewCommandIds.append(id);
                }
            }
        }
        view->OnActivateView(true);
    } else {
        UnbindViewCommands();
    }
    InstallToolHandlers();
    m_pWatcher->Subscribe(view != nullptr ? view->GetDoc() : nullptr);
    for (QDockWidget* dock : std::as_const(m_Docks)) {
        if (auto* pane = qobject_cast<CPane*>(dock->widget())) {
            pane->SetView(view);
        }
    }
    ScheduleRefresh(CPane::AllChanges);
}

void CMainFrame::UnbindViewCommands() {
    for (unsigned int id : std::as_const(m_ViewCommandIds)) {
        m_pCommands->SetHandler(id, {});
        m_pCommands->SetUpdateRule(id, {});
    }
}

void CMainFrame::OnViewClosing(CMyQarnView* view) {
    if (view == m_pBoundView) {
        m_pBoundView = nullptr;
        UnbindViewCommands();
        InstallToolHandlers();
        m_pWatcher->Unsubscribe();
        for (QDockWidget* dock : std::as_const(m_Docks)) {
            if (auto* pane = qobject_cast<CPane*>(dock->widget())) {
                pane->SetView(nullptr);
            }
        }
        ScheduleRefresh(CPane::AllChanges);
    }
}

// Refreshing.

void CMainFrame::ScheduleRefresh(unsigned changes) {
    m_nPendingChanges |= changes;
    if (!m_RefreshTimer.isActive()) {
        m_RefreshTimer.start();
    }
}

void CMainFrame::RefreshNow() {
    m_RefreshTimer.stop();
    const unsigned changes = m_nPendingChanges;
    m_nPendingChanges = 0;
    UpdateMenuBar();
    UpdateTitles();
    m_pCommands->Refresh();
    UpdateStatusBar();
    for (QDockWidget* dock : std::as_const(m_Docks)) {
        if (auto* pane = qobject_cast<CPane*>(dock->widget())) {
            pane->Notify(changes);
        }
    }
}

void CMainFrame::UpdateTitles() {
    for (CMyQarnDoc* doc : GetDocuments()) {
        const QList<CQarnChildFrame*> children = GetChildFrames(doc);
        for (int i = 0; i < children.size(); ++i) {
            children[i]->UpdateTitle(children.size() > 1 ? i + 1 : 0);
        }
    }
    CMyQarnDoc* doc = ActiveDocument();
    if (doc == nullptr) {
        setWindowTitle(Title());
        setWindowModified(false);
        return;
    }
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(doc->GetDisplayName(), Title()));
    setWindowModified(doc->IsModified());
}

void CMainFrame::UpdateStatusBar() {
    CMyQarnView* view = m_pBoundView;
    if (view == nullptr || view->GetDoc() == nullptr) {
        m_pZoomField->clear();
        m_pSizeField->clear();
        m_pPositionField->clear();
        return;
    }
    m_pZoomField->setText(QStringLiteral("%1%").arg(qRound(view->GetZoomRatio() * 100.0f)));
    const ComponentList& selection = view->GetSelection();
    if (selection.isEmpty()) {
        m_pSizeField->clear();
        return;
    }
    const CRect bound = CQarnDoc::GetBound(selection);
    const int unit = ActiveChild()->GetRulerFrame()->GetHorizontalRuler()->GetUnits();
    m_pSizeField->setText(QStringLiteral("%1 x %2").arg(
        Qarn::DocUnitsToText(bound.Width(), unit), Qarn::DocUnitsToText(bound.Height(), unit)));
}

void CMainFrame::ShowPointer(int docX, int docY) {
    CQarnChildFrame* child = ActiveChild();
    const int unit =
        child != nullptr ? child->GetRulerFrame()->GetHorizontalRuler()->GetUnits() : 0;
    m_pPositionField->setText(QStringLiteral("%1, %2").arg(Qarn::DocUnitsToText(docX, unit),
                                                           Qarn::DocUnitsToText(docY, unit)));
}

// Registered messages.

bool CMainFrame::event(QEvent* event) {
    if (event->type() == CMessageEvent::EventType()) {
        auto* message = static_cast<CMessageEvent*>(event);
        if (OnRegisteredMessage(message->Message(), message->WParam(), message->LParam())) {
            message->SetResult(1);
            return true;
        }
    }
    if (event->type() == QEvent::WindowActivate) {
        ScheduleRefresh(0);
    }
    return QMainWindow::event(event);
}

bool CMainFrame::OnRegisteredMessage(unsigned int message, quintptr wParam, qintptr lParam) {
    if (message == QRN_MOUSEMOVE) {
        ShowPointer(int(qintptr(wParam)), int(lParam));
        return true;
    }
    if (message == QRN_RULERPOINT) {
        if (auto* distance = qobject_cast<CDistancePane*>(GetPane(QarnCmd::PaneDistance))) {
            distance->AddPoint(QPoint(int(qintptr(wParam)), int(lParam)));
        }
        return true;
    }
    if (message == QRN_SELECTIONCHANGE || message == QRN_PROPERTYCHANGE) {
        ScheduleRefresh(CPane::SelectionChanged | CPane::DrawingChanged);
        return true;
    }
    if (message == QARN_WM_CURRENTVIEW_UPDATED || message == QRN_COMPONENT_REPAINTED ||
        message == QARN_ZOOM_RATIOCHANGE) {
        ScheduleRefresh(CPane::ZoomChanged);
        return true;
    }
    if (message == QRN_PAGECHANGE || message == QARN_WM_PAGEINFO_UPDATED) {
        ScheduleRefresh(CPane::PagesChanged | CPane::LayersChanged | CPane::DrawingChanged);
        return true;
    }
    if (message == QARN_WM_LAYERINFO_UPDATED) {
        ScheduleRefresh(CPane::LayersChanged | CPane::DrawingChanged);
        return true;
    }
    if (message == QRN_SELECT_TOOL) {
        ScheduleRefresh(0);
        return true;
    }
    if (message == QRN_ACTIVATEVIEW || message == QRN_DEACTIVATEVIEW) {
        // A view that took the focus by itself becomes the active window's.
        if (message == QRN_ACTIVATEVIEW) {
            for (CQarnChildFrame* child : GetChildFrames()) {
                if (WPARAM(static_cast<CQarnEditView*>(child->GetView())) == wParam &&
                    child->GetView() != m_pBoundView) {
                    m_pMdi->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(child->parentWidget()));
                }
            }
        }
        ScheduleRefresh(CPane::ViewChanged);
        return true;
    }
    if (message == QARN_WM_SVGEXPORT_UPDATED) {
        auto* preview = qobject_cast<CSvgPreviewPane*>(GetPane(QarnCmd::PaneSvgPreview));
        if (preview != nullptr && wParam != 0) {
            preview->ShowFile(*Qarn::ParamPointer<const QString>(wParam));
        }
        return true;
    }
    return false;
}

// Settings.

void CMainFrame::SaveBarState() {
    if (m_pApp == nullptr) {
        return;
    }
    m_pApp->WriteProfileString(kBarSection, QStringLiteral("BarState"),
                               QString::fromLatin1(saveState().toBase64()));
    m_pApp->WriteProfileString(kBarSection, QStringLiteral("Geometry"),
                               QString::fromLatin1(saveGeometry().toBase64()));
    m_pApp->WriteProfileInt(kBarSection, QStringLiteral("StatusBar"), statusBar()->isVisible());
    m_pApp->WriteProfileInt(kBarSection, QStringLiteral("Rulers"), m_bRulersShown);
}

bool CMainFrame::RestoreBarState() {
    if (m_pApp == nullptr) {
        return false;
    }
    const QByteArray geometry = QByteArray::fromBase64(
        m_pApp->GetProfileString(kBarSection, QStringLiteral("Geometry")).toLatin1());
    if (!geometry.isEmpty()) {
        restoreGeometry(geometry);
    }
    const QByteArray state = QByteArray::fromBase64(
        m_pApp->GetProfileString(kBarSection, QStringLiteral("BarState")).toLatin1());
    if (!state.isEmpty()) {
        restoreState(state);
    }
    statusBar()->setVisible(m_pApp->GetProfileInt(kBarSection, QStringLiteral("StatusBar"), 1) !=
                            0);
    m_bRulersShown = m_pApp->GetProfileInt(kBarSection, QStringLiteral("Rulers"), 1) != 0;
    return !state.isEmpty();
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_bShownOnce) {
        return;
    }
    m_bShownOnce = true;
    // Windows made before the first show may have grown the frame past the screen: it takes
    // its size again, and the drawings are fitted to their windows once these have theirs.
    QTimer::singleShot(0, this, [this] {
        if (!isMaximized() && !isFullScreen() && m_pApp != nullptr &&
            m_pApp->GetProfileString(kBarSection, QStringLiteral("Geometry")).isEmpty()) {
            resize(m_InitialSize);
        }
        QTimer::singleShot(0, this, [this] {
            for (CQarnChildFrame* child : GetChildFrames()) {
                child->GetView()->DoZoomFull();
            }
        });
    });
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    for (CMyQarnDoc* doc : GetDocuments()) {
        if (!SaveModified(doc)) {
            event->ignore();
            return;
        }
    }
    SaveBarState();
    m_Recent.WriteList(m_pApp);
    // Every question has been answered: the windows go without asking again.
    m_bClosing = true;
    m_pWatcher->Unsubscribe();
    const QList<QMdiSubWindow*> windows = m_pMdi->subWindowList();
    for (QMdiSubWindow* window : windows) {
        delete window;
    }
    m_bClosing = false;
    event->accept();
}
