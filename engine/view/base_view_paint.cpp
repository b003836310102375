// Painting the drawing view: tiles drawn from the spatial index, composed into the client
// area, with a scaled picture of the previous zoom where tiles are still missing, and the
// selection trackers and drag feedback on top.
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/canvas.h"
#include "core/component.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/label_facet.h"
#include "platform/dc.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "properties/brush_property.h"
#include "view/base_view.h"
#include "view/tile_renderer.h"

namespace {

constexpr int kTile = CQarnTileCache::kTileSize;
// A paint draws dirty tiles itself up to this many device pixels (an edit shows at once);
// more is drawn a slice at a time between events, so the window keeps answering.
constexpr int kPaintNowPixels = 2 * kTile * kTile;
// How long one slice of tile drawing may take.
constexpr qint64 kSliceMilliseconds = 25;
// Tiles drawn ahead around the client area, so that scrolling finds them ready.
constexpr int kPrefetchTiles = 1;
// A slice draws parts of tiles of at most this many components each (on a dense page a part
// is a band of a tile), no thinner than kThinnestBand pixels.
constexpr qsizetype kMostComponentsInAPart = 400;
constexpr int kThinnestBand = 8;

qint64 PixelCount(const QRegion& region) {
    qint64 count = 0;
    for (const QRect& r : region) {
        count += qint64(r.width()) * r.height();
    }
    return count;
}

}  // namespace

double CQarnBaseView::DevicePixelRatio() const {
    return std::max(1.0, viewport()->devicePixelRatioF());
}

void CQarnBaseView::SyncTileScale() {
    const double dpr = DevicePixelRatio();
    m_Tiles.SetScale(m_Mapping.ScaleX() * dpr, m_Mapping.ScaleY() * dpr);
}

void CQarnBaseView::OnMappingChanged() {
    SyncTileScale();
    m_bRedrawPending = true;
    viewport()->update();
    ScheduleRender();
}

void CQarnBaseView::OnScrollBy(int dx, int dy) {
    // The pixels already on the screen move; only the uncovered strip is painted.
    CZoomView::OnScrollBy(dx, dy);
    m_bRedrawPending = true;
}

QRect CQarnBaseView::ClientToDevice(const QRect& clientRect) const {
    const double dpr = DevicePixelRatio();
    const CPoint o = m_Mapping.Origin();
    const QRectF device((clientRect.x() - o.x) * dpr, (clientRect.y() - o.y) * dpr,
                        clientRect.width() * dpr, clientRect.height() * dpr);
    return device.toAlignedRect();
}

QRectF CQarnBaseView::DeviceToClient(const QRect& deviceRect) const {
    const double dpr = DevicePixelRatio();
    const CPoint o = m_Mapping.Origin();
    return QRectF(deviceRect.x() / dpr + o.x, deviceRect.y() / dpr + o.y, deviceRect.width() / dpr,
                  deviceRect.height() / dpr);
}

QRect CQarnBaseView::VisibleDeviceRect() const {
    return ClientToDevice(viewport()->rect());
}

void CQarnBaseView::RenderParts(const std::vector<CQarnTileRenderer::Part>& parts) {
    if (parts.empty()) {
        return;
    }
    if (m_pDoc == nullptr) {
        for (const CQarnTileRenderer::Part& part : parts) {
            part.tile->image.fill(Qt::transparent);
            part.tile->dirty = QRegion();
            part.tile->drawn = true;
        }
        return;
    }
    CQarnTileRenderer renderer(*m_pDoc, GetShownCanvas(), m_Index);
    renderer.Render(m_Tiles, parts);
}

QRegion CQarnBaseView::ShownDirt(const CQarnTileCache::Tile& tile, const QRect& visible) {
    return tile.dirty.intersected(visible.translated(-tile.DeviceRect().topLeft()));
}

void CQarnBaseView::RenderVisibleNow() {
    SyncTileScale();
    const QRect visible = VisibleDeviceRect();
    // Only what the client area shows: the rest of the tiles at its edges is drawn ahead of
    // scrolling, later.
    std::vector<CQarnTileCache::Tile*> tiles;
    m_Tiles.CollectDirty(visible, true, tiles);
    std::vector<CQarnTileRenderer::Part> parts;
    for (CQarnTileCache::Tile* tile : tiles) {
        QRegion shown = ShownDirt(*tile, visible);
        if (!shown.isEmpty()) {
            parts.push_back(CQarnTileRenderer::Part{tile, std::move(shown)});
        }
    }
    RenderParts(parts);
    m_Tiles.Touch(visible);
}

