#pragma once
// What the model asks of the views and of the tool framework above it: repaint a component,
// draw its outline as drag feedback, whether a drag resizes, which component is highlighted
// as a connection target. The views install their implementation; until they do, the
// default answers that no drag is in progress and repaints nothing.

class CQarnComponent;
class CQarnDoc;
class CQarnView;
class CView;

class CQarnViewLink {
public:
    virtual ~CQarnViewLink() = default;

    // Repaints the component's area in the view, or in every view when none is given.
    virtual void Invalidate(CQarnComponent* component, CView* view, bool erase);
    // Has the active view draw the component's outline.
    virtual void SendOutlineRequest(CQarnComponent* component);
    // Has the active view draw the outline of the component's label.
    virtual void SendLabelOutlineRequest(CQarnComponent* component);
    // Whether the drag in progress resizes by a handle rather than moves.
    virtual bool IsSizing() const;
    // The component highlighted as connection target while a connector end is dragged.
    virtual CQarnComponent* GetFocused() const;
    virtual void SetFocused(CQarnComponent* component);
    // Has the drawing view refresh its selection state after an action changed the drawing
    // (the view's OnSelectionChanged with no component).
    virtual void OnSelectionChanged(CQarnView* view);
    // The document a drawing view shows, which is the undo target of the actions made in it.
    virtual CQarnDoc* GetViewDocument(CQarnView* view) const;

    // The link in force; never null.
    static CQarnViewLink* Get();
    // Installs a link (not owned); null restores the default.
    static void Set(CQarnViewLink* link);
};
