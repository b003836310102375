#pragma once
// The spatial index of the page a view shows: one R-tree per layer, kept current by the
// document's change notifications, so that painting takes only the components that meet the
// area being painted and a hit test looks only at those under the point.

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/cpoint.h"
#include "platform/crect.h"
#include "view/hit_shape.h"

class CQarnCanvas;
class CQarnComponent;
class CQarnLayer;
class CQarnLayerIndex;
class CView;

class CQarnSpatialIndex {
public:
    CQarnSpatialIndex();
    ~CQarnSpatialIndex();
    CQarnSpatialIndex(const CQarnSpatialIndex&) = delete;
    CQarnSpatialIndex& operator=(const CQarnSpatialIndex&) = delete;

    // Indexes the page afresh (null: nothing indexed).
    void Rebuild(CQarnCanvas* canvas);
    CQarnCanvas* GetCanvas() const { return m_pCanvas; }

    // The bounds an index box takes for a component (CQarnLayerIndex::BoundsOf).
    static CRect IndexBounds(CQarnComponent* component);
    // A component joined, changed or is leaving the page; components of other pages are ignored.
    void OnAdded(CQarnComponent* component);
    void OnChanged(CQarnComponent* component);
    void OnRemoved(CQarnComponent* component);
    // The layers' order of components may have changed.
    void InvalidateOrder();
    // The bounds indexed for a component (empty when it is not indexed).
    CRect GetBounds(const CQarnComponent* component) const;
    int Size() const;

    // Makes the index ready for queries from several threads at once (no change may come in
    // until they are done).
    void PrepareForQueries() const;
    // The components of the visible layers whose bounds meet the area, in drawing order.
    void Query(const CRect& area, std::vector<CQarnComponent*>& out) const;
    // Every component of a layer that may be selected whose bounds meet the area, layer by
    // layer in order; `layer` limits it to one layer.
    void QueryLayer(const CQarnLayer* layer, const CRect& area,
                    std::vector<CQarnComponent*>& out) const;
    // The topmost component at the point that is not inside a group, as the document finds it,
    // but looking only at the components under the point.
    CQarnComponent* ObjectAt(const CPoint& point, CView* view) const;

private:
    CQarnLayerIndex* Find(const CQarnLayer* layer) const;

    CQarnCanvas* m_pCanvas = nullptr;
    std::unordered_map<const CQarnLayer*, std::unique_ptr<CQarnLayerIndex>> m_Layers;
    // Quick hit tests of the shapes asked about, kept until they change.
    mutable std::unordered_map<const CQarnComponent*, CQarnHitShape> m_HitShapes;
};