bool CQarnBaseView::HasPendingTiles() const {
    const QRect visible = VisibleDeviceRect();
    std::vector<CQarnTileCache::Tile*> tiles;
    const_cast<CQarnTileCache&>(m_Tiles).CollectDirty(visible, false, tiles);
    if (std::any_of(tiles.begin(), tiles.end(), [&](const CQarnTileCache::Tile* tile) {
            return !ShownDirt(*tile, visible).isEmpty();
        })) {
        return true;
    }
    int c0, r0, c1, r1;
    CQarnTileCache::TileSpan(visible, c0, r0, c1, r1);
    for (int row = r0; row <= r1; ++row) {
        for (int col = c0; col <= c1; ++col) {
            if (const_cast<CQarnTileCache&>(m_Tiles).Find(col, row) == nullptr) {
                return true;
            }
        }
    }
    return false;
}

void CQarnBaseView::ScheduleRender() {
    if (!m_RenderTimer.isActive()) {
        m_RenderTimer.start();
    }
}

QRegion CQarnBaseView::NextPart(const CQarnTileCache::Tile& tile, const QRegion& dirt) const {
    // A part of a dense tile takes a band of it, so that one slice stays short.
    const QRect dirty = dirt.boundingRect();
    std::vector<CQarnComponent*> within;
    m_Index.Query(m_Tiles.ToDocument(dirty.translated(tile.DeviceRect().topLeft())), within);
    const qsizetype count = qsizetype(within.size());
    if (count <= kMostComponentsInAPart) {
        return dirt;
    }
    const int height =
        std::max(kThinnestBand, int(dirty.height() * kMostComponentsInAPart / count));
    return dirt.intersected(QRect(dirty.x(), dirty.y(), dirty.width(), height));
}

void CQarnBaseView::RenderStep() {
    SyncTileScale();
    const QRect visible = VisibleDeviceRect();
    const QPoint centre = visible.center();
    auto byDistance = [&](const CQarnTileCache::Tile* a, const CQarnTileCache::Tile* b) {
        return (a->DeviceRect().center() - centre).manhattanLength() <
               (b->DeviceRect().center() - centre).manhattanLength();
    };
    std::vector<CQarnTileCache::Tile*> pending;
    m_Tiles.CollectDirty(visible, true, pending);
    bool prefetching = false;
    if (pending.empty()) {
        // Everything shown is ready: draw the ring around it ahead of scrolling.
        const QRect ring = visible.adjusted(-kPrefetchTiles * kTile, -kPrefetchTiles * kTile,
                                            kPrefetchTiles * kTile, kPrefetchTiles * kTile);
        m_Tiles.CollectDirty(ring, true, pending);
        prefetching = true;
    }
    std::sort(pending.begin(), pending.end(), byDistance);

    QElapsedTimer clock;
    clock.start();
    const size_t threads = size_t(CQarnTileRenderer::ThreadCount());
    bool more = !pending.empty();
    m_Index.PrepareForQueries();
    while (more && clock.elapsed() < kSliceMilliseconds) {
        // One part of each of the nearest tiles still dirty, as many as there are cores: what
        // the client area shows first, then the rest of the tiles at its edges.
        std::vector<CQarnTileRenderer::Part> batch;
        for (const bool shownOnly : {true, false}) {
            for (CQarnTileCache::Tile* tile : pending) {
                if (batch.size() == threads) {
                    break;
                }
                const QRegion dirt = shownOnly ? ShownDirt(*tile, visible) : tile->dirty;
                const bool taken = std::any_of(
                    batch.begin(), batch.end(),
                    [&](const CQarnTileRenderer::Part& part) { return part.tile == tile; });
                if (!dirt.isEmpty() && !taken) {
                    batch.push_back(CQarnTileRenderer::Part{tile, NextPart(*tile, dirt)});
                }
            }
        }
        if (batch.empty() || m_pDoc == nullptr) {
            break;
        }
        CQarnTileRenderer renderer(*m_pDoc, GetShownCanvas(), m_Index);
        renderer.Render(m_Tiles, batch);
        for (const CQarnTileRenderer::Part& part : batch) {
            if (!prefetching && ShownDirt(*part.tile, visible).isEmpty()) {
                viewport()->update(DeviceToClient(part.tile->DeviceRect()).toAlignedRect());
            }
        }
        more = std::any_of(pending.begin(), pending.end(),
                           [](const CQarnTileCache::Tile* t) { return !t->IsReady(); });
    }
    m_nLongestSlice = std::max(m_nLongestSlice, clock.elapsed());
    if (more || !prefetching) {
        ScheduleRender();
        return;
    }
    // All drawn: keep what is near, drop what was shown longest ago.
    const QRect keep = visible.adjusted(-kPrefetchTiles * kTile, -kPrefetchTiles * kTile,
                                        kPrefetchTiles * kTile, kPrefetchTiles * kTile);
    const int nearCount = (keep.width() / kTile + 2) * (keep.height() / kTile + 2);
    m_Tiles.Evict(keep, 2 * nearCount + 16);
}

