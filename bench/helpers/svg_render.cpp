// Renders an SVG file to a PNG with QtSvg, the way a user would turn the SVG the program
// exports into an image with a general SVG renderer: `qarn_svg_render IN.svg OUT.png WIDTH
// HEIGHT`. The benchmarks time it beside the program's own export of the same page.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool widthOk = false;
    bool heightOk = false;
    const int width = args.size() == 5 ? args[3].toInt(&widthOk) : 0;
    const int height = args.size() == 5 ? args[4].toInt(&heightOk) : 0;
    if (!widthOk || !heightOk || width < 1 || height < 1) {
        std::fprintf(stderr, "usage: qarn_svg_render IN.svg OUT.png WIDTH HEIGHT\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "qarn_svg_render: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
    if (!image.save(args[2])) {
        std::fprintf(stderr, "qarn_svg_render: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
