#include "panes/navigation_pane.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/canvas.h"
#include "core/doc.h"
#include "export/page_renderer.h"
#include "view/qarn_view.h"

namespace {

constexpr int kMargin = 6;

}  // namespace

CNavigationPane::CNavigationPane(QWidget* parent) : CPane(parent) {
    setObjectName(QStringLiteral("NavigationPane"));
    setMinimumSize(120, 100);
    setCursor(Qt::OpenHandCursor);
    setToolTip(QStringLiteral("Drag the frame to scroll the drawing"));
}

double CNavigationPane::Scale() const {
    const CQarnView* view = GetView();
    const CQarnCanvas* page = view != nullptr ? view->GetShownCanvas() : nullptr;
    if (page == nullptr || page->GetWidth() <= 0 || page->GetHeight() <= 0) {
        return 0.0;
    }
    return std::min(double(width() - 2 * kMargin) / page->GetWidth(),
                    double(height() - 2 * kMargin) / page->GetHeight());
}

QRectF CNavigationPane::GetPageRect() const {
    const double scale = Scale();
    if (scale <= 0.0) {
        return QRectF();
    }
    const CQarnCanvas* page = GetView()->GetShownCanvas();
    const QSizeF size(page->GetWidth() * scale, page->GetHeight() * scale);
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QRectF CNavigationPane::GetVisibleFrame() const {
    const QRectF page = GetPageRect();
    if (page.isEmpty()) {
        return QRectF();
    }
    const CQarnView* view = GetView();
    const QSize client = view->viewport()->size();
    CRect visible(0, 0, client.width(), client.height());
    view->ClientToDoc(visible);
    const double scale = Scale();
    const QRectF frame(page.left() + visible.left * scale, page.top() + visible.top * scale,
                       visible.Width() * scale, visible.Height() * scale);
    return frame.normalized().intersected(page);
}

void CNavigationPane::ScrollTo(const QPointF& panePoint) {
    const double scale = Scale();
    if (scale <= 0.0) {
        return;
    }
    const QRectF page = GetPageRect();
    const QPointF doc = (panePoint - page.topLeft()) / scale;
    GetView()->CenterOnLogicalPoint(CPoint(int(doc.x()), int(doc.y())));
    update();
}

void CNavigationPane::OnChanges(unsigned changes) {
    if (changes & (ViewChanged | DrawingChanged | PagesChanged | LayersChanged)) {
        RenderThumbnail();
    }
    update();
}

void CNavigationPane::RenderThumbnail() {
    m_Thumbnail = QImage();
    const QRectF page = GetPageRect();
    if (page.isEmpty()) {
        return;
    }
    const CQarnView* view = GetView();
    const double dpr = devicePixelRatioF();
    // 100 document units are an inch: this resolution draws the page at the picture's size.
    const int dpi = std::max(1, int(Scale() * 100.0 * dpr));
    m_Thumbnail = CPageRenderer::ToImage(*view->GetDoc(), view->GetShownCanvas(), dpi);
    m_Thumbnail.setDevicePixelRatio(dpr);
}

void CNavigationPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    const QRectF page = GetPageRect();
    if (page.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("No drawing is open"));
        return;
    }
    if (!m_Thumbnail.isNull()) {
        painter.drawImage(page, m_Thumbnail);
    } else {
        painter.fillRect(page, Qt::white);
    }
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawRect(page.adjusted(-0.5, -0.5, 0.5, 0.5));
    const QRectF frame = GetVisibleFrame();
    if (!frame.isEmpty()) {
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlpha(40);
        painter.fillRect(frame, fill);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(frame.adjusted(1, 1, -1, -1));
    }
}

void CNavigationPane::resizeEvent(QResizeEvent* event) {
    CPane::resizeEvent(event);
    Notify(ViewChanged);
}

void CNavigationPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setCursor(Qt::ClosedHandCursor);
        ScrollTo(event->position());
    }
}

void CNavigationPane::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        ScrollTo(event->position());
    } else {
        setCursor(Qt::OpenHandCursor);
    }
}
