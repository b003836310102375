#include "core/view_link.h"

namespace {

CQarnViewLink* Installed = nullptr;

}  // namespace

void CQarnViewLink::Invalidate(CQarnComponent*, CView*, bool) {}

void CQarnViewLink::SendOutlineRequest(CQarnComponent*) {}

void CQarnViewLink::SendLabelOutlineRequest(CQarnComponent*) {}

bool CQarnViewLink::IsSizing() const {
    return false;
}

CQarnComponent* CQarnViewLink::GetFocused() const {
    return nullptr;
}

void CQarnViewLink::SetFocused(CQarnComponent*) {}

void CQarnViewLink::OnSelectionChanged(CQarnView*) {}

CQarnDoc* CQarnViewLink::GetViewDocument(CQarnView*) const {
    return nullptr;
}

CQarnViewLink* CQarnViewLink::Get() {
    static CQarnViewLink fallback;
    return Installed != nullptr ? Installed : &fallback;
}

void CQarnViewLink::Set(CQarnViewLink* link) {
    Installed = link;
}
