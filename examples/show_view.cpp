// Shows a drawing in the drawing view at a given zoom, framed by its rulers, with the grid:
// qarn_show_view FILE.met [--zoom=PERCENT] [--grid] [--no-rulers] [--units=0..6]
//                         [--size=WIDTHxHEIGHT] [--scroll=X,Y]
// Used to look at the view (screenshots); it runs until the window is closed.
#include <QApplication>
#include <QCommandLineParser>
#include <QScrollBar>
#include <cstdio>

#include "core/doc.h"
#include "core/library_init.h"
#include "view/base_view.h"
#include "view/ruler_bar.h"
#include "view/ruler_frame.h"
#include "view/zoom_dialog.h"

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
    options.addHelpOption();
    options.process(app);
    if (options.positionalArguments().size() != 1) {
        std::fprintf(stderr, "usage: qarn_show_view FILE.met [options]\n");
        return 2;
    }
    QarnDllInitialize();

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

    auto* view = new CQarnBaseView();
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
    const int result = app.exec();
    view->SetDocument(nullptr);
    return result;
}
