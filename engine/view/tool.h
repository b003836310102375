#pragma once
// The base of the mouse tools. Every mouse editing of a drawing view goes through the current
// tool: the view hands it each press, move, release and double click. Exactly one tool is
// current in the whole program (a view change keeps it), and one drag is in progress at most,
// so the drag state is kept once, here.
//
// A tool turns one press-move-release into one action: it records the action when the drag
// really starts, updates it while the pointer moves and finishes it on release; Escape
// cancels the drag and takes the action back, leaving the document as it was before the press.

#include "platform/cpoint.h"
#include "platform/object.h"
#include "platform/win_types.h"

class CQarnComponent;
class CQarnView;
class QPainter;

// The key flags a tool is given with each mouse event.
constexpr UINT MK_LBUTTON = 0x1;
constexpr UINT MK_RBUTTON = 0x2;
constexpr UINT MK_SHIFT = 0x4;
constexpr UINT MK_CONTROL = 0x8;

// What the press of the drag in progress started.
enum SelectMode {
    SelectNone = 0,
    SelectNetSelect = 1,
    SelectCircle = 2,
    SelectPolygon = 3,
    SelectMove = 4,
    SelectRotate = 5,
    SelectSize = 6,
    SelectAddPoint = 7,
    SelectMovePoint = 8,
    SelectRemovePoint = 9,
};

// The state of the one drag in progress.
struct CQarnDragState {
    // Client points of the last press and of the last mouse event a tool saw.
    CPoint down;
    CPoint last;
    UINT downFlags = 0;
    // The drag has recorded its action.
    bool actionStarted = false;
    // The drag sizes by a handle rather than moves.
    bool sizing = false;
    // The component under the pointer, for hover feedback.
    CQarnComponent* hovered = nullptr;
    // Document point of the previous mouse event of the selection tool.
    CPoint lastPoint;
    // The handle hit by the press, 0 for none.
    int dragHandle = 0;
    SelectMode selectMode = SelectNone;
};

class CQarnTool : public CObject {
    QARN_DECLARE_DYNAMIC(CQarnTool)

public:
    explicit CQarnTool(UINT id);
    CQarnTool(const CQarnTool&) = delete;
    CQarnTool& operator=(const CQarnTool&) = delete;
    ~CQarnTool() override;

    UINT GetID() const { return m_nID; }

    // Points are client pixels of the view; flags MK_SHIFT and MK_CONTROL.
    virtual void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point);
    virtual void OnLButtonDblClk(CQarnView* view, UINT flags, const CPoint& point);
    virtual void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point);
    virtual void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point);
    virtual void OnRButtonUp(CQarnView* view, UINT flags, const CPoint& point);
    // The tool is left (another one is chosen, or the drawing ends).
    virtual void OnCancel();
    // Another tool became current while this one had work in progress (a poly drawn point by
    // point): the work ends as it stands.
    virtual void OnDeactivate();
    // Escape while the tool works: what the drag in progress did is taken back. False when
    // there was nothing to cancel (the view then returns to the selection tool).
    virtual bool OnEscape(CQarnView* view);
    // Whether a drag of this tool is in progress in the view.
    virtual bool IsBusy() const;
    // Whether the tool works for a command identifier other than its own (the shape tool
    // draws every shape command, the auto-shape tool every symbol command).
    virtual bool Serves(UINT id) const;
    // What the tool shows over the drawing while it works (a rotate centre and angle, a
    // quadrilateral, a size), in client pixels.
    virtual void PaintOverlay(CQarnView* view, QPainter& painter);

    // The current tool of the program: changing it tells the main window (QRN_SELECT_TOOL
    // with the new and the old identifier); choosing the current one again tells nothing.
    static void SetToolID(UINT id);
    static UINT GetToolID() { return c_drawShape; }
    static CQarnDragState& Drag();

    // The identifier of the selection tool, which every tool falls back to.
    static constexpr UINT kSelectTool = 18072;

private:
    static UINT c_drawShape;
    UINT m_nID;
};

namespace Qarn {

// The tool registry owns the tools; the program fills it at start-up.
void AddTool(CQarnTool* tool);
// The first tool registered under the identifier, else the first that serves it, or null.
CQarnTool* FindTool(UINT id);
// Deletes every tool (at exit).
void ClearTool();
// The selection tools, in the program's order of registration.
void RegisterSelectionTools();
// The tools that draw every kind of component (shapes, symbols, lines and polys, points,
// connectors, text), edit points, rotate, pick a perspective, zoom, pan and magnify. A tool
// already registered under an identifier is left as it is.
void RegisterDrawingTools();

}  // namespace Qarn
