#include "undo/page_refresh.h"

#include "core/doc.h"

namespace Qarn {

void RefreshPages(CQarnDoc* doc, CQarnCanvas* page, PageChange change) {
    if (doc == nullptr) {
        return;
    }
    doc->NotifyPageChanged(page, change);
    doc->UpdateAllViews(nullptr, 0);
}

}  // namespace Qarn
