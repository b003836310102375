#include "core/default_page_size.h"

namespace {

Qarn::PageSizeProvider Provider = nullptr;

}  // namespace

namespace Qarn {

void SetDefaultPageSizeProvider(PageSizeProvider provider) {
    Provider = provider;
}

CSize GetDefaultPageSize() {
    const CSize fallback(500, 500);
    if (Provider == nullptr) {
        return fallback;
    }
    const CSize size = Provider();
    return size.cx > 0 && size.cy > 0 ? size : fallback;
}

}  // namespace Qarn
