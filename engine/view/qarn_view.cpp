#include "view/qarn_view.h"

#include "platform/message_param.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/notification_messages.h"
#include "platform/message_event.h"
#include "platform/message_relay.h"
#include "platform/window_messages.h"
#include "undo/action.h"
#include "undo/action_ids.h"
#include "undo/add_layer_action.h"
#include "undo/delete_layer_action.h"
#include "undo/move_action.h"
#include "undo/move_layer_action.h"
#include "undo/undo_manager.h"
#include "view/command_ids.h"
#include "view/tool.h"
#include "view/tools/in_place_text_editor.h"
#include "view/tools/pan_tool.h"
#include "view/tools/zoom_tool.h"

namespace {

// How near the pointer must come to a handle or to a shape, in client pixels.
constexpr float kHandlePixels = 5.0f;
constexpr float kHitPixels = 3.0f;

}  // namespace

CQarnView::CQarnView(QWidget* parent) : CQarnBaseView(parent) {
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Drawing"));
    setAccessibleDescription(QStringLiteral("The page of the drawing and its components"));
}

CQarnView::~CQarnView() {
    // Actions made here may outlive the view: they must find it gone from now on.
    EndLife();
}

CQarnDoc* CQarnView::GetActionTarget() const {
    return m_pActionTarget != nullptr ? m_pActionTarget : GetDoc();
}

CQarnTool* CQarnView::CurrentTool() {
    return Qarn::FindTool(CQarnTool::GetToolID());
}

// Activation.

void CQarnView::OnActivateView(bool activate) {
    m_bActive = activate;
    if (activate && isVisible() && gUndoManager != nullptr && GetActionTarget() != nullptr) {
        // A pending action of another view is finished; the modified flag is refreshed.
        gUndoManager->SetLastAction(GetActionTarget(), nullptr);
    }
    if (QObject* main = AfxGetMainWnd()) {
        SendMessage(main, activate ? QRN_ACTIVATEVIEW : QRN_DEACTIVATEVIEW,
                    WPARAM(static_cast<CQarnEditView*>(this)), 0);
    }
    Q_EMIT CommandsChanged();
}

void CQarnView::focusInEvent(QFocusEvent* event) {
    CQarnBaseView::focusInEvent(event);
    if (!m_bActive) {
        OnActivateView(true);
    }
}

// What tools ask.

PointF CQarnView::ToDoc(const CPoint& client) const {
    PointF p(float(client.x), float(client.y));
    ClientToDoc(p);
    return p;
}

float CQarnView::HandleTolerance() const {
    return PixelsToDoc(kHandlePixels);
}

float CQarnView::HitTolerance() const {
    return PixelsToDoc(kHitPixels);
}

PointF CQarnView::SnapDocPoint(const PointF& point) const {
    const int grid = GetDoc() != nullptr ? GetDoc()->GetGridSize() : 0;
    if (grid <= 0) {
        return point;
    }
    return PointF(float(std::round(point.X / grid) * grid),
                  float(std::round(point.Y / grid) * grid));
}

void CQarnView::SetToolCursor(Qt::CursorShape shape) {
    if (viewport()->cursor().shape() != shape) {
        viewport()->setCursor(shape);
    }
}

void CQarnView::SetToolCursor(const QCursor& cursor) {
    viewport()->setCursor(cursor);
}

void CQarnView::RepaintToolOverlay() {
    viewport()->update();
}

void CQarnView::RepaintClient(const QRect& area) {
    if (!area.isEmpty()) {
        viewport()->update(area.adjusted(-2, -2, 2, 2));
    }
}

void CQarnView::SetRubberBand(const QRect& band, BandKind kind) {
    if (band == m_rcBand && kind == m_nBandKind) {
        return;
    }
    RepaintClient(m_rcBand);
    m_rcBand = band;
    m_nBandKind = kind;
    RepaintClient(m_rcBand);
}

