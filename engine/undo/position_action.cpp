#include "undo/position_action.h"

#include "core/component.h"
#include "core/moving_components.h"
#include "undo/action_ids.h"
#include "undo/component_lists.h"
#include "undo/fetch_ahead.h"

QARN_IMPLEMENT_DYNAMIC(CPositionAction, CStateAction)

namespace {

// Whether the component takes part in an edit of that kind.
bool TakesPart(const CQarnComponent* c, unsigned int id) {
    if (id == QarnActionId::Rotate) {
        return c->CanRotate();
    }
    if (id == QarnActionId::Flip) {
        return c->CanFlip();
    }
    return true;
}

ComponentList Eligible(const ComponentList& components, unsigned int id) {
    if (id != QarnActionId::Rotate && id != QarnActionId::Flip) {
        return components;
    }
    ComponentList kept;
    for (CQarnComponent* c : components) {
        if (TakesPart(c, id)) {
            kept.append(c);
        }
    }
    return kept;
}

}  // namespace

CPositionAction::CPositionAction(CActionSite site, unsigned int id, const ComponentList& selection)
    : CPositionAction(site, id, Eligible(Qarn::InDocument(site.GetDocument(), selection), id),
                      FilteredTag()) {}

// The members of a group in the document are in it too: the list is filtered once.
CPositionAction::CPositionAction(CActionSite site, unsigned int id, ComponentList topLevel,
                                 FilteredTag)
    : CStateAction(site, id, Eligible(Qarn::ExpandComponents(topLevel), id),
                   CComponentStates::Geometry | CComponentStates::Connections, InDocumentTag(),
                   // In the walk that keeps the state: also drops the component's cached effect.
                   [](CQarnComponent* c) { c->RecordlastPosition(); }),
      m_TopLevel(std::move(topLevel)) {}

void CPositionAction::Exchange() {
    CStateAction::Exchange();
    NotifyPropertyChanged(1);
    NotifyPropertyChanged(2);
}

void CPositionAction::NotifyMoved(const ComponentList& moved, const QList<RectF>& oldRects,
                                  int change) {
    const CMovingComponents moving(m_Components);
    for (int i = 0; i < moved.size() && i < oldRects.size(); ++i) {
        Qarn::FetchAhead(moved, i, Qarn::FetchParts::Fields);
        moved[i]->OnPositionChanged(oldRects[i], &m_Components, change);
    }
}
