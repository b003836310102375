#include "view/zoom_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "view/zoom_cursor.h"

namespace {

// Beyond these a page of ordinary size no longer fits the integer device sizes of the mapping.
constexpr float kSmallestRatio = 1.0f / 64.0f;
constexpr float kLargestRatio = 64.0f;
// A zoom band smaller than this both ways is a click.
constexpr int kSmallestBand = 10;

int Truncate(double v) {
    return int(v);
}

}  // namespace

CZoomView::CZoomView(QWidget* parent)
    : QAbstractScrollArea(parent),
      m_ZoomInCursor(Qarn::MakeZoomCursor(true)),
      m_ZoomOutCursor(Qarn::MakeZoomCursor(false)) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setAccessibleName(tr("Horizontal scroll bar"));
    verticalScrollBar()->setAccessibleName(tr("Vertical scroll bar"));
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    m_BaseResolution = QPoint(logicalDpiX(), logicalDpiY());
    m_ZoomedResolution = m_BaseResolution;
    SyncMapping();
}

CZoomView::~CZoomView() = default;

void CZoomView::SetZoomSizes(const CSize& total, const CSize& page, const CSize& line) {
    const CSize logical(std::max(total.cx, 1), std::max(total.cy, 1));
    m_Mapping.SetTotalLogical(logical);
    m_BaseTotalDevice = logical;
    m_Mapping.SetTotalDevice(CSize(std::max(Truncate(logical.cx * double(m_fZoomRatio)), 1),
                                   std::max(Truncate(logical.cy * double(m_fZoomRatio)), 1)));
    m_BasePage = page;
    m_BaseLine = line;
    m_BaseResolution = QPoint(logicalDpiX(), logicalDpiY());
    m_ZoomedResolution = QPoint(Truncate(m_BaseResolution.x() * double(m_fZoomRatio)),
                                Truncate(m_BaseResolution.y() * double(m_fZoomRatio)));
    CalcBars();
    OnMappingChanged();
    NotifyZoom();
    Q_EMIT ViewChanged();
}

CSize CZoomView::GetClientSize() const {
    return CSize(viewport()->width(), viewport()->height());
}

