#include "core/library_strings.h"

#include "platform/resource_module.h"

namespace Qarn {

void LoadLibraryStrings(CResourceModule& module) {
    struct Entry {
        UINT id;
        const char* text;
    };
    static const Entry kStrings[] = {
        // Ruler unit abbreviations.
        {8117, "\""}, {8119, "in"}, {8120, "inch"}, {8122, "inches"},
        {8123, "cm"}, {8124, "pt"}, {8125, "pi"},
    };
    for (const Entry& e : kStrings) {
        module.SetString(e.id, QString::fromUtf8(e.text));
    }
}

}  // namespace Qarn
