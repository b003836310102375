#include "view/layer_index.h"

#include <algorithm>
#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

#include "core/component.h"
#include "core/layer.h"
#include "view/hit_shape.h"
#include "view/paint_bounds.h"

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace {

using Point = bg::model::point<int, 2, bg::cs::cartesian>;
using Box = bg::model::box<Point>;
using Entry = std::pair<Box, CQarnComponent*>;

Box ToBox(const CRect& r) {
    return Box(Point(std::min(r.left, r.right), std::min(r.top, r.bottom)),
               Point(std::max(r.left, r.right), std::max(r.top, r.bottom)));
}

}  // namespace

CRect CQarnLayerIndex::BoundsOf(CQarnComponent* component) {
    CRect r = Qarn::PaintBounds(component);
    r.NormalizeRect();
    const int grow = CQarnHitShape::Applies(component) ? 1 : 1 + kHitSlack;
    r.InflateRect(grow, grow);
    return r;
}

struct CQarnLayerIndex::Tree {
    bgi::rtree<Entry, bgi::quadratic<16>> rtree;
};

CQarnLayerIndex::CQarnLayerIndex(const CQarnLayer* layer)
    : m_pLayer(layer), m_pTree(std::make_unique<Tree>()) {}

CQarnLayerIndex::~CQarnLayerIndex() = default;

void CQarnLayerIndex::Rebuild() {
    m_Bounds.clear();
    std::vector<Entry> entries;
    if (m_pLayer != nullptr) {
        entries.reserve(size_t(m_pLayer->GetCount()));
        for (CQarnComponent* c : m_pLayer->GetList()) {
            const CRect bounds = BoundsOf(c);
            m_Bounds[c] = bounds;
            entries.emplace_back(ToBox(bounds), c);
        }
    }
    // The packing constructor builds a better tree than inserting one by one, and faster.
    m_pTree->rtree = bgi::rtree<Entry, bgi::quadratic<16>>(entries.begin(), entries.end());
    m_bOrderStale = true;
}

void CQarnLayerIndex::Insert(CQarnComponent* component, const CRect& bounds) {
    if (component == nullptr) {
        return;
    }
    if (m_Bounds.count(component) != 0) {
        Update(component, bounds);
        return;
    }
    m_Bounds[component] = bounds;
    m_pTree->rtree.insert(Entry(ToBox(bounds), component));
    // The usual case, a component added on top, keeps the order without a rebuild.
    if (!m_bOrderStale && m_pLayer != nullptr && m_pLayer->GetTail() == component) {
        m_Order[component] = m_nNextOrder++;
    } else {
        m_bOrderStale = true;
    }
}

void CQarnLayerIndex::Update(CQarnComponent* component, const CRect& bounds) {
    auto found = m_Bounds.find(component);
    if (found == m_Bounds.end()) {
        Insert(component, bounds);
        return;
    }
    if (found->second == bounds) {
        return;
    }
    m_pTree->rtree.remove(Entry(ToBox(found->second), component));
    found->second = bounds;
    m_pTree->rtree.insert(Entry(ToBox(bounds), component));
}

void CQarnLayerIndex::Erase(CQarnComponent* component) {
    auto found = m_Bounds.find(component);
    if (found == m_Bounds.end()) {
        return;
    }
    m_pTree->rtree.remove(Entry(ToBox(found->second), component));
    m_Bounds.erase(found);
    m_Order.erase(component);
}

bool CQarnLayerIndex::Contains(const CQarnComponent* component) const {
    return m_Bounds.count(component) != 0;
}

int CQarnLayerIndex::Size() const {
    return int(m_Bounds.size());
}

CRect CQarnLayerIndex::GetBounds(const CQarnComponent* component) const {
    auto found = m_Bounds.find(component);
    return found != m_Bounds.end() ? found->second : CRect();
}

void CQarnLayerIndex::PrepareOrder() const {
    if (!m_bOrderStale || m_pLayer == nullptr) {
        return;
    }
    m_Order.clear();
    m_Order.reserve(size_t(m_pLayer->GetCount()));
    int position = 0;
    for (const CQarnComponent* c : m_pLayer->GetList()) {
        m_Order[c] = position++;
    }
    m_nNextOrder = position;
    m_bOrderStale = false;
}

void CQarnLayerIndex::Query(const CRect& area, std::vector<CQarnComponent*>& out) const {
    thread_local std::vector<Entry> hits;
    thread_local std::vector<std::pair<int, CQarnComponent*>> ranked;
    hits.clear();
    ranked.clear();
    m_pTree->rtree.query(bgi::intersects(ToBox(area)), std::back_inserter(hits));
    for (const Entry& e : hits) {
        auto found = m_Order.find(e.second);
        ranked.emplace_back(found != m_Order.end() ? found->second : -1, e.second);
    }
    std::sort(ranked.begin(), ranked.end());
    for (const auto& [rank, component] : ranked) {
        out.push_back(component);
    }
}
