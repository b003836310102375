// The selection of the drawing view and selecting by area.
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/rect_geometry.h"
#include "core/view_hints.h"
#include "platform/rgn.h"
#include "view/base_view.h"

namespace {

bool g_bShowObjects = true;

bool LayerTakesSelection(const CQarnLayer* layer) {
    return layer != nullptr && layer->IsVisible(-1) && layer->IsSelectable() != 0 &&
           layer->IsLocked() == 0;
}

RectF ToRectF(const CRect& r) {
    return RectF(float(r.left), float(r.top), float(r.Width()), float(r.Height()));
}

}  // namespace

void CQarnBaseView::Select(CQarnComponent* component, bool add) {
    if (!add) {
        OnUpdate(nullptr, Qarn::kHintComponents, nullptr);
        m_Selection.Clear();
    }
    if (component == nullptr || m_Selection.Contains(component) ||
        !LayerTakesSelection(component->GetLayer()) || component->GetParentGroup() != nullptr) {
        return;
    }
    // Only the trackers change: the drawing itself stays as it is.
    if (CQarnComponent* primary = m_Selection.GetPrimary()) {
        RepaintTrackers(primary);
    }
    m_Selection.Append(component);
    RepaintTrackers(component);
}

void CQarnBaseView::SelectMany(const std::vector<CQarnComponent*>& components) {
    QRect area;
    if (CQarnComponent* primary = m_Selection.GetPrimary()) {
        area = TrackerArea(primary->GetBoundCache());
    }
    for (CQarnComponent* c : components) {
        if (c != nullptr && c->GetParentGroup() == nullptr && !m_Selection.Contains(c) &&
            LayerTakesSelection(c->GetLayer())) {
            m_Selection.Append(c);
            area |= TrackerArea(c->GetBoundCache());
        }
    }
    viewport()->update(area);
}

void CQarnBaseView::RepaintTrackers(const CQarnComponent* component) {
    if (component != nullptr) {
        viewport()->update(TrackerArea(component->GetBoundCache()));
    }
}

void CQarnBaseView::Deselect(CQarnComponent* component) {
    if (component == nullptr) {
        // Everything at once: one repaint of the trackers' area (or of the frame round them).
        QRect area;
        for (CQarnComponent* c : m_Selection.GetList()) {
            area |= TrackerArea(c->GetBoundCache());
        }
        m_Selection.Clear();
        viewport()->update(area);
        return;
    }
    if (m_Selection.Contains(component)) {
        RepaintTrackers(component);
        m_Selection.Remove(component);
    }
}

void CQarnBaseView::Remove(CQarnComponent* component) {
    m_Selection.Remove(component);
}

int CQarnBaseView::IsSelected(const CObject* object) const {
    return m_Selection.IsSelected(object);
}

void CQarnBaseView::InvalObj(CQarnComponent* component) {
    if (component == nullptr) {
        return;
    }
    // Where it showed when last repainted, and where it shows now.
    const CRect last = component->GetBoundCache();
    const CRect now = component->GetBoundRect(false);
    component->SetBoundCache(now);
    if (IsOnShownPage(component)) {
        m_Index.OnChanged(component);
    }
    InvalidateDocRect(last);
    InvalidateDocRect(now);
}

bool CQarnBaseView::Qualifies(CQarnComponent* c, int mode, const QRectF& area, bool ellipse) {
    const RectF shape(float(area.x()), float(area.y()), float(area.width()), float(area.height()));
    const CRect whole(int(area.left()), int(area.top()), int(area.right()), int(area.bottom()));
    switch (mode & 0x0F) {
        case SelectInside:
            if (!ellipse) {
                return c->InRect(whole) != 0;
            } else {
                CRect tight = c->GetTightBoundRect();
                tight.NormalizeRect();
                return Qarn::RectInEllipse(ToRectF(tight), shape) != 0;
            }
        case SelectTouching:
            if (!ellipse) {
                return c->Intersects(whole, this) != 0;
            } else {
                // Touching the ellipse means sharing some of its area.
                CRgn region;
                region.CreateFromQRegion(QRegion(
                    QRect(whole.left, whole.top, whole.Width(), whole.Height()), QRegion::Ellipse));
                return c->Intersects(region) != 0;
            }
        case SelectCentre: {
            const PointF centre = c->GetCenterPointF();
            if (!ellipse) {
                return area.contains(QPointF(centre.X, centre.Y));
            }
            return Qarn::PtInEllipse(shape, centre) != 0;
        }
        default:
            return false;
    }
}

