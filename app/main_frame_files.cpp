// The files side of the main window: new, open, save, save as, the recent files, files
// dropped on the window, export, and the unsaved-changes question when windows close.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "child_frame.h"
#include "core/canvas.h"
#include "export/page_renderer.h"
#include "main_frame.h"
#include "my_qarn_doc.h"
#include "my_qarn_view.h"
#include "panes/pane.h"
#include "print_controller.h"
#include "user_prompt.h"
#include "view/command_ids.h"
#include "view/command_set.h"
#include "view/printer_export.h"

CMyQarnDoc* CMainFrame::NewDocument() {
    auto doc = std::make_unique<CMyQarnDoc>();
    if (!doc->OnNewDocument()) {
        Prompt().ShowError(this, QStringLiteral("A new drawing could not be made."));
        return nullptr;
    }
    doc->SetTitle(m_Template.NextUntitledTitle());
    return AdoptDocument(std::move(doc));
}

CMyQarnDoc* CMainFrame::OpenDocument(const QString& path) {
    if (path.isEmpty()) {
        return nullptr;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CMyQarnDoc* open : GetDocuments()) {
        if (QFileInfo(open->GetPathName()).absoluteFilePath() == absolute) {
            if (QList<CQarnChildFrame*> children = GetChildFrames(open); !children.isEmpty()) {
                m_pMdi->setActiveSubWindow(
                    qobject_cast<QMdiSubWindow*>(children.first()->parentWidget()));
            }
            // Asked for again: it is the most recent file.
            m_Recent.Add(absolute);
            m_Recent.WriteList(m_pApp);
            UpdateRecentCommands();
            return open;
        }
    }
    // The file is read into a document of its own: whatever happens, the open documents and
    // their windows are not touched.
    auto doc = std::make_unique<CMyQarnDoc>();
    QString error;
    if (!doc->OnOpenDocument(absolute, &error)) {
        m_Recent.Remove(absolute);
        UpdateRecentCommands();
        Prompt().ShowError(this, QStringLiteral("The drawing could not be opened.\n%1").arg(error));
        return nullptr;
    }
    m_Recent.Add(absolute);
    m_Recent.WriteList(m_pApp);
    UpdateRecentCommands();
    return AdoptDocument(std::move(doc));
}

CMyQarnDoc* CMainFrame::AdoptDocument(std::unique_ptr<CMyQarnDoc> doc) {
    CMyQarnDoc* raw = doc.get();
    m_Docs.push_back(std::move(doc));
    CreateChildFrame(raw);
    ScheduleRefresh(CPane::AllChanges);
    return raw;
}

bool CMainFrame::SaveDocument(CMyQarnDoc* doc) {
    if (doc == nullptr) {
        return false;
    }
    if (doc->GetPathName().isEmpty()) {
        return SaveDocumentAs(doc);
    }
    return SaveDocumentTo(doc, doc->GetPathName());
}

bool CMainFrame::SaveDocumentAs(CMyQarnDoc* doc) {
    if (doc == nullptr) {
        return false;
    }
    const QString suggested = doc->GetPathName().isEmpty()
                                  ? m_Template.WithExtension(doc->GetDisplayName())
                                  : doc->GetPathName();
    const QString path = Prompt().AskSaveFileName(this, suggested, m_Template.GetFilter());
    if (path.isEmpty()) {
        return false;
    }
    return SaveDocumentTo(doc, m_Template.WithExtension(path));
}

bool CMainFrame::SaveDocumentTo(CMyQarnDoc* doc, const QString& path) {
    QString error;
    if (!doc->OnSaveDocument(path, &error)) {
        Prompt().ShowError(this, QStringLiteral("The drawing could not be saved.\n%1").arg(error));
        return false;
    }
    m_Recent.Add(path);
    m_Recent.WriteList(m_pApp);
    UpdateRecentCommands();
    ScheduleRefresh(0);
    return true;
}

bool CMainFrame::SaveModified(CMyQarnDoc* doc) {
    if (doc == nullptr || !doc->IsModified()) {
        return true;
    }
    switch (Prompt().AskSaveChanges(this, doc->GetDisplayName())) {
        case CUserPrompt::Save:
            return SaveDocument(doc);
        case CUserPrompt::Discard:
            return true;
        case CUserPrompt::Cancel:
            break;
    }
    return false;
}

bool CMainFrame::CloseDocument(CMyQarnDoc* doc) {
    if (doc == nullptr || !SaveModified(doc)) {
        return false;
    }
    for (CQarnChildFrame* child : GetChildFrames(doc)) {
        child->SetCloseGuard({});
        delete child->parentWidget();
    }
    return true;
}

CQarnChildFrame* CMainFrame::NewWindow(CMyQarnDoc* doc) {
    return doc != nullptr ? CreateChildFrame(doc) : nullptr;
}

QList<CMyQarnDoc*> CMainFrame::GetDocuments() const {
    QList<CMyQarnDoc*> docs;
    for (const auto& doc : m_Docs) {
        docs.append(doc.get());
    }
    return docs;
}

