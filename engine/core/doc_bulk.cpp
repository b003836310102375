// Taking many components out of the document and putting them back at once, as deleting and
// pasting large selections and undoing that do.
#include <QSet>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"

namespace {

QSet<const CQarnLayer*> LayersOf(const CanvasList& canvases) {
    QSet<const CQarnLayer*> layers;
    for (const CQarnCanvas* canvas : canvases) {
        for (const CQarnLayer* layer : canvas->GetLayers()) {
            layers.insert(layer);
        }
    }
    return layers;
}

}  // namespace

ComponentList CQarnDoc::KeepContained(const ComponentList& components) const {
    ComponentList found;
    std::vector<Qarn::LayerPlace> places;
    Qarn::FindLayerPlaces(components, found, places);
    const QSet<const CQarnLayer*> mine = LayersOf(m_Canvases);
    ComponentList contained;
    for (int i = 0; i < found.size(); ++i) {
        if (mine.contains(places[size_t(i)].layer)) {
            contained.append(found[i]);
        }
    }
    return contained;
}

std::vector<std::unique_ptr<CQarnComponent>> CQarnDoc::TakeOutAll(
    const ComponentList& components, std::vector<Qarn::LayerPlace>& places) {
    ComponentList found;
    std::vector<Qarn::LayerPlace> foundPlaces;
    Qarn::FindLayerPlaces(components, found, foundPlaces);
    const QSet<const CQarnLayer*> mine = LayersOf(m_Canvases);
    ComponentList leaving;
    places.clear();
    for (int i = 0; i < found.size(); ++i) {
        if (mine.contains(foundPlaces[size_t(i)].layer)) {
            leaving.append(found[i]);
            places.push_back(foundPlaces[size_t(i)]);
        }
    }
    std::vector<std::unique_ptr<CQarnComponent>> taken;
    taken.reserve(size_t(leaving.size()));
    for (CQarnComponent* c : leaving) {
        if (m_pConnectionTarget == c) {
            m_pConnectionTarget = nullptr;
        }
        c->OnRemoved();
        m_Listeners.ForEach([&](CQarnDocListener* l) { l->OnComponentRemoved(c); });
        taken.emplace_back(c);
    }
    Qarn::UnlinkFromLayers(leaving, places);
    for (CQarnComponent* c : leaving) {
        c->SetLayer(nullptr);
    }
    return taken;
}

void CQarnDoc::PutBackAll(std::vector<std::unique_ptr<CQarnComponent>> components,
                          const std::vector<Qarn::LayerPlace>& places) {
    ComponentList returning;
    returning.reserve(qsizetype(components.size()));
    for (auto& c : components) {
        returning.append(c.release());
    }
    Qarn::RelinkIntoLayers(returning, places);
    for (CQarnComponent* c : returning) {
        Announce(c, nullptr);
    }
}
