#pragma once
// Where an action is made: in a drawing view, whose document it changes and whose selection
// and paste count it uses, or on a document alone (a pane, a script, a test). Either pointer
// converts to a site, so an action is made as `CMoveAction(view, ...)` or `(doc, ...)`.

#include <cstddef>

class CQarnDoc;
class CQarnEditView;

class CActionSite {
public:
    CActionSite(CQarnEditView* view);            // NOLINT(google-explicit-constructor)
    CActionSite(CQarnDoc* doc) : m_pDoc(doc) {}  // NOLINT(google-explicit-constructor)
    CActionSite(std::nullptr_t) {}               // NOLINT(google-explicit-constructor)

    CQarnEditView* GetView() const { return m_pView; }
    CQarnDoc* GetDocument() const { return m_pDoc; }

private:
    CQarnEditView* m_pView = nullptr;
    CQarnDoc* m_pDoc = nullptr;
};
