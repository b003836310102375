#include "undo/component_lists.h"

#include <QSet>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/component.h"
#include "core/doc.h"

namespace Qarn {

ComponentList ExpandComponents(const ComponentList& components) {
    ComponentList all;
    for (CQarnComponent* c : components) {
        if (c != nullptr) {
            c->AddToList(all);
        }
    }
    ComponentList once;
    once.reserve(all.size());
    QSet<const CQarnComponent*> seen;
    seen.reserve(all.size());
    for (CQarnComponent* c : all) {
        if (c != nullptr && !seen.contains(c)) {
            seen.insert(c);
            once.append(c);
        }
    }
    return once;
}

ComponentList AttachedConnectors(const ComponentList& components) {
    QSet<const CQarnComponent*> known(components.begin(), components.end());
    ComponentList found;
    ComponentList pending = components;
    while (!pending.isEmpty()) {
        CQarnComponent* c = pending.takeLast();
        for (CQarnConnection* connection : c->GetConnectionList()) {
            CQarnConnector* connector =
                connection != nullptr ? connection->GetConnector() : nullptr;
            if (connector != nullptr && !known.contains(connector)) {
                known.insert(connector);
                found.append(connector);
                pending.append(connector);
            }
        }
    }
    return found;
}

ComponentList InDocument(CQarnDoc* doc, const ComponentList& components) {
    return doc != nullptr ? doc->KeepContained(components) : ComponentList();
}

}  // namespace Qarn

namespace Qarn {

ComponentList ConnectorsFirst(const ComponentList& components) {
    ComponentList ordered;
    ordered.reserve(components.size());
    for (CQarnComponent* c : components) {
        if (c->IsKindOf(CQarnConnector::ThisClass())) {
            ordered.append(c);
        }
    }
    for (CQarnComponent* c : components) {
        if (!c->IsKindOf(CQarnConnector::ThisClass())) {
            ordered.append(c);
        }
    }
    return ordered;
}

}  // namespace Qarn
