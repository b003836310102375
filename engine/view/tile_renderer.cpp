#include "view/tile_renderer.h"

#include <QPainter>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>

#include "core/component.h"
#include "core/doc.h"
#include "platform/graphics.h"
#include "view/concurrent_drawing.h"
#include "view/spatial_index.h"

struct CQarnTileRenderer::Job {
    CQarnTileCache::Tile* tile = nullptr;
    QRegion area;
    CRect docArea;
    std::vector<CQarnComponent*> components;
    bool concurrent = true;
};

namespace {

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
    m_nParallel = 0;
    m_nSerial = 0;
    if (tiles.empty()) {
        return;
    }
    // Everything that writes to the document's objects happens here, before any helper runs.
    m_Index.PrepareForQueries();
    std::vector<Job> jobs(tiles.size());
    for (size_t i = 0; i < tiles.size(); ++i) {
        Job& job = jobs[i];
        job.tile = tiles[i];
        job.area = job.tile->dirty;
        const QRect device = job.area.boundingRect().translated(job.tile->DeviceRect().topLeft());
        job.docArea = cache.ToDocument(device);
        m_Index.Query(job.docArea, job.components);
        for (CQarnComponent* c : job.components) {
            Qarn::PrepareForDrawing(c);
        }
        job.concurrent =
            std::all_of(job.components.begin(), job.components.end(),
                        [](CQarnComponent* c) { return Qarn::CanDrawConcurrently(c); });
    }

    std::vector<Job*> shared;
    std::vector<Job*> own;
    for (Job& job : jobs) {
        (job.concurrent ? shared : own).push_back(&job);
    }
    m_nParallel = int(shared.size());
    m_nSerial = int(own.size());

    if (!shared.empty()) {
        std::atomic<size_t> next{0};
        auto work = [&] {
            for (size_t i = next++; i < shared.size(); i = next++) {
                Draw(cache, *shared[i], true);
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
        Draw(cache, *job, false);
    }
    for (Job& job : jobs) {
        job.tile->dirty = QRegion();
    }
}

void CQarnTileRenderer::Draw(const CQarnTileCache& cache, Job& job, bool locked) const {
    QImage& image = job.tile->image;
    QPainter painter(&image);
    const bool whole = job.area.rectCount() == 1 &&
                       job.area.boundingRect() == QRect(0, 0, image.width(), image.height());
    if (!whole) {
        painter.setClipRegion(job.area);
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(job.area.boundingRect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPoint origin = job.tile->DeviceRect().topLeft();
    painter.translate(-origin.x(), -origin.y());
    painter.scale(cache.GetScaleX(), cache.GetScaleY());
    Graphics graphics(&painter);
    // Patterns fixed to the device start at the page's corner on every tile.
    graphics.SetRenderingOrigin(-origin.x() % 8, -origin.y() % 8);
    m_Doc.DrawUnderlay(&graphics, m_pCanvas);
    for (CQarnComponent* c : job.components) {
        if (locked) {
            std::lock_guard<std::mutex> guard(Qarn::DrawLockOf(c));
            c->Draw(&graphics, job.docArea, nullptr, nullptr, 0);
        } else {
            c->Draw(&graphics, job.docArea, nullptr, nullptr, 0);
        }
    }
}
