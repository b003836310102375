// Rendering the seeded mixed page (rectangles, ellipses, polylines, arcs and pies, solid and
// linear-gradient fills, pens 1 to 3 wide, a text on every twentieth shape) of 10,000 and
// 100,000 components: to an image in the process (one core, all cores), to a 96-dpi PNG end
// to end with the program as a user runs it, beside QtSvg and librsvg rendering the program's
// own SVG of the same page in the same run; to PDF (time and size); and `--info`.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/library_init.h"
#include "export/page_renderer.h"
#include "support/mixed_page.h"

namespace {

constexpr int kDpi = 96;

// The program timed end to end: the one built with the benchmark, or the one named by
// QARN_BENCH_INKVANE (another build, to compare in the same run).
QString Inkvane() {
    const QString other = qEnvironmentVariable("QARN_BENCH_INKVANE");
    return other.isEmpty() ? QStringLiteral(QARN_INKVANE) : other;
}

// Where the pages are written: a fresh folder, or QARN_BENCH_PAGES to keep them.
QString PageFolder(const QTemporaryDir& dir) {
    const QString kept = qEnvironmentVariable("QARN_BENCH_PAGES");
    return kept.isEmpty() ? dir.path() : kept;
}

// The page, its document file and its SVG, made once per count for every benchmark.
struct PageFiles {
    explicit PageFiles(int components) : count(components) {
        QarnDllInitialize();
        doc.OnNewDocument();
        Qarn::Bench::FillMixedPage(doc, count);
        folder = PageFolder(dir);
        met = folder + QStringLiteral("/mixed-%1.met").arg(count);
        svg = folder + QStringLiteral("/mixed-%1.svg").arg(count);
        QString reason;
        if (!doc.OnSaveDocument(met, &reason) ||
            !doc.ExportToSVG(svg, doc.GetCurrentCanvas(), 0, &reason)) {
            error = reason;
        }
    }
    QString Output(const char* suffix) const {
        return folder + QStringLiteral("/out-%1.%2").arg(count).arg(QLatin1String(suffix));
    }

    int count;
    QTemporaryDir dir;
    QString folder;
    CQarnDoc doc;
    QString met;
    QString svg;
    QString error;
};

PageFiles& Page(int count) {
    static std::map<int, std::unique_ptr<PageFiles>> pages;
    std::unique_ptr<PageFiles>& page = pages[count];
    if (!page) {
        page = std::make_unique<PageFiles>(count);
    }
    return *page;
}

// Pixels of the page at the benchmark's resolution.
int Pixels(int units) {
    return int(std::ceil(units * kDpi / 100.0));
}

// CPU seconds (user and system) of the children that ended so far.
double ChildCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs a program to its end; the wall time in seconds, or a negative number when it failed.
double RunSeconds(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return -1.0;
    }
    return double(clock.nsecsElapsed()) / 1e9;
}

// Times one external run per iteration; the benchmark fails when the run does. The counter
// cpu_ms is the CPU time of a run (every thread of the program).
void TimeRuns(benchmark::State& state, const QString& program, const QStringList& arguments) {
    const double cpuBefore = ChildCpuSeconds();
    for (auto _ : state) {
        const double seconds = RunSeconds(program, arguments);
        if (seconds < 0) {
            state.SkipWithError("the program failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["cpu_ms"] =
        benchmark::Counter((ChildCpuSeconds() - cpuBefore) * 1e3 / double(state.iterations()));
}

bool Ready(benchmark::State& state, const PageFiles& page) {
    if (!page.error.isEmpty()) {
        state.SkipWithError(qPrintable(page.error));
        return false;
    }
    return true;
}

}  // namespace

// The page drawn into an image in the process: arg 0 the components, arg 1 the threads (0 for
// every core).
static void BM_PageToImage(benchmark::State& state) {
    PageFiles& page = Page(int(state.range(0)));
    CQarnCanvas* canvas = page.doc.GetCurrentCanvas();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            CPageRenderer::ToImage(page.doc, canvas, kDpi, int(state.range(1))));
    }
    state.SetLabel(state.range(1) == 0 ? "all cores" : "one thread");
}
BENCHMARK(BM_PageToImage)
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Args({10000, 1})
    ->Args({10000, 0})
    ->Args({100000, 1})
    ->Args({100000, 0})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The program as a user runs it: reads the document, renders, writes the PNG.
