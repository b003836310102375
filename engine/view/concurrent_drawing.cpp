#include "view/concurrent_drawing.h"

#include <array>
#include <cstring>
#include <functional>

#include "core/component.h"
#include "platform/runtime_class.h"

namespace Qarn {

namespace {

// Classes whose drawing is the component pipeline itself (or nothing, for a group): they
// write only their own elements while drawing.
constexpr const char* kCheckedClasses[] = {
    "CQarnRect",      "CQarnPoly",       "CQarnArcPie",      "CQarnPoint",      "CQarnGroup",
    "CQarnConnector", "CQarnMConnector", "CQarnPolyOutline", "CQarnArcOutline",
};

bool IsGroup(const char* name) {
    return std::strcmp(name, "CQarnGroup") == 0;
}

}  // namespace

void PrepareForDrawing(CQarnComponent* component) {
    if (component != nullptr && component->GetPath() == nullptr) {
        component->ResetPath();
    }
}

bool CanDrawConcurrently(const CQarnComponent* component) {
    if (component == nullptr) {
        return false;
    }
    const char* name = component->GetRuntimeClass()->m_lpszClassName;
    for (const char* checked : kCheckedClasses) {
        if (std::strcmp(name, checked) == 0) {
            // Without an outline Draw would try to build one on the drawing thread.
            return IsGroup(name) || component->GetPath() != nullptr;
        }
    }
    return false;
}

std::mutex& DrawLockOf(const CQarnComponent* component) {
    // Striped locks: a component is drawn by one call at a time, and no drawing call waits on
    // a second lock, so sharing a stripe cannot deadlock.
    static std::array<std::mutex, 64> stripes;
    return stripes[std::hash<const void*>()(component) % stripes.size()];
}

}  // namespace Qarn
