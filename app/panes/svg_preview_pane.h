#pragma once
// The SVG preview pane: the active view's page as the SVG writer exports it, drawn by Qt's
// SVG renderer. A change of the drawing exports the page again (shortly after, so that a run
// of changes costs one export); whatever SVG file the program writes is shown when the main
// window hears of it.

#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "panes/pane.h"

class QSvgRenderer;

class CSvgPreviewPane : public CPane {
    Q_OBJECT

public:
    explicit CSvgPreviewPane(QWidget* parent = nullptr);
    ~CSvgPreviewPane() override;

    // Shows that SVG file (an export just written).
    void ShowFile(const QString& path);
    const QString& GetShownFile() const { return m_strFile; }
    bool IsShowingDrawing() const;
    // Exports the page now (instead of shortly).
    void ExportNow();

    QSize sizeHint() const override { return QSize(220, 200); }

protected:
    void OnChanges(unsigned changes) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTemporaryDir m_Folder;
    QTimer m_ExportTimer;
    std::unique_ptr<QSvgRenderer> m_pRenderer;
    QString m_strFile;
    QString m_strProblem;
};
