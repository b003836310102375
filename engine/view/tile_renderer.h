#pragma once
// Draws the dirty pixels of tiles from the page's spatial index: the paper, background and
// grid, then only the components that meet those pixels, in drawing order. The components are
// prepared for drawing on the calling thread (CQarnComponent::PrepareForDrawing), after which
// drawing them writes nothing, and the tiles are shared out among the cores.

#include <QRegion>
#include <vector>

#include "view/tile_cache.h"

class CQarnCanvas;
class CQarnDoc;
class CQarnSpatialIndex;

class CQarnTileRenderer {
public:
    CQarnTileRenderer(const CQarnDoc& doc, CQarnCanvas* canvas, const CQarnSpatialIndex& index);

    // Some of a tile's dirty pixels; a tile appears once in a call.
    struct Part {
        CQarnTileCache::Tile* tile;
        QRegion area;
    };

    // Draws the dirty pixels of every tile given at the scale of `cache`; the tiles are ready
    // afterwards. Must be called on the thread that owns the document.
    void Render(const CQarnTileCache& cache, const std::vector<CQarnTileCache::Tile*>& tiles);
    // Draws parts of tiles; what is drawn is no longer dirty, and a tile whose last dirty
    // pixels are drawn becomes ready to show.
    void Render(const CQarnTileCache& cache, const std::vector<Part>& parts);

    // Statistics of the last Render.
    int GetParallelTileCount() const { return m_nParallel; }
    int GetSerialTileCount() const { return m_nSerial; }

    // How many threads draw tiles at most (the cores of the machine).
    static int ThreadCount();

private:
    struct Job;
    void Draw(const CQarnTileCache& cache, Job& job) const;
    // Draws the dirty pixels of one part of a tile; `page` (tile pixels) cuts the shapes.
    void DrawRegion(const CQarnTileCache& cache, Job& job, const QRegion& area,
                    const QRect* page) const;

    const CQarnDoc& m_Doc;
    CQarnCanvas* m_pCanvas;
    const CQarnSpatialIndex& m_Index;
    int m_nParallel = 0;
    int m_nSerial = 0;
};
