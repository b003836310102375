#include "core/connection_link.h"

namespace {

CQarnConnectionLink* Installed = nullptr;
CQarnConnectionLink* Default = nullptr;

}  // namespace

CQarnComponent* CQarnConnectionLink::GetConnector(CQarnConnection*) const {
    return nullptr;
}

void CQarnConnectionLink::KillConnection(CQarnConnection*, CQarnComponent*) {}

void CQarnConnectionLink::FollowComponent(CQarnConnection*, int, const RectF&, const float&,
                                          const DWORD&) {}

void CQarnConnectionLink::DropConnection(CQarnConnection*, CQarnComponent*) {}

void CQarnConnectionLink::RecordPosition(CQarnConnection*) {}

int CQarnConnectionLink::GetAnchorIndex(CQarnConnection*) const {
    return 0;
}

void CQarnConnectionLink::SetAnchorIndex(CQarnConnection*, int) {}

CQarnConnectionLink* CQarnConnectionLink::Get() {
    static CQarnConnectionLink fallback;
    if (Installed != nullptr) {
        return Installed;
    }
    return Default != nullptr ? Default : &fallback;
}

void CQarnConnectionLink::Set(CQarnConnectionLink* link) {
    Installed = link;
}

void CQarnConnectionLink::SetDefault(CQarnConnectionLink* link) {
    Default = link;
}
