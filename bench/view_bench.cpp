// The drawing view on the seeded mixed page: repainting the window, repainting after an edit,
// scrolling, hit tests and zooming to fit, in a 1280 x 800 window at 100%.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <memory>
#include <random>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/library_init.h"
#include "support/mixed_page.h"
#include "view/base_view.h"
#include "view/tile_renderer.h"

namespace {

// CPU time of the whole process (every thread), in milliseconds: on a shared machine the wall
// time also counts other programs.
double ProcessCpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

struct ShownPage {
    explicit ShownPage(int count) {
        QarnDllInitialize();
        doc.OnNewDocument();
        Qarn::Bench::FillMixedPage(doc, count);
        view = std::make_unique<CQarnBaseView>();
        view->resize(1280, 800);
        view->SetDocument(&doc);
        view->show();
        QApplication::processEvents();
        view->RenderVisibleNow();
        Settle();
    }
    ~ShownPage() { view.reset(); }

    // Lets the view finish drawing (the tiles ahead of scrolling too).
    void Settle() {
        while (view->IsRendering()) {
            QApplication::processEvents();
        }
        QApplication::processEvents();
    }
    // Paints what is waiting to be painted, and only that.
    void Paint() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(view->window(), QEvent::UpdateRequest);
    }

    CQarnDoc doc;
    std::unique_ptr<CQarnBaseView> view;
};

}  // namespace

// The whole window drawn afresh from the tiles of every core and shown.
static void BM_RepaintWindow10k(benchmark::State& state) {
    ShownPage shown(10000);
    CQarnCanvas* page = shown.doc.GetCurrentCanvas();
    const CRect whole(-100, -100, page->GetWidth() + 100, page->GetHeight() + 100);
    const double cpuBefore = ProcessCpuMilliseconds();
    for (auto _ : state) {
        shown.doc.NotifyRepaint(page, whole);
        shown.view->RenderVisibleNow();
        shown.view->viewport()->repaint();
    }
    state.counters["threads"] = CQarnTileRenderer::ThreadCount();
    state.counters["cpu_all_threads_ms"] =
        (ProcessCpuMilliseconds() - cpuBefore) / double(state.iterations());
}
BENCHMARK(BM_RepaintWindow10k)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// One component moved, then the window painted: only its old and new places are drawn.
static void BM_RepaintAfterMove100k(benchmark::State& state) {
    ShownPage shown(100000);
    CQarnLayer* layer = shown.doc.GetCurrentCanvas()->GetCurrentLayer();
    std::mt19937 random(5);
    std::uniform_int_distribution<int> pick(0, layer->GetCount() - 1);
    int step = 0;
    for (auto _ : state) {
        CQarnComponent* c = layer->GetList()[pick(random)];
        const RectF r = c->GetRectF();
        const float d = (++step % 2 == 0) ? 3.0f : -3.0f;
        c->MoveTo(RectF(r.X + d, r.Y + d, r.Width, r.Height), MoveFlags::Invalidate);
        shown.Paint();
    }
}
BENCHMARK(BM_RepaintAfterMove100k)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

// Scrolling down and up by a tenth of the window; between steps the view draws ahead.
static void BM_Scroll100k(benchmark::State& state) {
    ShownPage shown(100000);
    QScrollBar* bar = shown.view->verticalScrollBar();
    const int step = shown.view->viewport()->height() / 10;
    int direction = 1;
    for (auto _ : state) {
        if (bar->value() + direction * step > bar->maximum() ||
            bar->value() + direction * step < bar->minimum()) {
            direction = -direction;
        }
        bar->setValue(bar->value() + direction * step);
        shown.Paint();
        state.PauseTiming();
        shown.Settle();
        state.ResumeTiming();
    }
    state.counters["step_px"] = step;
}
BENCHMARK(BM_Scroll100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The topmost component at a point, through the spatial index and, for comparison, by walking
// the document's layers.
static void BM_HitTest100k(benchmark::State& state) {
    ShownPage shown(100000);
    std::mt19937 random(9);
    std::uniform_int_distribution<int> x(0, Qarn::Bench::kLetterWidth);
    std::uniform_int_distribution<int> y(0, Qarn::Bench::kLetterHeight);
    const bool walk = state.range(0) == 1;
    for (auto _ : state) {
        const CPoint p(x(random), y(random));
        benchmark::DoNotOptimize(walk ? shown.doc.ObjectAt(p, shown.view.get())
                                      : shown.view->ObjectAt(p));
    }
    state.SetLabel(walk ? "walking the layers" : "spatial index");
}
BENCHMARK(BM_HitTest100k)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Zoom to fit: the first frame (scaled from the tiles at hand), then full quality drawn a
// slice at a time with the event loop running in between.
static void BM_ZoomToFit100k(benchmark::State& state) {
    ShownPage shown(100000);
    double firstFrame = 0, fullQuality = 0, longestSlice = 0, cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        shown.view->DoZoomOriginal();
        shown.view->RenderVisibleNow();
        shown.Settle();
        shown.view->TakeLongestSlice();
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = ProcessCpuMilliseconds();
        shown.view->DoZoomFull();
        shown.view->viewport()->repaint();
        firstFrame += double(clock.nsecsElapsed()) / 1e6;
        while (shown.view->HasPendingTiles()) {
            QApplication::processEvents();
        }
        shown.view->viewport()->repaint();
        fullQuality += double(clock.nsecsElapsed()) / 1e6;
        cpu += ProcessCpuMilliseconds() - cpuBefore;
        longestSlice = std::max(longestSlice, double(shown.view->TakeLongestSlice()));
    }
    const double n = double(state.iterations());
    state.counters["first_frame_ms"] = firstFrame / n;
    state.counters["full_quality_ms"] = fullQuality / n;
    state.counters["longest_busy_ms"] = longestSlice;
    state.counters["cpu_all_threads_ms"] = cpu / n;
}
BENCHMARK(BM_ZoomToFit100k)->Unit(benchmark::kMillisecond)->Iterations(5);
