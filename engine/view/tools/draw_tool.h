#pragma once
// The base of the tools that draw a new component. The press makes the component and records
// its addition as the view's pending action (so it shows at once, selected, and every move of
// the drag reshapes the real thing); the release finishes that action, so the whole drawing is
// one undo step. Escape takes the addition back and leaves nothing behind.

#include <memory>

#include "platform/point_f.h"
#include "view/tool.h"

class CAddAction;
class CQarnComponent;

class CDrawTool : public CQarnTool {
    QARN_DECLARE_DYNAMIC(CDrawTool)

public:
    explicit CDrawTool(UINT id);

    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override;
    void OnCancel() override;
    // Another tool was chosen in the middle of a drawing: it is kept as it stands.
    void OnDeactivate() override;

    // The document point under a client point: on the grid when the view snaps and Shift is
    // not held.
    static PointF ToolPoint(CQarnView* view, UINT flags, const CPoint& point);

protected:
    // Records the addition of the new component (pending, not finished): false when the view
    // refuses a new action now, or the document takes nothing.
    bool AddDrawn(CQarnView* view, std::unique_ptr<CQarnComponent> component);
    // The component being drawn: null once its addition was finished, taken back or undone.
    CQarnComponent* GetDrawn() const;
    // Finishes the addition: the drawing is one undo step from now on.
    void FinishDrawn();
    // Takes the addition back: the document and its history are as before the press.
    void TakeBackDrawn(CQarnView* view);
    // Forgets the component without touching its addition.
    void ForgetDrawn();
    // The client point of the press that started the drawing.
    CPoint GetPressPoint() const { return m_ptPress; }
    void SetPressPoint(const CPoint& point) { m_ptPress = point; }
    // Repaints where the tool's overlay shows.
    static void RepaintOverlay(CQarnView* view);

private:
    CAddAction* m_pAdd = nullptr;
    CQarnView* m_pView = nullptr;
    CPoint m_ptPress;
};
