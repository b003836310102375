#pragma once
// Which components of a list form which group, by 1-based positions, so that a list cloned in
// the same order can be regrouped among its own copies.

#include <QList>

#include "core/component_list.h"
#include "platform/object.h"

struct GroupNode {
    int position = 0;  // 1-based position in the list
};

class CQarnGroupTable : public CObject {
    QARN_DECLARE_SERIAL(CQarnGroupTable)

public:
    CQarnGroupTable() = default;
    explicit CQarnGroupTable(int chains);

    // One chain per group of the list, in list order: the group's position, then each
    // member's position (0 for a member that is not in the list).
    void CreateFromContainer(const ComponentList& list);
    // Rebuilds each chain's group in `list` from the positions that follow it, then clears
    // the table.
    void ResetContainer(ComponentList& list);
    void AddNodeAt(int chain, const GroupNode& node);
    // 1 + the members of the chain; 0 for a chain that does not exist.
    int NumberAt(int chain) const;
    int GetChainCount() const { return int(m_Chains.size()); }
    void RemoveAll() { m_Chains.clear(); }

    // The chain count, then per chain its node count and positions, group first.
    void Serialize(CArchive& ar) override;

private:
    QList<QList<int>> m_Chains;
};
