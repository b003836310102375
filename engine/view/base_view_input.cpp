// Keyboard and wheel scrolling, the pointer relayed to the rulers, drops, snapping and the
// zoom and grid commands of the drawing view.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "controls/message_beep.h"
#include "core/canvas.h"
#include "core/doc.h"
#include "core/notification_messages.h"
#include "platform/window_messages.h"
#include "view/base_view.h"
#include "view/grid_set_action.h"
#include "view/grid_set_dialog.h"
#include "view/zoom_dialog.h"

namespace {

// Page Up and Page Down scroll by this many pixels.
constexpr int kPageKeyStep = 200;
// The library's own clipboard format, offered by drags of components.
const QString kNativeFormat = QStringLiteral("application/x-qt-windows-mime;value=\"qarn\"");
const QString kNativeFormatShort = QStringLiteral("qarn");

bool OffersComponents(const QMimeData* data) {
    return data != nullptr &&
           (data->hasFormat(kNativeFormat) || data->hasFormat(kNativeFormatShort));
}

WPARAM AsParam(int value) {
    return WPARAM(std::intptr_t(value));
}

}  // namespace

// Scrolling.

void CQarnBaseView::ScrollBy(int dx, int dy) {
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
}

void CQarnBaseView::OnKeyDown(int key) {
    QScrollBar* vertical = verticalScrollBar();
    const CSize client = GetClientSize();
    switch (key) {
        case Qt::Key_PageUp:
            if (vertical->value() > vertical->minimum()) {
                ScrollBy(0, -kPageKeyStep);
            } else if (m_pDoc == nullptr || !m_pDoc->OnPreviousCanvas()) {
                MessageBeep(MB_ICONEXCLAMATION);
            } else {
                // Coming back up from the next page lands at the bottom of this one.
                vertical->setValue(vertical->maximum());
            }
            break;
        case Qt::Key_PageDown:
            if (vertical->value() < vertical->maximum()) {
                ScrollBy(0, kPageKeyStep);
            } else if (m_pDoc == nullptr || !m_pDoc->OnNextCanvas()) {
                MessageBeep(MB_ICONEXCLAMATION);
            } else {
                vertical->setValue(vertical->minimum());
            }
            break;
        case Qt::Key_Left:
            ScrollBy(-client.cx / 10, 0);
            break;
        case Qt::Key_Right:
            ScrollBy(client.cx / 10, 0);
            break;
        case Qt::Key_Up:
            ScrollBy(0, -client.cy / 20);
            break;
        case Qt::Key_Down:
            ScrollBy(0, client.cy / 20);
            break;
        default:
            return;
    }
    m_bRedrawPending = true;
    Relay(QARN_WM_CURRENTVIEW_UPDATED, 0);
}

void CQarnBaseView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    const bool page = key == Qt::Key_PageUp || key == Qt::Key_PageDown;
    // Arrow keys move the selection when there is one (the commands view does that).
    if (page || (arrow && m_Selection.IsEmpty())) {
        OnKeyDown(key);
        event->accept();
        return;
    }
    if (arrow) {
        // They move the selection: the commands view's, not the scroll area's.
        event->ignore();
        return;
    }
    CZoomView::keyPressEvent(event);
}

void CQarnBaseView::wheelEvent(QWheelEvent* event) {
    const QPoint steps = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        // Ctrl+wheel zooms about the pointer: 1.2 per notch.
        if (steps.y() != 0) {
            ZoomAbout(event->position().toPoint(), float(std::pow(1.2, steps.y() / 120.0)));
        }
        event->accept();
        return;
    }
    CZoomView::wheelEvent(event);
    m_bRedrawPending = true;
    Relay(QARN_WM_CURRENTVIEW_UPDATED, WPARAM(static_cast<CQarnEditView*>(this)));
}

// The pointer, for the rulers and the main window.

void CQarnBaseView::mousePressEvent(QMouseEvent* event) {
    CPoint at(event->position().toPoint().x(), event->position().toPoint().y());
    ClientToDoc(at);
    if (event->button() == Qt::LeftButton) {
        if (QObject* main = AfxGetMainWnd()) {
            SendMessage(main, QRN_RULERPOINT, AsParam(at.x), LPARAM(at.y));
        }
    }
    setFocus(Qt::MouseFocusReason);
    CZoomView::mousePressEvent(event);
}