CPoint CZoomView::GetDeviceScrollPosition() const {
    return CPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

CSize CZoomView::ClientSizeFor(const CSize& device) const {
    // The client area once the bars that this size needs are shown or hidden.
    const QSize room = maximumViewportSize();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool across = device.cx > room.width();
    bool down = device.cy > room.height();
    if (across && !down) {
        down = device.cy > room.height() - bar;
    }
    if (down && !across) {
        across = device.cx > room.width() - bar;
    }
    return CSize(room.width() - (down ? bar : 0), room.height() - (across ? bar : 0));
}

void CZoomView::SyncMapping() {
    m_Mapping.SetClient(GetClientSize());
    m_Mapping.SetScroll(GetDeviceScrollPosition());
}

void CZoomView::CalcBars() {
    const double sx = m_Mapping.ScaleX();
    const double sy = m_Mapping.ScaleY();
    const CSize device = m_Mapping.GetTotalDevice();
    CSize page(std::abs(Truncate(m_BasePage.cx * sx)), std::abs(Truncate(m_BasePage.cy * sy)));
    if (page.cx == 0) {
        page.cx = device.cx / 10;
    }
    if (page.cy == 0) {
        page.cy = device.cy / 10;
    }
    CSize line(std::abs(Truncate(m_BaseLine.cx * sx)), std::abs(Truncate(m_BaseLine.cy * sy)));
    if (line.cx == 0) {
        line.cx = page.cx / 10;
    }
    if (line.cy == 0) {
        line.cy = page.cy / 10;
    }
    const bool wasSyncing = m_bSyncing;
    m_bSyncing = true;
    const CSize client = ClientSizeFor(device);
    horizontalScrollBar()->setRange(0, std::max(0, device.cx - client.cx));
    verticalScrollBar()->setRange(0, std::max(0, device.cy - client.cy));
    horizontalScrollBar()->setPageStep(std::max(page.cx, 1));
    verticalScrollBar()->setPageStep(std::max(page.cy, 1));
    horizontalScrollBar()->setSingleStep(std::max(line.cx, 1));
    verticalScrollBar()->setSingleStep(std::max(line.cy, 1));
    m_bSyncing = wasSyncing;
    SyncMapping();
    viewport()->update();
}

void CZoomView::ApplyRatio(float ratio, const CPoint* centre) {
    if (!std::isfinite(ratio) || ratio <= 0.0f) {
        return;
    }
    const CPoint target = centre != nullptr ? *centre : GetLogicalCenterPoint();
    m_fZoomRatio = std::clamp(ratio, kSmallestRatio, kLargestRatio);
    m_Mapping.SetTotalDevice(
        CSize(std::max(Truncate(m_BaseTotalDevice.cx * double(m_fZoomRatio)), 1),
              std::max(Truncate(m_BaseTotalDevice.cy * double(m_fZoomRatio)), 1)));
    m_ZoomedResolution = QPoint(Truncate(m_BaseResolution.x() * double(m_fZoomRatio)),
                                Truncate(m_BaseResolution.y() * double(m_fZoomRatio)));
    m_bSyncing = true;
    CalcBars();
    CenterOnLogicalPoint(target);
    m_bSyncing = false;
    SyncMapping();
    OnMappingChanged();
    NotifyZoom();
    Q_EMIT ViewChanged();
}

bool CZoomView::DoZoomIn(const CPoint* point, float factor) {
    ApplyRatio(m_fZoomRatio * factor, point);
    return true;
}

bool CZoomView::DoZoomOut(const CPoint* point, float factor) {
    if (factor != 0.0f) {
        ApplyRatio(m_fZoomRatio / factor, point);
    }
    return true;
}

bool CZoomView::DoZoomIn(const CRect& rect) {
    CRect r = rect;
    NormalizeRect(r);
    const CPoint centre((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const double deviceWidth = r.Width() * m_Mapping.ScaleX();
    const double deviceHeight = r.Height() * m_Mapping.ScaleY();
    if (deviceWidth < kSmallestBand && deviceHeight < kSmallestBand) {
        return DoZoomIn(&centre, 1.2f);
    }
    const CSize client = GetClientSize();
    double ratio = std::numeric_limits<double>::max();
    if (r.Width() > 0) {
        ratio = std::min(ratio, double(client.cx) / r.Width());
    }
    if (r.Height() > 0) {
        ratio = std::min(ratio, double(client.cy) / r.Height());
    }
    ApplyRatio(float(ratio), &centre);
    return true;
}

bool CZoomView::DoZoomFull() {
    const QSize room = maximumViewportSize();
    CSize size(room.width(), room.height());
    CPoint offset;
    Qarn::PersistRatio(m_Mapping.GetTotalLogical(), size, offset);
    if (size.cx <= 0 || size.cy <= 0 || m_BaseTotalDevice.cx <= 0) {
        return true;
    }
    m_fZoomRatio = float(size.cx) / float(m_BaseTotalDevice.cx);
    m_Mapping.SetTotalDevice(size);
    m_ZoomedResolution = QPoint(Truncate(m_BaseResolution.x() * double(m_fZoomRatio)),
                                Truncate(m_BaseResolution.y() * double(m_fZoomRatio)));
    m_bSyncing = true;
    CalcBars();
    ScrollToDevicePosition(QPoint(0, 0));
    m_bSyncing = false;
    SyncMapping();
    OnMappingChanged();
    NotifyZoom();
    Q_EMIT ViewChanged();
    return true;
}

bool CZoomView::DoZoomOriginal() {
    ApplyRatio(1.0f, nullptr);
    return true;
}

bool CZoomView::ZoomAbout(const QPoint& clientPoint, float factor) {
    const QPointF anchor = m_Mapping.ClientToDoc(QPointF(clientPoint));
    ApplyRatio(m_fZoomRatio * factor, nullptr);
    // Put the anchor back under the pointer.
    const QPointF now = m_Mapping.DocToClient(anchor);
    const CPoint scroll = GetDeviceScrollPosition();
    m_bSyncing = true;
    ScrollToDevicePosition(QPoint(scroll.x + int(std::lround(now.x() - clientPoint.x())),
                                  scroll.y + int(std::lround(now.y() - clientPoint.y()))));
    m_bSyncing = false;
    SyncMapping();
    viewport()->update();
    Q_EMIT ViewChanged();
    return true;
}

void CZoomView::SetZoomMode(ZoomMode_ mode) {
    if (mode != m_nZoomMode) {
        m_nZoomMode = mode;
        OnSetCursor();
    }
}

void CZoomView::CenterOnLogicalPoint(const CPoint& point) {
    const CSize client = GetClientSize();
    const double x = point.x * m_Mapping.ScaleX() - client.cx / 2.0;
    const double y = point.y * m_Mapping.ScaleY() - client.cy / 2.0;
    ScrollToDevicePosition(QPoint(int(std::lround(x)), int(std::lround(y))));
}

CPoint CZoomView::GetLogicalCenterPoint() const {
    const CSize client = GetClientSize();
    return m_Mapping.ClientToDoc(CPoint(client.cx / 2, client.cy / 2));
}

void CZoomView::ScrollToDevicePosition(const QPoint& position) {
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
    SyncMapping();
}

void CZoomView::ViewDPtoLP(POINT* points, int count) const {
    for (int i = 0; points != nullptr && i < count; ++i) {
        const CPoint p = m_Mapping.ClientToDoc(CPoint(points[i].x, points[i].y));
        points[i].x = p.x;
        points[i].y = p.y;
    }
}

void CZoomView::ViewLPtoDP(POINT* points, int count) const {
    for (int i = 0; points != nullptr && i < count; ++i) {
        const CPoint p = m_Mapping.DocToClient(CPoint(points[i].x, points[i].y));
        points[i].x = p.x;
        points[i].y = p.y;
    }
}

void CZoomView::ClientToDevice(CPoint& point) const {
    const CPoint scroll = GetDeviceScrollPosition();
    point.x += scroll.x;
    point.y += scroll.y;
}

void CZoomView::NormalizeRect(CRect& rect) {
    rect.NormalizeRect();
}

void CZoomView::DrawBox(QPainter& painter, const QRect& rect, bool invert) {
    painter.save();
    QPen pen(Qt::black, 0, invert ? Qt::DashLine : Qt::SolidLine);
    if (invert) {
        pen.setColor(Qt::white);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.normalized());
    painter.restore();
}

void CZoomView::DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, bool invert) {
    painter.save();
    QPen pen(Qt::black, 0, invert ? Qt::DashLine : Qt::SolidLine);
    if (invert) {
        pen.setColor(Qt::white);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    }
    painter.setPen(pen);
    painter.drawLine(x1, y1, x2, y2);
    painter.restore();
}

// Mouse.

void CZoomView::DoLButtonDown(const QPoint& point) {
    if (m_nZoomMode == MODE_ZOOMIN) {
        m_bCaptured = true;
        m_rcZoom = QRect(point, point);
    }
}

void CZoomView::DoLButtonUp(const QPoint& point) {
    const QRect band = m_rcZoom.normalized();
    const bool dragged =
        m_bCaptured && (band.width() >= kSmallestBand || band.height() >= kSmallestBand);
    if (m_bCaptured) {
        m_bCaptured = false;
        m_rcZoom = QRect();
        viewport()->update();
    }
    if (dragged) {
        const QRectF area = m_Mapping.ClientToDoc(QRectF(band));
        DoZoomIn(CRect(int(area.left()), int(area.top()), int(area.right()), int(area.bottom())));
        return;
    }
    const CPoint at = m_Mapping.ClientToDoc(CPoint(point.x(), point.y()));
    if (m_nZoomMode == MODE_ZOOMIN) {
        DoZoomIn(&at, 1.2f);
    } else if (m_nZoomMode == MODE_ZOOMOUT) {
        DoZoomOut(&at, 1.2f);
    }
}

void CZoomView::DoRButtonDown() {
    if (!m_bCaptured) {
        SetZoomMode(MODE_ZOOMOFF);
        return;
    }
    m_bCaptured = false;
    m_rcZoom = QRect();
    viewport()->update();
}

void CZoomView::OnSetCursor() {
    switch (m_nZoomMode) {
        case MODE_ZOOMIN:
            viewport()->setCursor(m_ZoomInCursor);
            break;
        case MODE_ZOOMOUT:
            viewport()->setCursor(m_ZoomOutCursor);
            break;
        default:
            viewport()->setCursor(Qt::ArrowCursor);
            break;
    }
}

void CZoomView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && (m_nZoomMode != MODE_ZOOMOFF || m_bCaptured)) {
        DoRButtonDown();
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && m_nZoomMode != MODE_ZOOMOFF) {
        DoLButtonDown(event->position().toPoint());
        event->accept();
        return;
    }
    event->ignore();
}

void CZoomView::mouseMoveEvent(QMouseEvent* event) {
    if (m_bCaptured) {
        const QRect old = m_rcZoom.normalized();
        m_rcZoom.setBottomRight(event->position().toPoint());
        viewport()->update(old.united(m_rcZoom.normalized()).adjusted(-2, -2, 2, 2));
        event->accept();
        return;
    }
    event->ignore();
}

void CZoomView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && (m_nZoomMode != MODE_ZOOMOFF || m_bCaptured)) {
        DoLButtonUp(event->position().toPoint());
        event->accept();
        return;
    }
    event->ignore();
}

void CZoomView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    CalcBars();
    Q_EMIT ViewChanged();
}

void CZoomView::OnScrollBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
}

void CZoomView::scrollContentsBy(int dx, int dy) {
    SyncMapping();
    if (m_bSyncing) {
        // A zoom moves the bars; the whole client area is repainted anyway.
        return;
    }
    OnScrollBy(dx, dy);
    Q_EMIT ViewChanged();
}
