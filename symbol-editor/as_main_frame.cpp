#include "as_main_frame.h"

#include <QStatusBar>

#include "platform/window_messages.h"

CASMainFrame::CASMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(Title());
    setObjectName(QStringLiteral("SymbolMainFrame"));
    resize(1024, 768);
    statusBar()->showMessage(QStringLiteral("Ready"));
}

CASMainFrame::~CASMainFrame() {
    if (AfxGetMainWnd() == this) {
        AfxSetMainWnd(nullptr);
    }
}
