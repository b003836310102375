#pragma once
// The symbol editor's main window.

#include <QMainWindow>

class CASMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CASMainFrame(QWidget* parent = nullptr);
    ~CASMainFrame() override;

    static QString Title() { return QStringLiteral("Symbol"); }
};
