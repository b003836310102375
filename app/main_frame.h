#pragma once
// The drawing application's main window: a multi-document area of drawing windows, the menu
// bar (one set of menus with a document open, a short one without), the toolbars and docking
// panes, the status bar, and the library's registered messages. Menu and toolbar commands run
// in the active drawing view or in the frame itself; every command is one QAction of the
// frame's command set. The files side (new, open, save, recent, drop, close) is in
// main_frame_files.cpp, the menus and bars in main_frame_menus.cpp.

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <vector>

#include "document_template.h"
#include "recent_file_list.h"

class CDocumentWatcher;
class CMyQarnDoc;
class CMyQarnView;
class CPane;
class CPrintController;
class CQarnChildFrame;
class CQarnCommandSet;
class CUserPrompt;
class CWinApp;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // The settings (recent files, bar layout, printer) go through the application object; a
    // frame without one keeps them for the session only.
    explicit CMainFrame(CWinApp* app = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    static QString Title() { return QStringLiteral("Inkvane"); }

    // Documents and their windows.
    CMyQarnDoc* NewDocument();
    // Opens the file in a new window (or shows the window it is open in); on failure one
    // message says why and every open document and window stays as it was.
    CMyQarnDoc* OpenDocument(const QString& path);
    // Save (asks for a name when the document has none) and Save As.
    bool SaveDocument(CMyQarnDoc* doc);
    bool SaveDocumentAs(CMyQarnDoc* doc);
    // Writes the document to the path; false after one message on failure.
    bool SaveDocumentTo(CMyQarnDoc* doc, const QString& path);
    // Asks to save a modified document: false when the person cancelled (or saving failed).
    bool SaveModified(CMyQarnDoc* doc);
    // Closes every window of the document after asking; false when cancelled.
    bool CloseDocument(CMyQarnDoc* doc);
    // Another window on the document.
    CQarnChildFrame* NewWindow(CMyQarnDoc* doc);
    QList<CMyQarnDoc*> GetDocuments() const;
    QList<CQarnChildFrame*> GetChildFrames(const CMyQarnDoc* doc = nullptr) const;

    CQarnChildFrame* ActiveChild() const;
    CMyQarnView* ActiveView() const;
    CMyQarnDoc* ActiveDocument() const;

    CQarnCommandSet* GetCommands() const { return m_pCommands; }
    QMdiArea* GetMdiArea() const { return m_pMdi; }
    CQarnDocTemplate& GetDocTemplate() { return m_Template; }
    const CRecentFileList& GetRecentFiles() const { return m_Recent; }
    CUserPrompt& Prompt() const { return *m_pPrompt; }
    void SetUserPrompt(std::unique_ptr<CUserPrompt> prompt);
    CPrintController* GetPrintController() const { return m_pPrint.get(); }

    // The menus of the menu bar now (with or without a document).
    QList<QMenu*> GetMenus() const;
    QList<QMenu*> GetDocumentMenus() const { return m_DocMenus; }
    QList<QMenu*> GetNoDocumentMenus() const { return m_NoDocMenus; }
    QToolBar* GetToolBar(unsigned int id) const { return m_ToolBars.value(id); }
    QDockWidget* GetPaneDock(unsigned int id) const { return m_Docks.value(id); }
    CPane* GetPane(unsigned int id) const;
    // The status bar's fields: pointer position, zoom, selection size.
    QLabel* GetPositionField() const { return m_pPositionField; }
    QLabel* GetZoomField() const { return m_pZoomField; }
    QLabel* GetSizeField() const { return m_pSizeField; }

    // The bars' layout in the settings section "Settings"; false when none was kept.
    void SaveBarState();
    bool RestoreBarState();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // main_frame_menus.cpp
    void CreateFrameCommands();
    void CreateMenus();
    void CreateToolBars();
    void CreatePanes();
    void CreateStatusBar();
    QMenu* AddMenu(QList<QMenu*>& set, const QString& title, const QList<unsigned int>& ids);
    QMenu* AddSubMenu(QMenu* menu, const QString& title, const QList<unsigned int>& ids);
    QToolBar* AddToolBar(unsigned int id, const QString& title, const QList<unsigned int>& ids,
                         Qt::ToolBarArea area = Qt::TopToolBarArea);
    Qt::ToolBarArea ToolArea() const;
    void AddPane(unsigned int id, const QString& title, CPane* pane, Qt::DockWidgetArea area);
    void UpdateMenuBar();
    void UpdateRecentCommands();
    void InstallToolHandlers();
    void ShowAbout();

    // main_frame_files.cpp
    CQarnChildFrame* CreateChildFrame(CMyQarnDoc* doc);
    CMyQarnDoc* AdoptDocument(std::unique_ptr<CMyQarnDoc> doc);
    bool CanCloseChild(CQarnChildFrame* child);
    void OnChildDestroyed();
    void ReleaseUnshownDocuments();
    void OpenRecent(unsigned int id);
    void ExportActivePage();

    // Activation and refreshing.
    void OnSubWindowActivated(QMdiSubWindow* window);
    void BindView(CMyQarnView* view);
    void UnbindViewCommands();
    void OnViewClosing(CMyQarnView* view);
    // Collects what changed and refreshes titles, commands, status bar and panes once the
    // events at hand are handled.
    void ScheduleRefresh(unsigned changes);
    void RefreshNow();
    void UpdateTitles();
    void UpdateStatusBar();
    void ShowPointer(int docX, int docY);
    bool OnRegisteredMessage(unsigned int message, quintptr wParam, qintptr lParam);

    CWinApp* m_pApp;
    QMdiArea* m_pMdi = nullptr;
    CQarnCommandSet* m_pCommands = nullptr;
    CQarnDocTemplate m_Template;
    CRecentFileList m_Recent;
    std::unique_ptr<CUserPrompt> m_pPrompt;
    std::unique_ptr<CPrintController> m_pPrint;
    std::vector<std::unique_ptr<CMyQarnDoc>> m_Docs;
    std::unique_ptr<CDocumentWatcher> m_pWatcher;
    QPointer<CMyQarnView> m_pBoundView;
    QList<unsigned int> m_ViewCommandIds;
    QList<QMenu*> m_DocMenus;
    QList<QMenu*> m_NoDocMenus;
    bool m_bShowingDocMenus = false;
    QHash<unsigned int, QToolBar*> m_ToolBars;
    QHash<unsigned int, QDockWidget*> m_Docks;
    QLabel* m_pPositionField = nullptr;
    QLabel* m_pZoomField = nullptr;
    QLabel* m_pSizeField = nullptr;
    QTimer m_RefreshTimer;
    unsigned m_nPendingChanges = 0;
    bool m_bRulersShown = true;
    bool m_bClosing = false;
    bool m_bShownOnce = false;
    QSize m_InitialSize;
};
