#include "core/layer_places.h"

#include <QHash>
#include <QSet>
#include <algorithm>

#include "core/component.h"
#include "core/layer.h"

namespace Qarn {

void FindLayerPlaces(const ComponentList& components, ComponentList& found,
                     std::vector<LayerPlace>& places) {
    found.clear();
    places.clear();
    // Each layer's positions are looked up once, so that many components cost one pass.
    QHash<CQarnLayer*, QHash<const CQarnComponent*, int>> indexOf;
    QSet<const CQarnComponent*> seen;
    for (CQarnComponent* c : components) {
        CQarnLayer* layer = c != nullptr ? c->GetLayer() : nullptr;
        if (layer == nullptr || seen.contains(c)) {
            continue;
        }
        auto at = indexOf.find(layer);
        if (at == indexOf.end()) {
            QHash<const CQarnComponent*, int> positions;
            const ComponentList& list = layer->GetList();
            positions.reserve(list.size());
            for (int i = 0; i < list.size(); ++i) {
                positions.insert(list[i], i);
            }
            at = indexOf.insert(layer, std::move(positions));
        }
        const auto index = at->constFind(c);
        if (index == at->constEnd()) {
            continue;
        }
        seen.insert(c);
        found.append(c);
        places.push_back(LayerPlace{layer, *index});
    }
}

void UnlinkFromLayers(const ComponentList& components, const std::vector<LayerPlace>& places) {
    QHash<CQarnLayer*, QSet<const CQarnComponent*>> leaving;
    for (int i = 0; i < components.size() && size_t(i) < places.size(); ++i) {
        leaving[places[size_t(i)].layer].insert(components[i]);
    }
    for (auto it = leaving.begin(); it != leaving.end(); ++it) {
        const QSet<const CQarnComponent*>& gone = it.value();
        ComponentList& list = it.key()->GetList();
        list.removeIf([&](CQarnComponent* c) { return gone.contains(c); });
    }
}

void RelinkIntoLayers(const ComponentList& components, const std::vector<LayerPlace>& places) {
    struct Returning {
        int index;
        CQarnComponent* component;
    };
    QHash<CQarnLayer*, std::vector<Returning>> coming;
    for (int i = 0; i < components.size() && size_t(i) < places.size(); ++i) {
        const LayerPlace& place = places[size_t(i)];
        coming[place.layer].push_back(Returning{place.index, components[i]});
    }
    for (auto it = coming.begin(); it != coming.end(); ++it) {
        std::vector<Returning>& back = it.value();
        std::sort(back.begin(), back.end(),
                  [](const Returning& a, const Returning& b) { return a.index < b.index; });
        CQarnLayer* layer = it.key();
        const ComponentList stayed = layer->GetList();
        ComponentList merged;
        merged.reserve(stayed.size() + qsizetype(back.size()));
        size_t next = 0;
        for (CQarnComponent* c : stayed) {
            while (next < back.size() && back[next].index <= merged.size()) {
                merged.append(back[next++].component);
            }
            merged.append(c);
        }
        while (next < back.size()) {
            merged.append(back[next++].component);
        }
        for (const Returning& r : back) {
            r.component->SetLayer(layer);
        }
        layer->GetList() = std::move(merged);
    }
}

}  // namespace Qarn