static void BM_PngEndToEnd(benchmark::State& state) {
    PageFiles& page = Page(int(state.range(0)));
    if (!Ready(state, page)) {
        return;
    }
    TimeRuns(state, Inkvane(),
             {QStringLiteral("--export-filename=%1").arg(page.Output("png")), page.met});
}
BENCHMARK(BM_PngEndToEnd)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// QtSvg rendering the program's SVG of the same page to a PNG of the same size.
static void BM_QtSvgPng(benchmark::State& state) {
    PageFiles& page = Page(int(state.range(0)));
    if (!Ready(state, page)) {
        return;
    }
    const CQarnCanvas* canvas = page.doc.GetCurrentCanvas();
    TimeRuns(state, QStringLiteral(QARN_SVG_RENDER),
             {page.svg, page.Output("qtsvg.png"), QString::number(Pixels(canvas->GetWidth())),
              QString::number(Pixels(canvas->GetHeight()))});
}
BENCHMARK(BM_QtSvgPng)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

// librsvg (rsvg-convert) on the same SVG, when it is installed.
static void BM_RsvgPng(benchmark::State& state) {
    PageFiles& page = Page(int(state.range(0)));
    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (rsvg.isEmpty()) {
        state.SkipWithError("rsvg-convert is not installed");
        return;
    }
    if (!Ready(state, page)) {
        return;
    }
    const CQarnCanvas* canvas = page.doc.GetCurrentCanvas();
    TimeRuns(
        state, rsvg,
        {QStringLiteral("-w"), QString::number(Pixels(canvas->GetWidth())), QStringLiteral("-h"),
         QString::number(Pixels(canvas->GetHeight())), QStringLiteral("-b"),
         QStringLiteral("white"), QStringLiteral("-o"), page.Output("rsvg.png"), page.svg});
}
BENCHMARK(BM_RsvgPng)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The page written as PDF in the process; the file's size beside the time.
static void BM_Pdf(benchmark::State& state) {
    PageFiles& page = Page(int(state.range(0)));
    const QString path = page.Output("pdf");
    QString error;
    for (auto _ : state) {
        if (!CPageRenderer::WritePdf(page.doc, page.doc.GetCurrentCanvas(), path, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
    }
    state.counters["size_MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_Pdf)->Arg(10000)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);

// The program writing the page as PDF, as a user runs it; the file's size, and how many
// characters of text `pdftotext` finds in it (none when the text is drawn as outlines).
static void BM_PdfEndToEnd(benchmark::State& state) {
    PageFiles& page = Page(int(state.range(0)));
    if (!Ready(state, page)) {
        return;
    }
    const QString path = page.Output("cli.pdf");
    TimeRuns(state, Inkvane(), {QStringLiteral("--export-filename=%1").arg(path), page.met});
    state.counters["size_MB"] = double(QFileInfo(path).size()) / 1e6;
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (text.waitForFinished(-1)) {
        // What shows of the labels (a label clipped to a small shape shows a few letters).
        const QString found = QString::fromUtf8(text.readAllStandardOutput());
        state.counters["text_chars"] =
            double(std::count_if(found.begin(), found.end(), [](QChar c) { return !c.isSpace(); }));
    }
}
BENCHMARK(BM_PdfEndToEnd)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// `InkvaneU --info` end to end: reads the document and prints its summary.
static void BM_Info(benchmark::State& state) {
    PageFiles& page = Page(int(state.range(0)));
    if (!Ready(state, page)) {
        return;
    }
    TimeRuns(state, Inkvane(), {QStringLiteral("--info"), page.met});
}
BENCHMARK(BM_Info)->Arg(100000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
