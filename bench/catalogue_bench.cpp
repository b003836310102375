// How long building the outlines of 100,000 auto shapes of every catalogue kind takes, mixed
// and spread over a letter page, and drawing them into an image of the page at 100 dpi.
#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>
#include <vector>

#include "core/configuration.h"
#include "core/rect_geometry.h"
#include "platform/graphics.h"
#include "shapes/shape_base.h"
#include "shapes/shape_registry.h"

namespace {

constexpr int kShapes = 100000;
// A letter page in document units (1/100 inch).
constexpr int kPageWidth = 850;
constexpr int kPageHeight = 1100;

// Every id the registry makes a parametric shape for, whichever kinds are linked in.
std::vector<int> CatalogueIds() {
    std::vector<int> ids;
    for (const int id : Qarn::GetShapeKindIDs()) {
        const CQarnShapeKind* kind = Qarn::FindShapeKind(id);
        if (kind->CanCreate() && kind->runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CQarnShapeBase))) {
            ids.push_back(id);
        }
    }
    return ids;
}

// The shapes, kinds taken in turn, of sizes from 20 to 120 units, over the page; every third
// one has its first free handle dragged a third of the way across its frame.
std::vector<std::unique_ptr<CQarnComponent>> MixedShapes() {
    const std::vector<int> ids = CatalogueIds();
    std::vector<std::unique_ptr<CQarnComponent>> shapes;
    shapes.reserve(kShapes);
    for (int i = 0; i < kShapes; ++i) {
        const float w = float(20 + (i * 37) % 100);
        const float h = float(20 + (i * 53) % 100);
        const float x = float((i * 131) % (kPageWidth - 120));
        const float y = float((i * 197) % (kPageHeight - 120));
        std::unique_ptr<CQarnComponent> shape(
            Qarn::CreateShape(ids[size_t(i) % ids.size()], RectF(x, y, w, h)));
        shape->UpdateRotateCenter();
        if (i % 3 == 0 && shape->GetFreeHandleCount() > 0) {
            const int number = shape->GetHandleCount() - shape->GetFreeHandleCount() + 1;
            shape->MoveHandleTo(number, PointF(x + w / 3, y + h / 3), 0);
        }
        shapes.push_back(std::move(shape));
    }
    return shapes;
}

}  // namespace

static void BM_CatalogueOutlines100k(benchmark::State& state) {
    const std::vector<std::unique_ptr<CQarnComponent>> shapes = MixedShapes();
    for (auto _ : state) {
        for (const std::unique_ptr<CQarnComponent>& shape : shapes) {
            shape->ResetPath();
        }
        benchmark::DoNotOptimize(shapes.back()->GetPath());
    }
    state.counters["kinds"] = double(CatalogueIds().size());
    state.SetItemsProcessed(state.iterations() * kShapes);
}
BENCHMARK(BM_CatalogueOutlines100k)->Unit(benchmark::kMillisecond);

static void BM_CatalogueDrawLetterPage100k(benchmark::State& state) {
    const std::vector<std::unique_ptr<CQarnComponent>> shapes = MixedShapes();
    for (const std::unique_ptr<CQarnComponent>& shape : shapes) {
        shape->ResetPath();
    }
    QImage page(kPageWidth, kPageHeight, QImage::Format_ARGB32_Premultiplied);
    const CRect clip(0, 0, kPageWidth, kPageHeight);
    for (auto _ : state) {
        page.fill(0xFFFFFFFFu);
        Graphics g(&page);
        for (const std::unique_ptr<CQarnComponent>& shape : shapes) {
            shape->Draw(&g, clip, nullptr, nullptr, 0);
        }
    }
    state.SetItemsProcessed(state.iterations() * kShapes);
}
BENCHMARK(BM_CatalogueDrawLetterPage100k)->Unit(benchmark::kMillisecond)->Iterations(3);