QList<CQarnChildFrame*> CMainFrame::GetChildFrames(const CMyQarnDoc* doc) const {
    QList<CQarnChildFrame*> children;
    for (QMdiSubWindow* window : m_pMdi->subWindowList(QMdiArea::CreationOrder)) {
        auto* child = qobject_cast<CQarnChildFrame*>(window->widget());
        if (child != nullptr && (doc == nullptr || child->GetDocument() == doc)) {
            children.append(child);
        }
    }
    return children;
}

CQarnChildFrame* CMainFrame::CreateChildFrame(CMyQarnDoc* doc) {
    auto* child = new CQarnChildFrame(doc);
    child->ShowRulers(m_bRulersShown);
    child->SetCloseGuard([this](CQarnChildFrame* closing) { return CanCloseChild(closing); });
    CMyQarnView* view = child->GetView();
    connect(view, &CMyQarnView::Closing, this, &CMainFrame::OnViewClosing);
    connect(view, &CQarnView::CommandsChanged, this,
            [this] { ScheduleRefresh(CPane::SelectionChanged); });
    connect(child, &QObject::destroyed, this, &CMainFrame::OnChildDestroyed);
    QMdiSubWindow* window = m_pMdi->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(QIcon(QStringLiteral(":/icons/document-new.svg")));
    child->UpdateTitle(0);
    window->showMaximized();
    m_pMdi->setActiveSubWindow(window);
    BindView(view);
    view->setFocus();
    // The whole page shows once the window has its size.
    QTimer::singleShot(0, view, [view] { view->DoZoomFull(); });
    return child;
}

bool CMainFrame::CanCloseChild(CQarnChildFrame* child) {
    // Only the last window of a document asks about its changes.
    if (GetChildFrames(child->GetDocument()).size() > 1) {
        return true;
    }
    return SaveModified(child->GetDocument());
}

void CMainFrame::OnChildDestroyed() {
    ReleaseUnshownDocuments();
    ScheduleRefresh(CPane::AllChanges);
}

void CMainFrame::ReleaseUnshownDocuments() {
    for (auto it = m_Docs.begin(); it != m_Docs.end();) {
        if ((*it)->GetViews().isEmpty()) {
            (*it)->OnCloseDocument();
            it = m_Docs.erase(it);
        } else {
            ++it;
        }
    }
}

void CMainFrame::OpenRecent(unsigned int id) {
    const QString path = m_Recent.GetFiles().value(int(id - QarnCmd::FileRecent1));
    OpenDocument(path);
}

void CMainFrame::ExportActivePage() {
    CMyQarnDoc* doc = ActiveDocument();
    if (doc == nullptr || doc->GetCurrentCanvas() == nullptr) {
        return;
    }
    const QString filter = QStringLiteral(
        "SVG (*.svg);;Compressed SVG (*.svgz);;PNG Image (*.png);;JPEG Image (*.jpg);;"
        "BMP Image (*.bmp);;PDF (*.pdf);;PostScript (*.ps);;Encapsulated PostScript (*.eps)");
    const QString suggested =
        QFileInfo(doc->GetDisplayName()).completeBaseName() + QStringLiteral(".svg");
    const QString path = Prompt().AskSaveFileName(this, suggested, filter);
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString error;
    bool written = false;
    // PDF, PostScript and EPS take the printing path; their messages stand on their own.
    const int printerKind = suffix == QLatin1String("pdf")   ? CPrinterExport::Pdf
                            : suffix == QLatin1String("ps")  ? CPrinterExport::PostScript
                            : suffix == QLatin1String("eps") ? CPrinterExport::Eps
                                                             : -1;
    if (printerKind >= 0) {
        if (!Qarn::ExportToFileByPrinter(*doc, path, ActiveView(), printerKind, &error)) {
            Prompt().ShowError(this, error);
        }
        return;
    }
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("svgz")) {
        written = doc->ExportToSVG(path, nullptr, suffix == QLatin1String("svgz") ? 1 : 0, &error);
    } else if (suffix == QLatin1String("png") || suffix == QLatin1String("jpg") ||
               suffix == QLatin1String("jpeg") || suffix == QLatin1String("bmp")) {
        written = CPageRenderer::WriteImage(
            CPageRenderer::ToImage(*doc, doc->GetCurrentCanvas(), 96), path, &error);
    } else {
        error =
            QStringLiteral("%1: choose an .svg, .svgz, .png, .jpg, .bmp, .pdf, .ps or .eps name")
                .arg(path);
    }
    if (!written) {
        Prompt().ShowError(this, QStringLiteral("The page could not be exported.\n%1").arg(error));
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        for (const QUrl& url : event->mimeData()->urls()) {
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
        }
    }
    QMainWindow::dragEnterEvent(event);
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasUrls()) {
        QMainWindow::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            OpenDocument(url.toLocalFile());
        }
    }
}
