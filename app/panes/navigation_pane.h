#pragma once
// The navigation pane: a small picture of the active view's page with the part the view shows
// as a frame; pressing or dragging in the picture scrolls the view there.

#include <QImage>

#include "panes/pane.h"

class CNavigationPane : public CPane {
    Q_OBJECT

public:
    explicit CNavigationPane(QWidget* parent = nullptr);

    // Where the page's picture lies in the pane, and the view's visible part within it.
    QRectF GetPageRect() const;
    QRectF GetVisibleFrame() const;
    // Centres the view on the page point under the pane point.
    void ScrollTo(const QPointF& panePoint);

    QSize sizeHint() const override { return QSize(220, 180); }

protected:
    void OnChanges(unsigned changes) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void RenderThumbnail();
    // Pixels of the pane to a document unit of the page (0 without a page).
    double Scale() const;

    QImage m_Thumbnail;
};
