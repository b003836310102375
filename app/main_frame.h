#pragma once
// The drawing application's main window. It receives the library's registered messages.

#include <QMainWindow>

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    static QString Title() { return QStringLiteral("Inkvane"); }
};
