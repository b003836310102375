#include "undo/grouping.h"

#include <memory>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/edit_view.h"
#include "shapes/group.h"
#include "undo/action_ids.h"
#include "undo/action_recorder.h"
#include "undo/add_action.h"
#include "undo/component_lists.h"

namespace Qarn {

CQarnGroup* GroupComponents(CActionSite site, const ComponentList& selection, bool crossLayer) {
    CQarnDoc* doc = site.GetDocument();
    if (doc == nullptr || doc->GetCurrentCanvas() == nullptr) {
        return nullptr;
    }
    const CQarnLayer* current = doc->GetCurrentCanvas()->GetCurrentLayer();
    if (current == nullptr) {
        return nullptr;
    }
    ComponentList members;
    for (CQarnComponent* c : InDocument(doc, selection)) {
        if (c->GetParentGroup() == nullptr && (crossLayer || c->GetLayer() == current)) {
            members.append(c);
        }
    }
    if (members.size() < 2) {
        return nullptr;
    }
    auto group = std::make_unique<CQarnGroup>();
    CQarnGroup* made = group.get();
    // With a current layer the addition cannot fail; it is recorded when the document keeps a
    // history.
    RecordAction(std::make_unique<CAddAction>(site, QarnActionId::AddGroup, std::move(group)));
    for (CQarnComponent* c : members) {
        made->AddComponent(c);
    }
    made->RecalcBounds();
    made->Invalidate(nullptr, false);
    if (CQarnEditView* view = site.GetView()) {
        view->Select(made, false);
    }
    return made;
}

}  // namespace Qarn
