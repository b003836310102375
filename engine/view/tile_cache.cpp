#include "view/tile_cache.h"

#include <algorithm>
#include <cmath>

namespace {

int FloorDiv(int value, int by) {
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

}  // namespace

int CQarnTileCache::Generation::ReadyCount() const {
    int ready = 0;
    for (const auto& [key, tile] : tiles) {
        ready += tile.IsReady() ? 1 : 0;
    }
    return ready;
}

CQarnTileCache::CQarnTileCache() = default;

void CQarnTileCache::SetScale(double scaleX, double scaleY) {
    if (scaleX == m_Current.scaleX && scaleY == m_Current.scaleY) {
        return;
    }
    if (m_Previous.scaleX == scaleX && m_Previous.scaleY == scaleY) {
        // Back to the scale of the previous set: its tiles are still good.
        std::swap(m_Current, m_Previous);
        return;
    }
    // Keep whichever set shows more of the page for the scaled first frame.
    if (m_Current.ReadyCount() >= m_Previous.ReadyCount()) {
        m_Previous = std::move(m_Current);
    }
    m_Current = Generation();
    m_Current.scaleX = scaleX;
    m_Current.scaleY = scaleY;
}

void CQarnTileCache::DropPrevious() {
    m_Previous = Generation();
}

QRect CQarnTileCache::ToDevice(const CRect& docRect) const {
    CRect r = docRect;
    r.NormalizeRect();
    const QRectF area(r.left * m_Current.scaleX, r.top * m_Current.scaleY,
                      r.Width() * m_Current.scaleX, r.Height() * m_Current.scaleY);
    return area.toAlignedRect();
}

CRect CQarnTileCache::ToDocument(const QRect& deviceRect) const {
    if (m_Current.scaleX <= 0.0 || m_Current.scaleY <= 0.0) {
        return CRect();
    }
    const int left = int(std::floor(deviceRect.left() / m_Current.scaleX));
    const int top = int(std::floor(deviceRect.top() / m_Current.scaleY));
    const int right = int(std::ceil((deviceRect.right() + 1) / m_Current.scaleX));
    const int bottom = int(std::ceil((deviceRect.bottom() + 1) / m_Current.scaleY));
    return CRect(left - 1, top - 1, right + 1, bottom + 1);
}

void CQarnTileCache::TileSpan(const QRect& deviceRect, int& firstCol, int& firstRow, int& lastCol,
                              int& lastRow) {
    firstCol = FloorDiv(deviceRect.left(), kTileSize);
    firstRow = FloorDiv(deviceRect.top(), kTileSize);
    lastCol = FloorDiv(deviceRect.right(), kTileSize);
    lastRow = FloorDiv(deviceRect.bottom(), kTileSize);
}

CQarnTileCache::Tile* CQarnTileCache::Find(int col, int row) {
    auto found = m_Current.tiles.find(Key(col, row));
    return found != m_Current.tiles.end() ? &found->second : nullptr;
}

CQarnTileCache::Tile& CQarnTileCache::Obtain(int col, int row) {
    Tile& tile = m_Current.tiles[Key(col, row)];
    if (tile.image.isNull()) {
        tile.col = col;
        tile.row = row;
        tile.image = QImage(kTileSize, kTileSize, QImage::Format_ARGB32_Premultiplied);
        // A tile may show in part before it is drawn whole: what is not drawn yet is clear.
        tile.image.fill(Qt::transparent);
        tile.dirty = QRegion(0, 0, kTileSize, kTileSize);
        tile.lastUse = ++m_nClock;
    }
    return tile;
}

void CQarnTileCache::Invalidate(const QRect& deviceRect) {
    if (deviceRect.isEmpty()) {
        return;
    }
    int c0, r0, c1, r1;
    TileSpan(deviceRect, c0, r0, c1, r1);
    for (int row = r0; row <= r1; ++row) {
        for (int col = c0; col <= c1; ++col) {
            if (Tile* tile = Find(col, row)) {
                tile->dirty += deviceRect.translated(-col * kTileSize, -row * kTileSize)
                                   .intersected(QRect(0, 0, kTileSize, kTileSize));
            }
        }
    }
    // The previous scale's tiles there are out of date: they go.
    if (!m_Previous.tiles.empty() && m_Current.scaleX > 0.0 && m_Current.scaleY > 0.0) {
        const double fx = m_Previous.scaleX / m_Current.scaleX;
        const double fy = m_Previous.scaleY / m_Current.scaleY;
        const QRect old = QRectF(deviceRect.x() * fx, deviceRect.y() * fy, deviceRect.width() * fx,
                                 deviceRect.height() * fy)
                              .toAlignedRect()
                              .adjusted(-1, -1, 1, 1);
        for (auto it = m_Previous.tiles.begin(); it != m_Previous.tiles.end();) {
            it = it->second.DeviceRect().intersects(old) ? m_Previous.tiles.erase(it) : ++it;
        }
    }
}

void CQarnTileCache::InvalidateAll() {
    for (auto& [key, tile] : m_Current.tiles) {
        tile.dirty = QRegion(0, 0, kTileSize, kTileSize);
    }
    DropPrevious();
}

void CQarnTileCache::CollectDirty(const QRect& deviceRect, bool missingToo,
                                  std::vector<Tile*>& out) {
    if (deviceRect.isEmpty()) {
        return;
    }
    int c0, r0, c1, r1;
    TileSpan(deviceRect, c0, r0, c1, r1);
    for (int row = r0; row <= r1; ++row) {
        for (int col = c0; col <= c1; ++col) {
            Tile* tile = Find(col, row);
            if (tile == nullptr && missingToo) {
                tile = &Obtain(col, row);
            }
            if (tile != nullptr && !tile->IsReady()) {
                out.push_back(tile);
            }
        }
    }
}

void CQarnTileCache::Touch(const QRect& deviceRect) {
    int c0, r0, c1, r1;
    TileSpan(deviceRect, c0, r0, c1, r1);
    ++m_nClock;
    for (int row = r0; row <= r1; ++row) {
        for (int col = c0; col <= c1; ++col) {
            if (Tile* tile = Find(col, row)) {
                tile->lastUse = m_nClock;
            }
        }
    }
}

void CQarnTileCache::Evict(const QRect& keep, int maxTiles) {
    if (int(m_Current.tiles.size()) <= maxTiles) {
        return;
    }
    std::vector<std::pair<std::uint64_t, std::int64_t>> candidates;
    for (const auto& [key, tile] : m_Current.tiles) {
        if (!tile.DeviceRect().intersects(keep)) {
            candidates.emplace_back(tile.lastUse, key);
        }
    }
    std::sort(candidates.begin(), candidates.end());
    size_t excess = m_Current.tiles.size() - size_t(maxTiles);
    for (size_t i = 0; i < candidates.size() && excess > 0; ++i, --excess) {
        m_Current.tiles.erase(candidates[i].second);
    }
}