void CQarnView::SetLasso(const QVector<QPoint>& points, bool closed) {
    QRect before;
    for (const QPoint& p : m_Lasso) {
        before |= QRect(p, QSize(1, 1));
    }
    m_Lasso = points;
    m_bLassoClosed = closed;
    QRect after;
    for (const QPoint& p : m_Lasso) {
        after |= QRect(p, QSize(1, 1));
    }
    RepaintClient(before | after);
}

void CQarnView::SetConnectionTarget(CQarnComponent* component) {
    CQarnDoc* doc = GetQarnDocument();
    if (doc != nullptr) {
        doc->SetConnectionTarget(component);
    }
    if (component == m_pConnectionTarget) {
        return;
    }
    if (m_pConnectionTarget != nullptr) {
        InvalObj(m_pConnectionTarget);
    }
    m_pConnectionTarget = component;
    if (component != nullptr) {
        InvalObj(component);
    }
}

int CQarnView::GetNumberEditable(unsigned int id) const {
    int count = 0;
    for (CQarnComponent* c : GetSelection()) {
        switch (id) {
            case QarnActionId::Move:
                count += c->CanFreeMove() ? 1 : 0;
                break;
            case QarnActionId::Resize:
                count += c->CanSizeX() || c->CanSizeY() ? 1 : 0;
                break;
            case QarnActionId::Rotate:
                count += c->CanRotate() ? 1 : 0;
                break;
            case QarnActionId::Flip:
                count += c->CanFlip() ? 1 : 0;
                break;
            default:
                count += c->CanEdit() ? 1 : 0;
                break;
        }
    }
    return count;
}

void CQarnView::CancelPendingAction() {
    CQarnAction* pending = GetPendingAction();
    CQarnDoc* target = GetActionTarget();
    if (pending == nullptr || pending->IsUndone()) {
        return;
    }
    if (!pending->IsFinished()) {
        pending->Finish();
    }
    pending->Undo();
    DeleteLastAction();
    // The history is as before the press: the modified flag follows it again.
    if (gUndoManager != nullptr && target != nullptr) {
        gUndoManager->SetLastAction(target, nullptr);
    }
    OnSelectionChanged(nullptr);
}

void CQarnView::MoveSelection(float dx, float dy) {
    if (GetSelection().isEmpty() || GetNumberEditable(QarnActionId::Move) == 0) {
        return;
    }
    // A nudge still being built is extended; a new one merges with the one before.
    auto* pending = dynamic_cast<CMoveAction*>(GetPendingAction());
    if (pending == nullptr || pending->GetID() != QarnActionId::Nudge || pending->IsFinished()) {
        if (CanAddNewAction(QarnActionId::Nudge) != CActionRecorder::Allowed) {
            return;
        }
        pending = dynamic_cast<CMoveAction*>(
            RecordAction(std::make_unique<CMoveAction>(this, QarnActionId::Nudge, GetSelection())));
        if (pending == nullptr) {
            return;
        }
    }
    pending->MoveBy(dx, dy);
}

void CQarnView::OnDoubleClickComponent(CQarnComponent* component) {
    if (!IsSelected(component)) {
        Select(component, false);
        OnSelectionChanged(nullptr);
    }
    if (component->GetTextProperty() != nullptr && component->CanEdit()) {
        EditTextInPlace(component);
        return;
    }
    OnCommand(QarnCmd::LineAndFill);
}

void CQarnView::EditTextInPlace(CQarnComponent* component) {
    if (m_pTextEditor != nullptr) {
        m_pTextEditor->Commit();
    }
    if (component == nullptr || GetDoc() == nullptr || !GetDoc()->Contains(component)) {
        return;
    }
    auto* editor = new CInPlaceTextEditor(this, component);
    m_pTextEditor = editor;
    connect(editor, &CInPlaceTextEditor::Ended, this, [this, editor] {
        if (m_pTextEditor == editor) {
            m_pTextEditor = nullptr;
        }
        editor->deleteLater();
        setFocus(Qt::OtherFocusReason);
        Q_EMIT CommandsChanged();
    });
    editor->show();
    editor->TakeFocus();
}

CInPlaceTextEditor* CQarnView::GetTextEditor() const {
    return m_pTextEditor != nullptr && !m_pTextEditor->IsEnded() ? m_pTextEditor.data() : nullptr;
}

