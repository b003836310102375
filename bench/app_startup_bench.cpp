// Start-up of the drawing application to a shown main window with the bundled sample drawn:
// the library and configuration, the main frame with its menus, bars and panes, the sample
// read and shown in its window, and everything painted that the first look shows. Process
// launch (loading the libraries) is not included; `InkvaneU --version` measures it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "inkvane_app.h"
#include "main_frame.h"
#include "my_qarn_view.h"

namespace {

void BM_StartUpWithTheSample(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        CInkvaneApp app;
        app.UseProfileFile(dir.filePath(QStringLiteral("inkvane.ini")));
        app.InitInstance(QStringLiteral(QARN_SAMPLE_FILE));
        CMainFrame* frame = app.GetMainFrame();
        frame->resize(1280, 800);
        frame->show();
        QApplication::processEvents();
        CMyQarnView* view = frame->ActiveView();
        view->RenderVisibleNow();
        while (view->IsRendering()) {
            QApplication::processEvents();
        }
        frame->repaint();
        state.PauseTiming();
        app.ExitInstance();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpWithTheSample)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
