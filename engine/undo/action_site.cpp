#include "undo/action_site.h"

#include "core/edit_view.h"

CActionSite::CActionSite(CQarnEditView* view)
    : m_pView(view), m_pDoc(view != nullptr ? view->GetQarnDocument() : nullptr) {}