void CQarnBaseView::PaintDesk(QPainter& painter, const QRect& clientRect) {
    painter.fillRect(clientRect, palette().color(QPalette::Dark));
    CQarnBrushProperty* brush = Qarn::GetConfig()->GetViewBrush();
    if (brush == nullptr) {
        return;
    }
    const QRect client = viewport()->rect();
    Graphics graphics(&painter);
    GraphicsPath area;
    area.AddRectangle(RectF(float(clientRect.x()), float(clientRect.y()), float(clientRect.width()),
                            float(clientRect.height())));
    RectF whole(0, 0, float(client.width()), float(client.height()));
    brush->FillPath(&graphics, &area, &whole, 100, 0);
}

void CQarnBaseView::PaintPreview(QPainter& painter, const QRegion& area) {
    // Blank paper where the page is, then what the previous zoom had, scaled.
    painter.save();
    painter.setClipRegion(area);
    const QRectF page = m_Mapping.DocToClient(QRectF(0, 0, GetPaperSize().cx, GetPaperSize().cy));
    painter.fillRect(page, Qt::white);
    const CQarnTileCache::Generation& previous = m_Tiles.GetPrevious();
    if (!previous.tiles.empty() && previous.scaleX > 0.0 && previous.scaleY > 0.0) {
        const double dpr = DevicePixelRatio();
        const CPoint o = m_Mapping.Origin();
        // Previous device pixels to client pixels.
        const double fx = m_Tiles.GetScaleX() / previous.scaleX / dpr;
        const double fy = m_Tiles.GetScaleY() / previous.scaleY / dpr;
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF bounds(area.boundingRect());
        for (const auto& [key, tile] : previous.tiles) {
            if (!tile.drawn) {
                continue;
            }
            const QRect d = tile.DeviceRect();
            const QRectF target(d.x() * fx + o.x, d.y() * fy + o.y, d.width() * fx,
                                d.height() * fy);
            if (target.intersects(bounds)) {
                painter.drawImage(target, tile.image);
            }
        }
    }
    painter.restore();
}

void CQarnBaseView::PaintArea(QPainter& painter, const QRect& clientRect) {
    PaintDesk(painter, clientRect);
    const QRect device = ClientToDevice(clientRect);
    int c0, r0, c1, r1;
    CQarnTileCache::TileSpan(device, c0, r0, c1, r1);
    QRegion missing;
    std::vector<const CQarnTileCache::Tile*> begun;
    painter.save();
    painter.setClipRect(clientRect);
    for (int row = r0; row <= r1; ++row) {
        for (int col = c0; col <= c1; ++col) {
            const QRectF target = DeviceToClient(QRect(col * kTile, row * kTile, kTile, kTile));
            const CQarnTileCache::Tile* tile = m_Tiles.Find(col, row);
            if (tile != nullptr && tile->drawn) {
                // A tile with dirty pixels still shows its last picture until it is redrawn.
                painter.drawImage(target, tile->image);
            } else {
                missing += target.toAlignedRect().intersected(clientRect);
                if (tile != nullptr && tile->dirty != QRegion(0, 0, kTile, kTile)) {
                    begun.push_back(tile);
                }
            }
        }
    }
    painter.restore();
    if (missing.isEmpty()) {
        return;
    }
    PaintPreview(painter, missing);
    // A new tile drawn in part (where the client area showed it) shows those pixels.
    for (const CQarnTileCache::Tile* tile : begun) {
        const QRect d = tile->DeviceRect();
        const QRegion drawn = QRegion(d).subtracted(tile->dirty.translated(d.topLeft()));
        QRegion client;
        for (const QRect& r : drawn) {
            client += DeviceToClient(r).toAlignedRect();
        }
        painter.save();
        painter.setClipRegion(client.intersected(clientRect));
        painter.drawImage(DeviceToClient(d), tile->image);
        painter.restore();
    }
}

