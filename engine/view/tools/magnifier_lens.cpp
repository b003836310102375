#include "view/tools/magnifier_lens.h"

#include <QPainter>

#include "view/qarn_view.h"

CMagnifierLens::CMagnifierLens(CQarnView* view, int magnification, const QSize& size)
    : QWidget(view->viewport()), m_pView(view), m_nMagnification(std::max(magnification, 1)) {
    resize(size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Magnifier"));
}

void CMagnifierLens::CentreOn(const QPoint& client) {
    move(client - QPoint(width() / 2, height() / 2));
    const QSize seen(std::max(width() / m_nMagnification, 1),
                     std::max(height() / m_nMagnification, 1));
    const QRect area(client - QPoint(seen.width() / 2, seen.height() / 2), seen);
    // The drawing as the view shows it, without the lens itself.
    m_Source = QImage(seen * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    m_Source.setDevicePixelRatio(devicePixelRatioF());
    m_Source.fill(palette().color(QPalette::Window));
    m_pView->viewport()->render(&m_Source, QPoint(), QRegion(area),
                                QWidget::RenderFlags(QWidget::DrawWindowBackground));
    update();
}

void CMagnifierLens::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(rect(), m_Source);
    painter.setPen(QPen(palette().color(QPalette::Dark), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}
