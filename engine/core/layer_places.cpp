#include "core/layer_places.h"

#include <QHash>
#include <QSet>
#include <algorithm>

#include "core/component.h"
#include "core/layer.h"

namespace Qarn {

namespace {

// Where each component of one layer lies. Lists usually follow the layer's order (a
// selection of everything, a group's members), so the place after the last one found is tried
// first; only a list out of order pays for a table of the whole layer.
class LayerIndex {
public:
    explicit LayerIndex(const CQarnLayer* layer) : m_pList(&layer->GetList()) {}

    // -1 when the layer does not hold the component.
    int Find(const CQarnComponent* c) {
        const ComponentList& list = *m_pList;
        const int guess = m_nLast + 1;
        if (guess < list.size() && list[guess] == c) {
            return m_nLast = guess;
        }
        if (m_Table.isEmpty()) {
            m_Table.reserve(list.size());
            for (int i = 0; i < list.size(); ++i) {
                m_Table.insert(list[i], i);
            }
        }
        const auto at = m_Table.constFind(c);
        if (at == m_Table.constEnd()) {
            return -1;
        }
        return m_nLast = *at;
    }

private:
    const ComponentList* m_pList;
    QHash<const CQarnComponent*, int> m_Table;
    int m_nLast = -1;
};

}  // namespace

void FindLayerPlaces(const ComponentList& components, ComponentList& found,
                     std::vector<LayerPlace>& places) {
    found.clear();
    places.clear();
    QHash<CQarnLayer*, LayerIndex> indexOf;
    // A component found twice is at an index already taken.
    QHash<CQarnLayer*, std::vector<bool>> taken;
    for (CQarnComponent* c : components) {
        CQarnLayer* layer = c != nullptr ? c->GetLayer() : nullptr;
        if (layer == nullptr) {
            continue;
        }
        auto at = indexOf.find(layer);
        if (at == indexOf.end()) {
            at = indexOf.insert(layer, LayerIndex(layer));
            taken.insert(layer, std::vector<bool>(size_t(layer->GetCount()), false));
        }
        const int index = at->Find(c);
        std::vector<bool>& used = taken[layer];
        if (index < 0 || used[size_t(index)]) {
            continue;
        }
        used[size_t(index)] = true;
        found.append(c);
        places.push_back(LayerPlace{layer, index});
    }
}

void UnlinkFromLayers(const ComponentList& components, const std::vector<LayerPlace>& places) {
    // Marked by index, then the layer is compacted once.
    QHash<CQarnLayer*, std::vector<bool>> leaving;
    for (int i = 0; i < components.size() && size_t(i) < places.size(); ++i) {
        const LayerPlace& place = places[size_t(i)];
        auto at = leaving.find(place.layer);
        if (at == leaving.end()) {
            at = leaving.insert(place.layer,
                                std::vector<bool>(size_t(place.layer->GetCount()), false));
        }
        if (place.index >= 0 && size_t(place.index) < at->size() &&
            place.layer->GetList()[place.index] == components[i]) {
            (*at)[size_t(place.index)] = true;
        }
    }
    for (auto it = leaving.begin(); it != leaving.end(); ++it) {
        const std::vector<bool>& gone = it.value();
        ComponentList& list = it.key()->GetList();
        ComponentList stayed;
        stayed.reserve(list.size());
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (!gone[size_t(i)]) {
                stayed.append(list[i]);
            }
        }
        list = std::move(stayed);
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
