#include "document_watcher.h"

void CDocumentWatcher::OnComponentAdded(CQarnComponent*) {
    m_Callback(Drawing);
}

void CDocumentWatcher::OnComponentRemoved(CQarnComponent*) {
    m_Callback(Drawing);
}

void CDocumentWatcher::OnComponentChanged(CQarnComponent*, Qarn::ComponentChange change,
                                          const CRect&) {
    // The feedback of a drag in progress is not yet a change of the drawing.
    if (change == Qarn::ComponentChange::Appearance) {
        m_Callback(Drawing);
    }
}

void CDocumentWatcher::OnPageChanged(CQarnCanvas*, Qarn::PageChange change) {
    switch (change) {
        case Qarn::PageChange::Layers:
            m_Callback(Layers | Drawing);
            break;
        case Qarn::PageChange::Background:
            m_Callback(Drawing);
            break;
        default:
            m_Callback(Pages | Layers | Drawing);
            break;
    }
}
