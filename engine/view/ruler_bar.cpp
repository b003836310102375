#include "view/ruler_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform/mul_div.h"

namespace {

constexpr int kTwipsPerInch = 1440;
// Document units are hundredths of an inch.
constexpr int kTwipsPerUnit = kTwipsPerInch / 100;

constexpr const char* kAbbreviations[CUnit::kRulerUnitCount] = {
    "\"", "cm", "pt", "pi", "in", "inch", "inches",
};

}  // namespace

CQarnRulerBar::CQarnRulerBar(Orientation orientation, QWidget* parent)
    : QWidget(parent), m_nOrientation(orientation) {
    m_Font = QFont(QStringLiteral("Arial"));
    m_Font.setPixelSize(8);
    m_Font.setWeight(QFont::Normal);
    setAccessibleName(orientation == Horizontal ? tr("Horizontal ruler") : tr("Vertical ruler"));
    if (orientation == Horizontal) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    } else {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
}

QSize CQarnRulerBar::sizeHint() const {
    return m_nOrientation == Horizontal ? QSize(100, kThickness) : QSize(kThickness, 100);
}

QSize CQarnRulerBar::minimumSizeHint() const {
    return m_nOrientation == Horizontal ? QSize(0, kThickness) : QSize(kThickness, 0);
}

void CQarnRulerBar::SetUnits(int unit) {
    const int chosen = unit >= 0 && unit < CUnit::kRulerUnitCount ? unit : 0;
    if (chosen != m_nUnit) {
        m_nUnit = chosen;
        update();
    }
}

const CUnit& CQarnRulerBar::GetUnit() const {
    return CUnit::RulerUnits()[m_nUnit];
}

int CQarnRulerBar::GetTPU(int unit) const {
    const int which = unit >= 0 && unit < CUnit::kRulerUnitCount ? unit : m_nUnit;
    return CUnit::RulerUnits()[which].m_nTPU;
}

QString CQarnRulerBar::UnitAbbreviation(int unit) {
    return unit >= 0 && unit < CUnit::kRulerUnitCount ? QString::fromLatin1(kAbbreviations[unit])
                                                      : QString();
}

void CQarnRulerBar::SetPixelsPerInch(int x, int y) {
    m_nPixelsX = std::max(x, 1);
    m_nPixelsY = std::max(y, 1);
    update();
}

void CQarnRulerBar::Update(const CSize& page, const CRect& margins, float zoom, int origin,
                           const CPoint& pointer) {
    bool repaint = false;
    if (page != m_Page || margins != m_Margins || zoom != m_fZoom || origin != m_nOrigin) {
        m_Page = page;
        m_Margins = margins;
        m_fZoom = zoom;
        m_nOrigin = origin;
        repaint = true;
    }
    const int along = (m_nOrientation == Horizontal ? pointer.x : pointer.y);
    const int marker = along == kNoMarker ? kNoMarker : along * kTwipsPerUnit;
    if (marker != m_nMarker) {
        m_nMarker = marker;
        repaint = true;
    }
    if (repaint) {
        update();
    }
}

int CQarnRulerBar::PixelsPerInch() const {
    return m_nOrientation == Horizontal ? m_nPixelsX : m_nPixelsY;
}

int CQarnRulerBar::TwipsToClient(int twips) const {
    return MulDiv(twips, PixelsPerInch(), kTwipsPerInch);
}

int CQarnRulerBar::ClientToTwips(int pixels) const {
    return MulDiv(pixels, kTwipsPerInch, PixelsPerInch());
}

int CQarnRulerBar::TwipsToRuler(int twips) const {
    return int(std::lround(TwipsToClient(twips) * double(m_fZoom)));
}

int CQarnRulerBar::RulerToTwips(int pixels) const {
    return m_fZoom > 0.0f ? ClientToTwips(int(std::lround(pixels / double(m_fZoom)))) : 0;
}

int CQarnRulerBar::PageLength() const {
    return (m_nOrientation == Horizontal ? m_Page.cx : m_Page.cy) * kTwipsPerUnit;
}

int CQarnRulerBar::MarginStart() const {
    return (m_nOrientation == Horizontal ? m_Margins.left : m_Margins.top) * kTwipsPerUnit;
}

int CQarnRulerBar::PrintLength() const {
    const int end =
        (m_nOrientation == Horizontal ? m_Margins.right : m_Margins.bottom) * kTwipsPerUnit;
    return PageLength() - MarginStart() - end;
}

