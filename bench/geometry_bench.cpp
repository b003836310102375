// How long a click takes to find what it hits among many components, and how fast outlines
// are built and flattened.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/component.h"
#include "core/element.h"
#include "platform/graphics_path.h"
#include "platform/pen.h"

namespace {

// A component whose outline is an ellipse in its frame.
class Oval : public CQarnComponent {
public:
    BOOL CreateElements(RectF* rect) override {
        CQarnComponent::CreateElements(rect);
        GetElement(0)->GetPath()->AddEllipse(rect != nullptr ? *rect : GetRectF());
        return TRUE;
    }
};

// 100,000 small components on a 400 by 250 grid, every third one turned.
std::vector<std::unique_ptr<Oval>> MakeCanvas() {
    std::vector<std::unique_ptr<Oval>> all;
    all.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
        auto c = std::make_unique<Oval>();
        c->SetRectF(RectF(float(i % 400) * 30, float(i / 400) * 30, 20, 12));
        c->UpdateRotateCenter();
        if (i % 3 == 0) {
            c->SetRotateAngle(float(i % 360));
        }
        all.push_back(std::move(c));
    }
    return all;
}

}  // namespace

// One query: every component is asked whether its frame, as shown, holds the point (what a
// click on empty space costs before the search gives up).
static void BM_HitTestAmong100000(benchmark::State& state) {
    auto all = MakeCanvas();
    int x = 0;
    for (auto _ : state) {
        const CPoint p((x * 7919) % 12000, (x * 104729) % 7500);
        ++x;
        int hits = 0;
        for (const auto& c : all) {
            hits += c->HitTest(p, nullptr, 0, nullptr);
        }
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(all.size()));
}
BENCHMARK(BM_HitTestAmong100000)->Unit(benchmark::kMillisecond);

static void BM_ResetPath(benchmark::State& state) {
    Oval c;
    c.SetRectF(RectF(0, 0, 200, 100));
    for (auto _ : state) {
        c.ResetPath();
        benchmark::DoNotOptimize(c.GetPath());
    }
}
BENCHMARK(BM_ResetPath);

static void BM_FlattenEllipse(benchmark::State& state) {
    GraphicsPath ellipse;
    ellipse.AddEllipse(RectF(0, 0, 2000, 1000));
    const float flatness = 1.0f / float(state.range(0));
    for (auto _ : state) {
        GraphicsPath flat(ellipse);
        flat.Flatten(nullptr, flatness);
        benchmark::DoNotOptimize(flat.GetPointCount());
    }
}
BENCHMARK(BM_FlattenEllipse)->Arg(4)->Arg(100);

static void BM_OutlineHitTest(benchmark::State& state) {
    GraphicsPath curve;
    const PointF points[6] = {{0, 0}, {100, 80}, {200, 0}, {300, 80}, {400, 0}, {500, 80}};
    curve.AddCurve(points, 6);
    Pen pen(Color(Color::Black), 6);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(curve.IsOutlineVisible(float(i++ % 500), 40.0f, &pen));
    }
}
BENCHMARK(BM_OutlineHitTest);

// One click on a turned, unfilled oval near its outline with a tolerance of three pixels at
// the zoom (in hundredths): the outline is flattened finely enough for the tolerance.
static void BM_ZoomHitTestOval(benchmark::State& state) {
    Oval c;
    c.SetRectF(RectF(0, 0, 2000, 1000));
    c.UpdateRotateCenter();
    c.SetRotateAngle(30);
    c.SetFill(false);
    const float tolerance = 3.0f * 100.0f / (96.0f * float(state.range(0)) / 100.0f);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.HitTest(PointF(float(i++ % 2000), 500.0f), tolerance));
    }
}
BENCHMARK(BM_ZoomHitTestOval)->Arg(25)->Arg(800);

// The handle under the pointer of a selected component with a label: the description is
// built, numbered and placed, then searched topmost first.
static void BM_HitTestHandle(benchmark::State& state) {
    Oval c;
    c.SetRectF(RectF(0, 0, 200, 100));
    c.UpdateRotateCenter();
    c.SetRotateAngle(30);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.HitTestHandle(PointF(float(i++ % 200), 50.0f), 3.0f));
    }
}
BENCHMARK(BM_HitTestHandle);
