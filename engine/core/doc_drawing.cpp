// Finding components on the page and drawing the page.
#include <QFont>
#include <QPainter>
#include <QVector>
#include <cmath>

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

// Grid lines closer than this on the device are thinned out to every second, fourth... one,
// so that a small zoom shows a grid rather than a grey page.
constexpr double kClosestGridPixels = 4.0;

// How many grid steps apart the drawn marks are at the painter's scale.
int GridStride(const QPainter* painter, int spacing) {
    const QTransform t = painter != nullptr ? painter->worldTransform() : QTransform();
    const double scale = std::min(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    int stride = 1;
    while (stride < (1 << 20) && spacing * stride * scale < kClosestGridPixels) {
        stride *= 2;
    }
    return stride;
}

// The part of the page the painter's device shows (the whole page when it cannot tell).
QRectF VisiblePart(const QPainter* painter, const CQarnCanvas& canvas) {
    const QRectF page(0, 0, canvas.GetWidth(), canvas.GetHeight());
    if (painter == nullptr || painter->device() == nullptr) {
        return page;
    }
    bool invertible = false;
    const QTransform toPage = painter->worldTransform().inverted(&invertible);
    if (!invertible) {
        return page;
    }
    const QRect device(0, 0, painter->device()->width(), painter->device()->height());
    return toPage.mapRect(QRectF(device)).adjusted(-1, -1, 1, 1).intersected(page);
}

// The grid steps from `from` (a multiple of the step) up to `to`.
int FirstStep(double from, int step) {
    return std::max(0, int(std::floor(from / step)) * step);
}

void DrawGridLines(Graphics* graphics, const CQarnCanvas& canvas, const Color& color, int step) {
    Pen pen(color, 0.0f);
    const float w = float(canvas.GetWidth());
    const float h = float(canvas.GetHeight());
    // Only the lines that show are drawn (a view draws its page a piece at a time).
    const QRectF shown = VisiblePart(graphics->GetPainter(), canvas);
    for (int x = std::max(step, FirstStep(shown.left(), step));
         x < canvas.GetWidth() && x <= shown.right(); x += step) {
        graphics->DrawLine(&pen, float(x), 0.0f, float(x), h);
    }
    for (int y = std::max(step, FirstStep(shown.top(), step));
         y < canvas.GetHeight() && y <= shown.bottom(); y += step) {
        graphics->DrawLine(&pen, 0.0f, float(y), w, float(y));
    }
}

// Dots and crosses are many: they go to the painter in one call each row.
void DrawGridMarks(QPainter* painter, const CQarnCanvas& canvas, const Color& color, int step,
                   bool crosses) {
    const QRectF shown = VisiblePart(painter, canvas).adjusted(-step, -step, step, step);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor::fromRgba(color.GetValue()), 0);
    pen.setCosmetic(true);
    painter->setPen(pen);
    const QTransform toDevice = painter->worldTransform();
    painter->resetTransform();
    QVector<QPointF> dots;
    QVector<QLineF> arms;
    for (int y = FirstStep(shown.top(), step); y < canvas.GetHeight() && y <= shown.bottom();
         y += step) {
        dots.clear();
        arms.clear();
        for (int x = FirstStep(shown.left(), step); x < canvas.GetWidth() && x <= shown.right();
             x += step) {
            const QPointF p = toDevice.map(QPointF(x, y));
            if (crosses) {
                arms.append(QLineF(p.x() - 2, p.y(), p.x() + 2, p.y()));
                arms.append(QLineF(p.x(), p.y() - 2, p.x(), p.y() + 2));
            } else {
                dots.append(p);
            }
        }
        if (crosses) {
            painter->drawLines(arms);
        } else {
            painter->drawPoints(dots);
        }
    }
    painter->restore();
}

// Dashes of 3 device pixels every 6, counted from the page's edge, so that a piece of the page
// drawn alone has the dashes where a drawing of the whole page has them.
void DrawGridDashes(QPainter* painter, const CQarnCanvas& canvas, const Color& color, int step) {
    constexpr double kDash = 3.0;
    constexpr double kPeriod = 6.0;
    const QRectF shown = VisiblePart(painter, canvas);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor::fromRgba(color.GetValue()), 0);
    pen.setCosmetic(true);
    painter->setPen(pen);
    const QTransform toDevice = painter->worldTransform();
    painter->resetTransform();
    const QPointF corner = toDevice.map(QPointF(0, 0));
    const QPointF far = toDevice.map(QPointF(canvas.GetWidth(), canvas.GetHeight()));
    const QRectF visible = toDevice.mapRect(shown);
    QVector<QLineF> dashes;
    auto along = [&](double from, double to, double low, double high, auto make) {
        const double first = from + std::floor(std::max(0.0, low - from) / kPeriod) * kPeriod;
        for (double d = first; d < std::min(to, high + 1); d += kPeriod) {
            dashes.append(make(d, std::min(d + kDash, to)));
        }
    };
    for (int x = std::max(step, FirstStep(shown.left(), step));
         x < canvas.GetWidth() && x <= shown.right(); x += step) {
        const double at = toDevice.map(QPointF(x, 0)).x();
        along(corner.y(), far.y(), visible.top(), visible.bottom(),
              [&](double a, double b) { return QLineF(at, a, at, b); });
    }
    for (int y = std::max(step, FirstStep(shown.top(), step));
         y < canvas.GetHeight() && y <= shown.bottom(); y += step) {
        const double at = toDevice.map(QPointF(0, y)).y();
        along(corner.x(), far.x(), visible.left(), visible.right(),
              [&](double a, double b) { return QLineF(a, at, b, at); });
    }
    painter->drawLines(dashes);
    painter->restore();
}

void DrawGrid(Graphics* graphics, const CQarnCanvas& canvas, DWORD argb, int spacing, int style) {
    if (spacing < 1) {
        return;
    }
    const int step = spacing * GridStride(graphics->GetPainter(), spacing);
    const Color color(argb);
    switch (style) {
        case CQarnDoc::GridDots:
            DrawGridMarks(graphics->GetPainter(), canvas, color, step, false);
            break;
        case CQarnDoc::GridCrosses:
            DrawGridMarks(graphics->GetPainter(), canvas, color, step, true);
            break;
        case CQarnDoc::GridDashedLines:
            DrawGridDashes(graphics->GetPainter(), canvas, color, step);
            break;
        default:
            DrawGridLines(graphics, canvas, color, step);
            break;
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

void CQarnDoc::DrawUnderlay(Graphics* graphics, CQarnCanvas* canvas) const {
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
    const RectF info(4, 2, paper.Width - 8, 16);
    if (config->m_nShowLayerInfo != 0 && page->GetCurrentLayer() != nullptr &&
        VisiblePart(graphics->GetPainter(), *page)
            .intersects(QRectF(info.X, info.Y, info.Width, info.Height))) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(12);
        const SolidBrush red{Color(Color::Red)};
        graphics->DrawString(QStringLiteral("Layer: %1").arg(page->GetCurrentLayer()->GetName()),
                             font, info, Qt::AlignLeft | Qt::AlignTop, &red);
    }
    if (m_bGridShown && graphics->GetPainter() != nullptr) {
        DrawGrid(graphics, *page, m_dwGridColor, m_nGridSize, m_nGridStyle);
    }
}

void CQarnDoc::Draw(Graphics* graphics, const CRect& clip, CQarnCanvas* canvas, UINT mode) const {
    CQarnCanvas* page = canvas ? canvas : m_pCurrentCanvas;
    if (graphics == nullptr || page == nullptr) {
        return;
    }
    DrawUnderlay(graphics, page);
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
