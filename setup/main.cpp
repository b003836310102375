#include <QApplication>

#include "setup_dialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CSetupDlg dialog;
    dialog.exec();
    return 0;
}
