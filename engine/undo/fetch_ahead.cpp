#include "undo/fetch_ahead.h"

#include "core/component.h"
#include "core/element.h"
#include "platform/graphics_path.h"
#include "properties/property.h"

namespace {

// How far ahead each stage looks: the component itself, then the blocks its fields point to,
// then the blocks those point to.
constexpr qsizetype kObjectAhead = 6;
constexpr qsizetype kListsAhead = 4;
constexpr qsizetype kContentAhead = 2;

// A hint only: nothing is read, and a compiler without it does nothing.
inline void Prefetch(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

void PrefetchBlock(const void* address, size_t bytes) {
    const char* at = static_cast<const char*>(address);
    for (size_t offset = 0; offset < bytes; offset += 64) {
        Prefetch(at + offset);
    }
}

}  // namespace

namespace Qarn {

void FetchAhead(const ComponentList& components, qsizetype index, FetchParts parts) {
    const qsizetype count = components.size();
    if (index + kObjectAhead < count) {
        PrefetchBlock(components[index + kObjectAhead], sizeof(CQarnComponent));
    }
    if (parts == FetchParts::Fields) {
        return;
    }
    const bool outline = parts == FetchParts::PropertiesAndOutline;
    if (index + kListsAhead < count) {
        const CQarnComponent* c = components[index + kListsAhead];
        Prefetch(c->GetPropList().constData());
        if (const CQarnElement* element = outline ? c->GetElement(0) : nullptr) {
            PrefetchBlock(element, sizeof(CQarnElement));
        }
    }
    if (index + kContentAhead < count) {
        const CQarnComponent* c = components[index + kContentAhead];
        for (const CQarnProperty* p : c->GetPropList()) {
            Prefetch(p);
        }
        if (const CQarnElement* element = outline ? c->GetElement(0) : nullptr) {
            Prefetch(element->GetPath()->Points().data());
        }
    }
}

}  // namespace Qarn
