#include "core/edit_view.h"

#include "core/doc.h"

CQarnDoc* CQarnEditView::GetQarnDocument() const {
    CDocument* doc = GetDocument();
    return doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CQarnDoc)) ? static_cast<CQarnDoc*>(doc)
                                                                    : nullptr;
}
