#include "platform/view.h"

#include "platform/document.h"

CView::~CView() {
    EndLife();
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
    }
}
