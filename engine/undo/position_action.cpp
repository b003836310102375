#include "undo/position_action.h"

#include "core/component.h"
#include "undo/action_ids.h"
#include "undo/component_lists.h"

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
    ComponentList kept;
    for (CQarnComponent* c : components) {
        if (c != nullptr && TakesPart(c, id)) {
            kept.append(c);
        }
    }
    return kept;
}

}  // namespace

CPositionAction::CPositionAction(CActionSite site, unsigned int id, const ComponentList& selection)
    : CStateAction(
          site, id,
          Eligible(Qarn::ExpandComponents(Qarn::InDocument(site.GetDocument(), selection)), id),
          CComponentStates::Geometry | CComponentStates::Connections),
      m_TopLevel(Eligible(Qarn::InDocument(site.GetDocument(), selection), id)) {
    for (CQarnComponent* c : m_Components) {
        c->DropEffectCache();
        c->RecordlastPosition();
    }
}

void CPositionAction::Exchange() {
    CStateAction::Exchange();
    NotifyPropertyChanged(1);
    NotifyPropertyChanged(2);
}

void CPositionAction::NotifyMoved(const ComponentList& moved, const QList<RectF>& oldRects,
                                  int change) {
    for (int i = 0; i < moved.size() && i < oldRects.size(); ++i) {
        moved[i]->OnPositionChanged(oldRects[i], &m_Components, change);
    }
}
