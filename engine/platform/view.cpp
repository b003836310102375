#include "platform/view.h"

#include "platform/document.h"

CView::~CView() {
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
    }
}
