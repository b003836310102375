#include "platform/document.h"

#include <QFileInfo>

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
