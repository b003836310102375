#include "panes/pane.h"

#include "view/qarn_view.h"

CPane::CPane(QWidget* parent) : QWidget(parent) {}

void CPane::SetView(CQarnView* view) {
    if (view == m_pView) {
        return;
    }
    m_pView = view;
    Notify(AllChanges);
}

CQarnView* CPane::GetView() const {
    return m_pView;
}

void CPane::Notify(unsigned changes) {
    m_nPending |= changes;
    if (!isVisible()) {
        return;
    }
    const unsigned pending = m_nPending;
    m_nPending = 0;
    OnChanges(pending);
}

void CPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Notify(0);
}
