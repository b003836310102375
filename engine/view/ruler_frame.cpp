#include "view/ruler_frame.h"

#include <QGridLayout>

#include "core/doc.h"
#include "core/notification_messages.h"
#include "platform/message_event.h"
#include "view/base_view.h"
#include "view/ruler_bar.h"

namespace {

// A document unit is 1/100 inch and one pixel at ratio 1, so the rulers count 100 pixels to
// the inch: their inches are the drawing's inches.
constexpr int kDrawingPixelsPerInch = 100;

}  // namespace

CQarnRulerFrame::CQarnRulerFrame(CQarnBaseView* view, QWidget* parent)
    : QWidget(parent),
      m_pView(view),
      m_pHorizontal(new CQarnRulerBar(CQarnRulerBar::Horizontal, this)),
      m_pVertical(new CQarnRulerBar(CQarnRulerBar::Vertical, this)),
      m_Pointer(CQarnRulerBar::kNoMarker, CQarnRulerBar::kNoMarker) {
    setAccessibleName(tr("Drawing with rulers"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pHorizontal, 0, 0, 1, 2);
    layout->addWidget(m_pVertical, 1, 0);
    view->setParent(this);
    layout->addWidget(view, 1, 1);
    for (CQarnRulerBar* ruler : {m_pHorizontal, m_pVertical}) {
        ruler->SetPixelsPerInch(kDrawingPixelsPerInch, kDrawingPixelsPerInch);
    }
    connect(view, &CZoomView::ViewChanged, this, &CQarnRulerFrame::UpdateRulers);
}

void CQarnRulerFrame::ShowRulers(bool show) {
    m_pHorizontal->setVisible(show);
    m_pVertical->setVisible(show);
}

void CQarnRulerFrame::UpdateRulers() {
    const CQarnDoc* doc = m_pView->GetDoc();
    const CSize page = m_pView->GetPaperSize();
    const CRect margins = doc != nullptr ? doc->GetMargins() : CRect();
    const CPoint origin = m_pView->GetOrigin();
    // Where the view's client area starts in each ruler.
    const QPoint client = m_pView->viewport()->mapTo(this, QPoint(0, 0));
    const QPoint inHorizontal = m_pHorizontal->mapFrom(this, client);
    const QPoint inVertical = m_pVertical->mapFrom(this, client);
    const float zoom = float(m_pView->GetMapping().ScaleX());
    const CPoint pointer(m_Pointer.x(), m_Pointer.y());
    m_pHorizontal->Update(page, margins, zoom, inHorizontal.x() + origin.x, pointer);
    m_pVertical->Update(page, margins, float(m_pView->GetMapping().ScaleY()),
                        inVertical.y() + origin.y, pointer);
}

bool CQarnRulerFrame::event(QEvent* event) {
    if (event->type() == CMessageEvent::EventType()) {
        auto* message = static_cast<CMessageEvent*>(event);
        if (message->Message() == QRN_MOUSEMOVE) {
            m_Pointer = QPoint(int(std::intptr_t(message->WParam())), int(message->LParam()));
            UpdateRulers();
            return true;
        }
    }
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) {
        const bool handled = QWidget::event(event);
        UpdateRulers();
        return handled;
    }
    return QWidget::event(event);
}
