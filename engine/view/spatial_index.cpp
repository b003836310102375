#include "view/spatial_index.h"

#include "core/canvas.h"
#include "core/component.h"
#include "core/layer.h"
#include "view/hit_shape.h"
#include "view/layer_index.h"

CQarnSpatialIndex::CQarnSpatialIndex() = default;
CQarnSpatialIndex::~CQarnSpatialIndex() = default;

CRect CQarnSpatialIndex::IndexBounds(CQarnComponent* component) {
    return CQarnLayerIndex::BoundsOf(component);
}

void CQarnSpatialIndex::Rebuild(CQarnCanvas* canvas) {
    m_pCanvas = canvas;
    m_Layers.clear();
    m_HitShapes.clear();
    if (canvas == nullptr) {
        return;
    }
    for (CQarnLayer* layer : canvas->GetLayers()) {
        auto index = std::make_unique<CQarnLayerIndex>(layer);
        for (CQarnComponent* c : layer->GetList()) {
            if (c->GetBoundCache().IsRectNull()) {
                c->SetBoundCache(c->GetBoundRect(false));
            }
        }
        index->Rebuild();
        m_Layers[layer] = std::move(index);
    }
}

CQarnLayerIndex* CQarnSpatialIndex::Find(const CQarnLayer* layer) const {
    auto found = m_Layers.find(layer);
    return found != m_Layers.end() ? found->second.get() : nullptr;
}

void CQarnSpatialIndex::OnAdded(CQarnComponent* component) {
    if (component == nullptr || component->GetLayer() == nullptr ||
        component->GetLayer()->GetCanvas() != m_pCanvas || m_pCanvas == nullptr) {
        return;
    }
    CQarnLayerIndex* index = Find(component->GetLayer());
    if (index == nullptr) {
        // A layer the index has not seen yet.
        auto fresh = std::make_unique<CQarnLayerIndex>(component->GetLayer());
        fresh->Rebuild();
        m_Layers[component->GetLayer()] = std::move(fresh);
        return;
    }
    index->Insert(component, IndexBounds(component));
}

void CQarnSpatialIndex::OnChanged(CQarnComponent* component) {
    if (component == nullptr) {
        return;
    }
    m_HitShapes.erase(component);
    if (CQarnLayerIndex* index = Find(component->GetLayer())) {
        if (index->Contains(component)) {
            index->Update(component, IndexBounds(component));
            return;
        }
    }
    // It may have moved to another layer without the index hearing of it.
    OnRemoved(component);
    OnAdded(component);
}

void CQarnSpatialIndex::OnRemoved(CQarnComponent* component) {
    m_HitShapes.erase(component);
    for (auto& [layer, index] : m_Layers) {
        if (index->Contains(component)) {
            index->Erase(component);
        }
    }
}

void CQarnSpatialIndex::InvalidateOrder() {
    for (auto& [layer, index] : m_Layers) {
        index->InvalidateOrder();
    }
}

CRect CQarnSpatialIndex::GetBounds(const CQarnComponent* component) const {
    for (const auto& [layer, index] : m_Layers) {
        if (index->Contains(component)) {
            return index->GetBounds(component);
        }
    }
    return CRect();
}

int CQarnSpatialIndex::Size() const {
    int total = 0;
    for (const auto& [layer, index] : m_Layers) {
        total += index->Size();
    }
    return total;
}

void CQarnSpatialIndex::PrepareForQueries() const {
    for (const auto& [layer, index] : m_Layers) {
        index->PrepareOrder();
    }
}

void CQarnSpatialIndex::Query(const CRect& area, std::vector<CQarnComponent*>& out) const {
    if (m_pCanvas == nullptr) {
        return;
    }
    for (const CQarnLayer* layer : m_pCanvas->GetLayers()) {
        if (!layer->IsVisible(-1)) {
            continue;
        }
        if (const CQarnLayerIndex* index = Find(layer)) {
            index->Query(area, out);
        }
    }
}

void CQarnSpatialIndex::QueryLayer(const CQarnLayer* layer, const CRect& area,
                                   std::vector<CQarnComponent*>& out) const {
    if (const CQarnLayerIndex* index = Find(layer)) {
        index->PrepareOrder();
        index->Query(area, out);
    }
}

CQarnComponent* CQarnSpatialIndex::ObjectAt(const CPoint& point, CView* view) const {
    if (m_pCanvas == nullptr) {
        return nullptr;
    }
    const CRect probe(point.x, point.y, point.x + 1, point.y + 1);
    std::vector<CQarnComponent*> under;
    const LayerList& layers = m_pCanvas->GetLayers();
    for (qsizetype l = layers.size() - 1; l >= 0; --l) {
        const CQarnLayer* layer = layers[l];
        if (!layer->IsVisible(-1)) {
            continue;
        }
        under.clear();
        QueryLayer(layer, probe, under);
        const CQarnLayerIndex* index = Find(layer);
        for (auto it = under.rbegin(); it != under.rend(); ++it) {
            CQarnComponent* c = *it;
            if (c->GetParentGroup() != nullptr) {
                continue;
            }
            if (CQarnHitShape::Applies(c)) {
                auto cached = m_HitShapes.find(c);
                if (cached == m_HitShapes.end()) {
                    cached =
                        m_HitShapes.emplace(c, CQarnHitShape::Make(c, index->GetBounds(c))).first;
                }
                const CQarnHitShape::Answer answer = cached->second.Test(c, point);
                if (answer == CQarnHitShape::Yes) {
                    return c;
                }
                if (answer == CQarnHitShape::No) {
                    continue;
                }
            }
            if (c->Intersects(probe, view)) {
                return c;
            }
        }
    }
    return nullptr;
}
