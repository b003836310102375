#pragma once
// How a zooming view maps document units to client pixels: the anisotropic mapping of a total
// logical size onto a total device size, shifted by the scroll position, or centred in the
// client area when the page is smaller than the client in a direction.

#include <QPointF>
#include <QRectF>

#include "platform/cpoint.h"
#include "platform/crect.h"
#include "platform/point_f.h"

class CZoomMapping {
public:
    CZoomMapping() = default;

    void SetTotalLogical(const CSize& size) { m_TotalLogical = size; }
    void SetTotalDevice(const CSize& size) { m_TotalDevice = size; }
    void SetScroll(const CPoint& scroll) { m_Scroll = scroll; }
    void SetClient(const CSize& client) { m_Client = client; }
    void SetCentring(bool centre) { m_bCentre = centre; }
    const CSize& GetTotalLogical() const { return m_TotalLogical; }
    const CSize& GetTotalDevice() const { return m_TotalDevice; }
    const CPoint& GetScroll() const { return m_Scroll; }
    const CSize& GetClient() const { return m_Client; }

    // Client pixels per document unit in each direction (1 for an empty logical size).
    double ScaleX() const;
    double ScaleY() const;
    // Where document point (0, 0) lies in the client area.
    CPoint Origin() const;

    // Fractional conversions, exact inverses of each other.
    QPointF DocToClient(const QPointF& p) const;
    QPointF ClientToDoc(const QPointF& p) const;
    QRectF DocToClient(const QRectF& r) const;
    QRectF ClientToDoc(const QRectF& r) const;
    // Whole-unit conversions, rounded to the nearest pixel or unit as device contexts do.
    CPoint DocToClient(const CPoint& p) const;
    CPoint ClientToDoc(const CPoint& p) const;
    // Rectangles are normalised afterwards.
    CRect DocToClient(const CRect& r) const;
    CRect ClientToDoc(const CRect& r) const;

private:
    CSize m_TotalLogical{1, 1};
    CSize m_TotalDevice{1, 1};
    CPoint m_Scroll;
    CSize m_Client;
    bool m_bCentre = true;
};

namespace Qarn {

// Shrinks `size` to the aspect ratio of `logical` along the longer direction and gives the
// space left over in that direction as `offset` (the other direction of the offset is 0).
void PersistRatio(const CSize& logical, CSize& size, CPoint& offset);

}  // namespace Qarn