std::vector<CQarnRulerBar::Tick> CQarnRulerBar::ComputeTicks(const CUnit& unit, int pageLength,
                                                             int printable) {
    std::vector<Tick> ticks;
    if (unit.m_nLargeDiv <= 0 || unit.m_nTPU <= 0) {
        return ticks;
    }
    auto series = [&](int step, int length) {
        if (step <= 0) {
            return;
        }
        for (int p = step; p < pageLength; p += step) {
            if (p == printable) {
                continue;
            }
            if (length > 0 && p % unit.m_nLargeDiv == 0) {
                continue;  // the number stands there
            }
            ticks.push_back(Tick{
                p, length, length == 0 ? QString::asprintf("%d", p / unit.m_nTPU) : QString()});
        }
    };
    series(unit.m_nSmallDiv, 2);
    series(unit.m_nMediumDiv, 5);
    series(unit.m_nLargeDiv, 0);
    return ticks;
}

// Painting.

void CQarnRulerBar::Across(QPainter& painter, int along, int from, int to) const {
    if (m_nOrientation == Horizontal) {
        painter.drawLine(along, from, along, to);
    } else {
        painter.drawLine(from, along, to, along);
    }
}

void CQarnRulerBar::Along(QPainter& painter, int across, int from, int to) const {
    if (m_nOrientation == Horizontal) {
        painter.drawLine(from, across, to, across);
    } else {
        painter.drawLine(across, from, across, to);
    }
}

void CQarnRulerBar::DrawFace(QPainter& painter) const {
    const int start = TwipsToRuler(MarginStart());
    const int end = TwipsToRuler(MarginStart() + PrintLength());
    const QPalette& colours = palette();
    painter.setPen(colours.color(QPalette::Base));
    Along(painter, 16, start, end);
    painter.setPen(colours.color(QPalette::Button));
    Along(painter, 15, start + 1, end - 1);
    painter.setPen(colours.color(QPalette::WindowText));
    Across(painter, start, 15, 1);
    Along(painter, 1, start, end - 1);
    const QRect inside = m_nOrientation == Horizontal
                             ? QRect(QPoint(start + 1, 2), QPoint(end - 2, 16))
                             : QRect(QPoint(2, start + 1), QPoint(16, end - 2));
    painter.fillRect(inside, colours.color(QPalette::Base));
}

void CQarnRulerBar::DrawTickMarks(QPainter& painter) const {
    painter.setFont(m_Font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(m_Font);
    for (const Tick& tick : ComputeTicks(GetUnit(), PageLength(), PrintLength())) {
        const int at = TwipsToRuler(tick.twips);
        if (tick.length > 0) {
            Across(painter, at, 8 - tick.length / 2, 8 + tick.length - tick.length / 2);
            continue;
        }
        const int width = metrics.horizontalAdvance(tick.label);
        const QRect box = m_nOrientation == Horizontal
                              ? QRect(at - width / 2 - 1, 0, width + 2, kThickness)
                              : QRect(0, at - metrics.height() / 2, kThickness, metrics.height());
        painter.drawText(box, Qt::AlignCenter, tick.label);
    }
}

void CQarnRulerBar::DrawMarker(QPainter& painter) const {
    if (m_nMarker == kNoMarker) {
        return;
    }
    const int at = TwipsToRuler(m_nMarker);
    QPen dotted(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    painter.setPen(dotted);
    Across(painter, at, 1, kThickness - 1);
    // A small wedge at the outer edge points at the pointer.
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    const QPolygon wedge = m_nOrientation == Horizontal
                               ? QPolygon({QPoint(at - 3, 0), QPoint(at + 3, 0), QPoint(at, 4)})
                               : QPolygon({QPoint(0, at - 3), QPoint(0, at + 3), QPoint(4, at)});
    painter.drawPolygon(wedge);
}

void CQarnRulerBar::DrawConnerSqaure(QPainter& painter) const {
    const QRect corner(0, 0, kThickness, kThickness);
    painter.fillRect(corner, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(corner.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(4, kThickness / 2, kThickness - 5, kThickness / 2);
    painter.drawLine(kThickness / 2, 4, kThickness / 2, kThickness - 5);
}

void CQarnRulerBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!isVisible() || PageLength() <= 0) {
        return;
    }
    painter.save();
    if (m_nOrientation == Horizontal) {
        painter.setClipRect(QRect(kThickness, 0, width() - kThickness, height()));
        painter.translate(RulerToClient(0), 0);
    } else {
        painter.translate(0, RulerToClient(0));
    }
    DrawFace(painter);
    DrawTickMarks(painter);
    DrawMarker(painter);
    painter.restore();
    if (m_nOrientation == Horizontal) {
        DrawConnerSqaure(painter);
    }
}

void CQarnRulerBar::mousePressEvent(QMouseEvent* event) {
    // The ruler only follows the pointer; a press captures it until the release.
    grabMouse();
    event->accept();
}

void CQarnRulerBar::mouseReleaseEvent(QMouseEvent* event) {
    releaseMouse();
    event->accept();
}
