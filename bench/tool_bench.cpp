// Mouse editing on the seeded mixed page of 100,000 components in a 1280 x 800 view at 100%,
// through simulated mouse events: one step of a drag that moves one shape (with the repaint of
// what changed), one step of a rubber band, and selecting everything with the rubber band.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <memory>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/library_init.h"
#include "support/mixed_page.h"
#include "view/qarn_view.h"
#include "view/tool.h"

namespace {

struct EditedPage {
    explicit EditedPage(int count) {
        QarnDllInitialize();
        Qarn::RegisterSelectionTools();
        CQarnTool::SetToolID(CQarnTool::kSelectTool);
        doc.OnNewDocument();
        Qarn::Bench::FillMixedPage(doc, count);
        view = std::make_unique<CQarnView>();
        view->resize(1280, 800);
        view->SetDocument(&doc);
        view->show();
        QApplication::processEvents();
        view->RenderVisibleNow();
        while (view->IsRendering()) {
            QApplication::processEvents();
        }
    }
    ~EditedPage() { view.reset(); }

    QPoint At(float x, float y) const {
        CPoint p{int(x), int(y)};
        view->DocToClient(p);
        return QPoint(p.x, p.y);
    }
    void Send(QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(p), view->viewport()->mapToGlobal(QPointF(p)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }
    // Paints what waits to be painted, as the window does between events.
    void Paint() {
        view->RenderVisibleNow();
        view->viewport()->repaint();
    }

    CQarnDoc doc;
    std::unique_ptr<CQarnView> view;
};

// The topmost component's centre in the visible part of the page.
CQarnComponent* VisibleComponent(EditedPage& page) {
    const ComponentList& list = page.doc.GetCurrentCanvas()->GetLayers().first()->GetList();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        const RectF r = (*it)->GetRectF();
        if (r.X > 100 && r.Y > 100 && r.X < 900 && r.Y < 600) {
            return *it;
        }
    }
    return list.last();
}

}  // namespace

static void BM_DragStepMovingOneShape100k(benchmark::State& state) {
    EditedPage page(100000);
    CQarnComponent* shape = VisibleComponent(page);
    page.view->Select(shape, false);
    const RectF r = shape->GetRectF();
    QPoint at = page.At(r.X + r.Width / 2, r.Y + r.Height / 2);
    page.Send(QEvent::MouseButtonPress, at, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        at += QPoint((step++ % 2) == 0 ? 6 : -5, 1);
        page.Send(QEvent::MouseMove, at, Qt::LeftButton);
        page.Paint();
    }
    page.Send(QEvent::MouseButtonRelease, at, Qt::NoButton);
}
BENCHMARK(BM_DragStepMovingOneShape100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

static void BM_RubberBandStep100k(benchmark::State& state) {
    EditedPage page(100000);
    QPoint at = page.At(2, 2);
    page.Send(QEvent::MouseButtonPress, at, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        at += QPoint(3, (step++ % 2) == 0 ? 2 : -1);
        page.Send(QEvent::MouseMove, at, Qt::LeftButton);
        page.Paint();
    }
    page.Send(QEvent::MouseButtonRelease, at, Qt::NoButton);
}
BENCHMARK(BM_RubberBandStep100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

static void BM_RubberBandSelectsAll100k(benchmark::State& state) {
    EditedPage page(100000);
    page.view->DoZoomFull();
    page.Paint();
    CQarnCanvas* canvas = page.doc.GetCurrentCanvas();
    const QPoint from = page.At(-20, -20);
    const QPoint to = page.At(float(canvas->GetWidth() + 20), float(canvas->GetHeight() + 20));
    for (auto _ : state) {
        page.view->Deselect(nullptr);
        page.Send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        page.Send(QEvent::MouseMove, to, Qt::LeftButton);
        page.Send(QEvent::MouseButtonRelease, to, Qt::NoButton);
        page.Paint();
    }
    state.counters["selected"] = double(page.view->GetSelection().size());
}
BENCHMARK(BM_RubberBandSelectsAll100k)->Unit(benchmark::kMillisecond)->Iterations(3);
