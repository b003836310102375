#include "view/base_view.h"

#include <QApplication>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/label_facet.h"
#include "core/layer.h"
#include "core/notification_messages.h"
#include "core/view_hints.h"
#include "platform/message_relay.h"
#include "platform/runtime_class.h"
#include "platform/window_messages.h"

CQarnBaseView::CQarnBaseView(QWidget* parent) : CZoomView(parent) {
    setAccessibleName(tr("Drawing"));
    viewport()->setAccessibleName(tr("Drawing page"));
    viewport()->setAcceptDrops(true);
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    m_RenderTimer.setSingleShot(true);
    m_RenderTimer.setInterval(0);
    connect(&m_RenderTimer, &QTimer::timeout, this, [this] { RenderStep(); });
}

CQarnBaseView::~CQarnBaseView() {
    EndLife();
    m_RenderTimer.stop();
    Unsubscribe();
    if (m_pDoc != nullptr) {
        m_pDoc->RemoveView(this);
    }
}

void CQarnBaseView::SetDocument(CQarnDoc* doc) {
    if (doc == m_pDoc) {
        return;
    }
    if (m_pDoc != nullptr) {
        m_pDoc->RemoveView(this);
    }
    m_Selection.Clear();
    m_Feedback.clear();
    m_pDoc = doc;
    Subscribe(doc);
    if (doc == nullptr) {
        m_Index.Rebuild(nullptr);
        InvalidateEverything();
        return;
    }
    doc->AddView(this);
    ReindexPage();
    SetPageSize(GetPaperSize());
}

CQarnCanvas* CQarnBaseView::GetShownCanvas() const {
    return m_pDoc != nullptr ? m_pDoc->GetCurrentCanvas() : nullptr;
}

// Conversions.

void CQarnBaseView::ClientToDoc(CPoint& point) const {
    point = m_Mapping.ClientToDoc(point);
}

void CQarnBaseView::ClientToDoc(CRect& rect) const {
    rect = m_Mapping.ClientToDoc(rect);
}

void CQarnBaseView::ClientToDoc(PointF& point) const {
    const QPointF p = m_Mapping.ClientToDoc(QPointF(point.X, point.Y));
    point = PointF(float(p.x()), float(p.y()));
}

void CQarnBaseView::DocToClient(CPoint& point) const {
    point = m_Mapping.DocToClient(point);
}

void CQarnBaseView::DocToClient(CRect& rect) const {
    rect = m_Mapping.DocToClient(rect);
}

void CQarnBaseView::SetPageSize(const CSize& size) {
    SetZoomSizes(size);
    if (m_pDoc != nullptr) {
        m_pDoc->UpdateAllViews(nullptr, Qarn::kHintAll);
    } else {
        InvalidateEverything();
    }
}

CSize CQarnBaseView::GetPaperSize() const {
    const CQarnCanvas* page = GetShownCanvas();
    return page != nullptr ? page->GetSize() : CSize(1, 1);
}

CPoint CQarnBaseView::GetOrigin() const {
    return m_Mapping.Origin();
}

// Repainting.

QRect CQarnBaseView::TrackerArea(const CRect& docBounds) const {
    CRect r = docBounds;
    r.NormalizeRect();
    // Six units around, and never less than the trackers' own size on the screen.
    const QRectF client = m_Mapping.DocToClient(QRectF(r.left, r.top, r.Width(), r.Height()));
    const double grow = std::max(6.0 * m_Mapping.ScaleX(), 8.0);
    return client.adjusted(-grow, -grow, grow, grow).toAlignedRect();
}

void CQarnBaseView::InvalidateDocRect(const CRect& docRect) {
    CRect r = docRect;
    r.NormalizeRect();
    if (r.IsRectEmpty() && r.IsRectNull()) {
        return;
    }
    r.InflateRect(1, 1);
    m_Tiles.Invalidate(m_Tiles.ToDevice(r));
    viewport()->update(TrackerArea(r));
}

void CQarnBaseView::InvalidateEverything() {
    m_Tiles.InvalidateAll();
    viewport()->update();
}

