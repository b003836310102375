#pragma once
// The spatial index of one layer: every component's bounds in an R-tree (Boost.Geometry), and
// the components' drawing order, so that painting and hit tests look only at what meets an
// area and still take the components in the layer's order.

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/crect.h"

class CQarnComponent;
class CQarnLayer;

class CQarnLayerIndex {
public:
    explicit CQarnLayerIndex(const CQarnLayer* layer);
    ~CQarnLayerIndex();
    CQarnLayerIndex(const CQarnLayerIndex&) = delete;
    CQarnLayerIndex& operator=(const CQarnLayerIndex&) = delete;

    const CQarnLayer* GetLayer() const { return m_pLayer; }
    // How far beside its bounds a component may still answer a hit test (document units): a
    // line is hit within two units of its bounds.
    static constexpr int kHitSlack = 3;
    // The box a component takes: where it paints (view/paint_bounds.h), grown by a unit for the
    // fractions and the smoothing that whole-unit bounds leave out, and by kHitSlack for shapes
    // whose hit test reaches beyond their bounds (lines, groups, kinds the view does not know),
    // so that a hit test needs to look only at the boxes holding the point.
    static CRect BoundsOf(CQarnComponent* component);
    // Indexes every component of the layer afresh (bulk-loaded).
    void Rebuild();
    // Adds, moves or drops one component (bounds in document units, as drawn).
    void Insert(CQarnComponent* component, const CRect& bounds);
    void Update(CQarnComponent* component, const CRect& bounds);
    void Erase(CQarnComponent* component);
    bool Contains(const CQarnComponent* component) const;
    int Size() const;
    // The bounds the index holds for the component (empty when it is not indexed).
    CRect GetBounds(const CQarnComponent* component) const;

    // The components whose bounds meet the area, in drawing order (bottom first). Call
    // PrepareOrder on the thread that owns the document before querying from other threads.
    void Query(const CRect& area, std::vector<CQarnComponent*>& out) const;
    // Brings the drawing order up to date after components were added or reordered.
    void PrepareOrder() const;
    // The layer's order may have changed (components moved forward or back).
    void InvalidateOrder() { m_bOrderStale = true; }

private:
    struct Tree;

    const CQarnLayer* m_pLayer;
    std::unique_ptr<Tree> m_pTree;
    std::unordered_map<const CQarnComponent*, CRect> m_Bounds;
    // Position of each component in the layer, rebuilt lazily when the order may have changed.
    mutable std::unordered_map<const CQarnComponent*, int> m_Order;
    mutable int m_nNextOrder = 0;
    mutable bool m_bOrderStale = true;
};
