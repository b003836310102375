// The shape catalogue in bulk: building the outlines of 100,000 catalogue shapes of every
// registered kind mixed, and drawing them into a letter page image.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>
#include <random>

#include "catalogue_page.h"
#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/library_init.h"
#include "export/page_renderer.h"
#include "shapes/shape_registry.h"
#include "support/mixed_page.h"

namespace {

constexpr int kShapes = 100000;

// A letter page of `count` catalogue shapes, the kinds taken in turn, every other one with
// its free handles moved. Shapes are sized so that a spot of the page lies under about two.
struct CataloguePage {
    explicit CataloguePage(int count) {
        QarnDllInitialize();
        doc.OnNewDocument();
        CQarnCanvas* page = doc.GetCurrentCanvas();
        page->SetSize(Qarn::Bench::kLetterWidth, Qarn::Bench::kLetterHeight);
        const QList<int> ids = Qarn::Examples::CatalogueShapeIds();
        kinds = int(ids.size());
        std::mt19937 random(20261208u);
        const double side =
            std::sqrt(2.0 * Qarn::Bench::kLetterWidth * Qarn::Bench::kLetterHeight / count);
        std::uniform_real_distribution<float> scale(0.6f, 1.6f);
        std::uniform_real_distribution<float> aspect(0.5f, 1.0f);
        std::uniform_real_distribution<float> x(0.0f, Qarn::Bench::kLetterWidth - 2 * side);
        std::uniform_real_distribution<float> y(0.0f, Qarn::Bench::kLetterHeight - 2 * side);
        const ARGB fills[] = {0xFFB8D8F8u, 0xFFFFD8A8u, 0xFFC8F0C8u, 0xFFF0C8E0u};
        for (int i = 0; i < count; ++i) {
            const float w = float(side) * scale(random);
            const RectF frame(x(random), y(random), w, w * aspect(random));
            CQarnComponent* shape = Qarn::CreateShape(ids[i % kinds], frame);
            if (shape == nullptr) {
                continue;
            }
            shape->SetFillColor(Color(fills[i % 4]));
            if (i % 2 == 1) {
                Qarn::Examples::MoveFreeHandles(*shape);
            }
            shapes.append(shape);
            doc.AddTail(shape);
        }
    }

    CQarnDoc doc;
    ComponentList shapes;
    int kinds = 0;
};

CataloguePage& Page() {
    static CataloguePage page(kShapes);
    return page;
}

}  // namespace

// Every outline built afresh from its frame and free handles.
static void BM_BuildCatalogueOutlines100k(benchmark::State& state) {
    CataloguePage& page = Page();
    for (auto _ : state) {
        for (CQarnComponent* shape : page.shapes) {
            shape->ResetPath();
        }
        benchmark::DoNotOptimize(page.shapes.front()->GetPath());
    }
    state.counters["kinds"] = page.kinds;
    state.SetItemsProcessed(state.iterations() * page.shapes.size());
}
BENCHMARK(BM_BuildCatalogueOutlines100k)->Unit(benchmark::kMillisecond);

// The whole page drawn into an image at 100 dpi (850 x 1100 pixels), outlines already built.
static void BM_DrawCataloguePage100k(benchmark::State& state) {
    CataloguePage& page = Page();
    CQarnCanvas* canvas = page.doc.GetCurrentCanvas();
    for (auto _ : state) {
        const QImage image = CPageRenderer::ToImage(page.doc, canvas, 100);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["kinds"] = page.kinds;
    state.SetItemsProcessed(state.iterations() * page.shapes.size());
}
BENCHMARK(BM_DrawCataloguePage100k)->Unit(benchmark::kMillisecond);
