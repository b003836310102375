// Shows a drawing in the drawing view at a given zoom, framed by its rulers, with the grid:
// qarn_show_view FILE.met [--zoom=PERCENT] [--grid] [--no-rulers] [--units=0..6]
//                         [--size=WIDTHxHEIGHT] [--scroll=X,Y] [--select-all]
//                         [--band=X1,Y1,X2,Y2]
// Used to look at the view (screenshots); it runs until the window is closed. --select-all
// shows the selection's trackers; --band presses the mouse at the first client point and
// drags to the second without letting go, so a rubber band is in progress.
#include <QApplication>
#include <QCommandLineParser>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>

#include "core/doc.h"
#include "core/library_init.h"
#include "view/command_ids.h"
#include "view/qarn_view.h"
#include "view/ruler_bar.h"
#include "view/ruler_frame.h"
#include "view/tool.h"
#include "view/zoom_dialog.h"

namespace {

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// Presses at the band's first corner and moves to the second in a few steps.
void DragBand(CQarnView* view, const QList<int>& corners) {
    QWidget* viewport = view->viewport();
    const QPoint from(corners[0], corners[1]);
    const QPoint to(corners[2], corners[3]);
    SendMouse(viewport, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step) {
        SendMouse(viewport, QEvent::MouseMove, from + (to - from) * step / 4, Qt::LeftButton);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The drawing to show."));
    options.addOption({QStringLiteral("zoom"), QStringLiteral("Zoom in percent (10 to 1000)."),
                       QStringLiteral("percent"), QStringLiteral("100")});
    options.addOption({QStringLiteral("grid"), QStringLiteral("Show the grid.")});
    options.addOption({QStringLiteral("grid-style"), QStringLiteral("Grid style 0 to 3."),
                       QStringLiteral("style"), QStringLiteral("1")});
    options.addOption({QStringLiteral("no-rulers"), QStringLiteral("Hide the rulers.")});
    options.addOption({QStringLiteral("units"), QStringLiteral("Ruler unit 0 to 6."),
                       QStringLiteral("unit"), QStringLiteral("0")});
    options.addOption({QStringLiteral("size"), QStringLiteral("Window size."),
                       QStringLiteral("WxH"), QStringLiteral("1000x760")});
    options.addOption({QStringLiteral("scroll"), QStringLiteral("Scroll position in pixels."),
                       QStringLiteral("X,Y"), QString()});
    options.addOption({QStringLiteral("select-all"), QStringLiteral("Select every component.")});
    options.addOption({QStringLiteral("band"),
                       QStringLiteral("Drag a rubber band between two client points."),
                       QStringLiteral("X1,Y1,X2,Y2"), QString()});
    options.addHelpOption();
    options.process(app);
    if (options.positionalArguments().size() != 1) {
        std::fprintf(stderr, "usage: qarn_show_view FILE.met [options]\n");
        return 2;
    }
    QarnDllInitialize();
    Qarn::RegisterSelectionTools();

    CQarnDoc doc;
    QString error;
    if (!doc.OnOpenDocument(options.positionalArguments().first(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    bool ok = false;
    const int percent = options.value(QStringLiteral("zoom")).toInt(&ok);
    if (!ok || percent < CZoomDlg::kLowestPercent || percent > CZoomDlg::kHighestPercent) {
        std::fprintf(stderr, "--zoom takes a percentage from 10 to 1000\n");
        return 2;
    }
    const QStringList size = options.value(QStringLiteral("size")).split(QLatin1Char('x'));
    const int width = size.size() == 2 ? size[0].toInt() : 0;
    const int height = size.size() == 2 ? size[1].toInt() : 0;
    if (width < 100 || height < 100) {
        std::fprintf(stderr, "--size takes WIDTHxHEIGHT of at least 100x100\n");
        return 2;
    }
    doc.SetGridShown(options.isSet(QStringLiteral("grid")));
    doc.SetGridStyle(options.value(QStringLiteral("grid-style")).toInt());
    doc.SetGridSize(10);

    auto* view = new CQarnView();
    CQarnRulerFrame frame(view);
    frame.setWindowTitle(QStringLiteral("Inkvane view - %1%").arg(percent));
    frame.resize(width, height);
    frame.ShowRulers(!options.isSet(QStringLiteral("no-rulers")));
    const int unit = options.value(QStringLiteral("units")).toInt();
    frame.GetHorizontalRuler()->SetUnits(unit);
    frame.GetVerticalRuler()->SetUnits(unit);
    view->SetDocument(&doc);
    frame.show();
    view->ApplyZoomChoice(CZoomDlg::Custom, percent);
    const QStringList scroll = options.value(QStringLiteral("scroll")).split(QLatin1Char(','));
    if (scroll.size() == 2) {
        view->ScrollToDevicePosition(QPoint(scroll[0].toInt(), scroll[1].toInt()));
    }
    view->setFocus();
    view->OnActivateView(true);
    if (options.isSet(QStringLiteral("select-all"))) {
        view->OnCommand(QarnCmd::EditSelectAll);
    }
    QList<int> band;
    for (const QString& n : options.value(QStringLiteral("band")).split(QLatin1Char(','))) {
        band.append(n.toInt());
    }
    if (band.size() == 4) {
        // Once the window shows, so that the band is drawn over the painted page.
        QTimer::singleShot(300, view, [view, band] { DragBand(view, band); });
    }
    const int result = app.exec();
    view->SetDocument(nullptr);
    Qarn::ClearTool();
    return result;
}
