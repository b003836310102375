#include "shapes/group.h"

#include <cmath>

#include "core/canvas.h"
#include "core/clone_as.h"
#include "core/conversions.h"
#include "core/layer.h"
#include "core/rect_geometry.h"
#include "platform/archive.h"
#include "platform/matrix.h"

QARN_IMPLEMENT_SERIAL(CQarnGroup, CQarnComponent, 0)

namespace {

// The mapping of one frame onto another (a zero extent scales that axis by 1).
Matrix Mapping(const RectF& from, const RectF& to) {
    Matrix m;
    m.Translate(-from.X, -from.Y, MatrixOrderAppend);
    m.Scale(from.Width == 0 ? 1.0f : to.Width / from.Width,
            from.Height == 0 ? 1.0f : to.Height / from.Height, MatrixOrderAppend);
    m.Translate(to.X, to.Y, MatrixOrderAppend);
    return m;
}

RectF Normalised(RectF r) {
    Qarn::NormalizeRectF(r);
    return r;
}

bool IsAncestorOf(const CQarnComponent* candidate, const CQarnComponent* of) {
    for (const CQarnComponent* g = of; g != nullptr; g = g->GetParentGroup()) {
        if (g == candidate) {
            return true;
        }
    }
    return false;
}

}  // namespace

CQarnGroup::CQarnGroup() = default;

CQarnGroup::CQarnGroup(const RectF& rect) : CQarnComponent(rect) {}

CQarnGroup::~CQarnGroup() {
    m_Members.clear();
}

void CQarnGroup::AddComponent(CQarnComponent* component) {
    if (component == nullptr || component == this || m_Members.contains(component)) {
        return;
    }
    m_Members.append(component);
    component->SetParentGroup(this);
}

CQarnComponent* CQarnGroup::GetFirstComp() const {
    CQarnComponent* first = m_Members.isEmpty() ? nullptr : m_Members.first();
    while (auto* group = dynamic_cast<CQarnGroup*>(first)) {
        first = group->m_Members.isEmpty() ? nullptr : group->m_Members.first();
    }
    return first;
}

int CQarnGroup::RecalcBounds() {
    bool any = false;
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
    for (CQarnComponent* c : m_Members) {
        const RectF r = Normalised(c->GetRectF());
        if (!any) {
            left = r.X;
            top = r.Y;
            right = r.GetRight();
            bottom = r.GetBottom();
            any = true;
            continue;
        }
        left = std::min(left, r.X);
        top = std::min(top, r.Y);
        right = std::max(right, r.GetRight());
        bottom = std::max(bottom, r.GetBottom());
    }
    if (any) {
        SetRectF(RectF(left, top, right - left, bottom - top));
        UpdateRotateCenter();
        ResetPath();
    }
    return 1;
}

void CQarnGroup::AddToList(ComponentList& list) {
    for (CQarnComponent* c : m_Members) {
        c->AddToList(list);
    }
    list.append(this);
}

void CQarnGroup::OnAdded(int newlyNumbered) {
    CQarnComponent::OnAdded(newlyNumbered);
    for (CQarnComponent* c : m_Members) {
        c->SetParentGroup(this);
    }
}

void CQarnGroup::OnRemoved() {
    CQarnComponent::OnRemoved();
    for (CQarnComponent* c : m_Members) {
        if (c->GetParentGroup() == this) {
            c->SetParentGroup(nullptr);
        }
    }
}

// A damaged file may name a member that does not exist, one that is already grouped, or the
// group itself or one of its own groups: such entries are left out rather than followed.
void CQarnGroup::Initialize(CQarnLayer* layer) {
    CQarnComponent::Initialize(layer);
    CQarnCanvas* canvas = layer ? layer->GetCanvas() : nullptr;
    for (qsizetype i = 0; i < m_LoadedIndices.size() && canvas != nullptr; ++i) {
        CQarnLayer* home = canvas->GetLayers().value(qsizetype(m_LoadedLayers[i]) - 1, nullptr);
        CQarnComponent* member = home ? home->GetAt(POSITION(m_LoadedIndices[i])) : nullptr;
        if (member == nullptr || member->GetParentGroup() != nullptr ||
            IsAncestorOf(member, this)) {
            continue;
        }
        AddComponent(member);
    }
    m_LoadedIndices.clear();
    m_LoadedLayers.clear();
}

CQarnComponent* CQarnGroup::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CRect CQarnGroup::GetBoundRect(bool tight) {
    CRect bound = CQarnComponent::GetBoundRect(tight);
    for (CQarnComponent* c : m_Members) {
        bound.UnionRect(bound, c->GetBoundRect(tight));
    }
    return bound;
}

int CQarnGroup::Intersects(const CRect& rect, CView* view) {
    CRect area = GetBoundRect(false);
    area.InflateRect(2, 2);
    CRect probe = rect;
    probe.NormalizeRect();
    CRect meet;
    if (!meet.IntersectRect(area, probe)) {
        return 0;
    }
    for (CQarnComponent* c : m_Members) {
        if (c->Intersects(rect, view)) {
            return 1;
        }
    }
    return 0;
}

