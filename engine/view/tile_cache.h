#pragma once
// What a view has painted, kept as square tiles of device pixels over the page at one zoom. A
// change marks only the pixels it touches as dirty, scrolling finds most tiles ready, and
// after a zoom the tiles of the previous zoom stay at hand to show a scaled first frame while
// the new ones are drawn.
//
// Tile (col, row) covers device pixels [col x 256, (col + 1) x 256) of the page at the scale,
// counted from document point (0, 0); the scale is device pixels per document unit (the zoom
// times the screen's pixel ratio).

#include <QImage>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/crect.h"

class CQarnTileCache {
public:
    static constexpr int kTileSize = 256;

    struct Tile {
        int col = 0;
        int row = 0;
        QImage image;
        // The pixels (in the tile) still to be drawn; the whole tile when it is new.
        QRegion dirty;
        // When it was last shown, for eviction.
        std::uint64_t lastUse = 0;
        // Whether it has been drawn at all (a tile made but not drawn yet shows nothing).
        bool drawn = false;
        bool IsReady() const { return dirty.isEmpty(); }
        QRect DeviceRect() const {
            return QRect(col * kTileSize, row * kTileSize, kTileSize, kTileSize);
        }
    };

    struct Generation {
        double scaleX = 0.0;
        double scaleY = 0.0;
        std::unordered_map<std::int64_t, Tile> tiles;
        int ReadyCount() const;
    };

    CQarnTileCache();

    // Tiles for another scale: the current set becomes the previous one (unless the previous
    // one shows more), and the new set starts empty.
    void SetScale(double scaleX, double scaleY);
    double GetScaleX() const { return m_Current.scaleX; }
    double GetScaleY() const { return m_Current.scaleY; }
    const Generation& GetCurrent() const { return m_Current; }
    const Generation& GetPrevious() const { return m_Previous; }
    void DropPrevious();

    // Device pixels of the page that a document rectangle covers at the current scale.
    QRect ToDevice(const CRect& docRect) const;
    // The document rectangle (whole units, grown to hold every partial unit) of device pixels.
    CRect ToDocument(const QRect& deviceRect) const;

    // The tile when it exists, else null.
    Tile* Find(int col, int row);
    // The tile, made (all dirty) when it did not exist.
    Tile& Obtain(int col, int row);
    // Marks the device pixels dirty in every tile they touch; previous tiles over them go.
    void Invalidate(const QRect& deviceRect);
    void InvalidateAll();
    // The tiles that meet the device rectangle (made when missing), those with dirty pixels first
    // in the order given; `missingToo` false leaves out tiles that do not exist yet.
    void CollectDirty(const QRect& deviceRect, bool missingToo, std::vector<Tile*>& out);
    // Tiles meeting the device rectangle, in rows.
    static void TileSpan(const QRect& deviceRect, int& firstCol, int& firstRow, int& lastCol,
                         int& lastRow);
    // Marks the tiles meeting the device rectangle as just shown.
    void Touch(const QRect& deviceRect);
    // Drops the tiles shown longest ago while there are more than `maxTiles`, never one that
    // meets `keep`.
    void Evict(const QRect& keep, int maxTiles);
    int Count() const { return int(m_Current.tiles.size()); }

    static std::int64_t Key(int col, int row) {
        return (std::int64_t(col) << 32) ^ std::int64_t(std::uint32_t(row));
    }

private:
    Generation m_Current;
    Generation m_Previous;
    std::uint64_t m_nClock = 0;
};