void CQarnBaseView::SendRepainted() {
    if (QObject* main = AfxGetMainWnd()) {
        SendMessage(main, QRN_COMPONENT_REPAINTED, 0, 0);
    }
}

void CQarnBaseView::Relay(UINT message, WPARAM wParam) {
    QarnMessageRelay(message, wParam, 0);
}

void CQarnBaseView::ReindexPage() {
    m_Index.Rebuild(GetShownCanvas());
}

bool CQarnBaseView::IsOnShownPage(const CQarnComponent* component) const {
    return component != nullptr && component->GetLayer() != nullptr &&
           component->GetLayer()->GetCanvas() == GetShownCanvas() && GetShownCanvas() != nullptr;
}

// What the document tells its listeners.

void CQarnBaseView::OnComponentAdded(CQarnComponent* component) {
    if (!IsOnShownPage(component)) {
        return;
    }
    m_Index.OnAdded(component);
    InvalidateDocRect(CQarnSpatialIndex::IndexBounds(component));
}

void CQarnBaseView::OnComponentRemoved(CQarnComponent* component) {
    const CRect indexed = m_Index.GetBounds(component);
    if (!indexed.IsRectNull()) {
        InvalidateDocRect(indexed);
    }
    m_Index.OnRemoved(component);
    if (m_Selection.Remove(component)) {
        viewport()->update(TrackerArea(component->GetBoundCache()));
    }
    DropFeedback(component);
}

void CQarnBaseView::OnComponentChanged(CQarnComponent* component, Qarn::ComponentChange change,
                                       const CRect& oldBounds) {
    if (!IsOnShownPage(component)) {
        return;
    }
    switch (change) {
        case Qarn::ComponentChange::Appearance: {
            const CRect indexed = m_Index.GetBounds(component);
            if (!indexed.IsRectNull()) {
                InvalidateDocRect(indexed);
            }
            InvalidateDocRect(oldBounds);
            m_Index.OnChanged(component);
            InvalidateDocRect(CQarnSpatialIndex::IndexBounds(component));
            DropFeedback(component);
            break;
        }
        case Qarn::ComponentChange::Outline:
            AddFeedback(component, false);
            break;
        case Qarn::ComponentChange::LabelOutline:
            AddFeedback(component, true);
            break;
    }
}

void CQarnBaseView::OnPageChanged(CQarnCanvas* page, Qarn::PageChange change) {
    switch (change) {
        case Qarn::PageChange::Current:
        case Qarn::PageChange::Reloaded:
        case Qarn::PageChange::Removed: {
            // Another page shows: nothing of the old one stays selected.
            m_Selection.Clear();
            m_Feedback.clear();
            ReindexPage();
            SetPageSize(GetPaperSize());
            break;
        }
        case Qarn::PageChange::Size:
            if (page == GetShownCanvas()) {
                SetPageSize(GetPaperSize());
            }
            break;
        case Qarn::PageChange::Layers:
            if (page == GetShownCanvas()) {
                // Components on a layer now hidden, locked or gone are no longer selected.
                const ComponentList selected = m_Selection.GetList();
                for (CQarnComponent* c : selected) {
                    CQarnLayer* layer = c->GetLayer();
                    if (layer == nullptr || !layer->IsVisible(-1) || !layer->IsSelectable() ||
                        layer->IsLocked() || !page->GetLayers().contains(layer)) {
                        m_Selection.Remove(c);
                    }
                }
                ReindexPage();
                InvalidateEverything();
            }
            break;
        case Qarn::PageChange::Background:
            if (page == GetShownCanvas()) {
                InvalidateEverything();
            }
            break;
        case Qarn::PageChange::Added:
        case Qarn::PageChange::Moved:
            break;
    }
}

void CQarnBaseView::OnRepaint(CQarnCanvas* page, const CRect& area) {
    if (page == nullptr || page == GetShownCanvas()) {
        InvalidateDocRect(area);
    }
}

void CQarnBaseView::OnDocumentClosing() {
    m_Selection.Clear();
    m_Feedback.clear();
    m_Index.Rebuild(nullptr);
    if (m_pDoc != nullptr) {
        m_pDoc->RemoveView(this);
    }
    m_pDoc = nullptr;
    InvalidateEverything();
}