// Input.

UINT CQarnView::KeyFlags(Qt::KeyboardModifiers modifiers) {
    UINT flags = 0;
    if (modifiers & Qt::ShiftModifier) {
        flags |= MK_SHIFT;
    }
    if (modifiers & Qt::ControlModifier) {
        flags |= MK_CONTROL;
    }
    return flags;
}

namespace {

CPoint ClientPoint(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return CPoint(p.x(), p.y());
}

}  // namespace

bool CQarnView::IsZoomToolCurrent() {
    const UINT tool = CQarnTool::GetToolID();
    return (tool == CZoomTool::kZoomInID || tool == CZoomTool::kZoomOutID) &&
           CurrentTool() != nullptr;
}

bool CQarnView::StartsPan(const QMouseEvent* event) const {
    return event->button() == Qt::MiddleButton ||
           (event->button() == Qt::LeftButton && m_bSpaceHeld);
}

void CQarnView::mousePressEvent(QMouseEvent* event) {
    if (StartsPan(event) && !m_bPanning) {
        // The middle button, or Space with the left one, carries the page along.
        m_bPanning = true;
        m_ptPan = ClientPoint(event);
        SetToolCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    if (GetZoomMode() != MODE_ZOOMOFF && !IsZoomToolCurrent()) {
        // Click-to-zoom is the zoom view's.
        CQarnBaseView::mousePressEvent(event);
        return;
    }
    CQarnBaseView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || GetDoc() == nullptr) {
        return;
    }
    if (!m_bActive) {
        OnActivateView(true);
    }
    // A nudge still being built ends with a press.
    if (CQarnAction* pending = GetPendingAction();
        pending != nullptr && !pending->IsFinished() && pending->GetID() == QarnActionId::Nudge) {
        pending->Finish();
    }
    if (CQarnTool* tool = CurrentTool()) {
        tool->OnLButtonDown(this, KeyFlags(event->modifiers()) | MK_LBUTTON, ClientPoint(event));
    }
    Q_EMIT CommandsChanged();
}

void CQarnView::mouseMoveEvent(QMouseEvent* event) {
    if (m_bPanning) {
        const CPoint at = ClientPoint(event);
        CPanTool::PanBy(this, m_ptPan, at);
        m_ptPan = at;
        event->accept();
        return;
    }
    CQarnBaseView::mouseMoveEvent(event);
    if ((GetZoomMode() != MODE_ZOOMOFF && !IsZoomToolCurrent()) || GetDoc() == nullptr ||
        !m_bActive) {
        return;
    }
    if (CQarnTool* tool = CurrentTool()) {
        UINT flags = KeyFlags(event->modifiers());
        if (event->buttons() & Qt::LeftButton) {
            flags |= MK_LBUTTON;
        }
        tool->OnMouseMove(this, flags, ClientPoint(event));
    }
}

void CQarnView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_bPanning) {
        if (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton) {
            m_bPanning = false;
            SetToolCursor(m_bSpaceHeld ? Qt::OpenHandCursor : Qt::ArrowCursor);
            NotifyZoom();
        }
        event->accept();
        return;
    }
    if (GetZoomMode() != MODE_ZOOMOFF && !IsZoomToolCurrent()) {
        CQarnBaseView::mouseReleaseEvent(event);
        return;
    }
    CQarnBaseView::mouseReleaseEvent(event);
    if (GetDoc() == nullptr || !m_bActive) {
        return;
    }
    CQarnTool* tool = CurrentTool();
    if (tool == nullptr) {
        return;
    }
    const UINT flags = KeyFlags(event->modifiers());
    if (event->button() == Qt::LeftButton) {
        tool->OnLButtonUp(this, flags, ClientPoint(event));
    } else if (event->button() == Qt::RightButton) {
        tool->OnRButtonUp(this, flags, ClientPoint(event));
    }
    Q_EMIT CommandsChanged();  // NOLINT(readability-misleading-indentation): Q_EMIT is empty
}

