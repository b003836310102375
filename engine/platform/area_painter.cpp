#include "platform/area_painter.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/area_spans.h"

namespace {

// The budget of areas painted now; a share of it while a band of another area is painted.
thread_local double currentBudget = AreaPainter::kSpanBudget;

class BudgetShare {
public:
    explicit BudgetShare(double share) : saved_(currentBudget) { currentBudget = share; }
    ~BudgetShare() { currentBudget = saved_; }
    BudgetShare(const BudgetShare&) = delete;
    BudgetShare& operator=(const BudgetShare&) = delete;

private:
    double saved_;
};

bool IsRaster(QPainter* painter) {
    return painter != nullptr && painter->isActive() && painter->paintEngine() != nullptr &&
           painter->paintEngine()->type() == QPaintEngine::Raster;
}

// Scales each premultiplied pixel of the row by its coverage.
void ApplyCoverage(QRgb* row, const float* coverage, int width) {
    for (int x = 0; x < width; ++x) {
        const int alpha = int(std::lround(std::clamp(coverage[x], 0.0f, 1.0f) * 255.0f));
        if (alpha == 255) {
            continue;
        }
        if (alpha == 0) {
            row[x] = 0;
            continue;
        }
        const QRgb p = row[x];
        const auto scale = [alpha](unsigned channel) { return (channel * alpha + 127) / 255; };
        row[x] = qRgba(int(scale(qRed(p))), int(scale(qGreen(p))), int(scale(qBlue(p))),
                       int(scale(qAlpha(p))));
    }
}

}  // namespace

AreaPainter::AreaPainter(QPainter* painter, const QPainterPath& area, const QPainterPath* clip)
    : painter_(painter), area_(area), hasClip_(clip != nullptr) {
    if (clip != nullptr) {
        clip_ = *clip;
    }
}

AreaPainter::~AreaPainter() = default;

QRect AreaPainter::DeviceLimit() const {
    const QPaintDevice* device = painter_->device();
    QRect limit;
    if (device->devType() == QInternal::Image) {
        limit = QRect(QPoint(0, 0), static_cast<const QImage*>(device)->size());
    } else {
        const qreal ratio = device->devicePixelRatio();
        limit = QRect(0, 0, int(std::ceil(device->width() * ratio)),
                      int(std::ceil(device->height() * ratio)));
    }
    if (painter_->hasClipping()) {
        const QRectF clip = painter_->deviceTransform().mapRect(painter_->clipBoundingRect());
        limit &= clip.toAlignedRect();
    }
    return limit;
}

void AreaPainter::MakeSpans() {
    if (areaSpans_) {
        return;
    }
    const QTransform toDevice = painter_->deviceTransform();
    const QRect limit = DeviceLimit();
    areaSpans_ = std::make_unique<AreaSpans>(area_, toDevice, limit);
    bounds_ = areaSpans_->Bounds();
    if (hasClip_) {
        clipSpans_ = std::make_unique<AreaSpans>(clip_, toDevice, limit);
        bounds_ &= clipSpans_->Bounds();
    }
}

bool AreaPainter::QtCanDraw() {
    if (!IsRaster(painter_)) {
        return true;
    }
    MakeSpans();
    double cost = areaSpans_->QtCost();
    if (clipSpans_) {
        cost += clipSpans_->QtCost();
    }
    return cost <= std::min(kQtBudget, Budget());
}

double AreaPainter::Budget() {
    return currentBudget;
}

double AreaPainter::EstimatedCost() {
    if (!IsRaster(painter_)) {
        return 0.0;
    }
    MakeSpans();
    const double qt = areaSpans_->QtCost() + (clipSpans_ ? clipSpans_->QtCost() : 0.0);
    if (qt <= std::min(kQtBudget, Budget())) {
        return qt;
    }
    const double spans = areaSpans_->SpanCost(1.0 / kSamplesPerRow) +
                         (clipSpans_ ? clipSpans_->SpanCost(1.0 / kSamplesPerRow) : 0.0);
    return std::min(spans, Budget());
}

double AreaPainter::SampleSpacing() {
    MakeSpans();
    const auto cost = [&](double spacing) {
        return areaSpans_->SpanCost(spacing) + (clipSpans_ ? clipSpans_->SpanCost(spacing) : 0.0);
    };
    double spacing = 1.0 / kSamplesPerRow;
    while (spacing < double(1 << 20) && cost(spacing) > Budget()) {
        spacing *= 2.0;
    }
    return spacing;
}

