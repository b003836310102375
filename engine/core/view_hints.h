#pragma once
// What a document's UpdateAllViews tells its drawing views (the hint number) and the objects
// that travel with a hint. Hints of 9 and above are ignored by the views.

#include "core/component_list.h"
#include "platform/object.h"
#include "platform/rect_f.h"

namespace Qarn {

enum ViewHint : int {
    // Everything: repaint the whole client area.
    kHintAll = 0,
    // One component (the hint object) changed.
    kHintComponent = 1,
    // A list of components (a CQarnHintList, or none for the view's own selection) changed.
    kHintComponents = 2,
    // A list of components is leaving the document: views drop them from their selection.
    kHintComponentsLeaving = 3,
    // Embedded objects are shown or hidden.
    kHintShowObjects = 4,
    // Drag feedback: the outline of a component, in the view that sent the hint only.
    kHintOutline = 5,
    // Drag feedback: the outline of a component's label.
    kHintLabelOutline = 6,
    // One component changed; no message to the main window.
    kHintComponentQuiet = 7,
    // A label is being dragged: the hint object gives its rectangle (a CQarnLabelRectSource).
    kHintLabelRect = 8,
    kHintCount = 9,
};

}  // namespace Qarn

// A list of components carried by a hint.
class CQarnHintList : public CObject {
public:
    CQarnHintList() = default;
    explicit CQarnHintList(const ComponentList& list) : m_List(list) {}
    ComponentList m_List;
};

// What carries a label rectangle to the views (the label-handle action).
class CQarnLabelRectSource : public CObject {
public:
    virtual RectF GetLabelRect() const = 0;
};
