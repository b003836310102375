#include "child_frame.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "my_qarn_doc.h"
#include "my_qarn_view.h"
#include "view/ruler_frame.h"

CQarnChildFrame::CQarnChildFrame(CMyQarnDoc* doc, QWidget* parent)
    : QWidget(parent), m_pDoc(doc), m_pView(new CMyQarnView()) {
    setObjectName(QStringLiteral("ChildFrame"));
    m_pRulers = new CQarnRulerFrame(m_pView, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pRulers);
    m_pView->SetDocument(doc);
    setFocusProxy(m_pView);
    setMinimumSize(160, 100);
}

CQarnChildFrame::~CQarnChildFrame() {
    // The view goes first, while its document is certainly still there.
    delete m_pRulers;
}

void CQarnChildFrame::ShowRulers(bool show) {
    m_pRulers->ShowRulers(show);
}

void CQarnChildFrame::UpdateTitle(int windowNumber) {
    QString title = m_pDoc->GetDisplayName();
    if (windowNumber > 0) {
        title += QStringLiteral(":%1").arg(windowNumber);
    }
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(m_pDoc->IsModified());
}

void CQarnChildFrame::closeEvent(QCloseEvent* event) {
    if (m_Guard && !m_Guard(this)) {
        event->ignore();
        return;
    }
    event->accept();
}