void AreaPainter::Cover(const double* ys, int count, double weight, float* coverage, int* left,
                        int* right) {
    const int width = bounds_.width();
    const double origin = bounds_.left();
    // Whole pixels inside a span are counted by a running sum; the two end pixels get their
    // share directly.
    std::vector<float> steps(size_t(width) + 1, 0.0f);
    std::fill(coverage, coverage + width, 0.0f);
    std::vector<AreaSpans::Span> areaRow;
    std::vector<AreaSpans::Span> clipRow;
    std::vector<AreaSpans::Span> both;
    for (int s = 0; s < count; ++s) {
        areaSpans_->RowSpans(ys[s], &areaRow);
        const std::vector<AreaSpans::Span>* spans = &areaRow;
        if (clipSpans_) {
            clipSpans_->RowSpans(ys[s], &clipRow);
            AreaSpans::Intersect(areaRow, clipRow, &both);
            spans = &both;
        }
        const float w = float(weight);
        for (const AreaSpans::Span& span : *spans) {
            const double a = std::clamp(span.left - origin, 0.0, double(width));
            const double b = std::clamp(span.right - origin, 0.0, double(width));
            if (b <= a) {
                continue;
            }
            const int ia = int(a);
            const int ib = int(b);
            *left = std::min(*left, ia);
            *right = std::max(*right, std::min(width, ib + 1));
            if (ia == ib) {
                coverage[ia] += w * float(b - a);
                continue;
            }
            coverage[ia] += w * float(ia + 1 - a);
            steps[size_t(ia) + 1] += w;
            steps[size_t(ib)] -= w;
            if (ib < width) {
                coverage[ib] += w * float(b - ib);
            }
        }
    }
    float running = 0.0f;
    for (int x = 0; x < width; ++x) {
        running += steps[size_t(x)];
        coverage[x] += running;
    }
}

void AreaPainter::PaintBySpans(const PaintFunction& paint) {
    if (!IsRaster(painter_)) {
        paint(painter_, area_);
        return;
    }
    const double spacing = SampleSpacing();
    if (bounds_.isEmpty()) {
        return;
    }
    const QTransform toDevice = painter_->deviceTransform();
    bool invertible = false;
    const QTransform toPainter = toDevice.inverted(&invertible);
    if (!invertible) {
        return;
    }
    const qreal ratio = painter_->device()->devicePixelRatio();
    const int width = bounds_.width();
    const int top = bounds_.top();
    const int perRow = spacing < 1.0 ? int(std::lround(1.0 / spacing)) : 1;
    const int rowsPerSample = spacing > 1.0 ? int(spacing) : 1;
    const int bandRows = int(
        std::clamp(kBandPixels / std::max(width, 1), qint64(kBandRows), qint64(bounds_.height())));
    const int bands = (bounds_.height() + bandRows - 1) / bandRows;
    std::vector<double> ys(static_cast<size_t>(perRow));
    std::vector<float> coverage(size_t(bandRows) * size_t(width));
    int lastGroup = -1;
    std::vector<float> lastCoverage(static_cast<size_t>(width));
    int lastLeft = width;
    int lastRight = 0;

    for (int bandTop = top; bandTop <= bounds_.bottom(); bandTop += bandRows) {
        const int rows = std::min(bandRows, bounds_.bottom() + 1 - bandTop);
        int left = width;
        int right = 0;
        for (int r = 0; r < rows; ++r) {
            const int y = bandTop + r;
            float* row = coverage.data() + size_t(r) * size_t(width);
            if (rowsPerSample > 1) {
                // One sample serves every row of its group.
                const int group = (y - top) / rowsPerSample;
                if (group != lastGroup) {
                    lastGroup = group;
                    lastLeft = width;
                    lastRight = 0;
                    const double sampleY = top + (group + 0.5) * rowsPerSample;
                    Cover(&sampleY, 1, 1.0, lastCoverage.data(), &lastLeft, &lastRight);
                }
                std::copy(lastCoverage.begin(), lastCoverage.end(), row);
                left = std::min(left, lastLeft);
                right = std::max(right, lastRight);
                continue;
            }
            for (int s = 0; s < perRow; ++s) {
                ys[size_t(s)] = y + (s + 0.5) / perRow;
            }
            Cover(ys.data(), perRow, 1.0 / perRow, row, &left, &right);
        }
        if (left >= right) {
            continue;
        }
        const int x0 = bounds_.left() + left;
        QImage layer(right - left, rows, QImage::Format_ARGB32_Premultiplied);
        if (layer.isNull()) {
            return;
        }
        layer.fill(Qt::transparent);
        {
            QPainter onLayer(&layer);
            onLayer.setRenderHints(painter_->renderHints());
            onLayer.setTransform(toDevice * QTransform::fromTranslate(-x0, -bandTop));
            QPainterPath cover;
            cover.addPolygon(toPainter.map(QPolygonF(QRectF(x0, bandTop, right - left, rows))));
            cover.closeSubpath();
            const BudgetShare share(Budget() / bands);
            paint(&onLayer, cover);
        }
        for (int r = 0; r < rows; ++r) {
            ApplyCoverage(reinterpret_cast<QRgb*>(layer.scanLine(r)),
                          coverage.data() + size_t(r) * size_t(width) + left, layer.width());
        }
        layer.setDevicePixelRatio(ratio);
        painter_->save();
        painter_->resetTransform();
        painter_->drawImage(QPointF(x0 / ratio, bandTop / ratio), layer);
        painter_->restore();
    }
}