int CQarnBaseView::SelectWithinRect(const CRect& clientRect, int mode, bool add) {
    return SelectWithin(clientRect, mode, add, false);
}

int CQarnBaseView::SelectWithinElps(const CRect& clientRect, int mode, bool add) {
    return SelectWithin(clientRect, mode, add, true);
}

int CQarnBaseView::SelectWithin(const CRect& clientRect, int mode, bool add, bool ellipse) {
    if (!add) {
        Select(nullptr, false);
    }
    CQarnCanvas* page = GetShownCanvas();
    if (page == nullptr) {
        return m_Selection.Count();
    }
    const QRectF area = m_Mapping.ClientToDoc(QRectF(QPointF(clientRect.left, clientRect.top),
                                                     QPointF(clientRect.right, clientRect.bottom))
                                                  .normalized());
    const CRect probe(int(area.left()) - 1, int(area.top()) - 1, int(area.right()) + 1,
                      int(area.bottom()) + 1);
    std::vector<CQarnComponent*> candidates;
    for (CQarnLayer* layer : page->GetLayers()) {
        if ((mode & 0xF0) != 0 && layer != page->GetCurrentLayer()) {
            continue;
        }
        candidates.clear();
        m_Index.QueryLayer(layer, probe, candidates);
        std::vector<CQarnComponent*> chosen;
        for (CQarnComponent* c : candidates) {
            if (c->GetParentGroup() == nullptr && Qualifies(c, mode, area, ellipse)) {
                chosen.push_back(c);
            }
        }
        SelectMany(chosen);
    }
    return m_Selection.Count();
}

int CQarnBaseView::SelectWithinPoly(const POINT* points, int count, int mode, bool add) {
    (void)points;
    (void)mode;
    if (!add) {
        Select(nullptr, false);
    }
    return count;
}

void CQarnBaseView::ZoomToComponents(const ComponentList& components, bool fit) {
    if (components.isEmpty()) {
        return;
    }
    CRect bound = CQarnDoc::GetBound(components);
    bound.NormalizeRect();
    if (fit) {
        DoZoomIn(bound);
        return;
    }
    const CPoint centre((bound.left + bound.right) / 2, (bound.top + bound.bottom) / 2);
    DoZoomIn(&centre, 1.0f);
}

CQarnComponent* CQarnBaseView::ObjectAt(const CPoint& docPoint) {
    return m_Index.ObjectAt(docPoint, this);
}

CQarnComponent* CQarnBaseView::HitAt(const PointF& docPoint, float tolerance) {
    CQarnCanvas* canvas = GetShownCanvas();
    if (canvas == nullptr || !std::isfinite(docPoint.X) || !std::isfinite(docPoint.Y)) {
        return nullptr;
    }
    const int reach = int(std::ceil(std::max(0.0f, tolerance))) + 1;
    const CRect probe(int(std::floor(docPoint.X)) - reach, int(std::floor(docPoint.Y)) - reach,
                      int(std::ceil(docPoint.X)) + reach, int(std::ceil(docPoint.Y)) + reach);
    std::vector<CQarnComponent*> under;
    const LayerList& layers = canvas->GetLayers();
    for (qsizetype l = layers.size() - 1; l >= 0; --l) {
        if (!layers[l]->IsVisible(-1)) {
            continue;
        }
        under.clear();
        m_Index.QueryLayer(layers[l], probe, under);
        for (auto it = under.rbegin(); it != under.rend(); ++it) {
            CQarnComponent* c = *it;
            if (c->GetParentGroup() == nullptr && c->HitTest(docPoint, tolerance, canvas)) {
                return c;
            }
        }
    }
    return nullptr;
}

float CQarnBaseView::PixelsToDoc(float pixels) const {
    const double scale = m_Mapping.ScaleX();
    return scale > 0 ? float(pixels / scale) : pixels;
}

void CQarnBaseView::OnViewShowObjects() {
    g_bShowObjects = !g_bShowObjects;
    if (m_pDoc != nullptr) {
        m_pDoc->UpdateAllViews(nullptr, Qarn::kHintShowObjects);
    }
}

bool CQarnBaseView::IsShowObjects() {
    return g_bShowObjects;
}
