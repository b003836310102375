#include "undo/move_action.h"

#include "core/component.h"
#include "undo/action_ids.h"
#include "undo/fetch_ahead.h"

QARN_IMPLEMENT_DYNAMIC(CMoveAction, CPositionAction)

CMoveAction::CMoveAction(CActionSite site, unsigned int id, const ComponentList& selection)
    : CPositionAction(site, id, selection) {}

void CMoveAction::MoveBy(float dx, float dy) {
    QList<RectF> before;
    before.reserve(m_TopLevel.size());
    for (qsizetype i = 0; i < m_TopLevel.size(); ++i) {
        Qarn::FetchAhead(m_TopLevel, i, Qarn::FetchParts::PropertiesAndOutline);
        CQarnComponent* c = m_TopLevel[i];
        RectF r = c->GetRectF();
        before.append(r);
        r.Offset(dx, dy);
        c->MoveTo(r, MoveFlags::Invalidate | MoveFlags::Members);
    }
    NotifyMoved(m_TopLevel, before, 1);
}

bool CMoveAction::CanAbort() const {
    return GetID() == QarnActionId::Nudge;
}

bool CMoveAction::AbsorbPrevious(CQarnAction& older) {
    auto* previous = dynamic_cast<CMoveAction*>(&older);
    return GetID() == QarnActionId::Nudge && previous != nullptr && TakeStateOf(*previous);
}