// Drag feedback: outlines drawn over the tiles until the component is repainted.

void CQarnBaseView::AddFeedback(CQarnComponent* component, bool label) {
    if (component == nullptr) {
        return;
    }
    DropFeedback(component);
    CRect bounds = component->GetBoundRect(false);
    if (label) {
        if (CQarnLabelFacet* facet = component->GetLabelFacet()) {
            bounds = facet->GetBoundRect();
        }
    }
    const QRect area = TrackerArea(bounds);
    m_Feedback.push_back(Feedback{component, label, area});
    viewport()->update(area);
}

void CQarnBaseView::DropFeedback(CQarnComponent* component) {
    for (auto it = m_Feedback.begin(); it != m_Feedback.end();) {
        if (it->component == component) {
            viewport()->update(it->client);
            it = m_Feedback.erase(it);
        } else {
            ++it;
        }
    }
}

// Update hints.

void CQarnBaseView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) {
    if (hint < 0 || hint >= Qarn::kHintCount) {
        return;
    }
    auto* component = dynamic_cast<CQarnComponent*>(hintObject);
    auto* list = dynamic_cast<CQarnHintList*>(hintObject);
    switch (hint) {
        case Qarn::kHintAll:
            ReindexPage();
            InvalidateEverything();
            SendRepainted();
            break;
        case Qarn::kHintComponent:
            InvalObj(component);
            m_bRedrawPending = true;
            SendRepainted();
            break;
        case Qarn::kHintComponents: {
            const ComponentList components = list != nullptr ? list->m_List : GetSelection();
            for (CQarnComponent* c : components) {
                InvalObj(c);
            }
            SendRepainted();
            m_bRedrawPending = true;
            break;
        }
        case Qarn::kHintComponentsLeaving:
            if (list != nullptr && list->m_List != GetSelection()) {
                for (CQarnComponent* c : list->m_List) {
                    InvalObj(c);
                    Remove(c);
                }
                SendRepainted();
            }
            m_bRedrawPending = true;
            break;
        case Qarn::kHintShowObjects: {
            // Embedded objects, when the build has that class, of the current layer.
            const CRuntimeClass* embedded = CRuntimeClass::FromName("CQarnOleObj");
            CQarnCanvas* page = GetShownCanvas();
            if (embedded != nullptr && page != nullptr && page->GetCurrentLayer() != nullptr) {
                for (CQarnComponent* c : page->GetCurrentLayer()->GetList()) {
                    if (c->IsKindOf(embedded)) {
                        InvalObj(c);
                    }
                }
            }
            m_bRedrawPending = true;
            break;
        }
        case Qarn::kHintOutline:
            if (sender == this && component != nullptr) {
                AddFeedback(component, false);
            }
            break;
        case Qarn::kHintLabelOutline:
            if (component != nullptr) {
                AddFeedback(component, true);
            }
            m_bRedrawPending = true;
            break;
        case Qarn::kHintComponentQuiet:
            InvalObj(component);
            m_bRedrawPending = true;
            break;
        case Qarn::kHintLabelRect:
            if (const auto* source = dynamic_cast<const CQarnLabelRectSource*>(hintObject)) {
                const RectF r = source->GetLabelRect();
                CRect rect(int(r.X), int(r.Y), int(r.X + r.Width), int(r.Y + r.Height));
                rect.NormalizeRect();
                DocToClient(rect);
                const int grow = int(GetZoomRatio() * 9.0f);
                rect.InflateRect(grow, grow);
                viewport()->update(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
            }
            m_bRedrawPending = true;
            break;
        default:
            break;
    }
}

void CQarnBaseView::OnSelectionChanged(CQarnComponent* component) {
    QRect area;
    for (CQarnComponent* c : GetSelection()) {
        area |= TrackerArea(c->GetBoundCache());
    }
    viewport()->update(area);
    // Sent, not posted: the view and the component are alive while the main window handles
    // it, and a posted one could arrive after either was freed.
    if (QObject* main = AfxGetMainWnd()) {
        SendMessage(main, QRN_SELECTIONCHANGE, WPARAM(static_cast<CQarnEditView*>(this)),
                    LPARAM(component));
    }
}
