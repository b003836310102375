#include "core/doc_message_adapter.h"

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/notification_messages.h"
#include "platform/message_relay.h"
#include "platform/view.h"
#include "platform/window_messages.h"

void CQarnDocMessageAdapter::OnComponentAdded(CQarnComponent* component) {
    SendMessage(AfxGetMainWnd(), QRN_ADDED, reinterpret_cast<WPARAM>(component), 0);
}

void CQarnDocMessageAdapter::OnComponentRemoved(CQarnComponent* component) {
    SendMessage(AfxGetMainWnd(), QRN_REMOVED, reinterpret_cast<WPARAM>(component), 0);
}

void CQarnDocMessageAdapter::OnComponentPropertyChanged(CQarnComponent* component, UINT code) {
    // The component's number stands for it: the component may be freed before the message is
    // handled, its number is only ever looked up.
    PostMessage(AfxGetMainWnd(), QRN_PROPERTYCHANGE, WPARAM(component->GetID()), LPARAM(code));
}

void CQarnDocMessageAdapter::OnPageChanged(CQarnCanvas* page, Qarn::PageChange change) {
    (void)page;
    CQarnDoc* doc = GetSubscribedDocument();
    if (doc == nullptr) {
        return;
    }
    // The panes that list pages and layers hear of any change to them.
    switch (change) {
        case Qarn::PageChange::Layers:
            QarnMessageRelay(QARN_WM_LAYERINFO_UPDATED, 0, 0);
            return;
        case Qarn::PageChange::Added:
        case Qarn::PageChange::Removed:
        case Qarn::PageChange::Moved:
        case Qarn::PageChange::Size:
        case Qarn::PageChange::Background:
            QarnMessageRelay(QARN_WM_PAGEINFO_UPDATED, 0, 0);
            return;
        case Qarn::PageChange::Current:
        case Qarn::PageChange::Reloaded:
            break;
    }
    const CSize size = doc->GetCanvasSize();
    for (CView* view : doc->GetViews()) {
        PostMessage(view->GetMessageTarget(), QRN_PAGESIZECHANGE, WPARAM(size.cx), LPARAM(size.cy));
    }
    PostMessage(AfxGetMainWnd(), QRN_PAGECHANGE,
                WPARAM(doc->GetCanvasIndex(doc->GetCurrentCanvas()) + 1),
                LPARAM(doc->GetCanvasList().size()));
}
