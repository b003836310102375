#include "undo/paste_action.h"

#include <cmath>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/component.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/moving_components.h"
#include "shapes/group.h"
#include "undo/component_lists.h"
#include "undo/native_clip.h"

QARN_IMPLEMENT_DYNAMIC(CPasteAction, CQarnAction)

namespace {

constexpr float kSamePoint = 0.0001f;

// A copied connector whose end no longer lies on the point it rests on takes that point, and
// is laid out again where it may be.
void UpdateEnds(CQarnConnector& connector) {
    bool moved = false;
    for (bool start : {true, false}) {
        const CQarnConnection* c =
            start ? connector.GetLeftConnection() : connector.GetRightConnection();
        if (c == nullptr || c->GetComponent() == nullptr || connector.GetPointCount() < 1) {
            continue;
        }
        const int end = start ? 1 : connector.GetPointCount();
        const PointF now = connector.GetPoint(end, 1);
        const PointF target = c->GetConnectPoint();
        if (std::fabs(now.X - target.X) >= kSamePoint ||
            std::fabs(now.Y - target.Y) >= kSamePoint) {
            connector.SetPoint(end, target, 1);
            moved = true;
        }
    }
    if (!moved) {
        return;
    }
    connector.RecalcBounds(0);
    if (connector.NeedAutoLayout()) {
        connector.AutoLayout();
    }
    connector.ResetHandles();
    connector.ResetPath();
    connector.RecalcBounds(0);
}

}  // namespace

CPasteAction::CPasteAction(CActionSite site, unsigned int id, const QByteArray& data)
    : CQarnAction(site, id, true),
      m_Data(data),
      m_nShiftX(Qarn::GetConfig()->m_nXShiftPasting),
      m_nShiftY(Qarn::GetConfig()->m_nYShiftPasting) {}

CPasteAction::~CPasteAction() = default;

void CPasteAction::OnDo() {
    CQarnDoc* doc = GetTarget();
    CQarnEditView* view = GetView();
    if (view != nullptr) {
        view->Deselect(nullptr);
    }
    if (doc == nullptr) {
        m_strError = QStringLiteral("there is no document to paste into");
        SetSuccess(false);
        return;
    }
    if (m_Data.isEmpty()) {
        m_strError = QStringLiteral("the clipboard holds nothing in the %1 format")
                         .arg(CQarnNativeClip::FormatName());
        SetSuccess(false);
        return;
    }
    std::vector<std::unique_ptr<CQarnComponent>> copies;
    if (!CQarnNativeClip::Read(m_Data, copies, &m_strError)) {
        SetSuccess(false);
        return;
    }
    if (copies.empty()) {
        m_strError = QStringLiteral("the clipboard holds no objects");
        SetSuccess(false);
        return;
    }
    for (const auto& c : copies) {
        m_Components.append(c.get());
    }
    ShiftCopies((view != nullptr ? view->GetPasteCount() : 0) + 1);
    for (CQarnComponent* c : m_Components) {
        if (c->IsKindOf(CQarnConnector::ThisClass())) {
            UpdateEnds(*static_cast<CQarnConnector*>(c));
        }
    }
    m_nNextIdBefore = doc->GetNextID();
    for (auto& c : copies) {
        c->SetName(QString());
        c->SetID(CQarnComponent::kNoID);
        doc->AddTail(c.release());
    }
    m_nNextIdAfter = doc->GetNextID();
    SelectPasted();
    AddToPasteCount(1);
    Finish();
}

void CPasteAction::ShiftCopies(int times) {
    if (m_nShiftX == 0 && m_nShiftY == 0) {
        return;
    }
    const float dx = float(times) * float(m_nShiftX);
    const float dy = float(times) * float(m_nShiftY);
    const CMovingComponents shifting(m_Components);
    for (CQarnComponent* c : m_Components) {
        const RectF old = c->GetRectF();
        RectF moved = old;
        moved.Offset(dx, dy);
        // A group only takes its frame: its members are copies of their own in the list.
        if (c->IsKindOf(CQarnGroup::ThisClass())) {
            c->SetRectF(moved);
            c->UpdateRotateCenter();
            continue;
        }
        c->MoveTo(moved, MoveFlags::Invalidate | MoveFlags::Members);
        c->OnPositionChanged(old, &m_Components, 1);
    }
}

void CPasteAction::SelectPasted() const {
    CQarnEditView* view = GetView();
    if (view == nullptr) {
        return;
    }
    view->Deselect(nullptr);
    for (CQarnComponent* c : m_Components) {
        if (c->GetParentGroup() == nullptr) {
            view->Select(c, true);
        }
    }
}

void CPasteAction::AddToPasteCount(int step) const {
    if (CQarnEditView* view = GetView()) {
        view->SetPasteCount(view->GetPasteCount() + step);
    }
}

void CPasteAction::OnUndo() {
    CQarnDoc* doc = GetTarget();
    // The connectors go first, so that their connections to the pasted shapes are kept.
    m_Owned = doc->TakeOutAll(Qarn::ConnectorsFirst(m_Components), m_Places);
    doc->SetNextID(m_nNextIdBefore);
    AddToPasteCount(-1);
    if (CQarnEditView* view = GetView()) {
        view->Deselect(nullptr);
    }
}

void CPasteAction::OnRedo() {
    CQarnDoc* doc = GetTarget();
    doc->PutBackAll(std::move(m_Owned), m_Places);
    m_Owned.clear();
    doc->SetNextID(m_nNextIdAfter);
    AddToPasteCount(1);
    SelectPasted();
}
