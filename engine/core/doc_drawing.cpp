// Finding components on the page and drawing the page.
#include <QFont>

#include "core/canvas.h"
#include "core/component.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/layer.h"
#include "platform/dc.h"
#include "platform/graphics.h"
#include "platform/pen.h"
#include "platform/solid_brush.h"

namespace {

// Components the walk may return: not grouped, and accepted by the filter.
template <typename Accept>
CQarnComponent* TopmostAt(const CQarnCanvas* canvas, const CRect& probe, CView* view,
                          Accept accept) {
    if (canvas == nullptr) {
        return nullptr;
    }
    const LayerList& layers = canvas->GetLayers();
    for (qsizetype l = layers.size() - 1; l >= 0; --l) {
        const CQarnLayer* layer = layers[l];
        if (!layer->IsVisible(-1)) {
            continue;
        }
        const ComponentList& list = layer->GetList();
        for (qsizetype i = list.size() - 1; i >= 0; --i) {
            CQarnComponent* c = list[i];
            if (c->GetParentGroup() == nullptr && accept(c) && c->Intersects(probe, view)) {
                return c;
            }
        }
    }
    return nullptr;
}

// A grid finer than this many lines across the page would only grey it over (and a file may
// ask for one line per unit of a page millions of units wide).
constexpr int kMaxGridLines = 10000;

void DrawGrid(Graphics* graphics, const CQarnCanvas& canvas, DWORD argb, int spacing) {
    if (spacing < 1 || canvas.GetWidth() / spacing > kMaxGridLines ||
        canvas.GetHeight() / spacing > kMaxGridLines) {
        return;
    }
    Pen pen(Color(argb), 0.0f);
    const float w = float(canvas.GetWidth());
    const float h = float(canvas.GetHeight());
    for (int x = spacing; x < canvas.GetWidth(); x += spacing) {
        graphics->DrawLine(&pen, float(x), 0.0f, float(x), h);
    }
    for (int y = spacing; y < canvas.GetHeight(); y += spacing) {
        graphics->DrawLine(&pen, 0.0f, float(y), w, float(y));
    }
}

}  // namespace

CQarnComponent* CQarnDoc::ObjectAt(const CPoint& p, CView* view) const {
    return TopmostAt(m_pCurrentCanvas, CRect(p.x, p.y, p.x + 1, p.y + 1), view,
                     [](CQarnComponent*) { return true; });
}

CQarnComponent* CQarnDoc::GetFocusedObj(const CPoint& p, const CQarnComponent* exclude) const {
    return TopmostAt(
        m_pCurrentCanvas, CRect(p.x, p.y, p.x + 2, p.y + 2), nullptr,
        [exclude](CQarnComponent* c) { return c != exclude && c->GetAnchorCount() > 0; });
}

CRect CQarnDoc::GetBound(const ComponentList& list) {
    CRect bound;
    for (CQarnComponent* c : list) {
        if (!c->GetInvisible()) {
            bound.UnionRect(bound, c->GetBoundRect(false));
        }
    }
    return bound;
}

CRect CQarnDoc::GetBound() const {
    CRect bound;
    if (m_pCurrentCanvas == nullptr) {
        return bound;
    }
    for (const CQarnLayer* layer : m_pCurrentCanvas->GetLayers()) {
        if (layer->IsVisible(-1)) {
            bound.UnionRect(bound, GetBound(layer->GetList()));
        }
    }
    return bound;
}

void CQarnDoc::Draw(Graphics* graphics, const CRect& clip, CQarnCanvas* canvas, UINT mode) const {
    CQarnCanvas* page = canvas ? canvas : m_pCurrentCanvas;
    if (graphics == nullptr || page == nullptr) {
        return;
    }
    const CCustomConfig* config = Qarn::GetConfig();
    const RectF paper(0, 0, float(page->GetWidth()), float(page->GetHeight()));
    const SolidBrush white{Color(Color::White)};
    graphics->FillRectangle(&white, paper);
    if (config->m_nDrawBackground != 0) {
        page->DrawBkGround(graphics);
    }
    if (config->m_nShowLayerInfo != 0 && page->GetCurrentLayer() != nullptr) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(12);
        const SolidBrush red{Color(Color::Red)};
        graphics->DrawString(QStringLiteral("Layer: %1").arg(page->GetCurrentLayer()->GetName()),
                             font, RectF(4, 2, paper.Width - 8, 16), Qt::AlignLeft | Qt::AlignTop,
                             &red);
    }
    if (m_bGridShown) {
        DrawGrid(graphics, *page, m_dwGridColor, m_nGridSize);
    }
    const BYTE componentMode = BYTE(mode);
    for (const CQarnLayer* layer : page->GetLayers()) {
        if (!layer->IsVisible(-1)) {
            continue;
        }
        for (CQarnComponent* c : layer->GetList()) {
            c->Draw(graphics, clip, nullptr, nullptr, componentMode);
        }
    }
}

void CQarnDoc::Draw(CDC* dc, const CRect& clip, CQarnCanvas* canvas, UINT mode) const {
    if (dc == nullptr || dc->GetPainter() == nullptr) {
        return;
    }
    Graphics graphics(dc);
    Draw(&graphics, clip, canvas, mode);
}
