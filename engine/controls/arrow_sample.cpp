#include "controls/arrow_sample.h"

#include <QPainter>
#include <algorithm>

#include "platform/dc.h"
#include "properties/arrow_sample.h"

namespace {

// The line is 2 wide and a head is 2 x 2 x size long; larger sizes would not fit the sample.
constexpr int kLargestShownSize = 8;

}  // namespace

CQarnArrowSample::CQarnArrowSample(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Arrow preview"));
    setMinimumHeight(50);
}

void CQarnArrowSample::SetArrows(ArrowType start, int startSize, ArrowType end, int endSize) {
    m_Start = start;
    m_End = end;
    m_nStartSize = startSize;
    m_nEndSize = endSize;
    update();
}

void CQarnArrowSample::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setRenderHint(QPainter::Antialiasing);
    CDC dc(&painter);
    const int y = height() / 2;
    const int inset = 8 + 4 * kLargestShownSize;
    Qarn::DrawArrow(m_Start, m_End, std::min(m_nStartSize, kLargestShownSize),
                    std::min(m_nEndSize, kLargestShownSize), POINT{inset, y},
                    POINT{width() - inset, y}, &dc);
}
