// Writes the catalogue page, every shape kind as made and with its free handles moved, as a
// document: qarn_make_catalogue OUT.met
#include <QGuiApplication>
#include <cstdio>

#include "catalogue_page.h"
#include "core/doc.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.met\n", argv[0]);
        return 2;
    }
    CQarnDoc doc;
    if (!doc.OnNewDocument()) {
        std::fprintf(stderr, "cannot start a document\n");
        return 1;
    }
    const int kinds = Qarn::Examples::FillCataloguePage(doc);
    QString error;
    if (!doc.OnSaveDocument(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("Wrote %d shape kinds to %s\n", kinds, argv[1]);
    return 0;
}
