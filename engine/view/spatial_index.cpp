#include "view/spatial_index.h"

#include <cstring>

#include "core/canvas.h"
#include "core/component.h"
#include "core/layer.h"
#include "platform/graphics_path.h"
#include "platform/runtime_class.h"
#include "view/layer_index.h"

CQarnSpatialIndex::CQarnSpatialIndex() = default;
CQarnSpatialIndex::~CQarnSpatialIndex() = default;

CRect CQarnSpatialIndex::IndexBounds(const CQarnComponent* component) {
    CRect r = component->GetBoundCache();
    r.NormalizeRect();
    r.InflateRect(1, 1);
    return r;
}

void CQarnSpatialIndex::Rebuild(CQarnCanvas* canvas) {
    m_pCanvas = canvas;
    m_Layers.clear();
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

namespace {

// Classes whose hit test is the base one: the shape as shown (its inside when filled or
// closed, and its stroke) within its bounds.
bool HitsWithinBounds(const CQarnComponent* c) {
    const char* name = c->GetRuntimeClass()->m_lpszClassName;
    return std::strcmp(name, "CQarnRect") == 0 || std::strcmp(name, "CQarnArcPie") == 0;
}

// Whether the point is certainly on the component: inside its filled outline. The shape's own
// test would answer yes too, at many times the cost.
bool SurelyInside(CQarnComponent* c, const CPoint& point) {
    const GraphicsPath* outline = c->GetPath();
    if (!(c->GetFill() || c->IsClosed()) || outline == nullptr || outline->IsEmpty() ||
        outline->GetFillMode() != (c->GetFillWinding() ? FillModeWinding : FillModeAlternate)) {
        return false;
    }
    PointF centre(float(point.x) + 0.5f, float(point.y) + 0.5f);
    c->AntiTransformPoints(&centre, 1);
    return outline->IsVisible(centre) != 0;
}

}  // namespace

CQarnComponent* CQarnSpatialIndex::ObjectAt(const CPoint& point, CView* view) const {
    if (m_pCanvas == nullptr) {
        return nullptr;
    }
    const CRect probe(point.x, point.y, point.x + 1, point.y + 1);
    // Lines are hit a few units beside their stroke, which may lie outside their bounds.
    CRect near = probe;
    near.InflateRect(kHitSlack, kHitSlack);
    std::vector<CQarnComponent*> under;
    const LayerList& layers = m_pCanvas->GetLayers();
    for (qsizetype l = layers.size() - 1; l >= 0; --l) {
        const CQarnLayer* layer = layers[l];
        if (!layer->IsVisible(-1)) {
            continue;
        }
        under.clear();
        QueryLayer(layer, near, under);
        const CQarnLayerIndex* index = Find(layer);
        for (auto it = under.rbegin(); it != under.rend(); ++it) {
            CQarnComponent* c = *it;
            if (c->GetParentGroup() != nullptr) {
                continue;
            }
            if (HitsWithinBounds(c)) {
                CRect box = index->GetBounds(c);
                if (!box.PtInRect(point)) {
                    continue;
                }
                if (SurelyInside(c, point)) {
                    return c;
                }
            }
            if (c->Intersects(probe, view)) {
                return c;
            }
        }
    }
    return nullptr;
}
