#include "shapes/group_table.h"

#include "core/system_helpers.h"
#include "platform/archive.h"
#include "shapes/group.h"

QARN_IMPLEMENT_SERIAL(CQarnGroupTable, CObject, 0)

CQarnGroupTable::CQarnGroupTable(int chains) {
    for (int i = 0; i < chains; ++i) {
        m_Chains.append(QList<int>());
    }
}

void CQarnGroupTable::CreateFromContainer(const ComponentList& list) {
    m_Chains.clear();
    for (CQarnComponent* c : list) {
        auto* group = dynamic_cast<CQarnGroup*>(c);
        if (group == nullptr) {
            continue;
        }
        QList<int> chain{Qarn::GetObjectPosition(list, c)};
        for (CQarnComponent* member : group->GetMembers()) {
            chain.append(Qarn::GetObjectPosition(list, member));
        }
        m_Chains.append(chain);
    }
}

void CQarnGroupTable::ResetContainer(ComponentList& list) {
    for (const QList<int>& chain : m_Chains) {
        if (chain.isEmpty()) {
            continue;
        }
        auto* group = dynamic_cast<CQarnGroup*>(list.value(chain.first() - 1, nullptr));
        if (group == nullptr) {
            continue;
        }
        group->ClearMembers();
        for (qsizetype i = 1; i < chain.size(); ++i) {
            if (CQarnComponent* member = list.value(chain[i] - 1, nullptr)) {
                group->AddComponent(member);
            }
        }
    }
    m_Chains.clear();
}

void CQarnGroupTable::AddNodeAt(int chain, const GroupNode& node) {
    if (chain >= 0 && chain < m_Chains.size()) {
        m_Chains[chain].append(node.position);
    }
}

int CQarnGroupTable::NumberAt(int chain) const {
    return chain >= 0 && chain < m_Chains.size() ? int(m_Chains[chain].size()) : 0;
}

void CQarnGroupTable::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << std::uint32_t(m_Chains.size());
        for (const QList<int>& chain : m_Chains) {
            ar << std::uint32_t(chain.size());
            for (int position : chain) {
                ar << std::int32_t(position);
            }
        }
        return;
    }
    m_Chains.clear();
    std::uint32_t chains = 0;
    ar >> chains;
    ar.Require(qint64(chains) * 4, "the chains of a group table");
    for (std::uint32_t i = 0; i < chains; ++i) {
        std::uint32_t nodes = 0;
        ar >> nodes;
        ar.Require(qint64(nodes) * 4, "the nodes of a group chain");
        QList<int> chain;
        for (std::uint32_t n = 0; n < nodes; ++n) {
            std::int32_t position = 0;
            ar >> position;
            chain.append(position);
        }
        m_Chains.append(chain);
    }
}