bool CQarnGroup::HitTestShape(PointF point, float tolerance) {
    for (CQarnComponent* member : m_Members) {
        if (member != nullptr && member->HitTest(point, tolerance, nullptr)) {
            return true;
        }
    }
    return false;
}

void CQarnGroup::Invalidate(CView* view, bool erase) {
    CQarnComponent::Invalidate(view, erase);
    for (CQarnComponent* c : m_Members) {
        c->Invalidate(view, erase);
    }
}

void CQarnGroup::RecordlastPosition() {
    CQarnComponent::RecordlastPosition();
    for (CQarnComponent* c : m_Members) {
        c->RecordlastPosition();
    }
}

int CQarnGroup::MoveTo(const RectF& rect, MoveFlags flags) {
    const RectF old = GetRectF();
    if (rect.Width == 0 || rect.Height == 0 || rect == old) {
        return 0;
    }
    const Matrix m = Mapping(old, rect);
    SetRectF(rect);
    if (flags.Has(MoveFlags::Members)) {
        for (CQarnComponent* c : m_Members) {
            RectF r = c->GetRectF();
            Qarn::TransformRectFast(r, &m);
            c->MoveTo(r, flags);
        }
    }
    UpdateRotateCenter();
    ResetPath();
    if (flags.Has(MoveFlags::Invalidate)) {
        Invalidate(nullptr, false);
    }
    return 1;
}

// Members are sized in the group's frame: an unturned member maps its frame; a turned one
// keeps its angle, its centre follows the mapping and its sides take the scale along its
// own axes, which is exact for quarter turns.
void CQarnGroup::ScaleMembers(const Matrix& m, MoveFlags flags) {
    ComponentList all;
    for (CQarnComponent* c : m_Members) {
        c->AddToList(all);
    }
    const float sx = m.M11();
    const float sy = m.M22();
    const MoveFlags memberFlags = flags.Without(MoveFlags::Members);
    QList<CQarnGroup*> nested;
    for (CQarnComponent* c : all) {
        if (auto* group = dynamic_cast<CQarnGroup*>(c)) {
            nested.append(group);
            continue;
        }
        RectF r = c->GetRectF();
        if (c->GetRotateAngle() == 0.0f && c->GetFlip() == 0) {
            Qarn::TransformRectFast(r, &m);
            c->MoveTo(r, memberFlags);
            continue;
        }
        const double radians = double(c->GetRotateAngle()) * M_PI / 180.0;
        const double cs = std::cos(radians);
        const double sn = std::sin(radians);
        const float ownX = float(std::hypot(sx * cs, sy * sn));
        const float ownY = float(std::hypot(sx * sn, sy * cs));
        const PointF centre = m.Map(c->GetCenterPointF());
        const float w = r.Width * ownX;
        const float h = r.Height * ownY;
        c->MoveTo(RectF(centre.X - w / 2, centre.Y - h / 2, w, h), memberFlags);
    }
    // Inner groups come before outer ones in the flattened list.
    for (CQarnGroup* group : nested) {
        group->RecalcBounds();
    }
}

int CQarnGroup::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    const RectF old = GetRectF();
    if (!CQarnComponent::MoveHandleTo(handle, point, flags)) {
        return 0;
    }
    ScaleMembers(Mapping(old, GetRectF()), flags);
    ResetPath();
    return 1;
}

void CQarnGroup::Shift(float dx, float dy) {
    RectF r = GetRectF();
    r.Offset(dx, dy);
    MoveTo(r, MoveFlags::Members);
}

void CQarnGroup::RotateAt(float angle, PointF center, int move) {
    CQarnComponent::RotateAt(angle, center, move);
    for (CQarnComponent* c : m_Members) {
        if (c->CanRotate()) {
            c->RotateAt(angle, center, move);
        }
    }
}

void CQarnGroup::Flip(BYTE mode, PointF axis, int change) {
    CQarnComponent::Flip(mode, axis, change);
    for (CQarnComponent* c : m_Members) {
        if (c->CanFlip()) {
            c->Flip(mode, axis, change);
        }
    }
}

void CQarnGroup::OnPositionChanged(const RectF& oldRect, ComponentList* moving, int change) {
    CQarnComponent::OnPositionChanged(oldRect, moving, change);
    const Matrix back = Mapping(GetRectF(), oldRect);
    for (CQarnComponent* c : m_Members) {
        RectF previous = c->GetRectF();
        Qarn::TransformRectFast(previous, &back);
        c->OnPositionChanged(previous, moving, change);
    }
}

void CQarnGroup::Serialize(CArchive& ar) {
    CQarnComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::uint32_t(m_Members.size());
        for (CQarnComponent* c : m_Members) {
            CQarnLayer* layer = c->GetLayer();
            ar << std::int32_t(c->GetIndexInContainer())
               << std::int32_t(layer ? layer->GetIndexInContainer() : 0);
        }
        return;
    }
    std::uint32_t count = 0;
    ar >> count;
    ar.Require(qint64(count) * 8, "the members of a group");
    m_LoadedIndices.clear();
    m_LoadedLayers.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t index = 0;
        std::uint32_t layer = 0;
        ar >> index >> layer;
        m_LoadedIndices.append(index);
        m_LoadedLayers.append(layer);
    }
}
