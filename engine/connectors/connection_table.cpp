#include "connectors/connection_table.h"

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"

namespace {

// Start flag, connector, component and anchor.
constexpr qint64 kEntryBytes = 13;

CQarnConnector* ConnectorAt(const ComponentList& list, int number) {
    if (number < 1 || number > list.size()) {
        return nullptr;
    }
    CQarnComponent* c = list[number - 1];
    return c != nullptr && c->IsKindOf(CQarnConnector::ThisClass())
               ? static_cast<CQarnConnector*>(c)
               : nullptr;
}

}  // namespace

void CQarnConnectionTable::CreateFromContainer(const ComponentList& list) {
    m_Entries.clear();
    for (int i = 0; i < list.size(); ++i) {
        CQarnConnector* connector = ConnectorAt(list, i + 1);
        if (connector == nullptr) {
            continue;
        }
        for (CQarnConnection* c :
             {connector->GetLeftConnection(), connector->GetRightConnection()}) {
            if (c == nullptr || c->GetComponent() == nullptr) {
                continue;
            }
            Entry entry;
            entry.connector = i + 1;
            entry.start = c == connector->GetLeftConnection() ? 1 : 0;
            entry.component = c->GetComponent()->GetIndexInList(list);
            entry.anchor = c->GetAnchor();
            m_Entries.push_back(entry);
        }
    }
}

void CQarnConnectionTable::ResetContainer(ComponentList& list) const {
    for (const Entry& entry : m_Entries) {
        CQarnConnector* connector = ConnectorAt(list, entry.connector);
        if (connector == nullptr) {
            continue;
        }
        const bool start = entry.start != 0;
        CQarnComponent* component = entry.component >= 1 && entry.component <= list.size()
                                        ? list[entry.component - 1]
                                        : nullptr;
        if (component == nullptr || component == connector) {
            if (start) {
                connector->SetLeftConnection(nullptr);
            } else {
                connector->SetRightConnection(nullptr);
            }
            continue;
        }
        CQarnConnection* c =
            start ? connector->GetLeftConnection() : connector->GetRightConnection();
        if (c == nullptr) {
            c = new CQarnConnection(component, entry.anchor, connector, PointF());
            if (entry.anchor == 0) {
                const int at = start ? 1 : connector->GetPointCount();
                c->SetPoint(connector->GetPoint(at, 1));
            }
        } else {
            // Off the original's list, onto the copy's.
            c->Disconnect();
            c->SetComponent(component);
            c->SetAnchor(entry.anchor);
        }
        if (start) {
            connector->SetLeftConnection(c);
        } else {
            connector->SetRightConnection(c);
        }
    }
}

void CQarnConnectionTable::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << std::int32_t(m_Entries.size());
        for (const Entry& e : m_Entries) {
            ar << std::uint8_t(e.start) << std::int32_t(e.connector) << std::int32_t(e.component)
               << std::int32_t(e.anchor);
        }
        return;
    }
    std::int32_t count = 0;
    const qint64 offset = ar.Position();
    ar >> count;
    if (count < 0 || qint64(count) * kEntryBytes > ar.BytesLeft()) {
        throw CArchiveException(
            QStringLiteral("a connection table of %1 entries runs past the end").arg(count),
            offset);
    }
    std::vector<Entry> entries(static_cast<size_t>(count));
    for (Entry& e : entries) {
        std::uint8_t start = 0;
        std::int32_t connector = 0;
        std::int32_t component = 0;
        std::int32_t anchor = 0;
        ar >> start >> connector >> component >> anchor;
        e = Entry{connector, component, anchor, start};
    }
    m_Entries = std::move(entries);
}
