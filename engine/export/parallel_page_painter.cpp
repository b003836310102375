#include "export/parallel_page_painter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <thread>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "platform/graphics.h"
#include "properties/text_property.h"

namespace {

// Units a component may paint beyond its bounds: fractions and smoothing that whole-unit
// bounds leave out.
constexpr int kBoundsSlack = 2;

// Too few components to be worth waking threads for.
constexpr size_t kWorthSharing = 64;

// A text drawn without clipping may reach beyond the bounds of its component.
bool PaintsBeyondItsBounds(const CQarnComponent& c) {
    const auto* text = dynamic_cast<const CQarnTextProperty*>(c.GetTextFacet());
    return text != nullptr && c.GetDrawText() &&
           (text->GetStringFormat() & CQarnTextProperty::NoClip) != 0;
}

}  // namespace

int CParallelPagePainter::CoreCount() {
    return std::max(1, int(std::thread::hardware_concurrency()));
}

CParallelPagePainter::CParallelPagePainter(const CQarnDoc& doc, CQarnCanvas* canvas, double scale,
                                           int threads)
    : m_Doc(doc),
      m_pCanvas(canvas),
      m_dScale(scale),
      m_nThreads(threads > 0 ? threads : CoreCount()) {
    if (canvas == nullptr) {
        return;
    }
    for (const CQarnLayer* layer : canvas->GetLayers()) {
        if (!layer->IsVisible(-1)) {
            continue;
        }
        for (CQarnComponent* c : layer->GetList()) {
            if (c->GetInvisible()) {
                continue;
            }
            c->PrepareForDrawing();
            if (PaintsBeyondItsBounds(*c)) {
                // Drawn in every band.
                m_Placed.push_back(
                    {c, std::numeric_limits<int>::min() / 2, std::numeric_limits<int>::max() / 2});
                continue;
            }
            const CRect bounds = c->GetBoundRect(false);
            const double top = std::floor((bounds.top - kBoundsSlack) * scale);
            const double bottom = std::ceil((bounds.bottom + kBoundsSlack) * scale);
            const int kLimit = 1 << 30;
            m_Placed.push_back({c, int(std::clamp(top, double(-kLimit), double(kLimit))),
                                int(std::clamp(bottom, double(-kLimit), double(kLimit)))});
        }
    }
}

std::vector<CParallelPagePainter::Band> CParallelPagePainter::Bands(int height, int count) const {
    // Cut where the components' middles divide evenly.
    std::vector<double> middles;
    middles.reserve(m_Placed.size());
    for (const Placed& p : m_Placed) {
        middles.push_back((double(p.top) + double(p.bottom)) / 2.0);
    }
    std::sort(middles.begin(), middles.end());
    std::vector<Band> bands(static_cast<size_t>(count));
    int top = 0;
    for (int b = 0; b < count; ++b) {
        int bottom = height;
        if (b + 1 < count && !middles.empty()) {
            const double cut = middles[middles.size() * size_t(b + 1) / size_t(count)];
            bottom = std::clamp(int(std::lround(cut)), top + 1, height - (count - b - 1));
        }
        bands[size_t(b)].top = top;
        bands[size_t(b)].bottom = bottom;
        top = bottom;
    }
    for (const Placed& p : m_Placed) {
        for (Band& band : bands) {
            if (p.bottom >= band.top && p.top < band.bottom) {
                band.components.push_back(p.component);
            }
        }
    }
    return bands;
}

void CParallelPagePainter::PaintBand(QImage* target, const Band& band) const {
    QPainter painter(target);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(m_dScale, m_dScale);
    Graphics graphics(&painter);
    // The page is drawn once: what components keep for their next drawing is the view's
    // business, not an export's.
    graphics.SetDrawsOnce(true);
    const CRect page(0, 0, m_pCanvas->GetWidth(), m_pCanvas->GetHeight());
    m_Doc.DrawUnderlay(&graphics, m_pCanvas);
    for (CQarnComponent* c : band.components) {
        c->Draw(&graphics, page, nullptr, nullptr, 0);
    }
}

void CParallelPagePainter::Paint(QImage* image) const {
    if (image == nullptr || image->isNull() || m_pCanvas == nullptr) {
        return;
    }
    const qint64 pixels = qint64(image->width()) * image->height();
    const int byMemory = int(std::clamp<qint64>(kMaxScratchPixels / std::max<qint64>(1, pixels), 0,
                                                m_nThreads - 1)) +
                         1;
    const int threads = std::min({m_nThreads, byMemory, std::max(1, image->height())});
    const auto paintWhole = [&] {
        Band whole;
        whole.top = 0;
        whole.bottom = image->height();
        for (const Placed& p : m_Placed) {
            whole.components.push_back(p.component);
        }
        PaintBand(image, whole);
    };
    if (threads <= 1 || m_Placed.size() < kWorthSharing) {
        paintWhole();
        return;
    }
    const std::vector<Band> bands = Bands(image->height(), threads);
    std::vector<QImage> surfaces(bands.size() - 1);
    std::vector<std::thread> helpers;
    for (size_t b = 1; b < bands.size(); ++b) {
        helpers.emplace_back([&, b] {
            QImage& surface = surfaces[b - 1];
            surface = QImage(image->size(), image->format());
            if (surface.isNull()) {
                return;
            }
            surface.setDotsPerMeterX(image->dotsPerMeterX());
            surface.setDotsPerMeterY(image->dotsPerMeterY());
            surface.fill(Qt::white);
            PaintBand(&surface, bands[b]);
        });
    }
    PaintBand(image, bands[0]);
    for (std::thread& helper : helpers) {
        helper.join();
    }
    if (std::any_of(surfaces.begin(), surfaces.end(),
                    [](const QImage& surface) { return surface.isNull(); })) {
        // No memory for a surface: the page is drawn again on this thread alone.
        image->fill(Qt::white);
        paintWhole();
        return;
    }
    const qsizetype rowBytes = qsizetype(image->bytesPerLine());
    for (size_t b = 1; b < bands.size(); ++b) {
        const QImage& surface = surfaces[b - 1];
        for (int y = bands[b].top; y < bands[b].bottom; ++y) {
            std::memcpy(image->scanLine(y), surface.constScanLine(y), size_t(rowBytes));
        }
    }
}