void CQarnBaseView::mouseMoveEvent(QMouseEvent* event) {
    CPoint at(event->position().toPoint().x(), event->position().toPoint().y());
    ClientToDoc(at);
    if (QObject* main = AfxGetMainWnd()) {
        SendMessage(main, QRN_MOUSEMOVE, AsParam(at.x), LPARAM(at.y));
    }
    if (QWidget* frame = parentWidget(); frame != nullptr && frame != AfxGetMainWnd()) {
        SendMessage(frame, QRN_MOUSEMOVE, AsParam(at.x), LPARAM(at.y));
    }
    Q_EMIT PointerMoved(QPoint(at.x, at.y));
    CZoomView::mouseMoveEvent(event);
}

// Dropping components.

void CQarnBaseView::dragEnterEvent(QDragEnterEvent* event) {
    if (OffersComponents(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CQarnBaseView::dragMoveEvent(QDragMoveEvent* event) {
    if (OffersComponents(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CQarnBaseView::dropEvent(QDropEvent* event) {
    CPoint at(event->position().toPoint().x(), event->position().toPoint().y());
    ClientToDoc(at);
    if (OffersComponents(event->mimeData()) && OnDropData(event->mimeData(), at)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

bool CQarnBaseView::OnDropData(const QMimeData* data, const CPoint& docPoint) {
    (void)data;
    (void)docPoint;
    return false;
}

// Grid.

void CQarnBaseView::SnapPoint(CPoint& clientPoint) const {
    const int grid = m_pDoc != nullptr ? std::max(m_pDoc->GetGridSize(), 1) : 1;
    CPoint doc = clientPoint;
    ClientToDoc(doc);
    // Integer division truncates toward zero: (-5 + 2) / 4 snaps to 0.
    doc.x = ((doc.x + grid / 2) / grid) * grid;
    doc.y = ((doc.y + grid / 2) / grid) * grid;
    DocToClient(doc);
    clientPoint = doc;
}

void CQarnBaseView::OnViewGrid() {
    if (m_pDoc == nullptr) {
        return;
    }
    CGridSetDlg dialog(this);
    dialog.SetValues(m_pDoc->GetGridSize(), m_pDoc->GetGridStyle(), m_pDoc->GetGridColor());
    if (dialog.exec() == QDialog::Accepted) {
        ApplyGridSettings(dialog.GetGridSize(), dialog.GetGridStyle(), dialog.GetGridColor());
    }
}

void CQarnBaseView::ApplyGridSettings(int size, int style, DWORD color) {
    if (m_pDoc == nullptr || !CGridSetDlg::IsAcceptableSize(size)) {
        return;
    }
    auto* action = new CGridSetAction(static_cast<CQarnEditView*>(this));
    m_pDoc->SetGridSize(size);
    m_pDoc->SetGridStyle(style >= 0 && style < CQarnDoc::kGridStyleCount ? style
                                                                         : CQarnDoc::GridLines);
    m_pDoc->SetGridColor(color);
    action->Do();
    if (!action->WasRecorded()) {
        // No history for this document: the settings stay, the action has nothing to keep.
        delete action;
    }
}

// Zoom.

void CQarnBaseView::OnViewZoom() {
    CZoomDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        ApplyZoomChoice(dialog.GetChoice(), dialog.GetPercent());
    }
}

void CQarnBaseView::ApplyZoomChoice(int choice, int percent) {
    switch (choice) {
        case CZoomDlg::FitPage:
            DoZoomFull();
            return;
        case CZoomDlg::FitSelection:
            if (!GetSelection().isEmpty()) {
                ZoomToComponents(GetSelection(), true);
                return;
            }
            break;
        default:
            break;
    }
    if (choice < 0 || choice >= CZoomDlg::ChoiceCount) {
        return;
    }
    const float current = GetZoomRatio();
    const double clientWidthInUnits = GetClientSize().cx / m_Mapping.ScaleX();
    const float target = choice == CZoomDlg::FitSelection
                             ? 1.0f
                             : CZoomDlg::TargetRatio(CZoomDlg::Choice(choice), percent, current,
                                                     clientWidthInUnits, GetPaperSize().cx);
    const CPoint centre = GetLogicalCenterPoint();
    DoZoomIn(&centre, target / current);
}
