#include "main_frame.h"

#include <QStatusBar>

#include "platform/window_messages.h"

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(Title());
    setObjectName(QStringLiteral("MainFrame"));
    resize(1024, 768);
    statusBar()->showMessage(QStringLiteral("Ready"));
}

CMainFrame::~CMainFrame() {
    if (AfxGetMainWnd() == this) {
        AfxSetMainWnd(nullptr);
    }
}
