#include "view/tile_renderer.h"

#include <QPainter>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "platform/graphics.h"
#include "view/spatial_index.h"

struct CQarnTileRenderer::Job {
    CQarnTileCache::Tile* tile = nullptr;
    QRegion area;
    CRect docArea;
    std::vector<CQarnComponent*> components;
};

namespace {

// How far beyond the dirty pixels a tile is drawn, and how far at most (see DrawRegion).
constexpr int kBleed = 8;
constexpr int kLargestScratch = 2048;
// Fewer components than this are drawn on the calling thread alone.
constexpr size_t kWorthSharing = 400;

// The helpers that draw beside the calling thread.
QThreadPool& Helpers() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool();
        p->setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
        p->setExpiryTimeout(30000);
        return p;
    }();
    return *pool;
}

}  // namespace

CQarnTileRenderer::CQarnTileRenderer(const CQarnDoc& doc, CQarnCanvas* canvas,
                                     const CQarnSpatialIndex& index)
    : m_Doc(doc), m_pCanvas(canvas), m_Index(index) {}

int CQarnTileRenderer::ThreadCount() {
    return std::max(1, QThread::idealThreadCount());
}

void CQarnTileRenderer::Render(const CQarnTileCache& cache,
                               const std::vector<CQarnTileCache::Tile*>& tiles) {
    std::vector<Part> parts;
    parts.reserve(tiles.size());
    for (CQarnTileCache::Tile* tile : tiles) {
        parts.push_back(Part{tile, tile->dirty});
    }
    Render(cache, parts);
}

void CQarnTileRenderer::Render(const CQarnTileCache& cache, const std::vector<Part>& parts) {
    m_nParallel = 0;
    m_nSerial = 0;
    if (parts.empty()) {
        return;
    }
    // Everything that writes to the document's objects happens here, before any helper runs.
    m_Index.PrepareForQueries();
    std::vector<Job> jobs(parts.size());
    for (size_t i = 0; i < parts.size(); ++i) {
        Job& job = jobs[i];
        job.tile = parts[i].tile;
        job.area = parts[i].area;
        // Only components meeting the dirty pixels change them; each is drawn whole.
        const QRect device = job.area.boundingRect().translated(job.tile->DeviceRect().topLeft());
        job.docArea = cache.ToDocument(device);
        m_Index.Query(job.docArea, job.components);
        // Once prepared, a component's drawing writes nothing: any thread may draw it, and
        // several at once (a component crossing two tiles is drawn for both).
        for (CQarnComponent* c : job.components) {
            c->PrepareForDrawing();
        }
    }

    std::vector<Job*> shared;
    size_t components = 0;
    for (Job& job : jobs) {
        shared.push_back(&job);
        components += job.components.size();
    }
    std::vector<Job*> own;
    if (shared.size() == 1 || components < kWorthSharing) {
        // Waking the helpers would cost more than the drawing.
        own.swap(shared);
    }
    m_nParallel = int(shared.size());
    m_nSerial = int(own.size());
    if (!shared.empty()) {
        std::atomic<size_t> next{0};
        auto work = [&] {
            for (size_t i = next++; i < shared.size(); i = next++) {
                Draw(cache, *shared[i]);
            }
        };
        const int helpers = std::min<int>(Helpers().maxThreadCount(), int(shared.size()) - 1);
        for (int h = 0; h < helpers; ++h) {
            Helpers().start(work);
        }
        work();
        Helpers().waitForDone();
    }
    for (Job* job : own) {
        Draw(cache, *job);
    }
    for (Job& job : jobs) {
        job.tile->dirty -= job.area;
        job.tile->drawn = job.tile->drawn || job.tile->dirty.isEmpty();
    }
}

void CQarnTileRenderer::Draw(const CQarnTileCache& cache, Job& job) const {
    // The part of the page and the part of the desk are drawn apart: on the page, lines that
    // leave it are cut at its edge, as on a drawing of the page alone.
    const QRect tile = job.tile->DeviceRect();
    const QRect page = cache.ToDevice(CRect(0, 0, m_pCanvas->GetWidth(), m_pCanvas->GetHeight()))
                           .translated(-tile.topLeft());
    const QRegion onPage = job.area.intersected(page);
    const QRegion offPage = job.area.subtracted(page);
    if (!onPage.isEmpty()) {
        DrawRegion(cache, job, onPage, &page);
    }
    if (!offPage.isEmpty()) {
        DrawRegion(cache, job, offPage, nullptr);
    }
}

void CQarnTileRenderer::DrawRegion(const CQarnTileCache& cache, Job& job, const QRegion& area,
                                   const QRect* page) const {
    // The graphics system starts each run of pixels of a thin line or a gradient where the
    // line or the run enters the drawing surface, so a surface that cuts a shape draws it a
    // level lighter or darker here and there. The shapes are therefore drawn whole on a scratch
    // surface holding all of them (and cut only where the page ends), with no clip, and only
    // the dirty pixels are copied into the tile: they come out exactly as on a drawing of the
    // whole page. A scratch surface never grows beyond kLargestScratch pixels a side.
    const QRect tile = job.tile->DeviceRect();
    QRect scratchArea = area.boundingRect().adjusted(-kBleed, -kBleed, kBleed, kBleed);
    const QRect limit = scratchArea.adjusted(-kLargestScratch / 2, -kLargestScratch / 2,
                                             kLargestScratch / 2, kLargestScratch / 2);
    // Only the components that reach these pixels are drawn: the part of a tile off the page
    // rarely meets any of the page's components.
    std::vector<CQarnComponent*> meeting;
    meeting.reserve(job.components.size());
    for (CQarnComponent* c : job.components) {
        const QRect shown = cache.ToDevice(CQarnSpatialIndex::IndexBounds(c))
                                .translated(-tile.topLeft())
                                .adjusted(-2, -2, 2, 2);
        if (!area.intersects(shown)) {
            continue;
        }
        meeting.push_back(c);
        scratchArea |= shown.intersected(limit);
    }
    if (page != nullptr) {
        scratchArea &= *page;
    }
    if (scratchArea.isEmpty()) {
        return;
    }
    QImage scratch(scratchArea.size(), QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPoint origin = tile.topLeft() + scratchArea.topLeft();
        painter.translate(-origin.x(), -origin.y());
        painter.scale(cache.GetScaleX(), cache.GetScaleY());
        Graphics graphics(&painter);
        // Patterns fixed to the device start at the page's corner on every tile.
        graphics.SetRenderingOrigin(-origin.x() % 8, -origin.y() % 8);
        m_Doc.DrawUnderlay(&graphics, m_pCanvas);
        for (CQarnComponent* c : meeting) {
            c->Draw(&graphics, job.docArea, nullptr, nullptr, 0);
        }
    }
    QPainter copy(&job.tile->image);
    copy.setCompositionMode(QPainter::CompositionMode_Source);
    copy.setClipRegion(area);
    copy.drawImage(scratchArea.topLeft(), scratch);
}
