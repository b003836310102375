#include "my_qarn_view.h"

#include <QKeyEvent>

#include "my_qarn_doc.h"

CMyQarnView::CMyQarnView(QWidget* parent) : CQarnView(parent) {
    setObjectName(QStringLiteral("DrawingView"));
}

CMyQarnView::~CMyQarnView() {
    Q_EMIT Closing(this);
}

CMyQarnDoc* CMyQarnView::GetMyDocument() const {
    return dynamic_cast<CMyQarnDoc*>(GetDoc());
}

bool CMyQarnView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return CQarnView::event(event);
}