void CQarnView::mouseDoubleClickEvent(QMouseEvent* event) {
    if ((GetZoomMode() != MODE_ZOOMOFF && !IsZoomToolCurrent()) ||
        event->button() != Qt::LeftButton || GetDoc() == nullptr || !m_bActive || m_bPanning) {
        CQarnBaseView::mouseDoubleClickEvent(event);
        return;
    }
    if (CQarnTool* tool = CurrentTool()) {
        tool->OnLButtonDblClk(this, KeyFlags(event->modifiers()), ClientPoint(event));
    }
    Q_EMIT CommandsChanged();
}

void CQarnView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space) {
        // Held, Space turns a left drag into a pan.
        if (!event->isAutoRepeat() && !m_bSpaceHeld) {
            m_bSpaceHeld = true;
            if (!m_bPanning) {
                SetToolCursor(Qt::OpenHandCursor);
            }
        }
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape) {
        CQarnTool* tool = CurrentTool();
        if (tool != nullptr && tool->OnEscape(this)) {
            event->accept();
        } else if (CQarnTool::GetToolID() != CQarnTool::kSelectTool) {
            if (tool != nullptr) {
                tool->OnCancel();
            }
            CQarnTool::SetToolID(CQarnTool::kSelectTool);
            SetToolCursor(Qt::ArrowCursor);
            event->accept();
        } else if (!GetSelection().isEmpty()) {
            Deselect(nullptr);
            OnSelectionChanged(nullptr);
            event->accept();
        }
        Q_EMIT CommandsChanged();  // NOLINT(readability-misleading-indentation): Q_EMIT is empty
        return;
    }
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && !GetSelection().isEmpty()) {
        // One document unit a press; Shift takes ten.
        const float step = (event->modifiers() & Qt::ShiftModifier) ? 10.0f : 1.0f;
        const float dx = key == Qt::Key_Left ? -step : key == Qt::Key_Right ? step : 0.0f;
        const float dy = key == Qt::Key_Up ? -step : key == Qt::Key_Down ? step : 0.0f;
        MoveSelection(dx, dy);
        event->accept();
        Q_EMIT CommandsChanged();
        return;
    }
    CQarnBaseView::keyPressEvent(event);
}

void CQarnView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_bSpaceHeld = false;
        if (!m_bPanning) {
            SetToolCursor(Qt::ArrowCursor);
        }
        event->accept();
        return;
    }
    CQarnBaseView::keyReleaseEvent(event);
}

void CQarnView::contextMenuEvent(QContextMenuEvent* event) {
    if (m_bSwallowContextMenu) {
        m_bSwallowContextMenu = false;
        event->accept();
        return;
    }
    const UINT tool = CQarnTool::GetToolID();
    if (tool != CQarnTool::kSelectTool && tool != QarnCmd::EditPoint) {
        event->accept();
        return;
    }
    ShowContextMenu(event->globalPos(), event->pos());
    event->accept();
}

