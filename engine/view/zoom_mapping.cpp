#include "view/zoom_mapping.h"

#include <cmath>

namespace {

int Round(double v) {
    return int(std::lround(v));
}

CRect Normalised(CRect r) {
    r.NormalizeRect();
    return r;
}

}  // namespace

double CZoomMapping::ScaleX() const {
    return m_TotalLogical.cx != 0 ? double(m_TotalDevice.cx) / m_TotalLogical.cx : 1.0;
}

double CZoomMapping::ScaleY() const {
    return m_TotalLogical.cy != 0 ? double(m_TotalDevice.cy) / m_TotalLogical.cy : 1.0;
}

CPoint CZoomMapping::Origin() const {
    CPoint origin(-m_Scroll.x, -m_Scroll.y);
    if (m_bCentre && m_TotalDevice.cx < m_Client.cx) {
        origin.x = (m_Client.cx - m_TotalDevice.cx) / 2;
    }
    if (m_bCentre && m_TotalDevice.cy < m_Client.cy) {
        origin.y = (m_Client.cy - m_TotalDevice.cy) / 2;
    }
    return origin;
}

QPointF CZoomMapping::DocToClient(const QPointF& p) const {
    const CPoint o = Origin();
    return QPointF(p.x() * ScaleX() + o.x, p.y() * ScaleY() + o.y);
}

QPointF CZoomMapping::ClientToDoc(const QPointF& p) const {
    const CPoint o = Origin();
    return QPointF((p.x() - o.x) / ScaleX(), (p.y() - o.y) / ScaleY());
}

QRectF CZoomMapping::DocToClient(const QRectF& r) const {
    return QRectF(DocToClient(r.topLeft()), DocToClient(r.bottomRight())).normalized();
}

QRectF CZoomMapping::ClientToDoc(const QRectF& r) const {
    return QRectF(ClientToDoc(r.topLeft()), ClientToDoc(r.bottomRight())).normalized();
}

CPoint CZoomMapping::DocToClient(const CPoint& p) const {
    const QPointF c = DocToClient(QPointF(p.x, p.y));
    return CPoint(Round(c.x()), Round(c.y()));
}

CPoint CZoomMapping::ClientToDoc(const CPoint& p) const {
    const QPointF d = ClientToDoc(QPointF(p.x, p.y));
    return CPoint(Round(d.x()), Round(d.y()));
}

CRect CZoomMapping::DocToClient(const CRect& r) const {
    const CPoint a = DocToClient(CPoint(r.left, r.top));
    const CPoint b = DocToClient(CPoint(r.right, r.bottom));
    return Normalised(CRect(a.x, a.y, b.x, b.y));
}

CRect CZoomMapping::ClientToDoc(const CRect& r) const {
    const CPoint a = ClientToDoc(CPoint(r.left, r.top));
    const CPoint b = ClientToDoc(CPoint(r.right, r.bottom));
    return Normalised(CRect(a.x, a.y, b.x, b.y));
}

namespace Qarn {

void PersistRatio(const CSize& logical, CSize& size, CPoint& offset) {
    offset = CPoint(0, 0);
    if (logical.cx <= 0 || logical.cy <= 0 || size.cx <= 0 || size.cy <= 0) {
        return;
    }
    const double a = double(logical.cx) / logical.cy;
    const double s = double(size.cx) / size.cy;
    if (a > s) {
        const int height = int(size.cx / a);
        offset = CPoint(0, size.cy - height);
        size.cy = height;
    } else if (a < s) {
        const int width = int(size.cy * a);
        offset = CPoint(size.cx - width, 0);
        size.cx = width;
    }
}

}  // namespace Qarn
