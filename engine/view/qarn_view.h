#pragma once
// The drawing view of both programs: the base view plus the mouse tools, the keyboard, the
// context menu and the commands of the drawing window. Mouse input goes to the program's
// current tool; commands reach the view through OnCommand (the window routes its menu and
// toolbar commands to the active view) and say whether they are enabled through
// OnUpdateCommand.

#include <QPointer>
#include <QRect>
#include <QVector>

#include "platform/point_f.h"
#include "view/base_view.h"
#include "view/command_set.h"

class CQarnAction;
class CQarnComponent;
class CQarnDoc;
class CQarnLayer;
class CQarnTool;
class CInPlaceTextEditor;
class QMenu;

class CQarnView : public CQarnBaseView {
    Q_OBJECT

public:
    enum BandKind { BandRectangle, BandEllipse };

    explicit CQarnView(QWidget* parent = nullptr);
    ~CQarnView() override;

    // The document undo and redo act on (the view's document unless set otherwise).
    CQarnDoc* GetActionTarget() const;
    void SetActionTarget(CQarnDoc* doc) { m_pActionTarget = doc; }

    // Activation: an active view takes the mouse for the tools; activating finishes a pending
    // action and tells the main window (QRN_ACTIVATEVIEW / QRN_DEACTIVATEVIEW).
    void OnActivateView(bool activate);
    bool IsActive() const { return m_bActive; }
    // Grouping takes only components of the current layer unless this is set.
    bool IsCrossLayer() const { return m_bCrossLayer; }
    void SetCrossLayer(bool cross) { m_bCrossLayer = cross; }
    // The next context menu is swallowed (a drawing just ended with a right click).
    void SetContextMenuFlag(bool swallow) { m_bSwallowContextMenu = swallow; }

    // What the tools ask of the view.
    PointF ToDoc(const CPoint& client) const;
    // How near (document units) the pointer must come to a handle or a shape: a few pixels at
    // any zoom.
    float HandleTolerance() const;
    float HitTolerance() const;
    PointF SnapDocPoint(const PointF& point) const;
    void SetToolCursor(Qt::CursorShape shape);
    void SetToolCursor(const QCursor& cursor);
    // Repaints what the current tool shows over the drawing.
    void RepaintToolOverlay();
    // The rubber band of a selection tool in client pixels (empty: none).
    void SetRubberBand(const QRect& band, BandKind kind);
    // The lasso of the polygon selection tool in client pixels; `closed` once finished.
    void SetLasso(const QVector<QPoint>& points, bool closed);
    // The component a dragged connector end would attach to, shown with its anchors.
    void SetConnectionTarget(CQarnComponent* component);
    // How many selected components can take part in an edit of that kind (8033 movable,
    // 8032 sizable, 8019 turnable, 8020 flippable).
    int GetNumberEditable(unsigned int id) const;
    // A drag in progress is cancelled: its pending action is undone and taken back, so the
    // document and its history are as before the press.
    void CancelPendingAction();
    // Arrow keys: moves the selection by a step (consecutive steps are one undo step).
    void MoveSelection(float dx, float dy);
    // A double click on a component (the selection tool's): its text is edited in place when
    // it has one, else its properties.
    void OnDoubleClickComponent(CQarnComponent* component);
    // Opens the in-place editor on the component's text (ending any edit in progress).
    void EditTextInPlace(CQarnComponent* component);
    // The in-place text editor while one is open, else null.
    CInPlaceTextEditor* GetTextEditor() const;
    // Whether the view is panning (middle button, or Space with the left button).
    bool IsPanning() const { return m_bPanning; }

    // Commands (ids of view/command_ids.h): runs one, false when the view does not handle it
    // or it is not enabled now.
    bool OnCommand(unsigned int id);
    // Whether the view handles the command (`handled`) and, if so, its state now.
    CQarnCommandState OnUpdateCommand(unsigned int id, bool* handled) const;
    // Points the commands of a window at this view: every command the view handles runs here
    // and is enabled by its rule. A view that shows alone (tests, tools) binds its own set.
    void BindCommands(CQarnCommandSet* commands);
    CQarnCommandSet* GetCommands() const { return m_pCommands; }

    // Repaints everything (after a setting that changes how the whole page draws).
    void RefreshAll() { InvalidateEverything(); }

    // The selection changed: trackers, the main window and the commands hear it.
    void OnSelectionChanged(CQarnComponent* component) override;

    // The current tool's object (null when no tool is registered under its id).
    static CQarnTool* CurrentTool();

Q_SIGNALS:
    // The selection, the tool or the document changed in a way the commands may depend on.
    void CommandsChanged();

protected:
    // Input.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

    void PaintToolOverlay(QPainter& painter) override;
    // The selected poly shows its points while the point-editing tool is current.
    int TrackerStateOf(const CQarnComponent* component, bool primary) const override;
    void OnComponentRemoved(CQarnComponent* component) override;
    void OnPageChanged(CQarnCanvas* page, Qarn::PageChange change) override;
    void NotifyZoom() override;
    void OnMappingChanged() override;
    void OnScrollBy(int dx, int dy) override;

private:
    static UINT KeyFlags(Qt::KeyboardModifiers modifiers);
    // Registered messages the view handles (page size, connection focus, layer commands).
    bool OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Adds a layer after the layer, deletes it, or moves it (0 up, 1 down); false when
    // refused.
    bool RecordLayerCommand(UINT message, CQarnLayer* layer, int direction);
    void ShowContextMenu(const QPoint& globalPos, const QPoint& clientPos);
    void RepaintClient(const QRect& area);
    // Whether the press starts a pan rather than reaching the tool.
    bool StartsPan(const QMouseEvent* event) const;
    // Whether mouse input goes to the current tool while click-to-zoom is on.
    static bool IsZoomToolCurrent();

    CQarnDoc* m_pActionTarget = nullptr;
    bool m_bActive = true;
    bool m_bCrossLayer = false;
    bool m_bSwallowContextMenu = false;
    QRect m_rcBand;
    BandKind m_nBandKind = BandRectangle;
    QVector<QPoint> m_Lasso;
    bool m_bLassoClosed = false;
    CQarnComponent* m_pConnectionTarget = nullptr;
    QPointer<CQarnCommandSet> m_pCommands;
    QPointer<CInPlaceTextEditor> m_pTextEditor;
    bool m_bSpaceHeld = false;
    bool m_bPanning = false;
    CPoint m_ptPan;
    CQarnCommandSet* m_pOwnCommands = nullptr;
};
