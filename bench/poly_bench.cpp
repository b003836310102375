// How long simplifying a long scribble takes, and building the outline of a long curve.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/graphics_path.h"
#include "shapes/poly.h"

namespace {

// A hand-drawn scribble: a wandering stroke sampled every unit, with a little tremor, so
// that long runs are nearly straight and the turns keep their points.
std::vector<PointF> Scribble(int count) {
    std::vector<PointF> points;
    points.reserve(size_t(count));
    double x = 0;
    double y = 0;
    double heading = 0;
    for (int i = 0; i < count; ++i) {
        heading += 0.02 * std::sin(i * 0.013) + ((i % 500) == 0 ? 1.2 : 0.0);
        x += std::cos(heading);
        y += std::sin(heading);
        const double tremor = 0.05 * std::sin(i * 1.7);
        points.emplace_back(float(x + tremor), float(y - tremor));
    }
    return points;
}

}  // namespace

static void BM_SimplifyScribble(benchmark::State& state) {
    const std::vector<PointF> scribble = Scribble(int(state.range(0)));
    CQarnPoly poly(RectF(0, 0, 1, 1));
    int kept = 0;
    for (auto _ : state) {
        state.PauseTiming();
        poly.SetPointArray(scribble);
        poly.SetPointCount(int(scribble.size()));
        state.ResumeTiming();
        poly.Simplify();
        kept = poly.GetPointCount();
        benchmark::DoNotOptimize(kept);
    }
    state.counters["points_kept"] = kept;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SimplifyScribble)->Arg(100000)->Unit(benchmark::kMillisecond);

static void BM_CurveOutline(benchmark::State& state) {
    CQarnPoly poly(RectF(0, 0, 1, 1));
    poly.SetPolyStyle(CQarnPoly::JoinCurve);
    const std::vector<PointF> scribble = Scribble(int(state.range(0)));
    poly.SetPointArray(scribble);
    poly.SetPointCount(int(scribble.size()));
    for (auto _ : state) {
        GraphicsPath path;
        poly.BuildOutline(path);
        benchmark::DoNotOptimize(path.GetPointCount());
    }
}
BENCHMARK(BM_CurveOutline)->Arg(10000)->Unit(benchmark::kMillisecond);
