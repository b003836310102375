// Documents of 100,000 components: adding them, drawing the page, saving and opening.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/element.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"

namespace {

constexpr int kCount = 100000;

// A component whose outline is its frame, with the default pen and brush.
class BenchBox : public CQarnComponent {
public:
    explicit BenchBox(const RectF& r) : CQarnComponent(r) {}
    BOOL CreateElements(RectF* rect) override {
        CQarnComponent::CreateElements(rect);
        GetElement(0)->GetPath()->AddRectangle(rect ? *rect : GetRectF());
        return TRUE;
    }
};

RectF Spot(int i) {
    return RectF(float((i * 37) % 480), float((i * 53) % 480), 10.0f + float(i % 7), 8.0f);
}

void Fill(CQarnDoc& doc) {
    for (int i = 0; i < kCount; ++i) {
        doc.AddTail(new BenchBox(Spot(i)));
    }
}

}  // namespace

static void BM_AddComponents(benchmark::State& state) {
    for (auto _ : state) {
        CQarnDoc doc;
        doc.OnNewDocument();
        Fill(doc);
        benchmark::DoNotOptimize(doc.GetNextID());
        state.PauseTiming();
        doc.DeleteContents();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_AddComponents)->Unit(benchmark::kMillisecond);

static void BM_DrawPage(benchmark::State& state) {
    CQarnDoc doc;
    doc.OnNewDocument();
    Fill(doc);
    QImage image(500, 500, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        Graphics graphics(&image);
        doc.Draw(&graphics, CRect(0, 0, 500, 500), nullptr, 0);
    }
}
BENCHMARK(BM_DrawPage)->Unit(benchmark::kMillisecond);

static void BM_SaveDocument(benchmark::State& state) {
    CQarnDoc doc;
    doc.OnNewDocument();
    Fill(doc);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.met"));
    for (auto _ : state) {
        QString error;
        if (!doc.OnSaveDocument(path, &error)) {
            state.SkipWithError(error.toUtf8().constData());
        }
    }
    state.counters["file_bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);

static void BM_OpenDocument(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.met"));
    {
        CQarnDoc doc;
        doc.OnNewDocument();
        Fill(doc);
        doc.OnSaveDocument(path);
    }
    for (auto _ : state) {
        CQarnDoc doc;
        QString error;
        if (!doc.OnOpenDocument(path, &error)) {
            state.SkipWithError(error.toUtf8().constData());
        }
        state.PauseTiming();
        doc.DeleteContents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);
