#include <QApplication>
#include <cstdio>
#include <cstring>

#include "as_main_frame.h"
#include "symbol_app.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("sigiledit %s (qarn10U %s)\n", QARN_VERSION, QARN_VERSION);
        return 0;
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Symbol"));
    QApplication::setOrganizationName(QStringLiteral("Ostrovan"));
    CSymbolApp app;
    if (!app.InitInstance()) {
        return 1;
    }
    app.GetMainFrame()->show();
    int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
