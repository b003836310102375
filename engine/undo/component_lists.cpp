#include "undo/component_lists.h"

#include <QSet>
#include <algorithm>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "shapes/group.h"

namespace Qarn {

ComponentList ExpandComponents(const ComponentList& components) {
    // Without a group the list is its own expansion (a selection holds each component once).
    const bool anyGroup = std::any_of(components.begin(), components.end(), [](CQarnComponent* c) {
        return c != nullptr && c->IsKindOf(CQarnGroup::ThisClass());
    });
    if (!anyGroup) {
        ComponentList kept = components;
        kept.removeAll(nullptr);
        return kept;
    }
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

ComponentList AttachedConnectors(ComponentList pending, QSet<const CQarnComponent*> known) {
    // Only a connector can be found resting on something: the list's own connectors are
    // all that must be told apart from those found.
    ComponentList found;
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
    if (doc == nullptr) {
        return ComponentList();
    }
    // A component the document took out has no layer; one on a page or layer that left the
    // document has a layer the document no longer holds.
    QSet<const CQarnLayer*> layers;
    for (const CQarnCanvas* canvas : doc->GetCanvasList()) {
        for (const CQarnLayer* layer : canvas->GetLayers()) {
            layers.insert(layer);
        }
    }
    ComponentList kept;
    kept.reserve(components.size());
    // A selection mostly lies on one layer: the layer last found is asked first.
    const CQarnLayer* lastFound = nullptr;
    for (CQarnComponent* c : components) {
        if (c == nullptr) {
            continue;
        }
        const CQarnLayer* layer = c->GetLayer();
        if (layer == nullptr) {
            continue;
        }
        if (layer == lastFound || layers.contains(layer)) {
            lastFound = layer;
            kept.append(c);
        }
    }
    return kept;
}

}  // namespace Qarn

namespace Qarn {

ComponentList ConnectorsFirst(const ComponentList& components) {
    ComponentList connectors;
    ComponentList others;
    others.reserve(components.size());
    for (CQarnComponent* c : components) {
        (c->IsKindOf(CQarnConnector::ThisClass()) ? connectors : others).append(c);
    }
    if (connectors.isEmpty()) {
        return others;
    }
    return connectors + others;
}

}  // namespace Qarn
