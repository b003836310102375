#include "core/edit_view.h"

#include "core/doc.h"
#include "undo/action.h"

CCharFormat CQarnEditView::DefaultCharFormat() {
    CCharFormat format;
    format.dwMask = CFM_FACE | CFM_SIZE;
    format.yHeight = 240;
    format.szFaceName = QStringLiteral("Arial");
    return format;
}

CQarnEditView::CQarnEditView() : m_CharFormat(DefaultCharFormat()) {}

CQarnEditView::~CQarnEditView() = default;

CQarnDoc* CQarnEditView::GetQarnDocument() const {
    CDocument* doc = GetDocument();
    return doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CQarnDoc)) ? static_cast<CQarnDoc*>(doc)
                                                                    : nullptr;
}

int CQarnEditView::CanAddNewAction(unsigned int id) {
    return m_Recorder.CanAddNewAction(GetQarnDocument(), id);
}

CQarnAction* CQarnEditView::RecordAction(std::unique_ptr<CQarnAction> action) {
    return m_Recorder.Record(std::move(action));
}
