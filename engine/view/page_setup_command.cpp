#include "view/page_setup_command.h"

#include <memory>

#include "controls/page_setup_sheet.h"
#include "core/doc.h"
#include "core/edit_view.h"
#include "undo/action_ids.h"
#include "undo/action_recorder.h"
#include "undo/page_setup_action.h"

namespace Qarn {

bool OnPageSetup(CQarnEditView* view, QWidget* parent) {
    CQarnDoc* doc = view != nullptr ? view->GetQarnDocument() : nullptr;
    if (doc == nullptr || doc->GetCurrentCanvas() == nullptr) {
        return false;
    }
    CQarnPageSetupSheet sheet(*doc, parent);
    if (sheet.exec() != QDialog::Accepted) {
        return false;
    }
    if (view->CanAddNewAction(QarnActionId::PageSize) != CActionRecorder::Allowed) {
        return false;
    }
    const CQarnPageSetupSheet::Values values = sheet.GetValues();
    return view->RecordAction(std::make_unique<CPageSetupAction>(
               view, QarnActionId::PageSize, doc->GetCurrentCanvas(), values.pageSize,
               values.margins)) != nullptr;
}

}  // namespace Qarn
