#include "core/doc_message_adapter.h"

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/notification_messages.h"
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
    if (doc == nullptr ||
        (change != Qarn::PageChange::Current && change != Qarn::PageChange::Reloaded)) {
        return;
    }
    const CSize size = doc->GetCanvasSize();
    for (CView* view : doc->GetViews()) {
        PostMessage(view->GetMessageTarget(), QRN_PAGESIZECHANGE, WPARAM(size.cx), LPARAM(size.cy));
    }
    PostMessage(AfxGetMainWnd(), QRN_PAGECHANGE,
                WPARAM(doc->GetCanvasIndex(doc->GetCurrentCanvas()) + 1),
                LPARAM(doc->GetCanvasList().size()));
}
