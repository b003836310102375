#pragma once
// A scrolling view with a continuous zoom: it scales the mapping from document units to client
// pixels, keeps the scroll bars in step, and offers zoom in and out by a factor, to a
// rectangle, to fit the page and back to 100%, and a click-to-zoom mode with its own cursor
// (a drag in zoom-in mode zooms to the dragged rectangle).
//
// At ratio 1 one document unit (1/100 inch) is one pixel of the window.

#include <QAbstractScrollArea>
#include <QCursor>

#include "platform/cpoint.h"
#include "platform/crect.h"
#include "view/zoom_mapping.h"

class QPainter;

class CZoomView : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum ZoomMode_ { MODE_ZOOMOFF = 0, MODE_ZOOMIN = 1, MODE_ZOOMOUT = 2 };

    explicit CZoomView(QWidget* parent = nullptr);
    ~CZoomView() override;

    // The total, page and line sizes in document units (a zero page or line size is derived
    // from the total); the view maps them at the current ratio.
    void SetZoomSizes(const CSize& total, const CSize& page = CSize(0, 0),
                      const CSize& line = CSize(0, 0));

    // Zooms so that the document rectangle fills the client area; a rectangle of less than 10
    // pixels both ways zooms in by 1.2 about its centre instead.
    bool DoZoomIn(const CRect& rect);
    // Multiplies (divides) the ratio by the factor and centres on the document point (the
    // current centre when null).
    bool DoZoomIn(const CPoint* point = nullptr, float factor = 1.2f);
    bool DoZoomOut(const CPoint* point = nullptr, float factor = 1.2f);
    // The whole page in the client area.
    bool DoZoomFull();
    // Ratio 1 about the current centre.
    bool DoZoomOriginal();
    // Multiplies the ratio by the factor keeping the document point under the client point
    // where it is (the wheel zooms about the pointer).
    bool ZoomAbout(const QPoint& clientPoint, float factor);

    void SetZoomMode(ZoomMode_ mode);
    ZoomMode_ GetZoomMode() const { return m_nZoomMode; }
    float GetZoomRatio() const { return m_fZoomRatio; }
    bool IsCapturing() const { return m_bCaptured; }

    // Scrolls so that the document point is at the centre of the client area (as far as the
    // scroll range allows).
    void CenterOnLogicalPoint(const CPoint& point);
    // The document point at the centre of the client area.
    CPoint GetLogicalCenterPoint() const;
    // Point arrays between client pixels and document units, with the current mapping.
    void ViewDPtoLP(POINT* points, int count = 1) const;
    void ViewLPtoDP(POINT* points, int count = 1) const;
    // Client point to a point of the whole scrolled surface.
    void ClientToDevice(CPoint& point) const;
    static void NormalizeRect(CRect& rect);

    const CZoomMapping& GetMapping() const { return m_Mapping; }
    CPoint GetDeviceScrollPosition() const;
    // Scrolls the surface to the device position (clamped to the scroll range).
    void ScrollToDevicePosition(const QPoint& position);
    CSize GetTotalSize() const { return m_Mapping.GetTotalLogical(); }
    CSize GetTotalDeviceSize() const { return m_Mapping.GetTotalDevice(); }
    // The screen's logical pixels per inch, and the same times the ratio.
    QPoint GetBaseResolution() const { return m_BaseResolution; }
    QPoint GetZoomedResolution() const { return m_ZoomedResolution; }
    // Client area size in pixels.
    CSize GetClientSize() const;

    // Outline of a rectangle or a line in black: dashed and inverting when `invert` is true.
    static void DrawBox(QPainter& painter, const QRect& rect, bool invert);
    static void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, bool invert);

Q_SIGNALS:
    // The ratio, the scroll position or the client size changed (rulers follow it).
    void ViewChanged();

protected:
    // Called after every change of the ratio.
    virtual void NotifyZoom() {}
    // The mapping changed: the view drops what it painted for the old one.
    virtual void OnMappingChanged() {}
    // The user scrolled by the pixels: the painted pixels move along.
    virtual void OnScrollBy(int dx, int dy);

    void DoLButtonDown(const QPoint& point);
    void DoLButtonUp(const QPoint& point);
    void DoRButtonDown();
    // The cursor for the zoom mode over the client area.
    void OnSetCursor();
    // Recomputes the scroll bars from the sizes and the ratio and repaints.
    void CalcBars();
    // The client size once the scroll bars a surface of that device size needs are in place.
    CSize ClientSizeFor(const CSize& device) const;
    // The zoom rubber band as it is being dragged, in client pixels.
    const QRect& GetZoomRect() const { return m_rcZoom; }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    CZoomMapping m_Mapping;

private:
    void ApplyRatio(float ratio, const CPoint* centre);
    void SyncMapping();

    ZoomMode_ m_nZoomMode = MODE_ZOOMOFF;
    bool m_bCaptured = false;
    QRect m_rcZoom;
    CSize m_BaseTotalDevice{1, 1};
    CSize m_BasePage;
    CSize m_BaseLine;
    QPoint m_BaseResolution{96, 96};
    QPoint m_ZoomedResolution{96, 96};
    QCursor m_ZoomInCursor;
    QCursor m_ZoomOutCursor;
    float m_fZoomRatio = 1.0f;
    bool m_bSyncing = false;
};
