#pragma once
// Which connector ends rest on which components of a list, by position in the list, so that
// the copies of a list (paste, duplicate, undo) can be joined up the way the originals were.

#include <vector>

#include "core/component_list.h"
#include "platform/object.h"
#include "platform/win_types.h"

class CQarnConnectionTable : public CObject {
public:
    struct Entry {
        // 1-based positions in the list; component 0 when it is not in the list.
        int connector = 0;
        int component = 0;
        int anchor = 0;
        BYTE start = 0;
    };

    // One entry for every connected end of every connector in the list.
    void CreateFromContainer(const ComponentList& list);
    // Aims the ends of the list's connectors at the list's components by the entries; an end
    // whose component is not in the list is let go.
    void ResetContainer(ComponentList& list) const;

    const std::vector<Entry>& GetEntries() const { return m_Entries; }
    int GetCount() const { return int(m_Entries.size()); }

    // The count, then per entry the start flag, connector, component and anchor.
    void Serialize(CArchive& ar) override;

private:
    std::vector<Entry> m_Entries;
};