void CQarnBaseView::PaintSelectionFrame(QPainter& painter, const QRect& clientRect) {
    CRect bounds;
    bool first = true;
    for (CQarnComponent* c : GetSelection()) {
        CRect r = c->GetBoundCache();
        r.NormalizeRect();
        if (first) {
            bounds = r;
            first = false;
        } else {
            bounds.UnionRect(bounds, r);
        }
    }
    const QRectF frame =
        m_Mapping.DocToClient(QRectF(bounds.left, bounds.top, bounds.Width(), bounds.Height()));
    painter.save();
    painter.setClipRect(clientRect);
    QPen pen(QColor(0x1e, 0x88, 0xe5), 1, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0x00, 0xff, 0x00));
    for (const QPointF& corner :
         {frame.topLeft(), frame.topRight(), frame.bottomRight(), frame.bottomLeft()}) {
        painter.drawRect(QRectF(corner - QPointF(3, 3), QSizeF(6, 6)));
    }
    painter.restore();
}

void CQarnBaseView::PaintOverlay(QPainter& painter, const QRect& clientRect) {
    painter.save();
    painter.setClipRect(clientRect);
    const CPoint o = m_Mapping.Origin();
    painter.translate(o.x, o.y);
    painter.scale(m_Mapping.ScaleX(), m_Mapping.ScaleY());
    CDC dc(&painter);
    const float unitsPerPixel = float(1.0 / m_Mapping.ScaleX());
    const ComponentList& selected = GetSelection();
    if (selected.size() > kMostTrackers) {
        // Thousands of trackers would hide the drawing: one frame around them all says it.
        painter.restore();
        PaintSelectionFrame(painter, clientRect);
        painter.save();
        painter.setClipRect(clientRect);
        painter.translate(o.x, o.y);
        painter.scale(m_Mapping.ScaleX(), m_Mapping.ScaleY());
    } else {
        CQarnComponent* primary = m_Selection.GetPrimary();
        for (CQarnComponent* c : selected) {
            if (!TrackerArea(c->GetBoundCache()).intersects(clientRect)) {
                continue;
            }
            c->DrawTracker(&dc, CQarnComponent::TrackerState(TrackerStateOf(c, c == primary)),
                           unitsPerPixel);
        }
    }
    for (const Feedback& f : m_Feedback) {
        if (!f.label) {
            f.component->DrawOutline(&dc, nullptr);
        } else if (CQarnLabelFacet* label = f.component->GetLabelFacet()) {
            const RectF r = label->GetRectF();
            QPen pen(Qt::white, 0, Qt::DotLine);
            painter.save();
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(r.X, r.Y, r.Width, r.Height));
            painter.restore();
        }
    }
    painter.restore();
    if (IsCapturing()) {
        DrawBox(painter, GetZoomRect(), true);
    }
    painter.save();
    painter.setClipRect(clientRect);
    PaintToolOverlay(painter);
    painter.restore();
}

void CQarnBaseView::paintEvent(QPaintEvent* event) {
    SyncTileScale();
    const QRect visible = VisibleDeviceRect();
    // Small changes are drawn before they are shown, so an edit never shows a stale picture.
    std::vector<CQarnTileCache::Tile*> dirty;
    m_Tiles.CollectDirty(visible, false, dirty);
    std::vector<CQarnTileRenderer::Part> shown;
    qint64 pixels = 0;
    for (CQarnTileCache::Tile* tile : dirty) {
        QRegion dirt = ShownDirt(*tile, visible);
        if (!dirt.isEmpty()) {
            pixels += PixelCount(dirt);
            shown.push_back(CQarnTileRenderer::Part{tile, std::move(dirt)});
        }
    }
    if (!shown.empty() && pixels <= kPaintNowPixels) {
        RenderParts(shown);
    }
    QPainter painter(viewport());
    for (const QRect& r : event->region()) {
        PaintArea(painter, r);
    }
    PaintOverlay(painter, event->rect());
    m_Tiles.Touch(visible);
    m_bRedrawPending = false;
    if (!dirty.empty() || HasPendingTiles()) {
        ScheduleRender();
    }
}

qint64 CQarnBaseView::TakeLongestSlice() {
    const qint64 longest = m_nLongestSlice;
    m_nLongestSlice = 0;
    return longest;
}

int CQarnBaseView::TrackerStateOf(const CQarnComponent* component, bool primary) const {
    (void)component;
    return primary ? CQarnComponent::TrackerActive : CQarnComponent::TrackerSelected;
}

QImage CQarnBaseView::GrabClient() {
    return viewport()->grab().toImage();
}
