#include "platform/document.h"

#include <QFileInfo>
#include <exception>
#include <memory>

#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "platform/compound_file.h"

#include "platform/view.h"

QARN_IMPLEMENT_DYNAMIC(CDocument, CObject)

CDocument::CDocument() = default;

CDocument::~CDocument() {
    for (CView* view : m_Views) {
        view->m_pDocument = nullptr;
    }
}

void CDocument::SetPathName(const QString& path) {
    m_strPathName = path;
    m_strTitle = QFileInfo(path).fileName();
}

void CDocument::AddView(CView* view) {
    if (view == nullptr || m_Views.contains(view)) {
        return;
    }
    if (view->m_pDocument != nullptr && view->m_pDocument != this) {
        view->m_pDocument->RemoveView(view);
    }
    m_Views.append(view);
    view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view) {
    if (m_Views.removeOne(view)) {
        view->m_pDocument = nullptr;
    }
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject) {
    const QList<CView*> views = m_Views;  // a view may detach itself while updating
    for (CView* view : views) {
        if (view != sender) {
            view->OnUpdate(sender, hint, hintObject);
        }
    }
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_bModified = false;
    m_strPathName.clear();
    return true;
}

void CDocument::OnCloseDocument() {
    const QList<CView*> views = m_Views;
    for (CView* view : views) {
        RemoveView(view);
    }
    DeleteContents();
}

namespace {

void Report(QString* error, const QString& path, const QString& cause) {
    if (error != nullptr) {
        *error = QStringLiteral("%1: %2").arg(path, cause);
    }
}

}  // namespace

bool CDocument::OnOpenDocument(const QString& path, QString* error) {
    QByteArray contents;
    QString cause;
    if (!CCompoundFile::ReadContents(path, &contents, &cause)) {
        Report(error, path, cause);
        return false;
    }
    std::unique_ptr<CDocument> fresh(CreateBlankDocument());
    if (fresh == nullptr) {
        Report(error, path, QStringLiteral("no document of this kind can be made to read it"));
        return false;
    }
    try {
        CArchive ar(CArchive::load, &contents);
        fresh->Serialize(ar);
    } catch (const CArchiveException& e) {
        Report(error, path, QStringLiteral("the document is damaged (%1)").arg(e.Message()));
        return false;
    } catch (const std::exception& e) {
        Report(error, path,
               QStringLiteral("the document cannot be read (%1)")
                   .arg(QString::fromLocal8Bit(e.what())));
        return false;
    }
    OnContentsReplacing();
    SwapContents(*fresh);
    // The old contents leave with the fresh document.
    fresh.reset();
    SetPathName(path);
    m_bModified = false;
    return true;
}

CDocument* CDocument::CreateBlankDocument() const {
    CObject* object = GetRuntimeClass()->CreateObject();
    if (object != nullptr && !object->IsKindOf(RUNTIME_CLASS(CDocument))) {
        delete object;
        return nullptr;
    }
    return static_cast<CDocument*>(object);
}

bool CDocument::OnSaveDocument(const QString& path, QString* error) {
    QByteArray contents;
    try {
        CArchive ar(CArchive::store, &contents);
        Serialize(ar);
    } catch (const CArchiveException& e) {
        Report(error, path, QStringLiteral("the document cannot be written (%1)").arg(e.Message()));
        return false;
    }
    QString cause;
    if (!CCompoundFile::WriteContents(path, contents, &cause)) {
        Report(error, path, cause);
        return false;
    }
    SetPathName(path);
    m_bModified = false;
    return true;
}