void CQarnView::ShowContextMenu(const QPoint& globalPos, const QPoint& clientPos) {
    // The component under the pointer becomes the selection unless it is in it already.
    const PointF p = ToDoc(CPoint(clientPos.x(), clientPos.y()));
    if (CQarnComponent* hit = HitAt(p, HitTolerance()); hit != nullptr && !IsSelected(hit)) {
        Select(hit, false);
        OnSelectionChanged(nullptr);
    }
    if (m_pCommands == nullptr) {
        return;
    }
    m_pCommands->Refresh();
    QMenu menu(this);
    menu.setAccessibleName(QStringLiteral("Shape menu"));
    m_pCommands->AddTo(&menu, {QarnCmd::EditCut, QarnCmd::EditCopy, QarnCmd::EditCopySpecial,
                               QarnCmd::EditPaste, QarnCmd::EditClear, 0});
    QMenu* flip = menu.addMenu(QStringLiteral("&Flip"));
    m_pCommands->AddTo(flip, {QarnCmd::FlipHorizontal, QarnCmd::FlipVertical});
    QMenu* rotate = menu.addMenu(QStringLiteral("&Rotate by 90"));
    m_pCommands->AddTo(rotate, {QarnCmd::Rotate90Clockwise, QarnCmd::Rotate90Anticlockwise});
    QMenu* grouping = menu.addMenu(QStringLiteral("&Grouping"));
    m_pCommands->AddTo(grouping, {QarnCmd::Group, QarnCmd::Ungroup});
    QMenu* order = menu.addMenu(QStringLiteral("&Order"));
    m_pCommands->AddTo(order, {QarnCmd::BringToFront, QarnCmd::BringToBack, QarnCmd::BringForward,
                               QarnCmd::BringBackward});
    menu.addSeparator();
    m_pCommands->AddTo(&menu, {QarnCmd::LineAndFill, QarnCmd::SizeAndPosition});
    QMenu* poly = menu.addMenu(QStringLiteral("&Poly Property"));
    m_pCommands->AddTo(poly, {QarnCmd::EditPoint, QarnCmd::DeletePoint, QarnCmd::CloseOpenFigure,
                              QarnCmd::PolyStyle, QarnCmd::SimplifyPoly, QarnCmd::PolyData});
    QMenu* connector = menu.addMenu(QStringLiteral("&Connector Option"));
    m_pCommands->AddTo(connector, {QarnCmd::ConnectToEdge});
    m_pCommands->AddTo(&menu, {0, QarnCmd::SetShapeDefault});
    menu.exec(globalPos);
}

// Registered messages.

bool CQarnView::event(QEvent* event) {
    if (event->type() == CMessageEvent::EventType()) {
        auto* message = static_cast<CMessageEvent*>(event);
        LRESULT result = 0;
        if (OnRegisteredMessage(message->Message(), message->WParam(), message->LParam(),
                                &result)) {
            message->SetResult(result);
            return true;
        }
    }
    return CQarnBaseView::event(event);
}

bool CQarnView::OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == QRN_PAGESIZECHANGE) {
        SetPageSize(CSize(int(wParam), int(lParam)));
        *result = 1;
        return true;
    }
    // The layer dialog's buttons: recorded as layer actions on the layer in wParam (the
    // current layer when none), sent while the dialog holds the layer.
    if (message == QARN_WM_ADD_LAYER || message == QARN_WM_DEL_LAYER ||
        message == QARN_WM_MOVE_LAYER) {
        *result = RecordLayerCommand(message, Qarn::ParamPointer<CQarnLayer>(wParam), int(lParam))
                      ? 1
                      : 0;
        return true;
    }
    if (message == QRN_UPDATE_FOCUS) {
        // The record holds a connector and a document point; the target there is highlighted.
        const auto* record = Qarn::ParamPointer<const CQarnFocusRecord>(wParam);
        CQarnDoc* doc = GetQarnDocument();
        if (record != nullptr && doc != nullptr) {
            SetConnectionTarget(
                doc->GetFocusedObj(CPoint(record->x, record->y), record->connector));
        }
        *result = 1;
        return true;
    }
    return false;
}

bool CQarnView::RecordLayerCommand(UINT message, CQarnLayer* layer, int direction) {
    CQarnCanvas* page = GetShownCanvas();
    if (page == nullptr) {
        return false;
    }
    if (layer == nullptr || !page->GetLayers().contains(layer)) {
        layer = page->GetCurrentLayer();
    }
    if (message == QARN_WM_ADD_LAYER) {
        if (CanAddNewAction(QarnActionId::AddLayer) != CActionRecorder::Allowed) {
            return false;
        }
        return RecordAction(std::make_unique<CAddLayerAction>(this, QarnActionId::AddLayer,
                                                              layer)) != nullptr;
    }
    if (layer == nullptr) {
        return false;
    }
    if (message == QARN_WM_DEL_LAYER) {
        if (CanAddNewAction(QarnActionId::DeleteLayer) != CActionRecorder::Allowed) {
            return false;
        }
        return RecordAction(std::make_unique<CDeleteLayerAction>(this, QarnActionId::DeleteLayer,
                                                                 layer)) != nullptr;
    }
    if (CanAddNewAction(QarnActionId::MoveLayer) != CActionRecorder::Allowed) {
        return false;
    }
    return RecordAction(std::make_unique<CMoveLayerAction>(this, QarnActionId::MoveLayer, layer,
                                                           direction)) != nullptr;
}

// Notifications.

void CQarnView::OnComponentRemoved(CQarnComponent* component) {
    if (component == m_pConnectionTarget) {
        m_pConnectionTarget = nullptr;
    }
    if (m_pTextEditor != nullptr && m_pTextEditor->GetComponent() == component) {
        // The text being edited leaves with its component.
        m_pTextEditor->Cancel();
    }
    CQarnDragState& drag = CQarnTool::Drag();
    if (drag.hovered == component) {
        drag.hovered = nullptr;
    }
    CQarnBaseView::OnComponentRemoved(component);
    Q_EMIT CommandsChanged();
}

void CQarnView::OnPageChanged(CQarnCanvas* page, Qarn::PageChange change) {
    m_pConnectionTarget = nullptr;
    if (m_pTextEditor != nullptr &&
        (change == Qarn::PageChange::Current || change == Qarn::PageChange::Removed ||
         change == Qarn::PageChange::Reloaded)) {
        m_pTextEditor->Cancel();
    }
    CQarnBaseView::OnPageChanged(page, change);
    Q_EMIT CommandsChanged();
}

void CQarnView::OnSelectionChanged(CQarnComponent* component) {
    CQarnBaseView::OnSelectionChanged(component);
    Q_EMIT CommandsChanged();
}

void CQarnView::OnMappingChanged() {
    CQarnBaseView::OnMappingChanged();
    if (m_pTextEditor != nullptr) {
        m_pTextEditor->Place();
    }
}

void CQarnView::OnScrollBy(int dx, int dy) {
    CQarnBaseView::OnScrollBy(dx, dy);
    if (m_pTextEditor != nullptr) {
        m_pTextEditor->Place();
    }
}

void CQarnView::NotifyZoom() {
    QarnMessageRelay(QARN_WM_CURRENTVIEW_UPDATED, WPARAM(static_cast<CQarnEditView*>(this)), 0);
}

// What tools show over the drawing.

int CQarnView::TrackerStateOf(const CQarnComponent* component, bool primary) const {
    const UINT tool = CQarnTool::GetToolID();
    if (primary && (tool == QarnCmd::EditPoint || tool == QarnCmd::DeletePoint) &&
        CurrentTool() != nullptr) {
        return CQarnComponent::TrackerEditing;
    }
    return CQarnBaseView::TrackerStateOf(component, primary);
}

void CQarnView::PaintToolOverlay(QPainter& painter) {
    if (CQarnTool* tool = CurrentTool()) {
        tool->PaintOverlay(this, painter);
    }
    if (!m_rcBand.isEmpty()) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, m_nBandKind == BandEllipse);
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlpha(40);
        painter.setBrush(fill);
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DashLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        if (m_nBandKind == BandEllipse) {
            painter.drawEllipse(m_rcBand);
        } else {
            painter.drawRect(m_rcBand.adjusted(0, 0, -1, -1));
        }
        painter.restore();
    }
    if (m_Lasso.size() > 1) {
        painter.save();
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DashLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        if (m_bLassoClosed) {
            painter.drawPolygon(m_Lasso.constData(), int(m_Lasso.size()));
        } else {
            painter.drawPolyline(m_Lasso.constData(), int(m_Lasso.size()));
        }
        painter.restore();
    }
    if (m_pConnectionTarget != nullptr) {
        // The anchors a dragged connector end may rest on.
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(0x1e, 0x88, 0xe5), 1.5));
        painter.setBrush(QColor(0xbb, 0xde, 0xfb));
        for (int a = 1; a <= m_pConnectionTarget->GetAnchorCount(); ++a) {
            PointF p = m_pConnectionTarget->GetAnchorPoint(a);
            CPoint c(int(std::lround(p.X)), int(std::lround(p.Y)));
            DocToClient(c);
            painter.drawEllipse(QPointF(c.x, c.y), 4.0, 4.0);
        }
        painter.restore();
    }
}
