#include "shapes/shape_base.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/clone_as.h"
#include "core/conversions.h"
#include "core/element.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/matrix.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeBase, CQarnComponent, 0)

namespace {

// The label handle of a parametric shape shows apart from its yellow free handles.
constexpr Color kLabelDiamond = Color(0xB4FF00FFu);

// How much an extent stretched; 1 when there was none to stretch.
float Stretch(float to, float from) {
    const float scale = to / from;
    return from != 0.0f && std::isfinite(scale) ? scale : 1.0f;
}

PointF Centre(const RectF& r) {
    return PointF(r.X + r.Width / 2, r.Y + r.Height / 2);
}

bool Finite(const PointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

}  // namespace

CQarnShapeBase::CQarnShapeBase() = default;

CQarnShapeBase::CQarnShapeBase(int freeHandleCount)
    : m_FreeHandles(size_t(std::max(freeHandleCount, 0))), m_bFixedCount(true) {}

CQarnShapeBase::CQarnShapeBase(const RectF& rect, int freeHandleCount)
    : CQarnComponent(rect),
      m_FreeHandles(size_t(std::max(freeHandleCount, 0)), rect.GetLocation()),
      m_bFixedCount(true) {}

// Free handles.

int CQarnShapeBase::GetFreeHandleCount() const {
    return int(m_FreeHandles.size());
}

PointF CQarnShapeBase::GetFreeHandle(int k) const {
    if (k < 0 || size_t(k) >= m_FreeHandles.size()) {
        return GetCenterPointF();
    }
    return m_FreeHandles[size_t(k)];
}

void CQarnShapeBase::SetFreeHandle(PointF point, int k) {
    if (k >= 0 && size_t(k) < m_FreeHandles.size()) {
        m_FreeHandles[size_t(k)] = point;
    }
}

void CQarnShapeBase::SetHandle(int handle, PointF point) {
    const std::optional<CQarnHandle> h = FindHandle(handle);
    if (h && h->kind == QarnHandleKind::Adjust) {
        SetFreeHandle(point, h->parameter);
    }
}

void CQarnShapeBase::ConfinePoint(PointF& point, const RectF& area) {
    CQarnHandleConstraint::ConfinePoint(point, area);
}

void CQarnShapeBase::FollowFrame(const RectF& from, const RectF& to) {
    const PointF c0 = Centre(from);
    const PointF c1 = Centre(to);
    const float sx = Stretch(to.Width, from.Width);
    const float sy = Stretch(to.Height, from.Height);
    for (PointF& p : m_FreeHandles) {
        p = PointF((p.X - c0.X) * sx + c1.X, (p.Y - c0.Y) * sy + c1.Y);
    }
}

// The description of the handles.

void CQarnShapeBase::GetHandles(std::vector<CQarnHandle>& handles) const {
    CQarnComponent::GetHandles(handles);
    for (CQarnHandle& h : handles) {
        if (h.kind == QarnHandleKind::Label) {
            h.mark = CQarnHandle::Diamond(kLabelDiamond);
        }
    }
    const int count = GetFreeHandleCount();
    for (int k = 0; k < count; ++k) {
        handles.push_back(CQarnHandle::Adjust(GetFreeHandle(k), GetFreeHandleConstraint(k), k));
    }
}

CQarnHandleConstraint CQarnShapeBase::GetFreeHandleConstraint(int) const {
    return CQarnHandleConstraint::Free();
}

bool CQarnShapeBase::SetAdjustParameter(int parameter, const PointF& framePoint) {
    if (parameter < 0 || size_t(parameter) >= m_FreeHandles.size()) {
        return false;
    }
    m_FreeHandles[size_t(parameter)] = framePoint;
    return true;
}

// Moving and sizing.

int CQarnShapeBase::MoveTo(const RectF& rect, MoveFlags flags) {
    const RectF old = GetRectF();
    if (rect == old) {
        return 0;
    }
    SetRectF(rect);
    FollowFrame(old, rect);
    if (!flags.Has(MoveFlags::Sizing)) {
        UpdateRotateCenter();
    }
    ResetPath();
    HonourMoveFlags(flags);
    return 1;
}

int CQarnShapeBase::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    const std::optional<CQarnHandle> h = FindHandle(handle);
    if (h && h->kind == QarnHandleKind::Adjust) {
        return MoveFreeHandleTo(handle, point, flags);
    }
    const bool label = h && h->kind == QarnHandleKind::Label;
    const RectF old = GetRectF();
    // The views hear of the change once the free handles have followed.
    const MoveFlags quiet = flags.Without(MoveFlags::Invalidate | MoveFlags::Outline);
    if (CQarnComponent::MoveHandleTo(handle, point, quiet) == 0) {
        return 0;
    }
    if (!label) {
        FollowFrame(old, GetRectF());
        ResetPath();
    }
    HonourMoveFlags(flags, label);
    return 1;
}

void CQarnShapeBase::Shift(float dx, float dy) {
    RectF r = GetRectF();
    r.Offset(dx, dy);
    MoveTo(r, MoveFlags());
}

int CQarnShapeBase::MoveFreeHandleTo(int handle, PointF point, MoveFlags flags) {
    // The views hear of the change once the other handles are back in their ranges.
    const MoveFlags quiet = flags.Without(MoveFlags::Invalidate | MoveFlags::Outline);
    if (MoveAdjustHandleTo(handle, point, quiet) == 0) {
        return 0;
    }
    KeepFreeHandlesInRange();
    HonourMoveFlags(flags);
    return 1;
}

void CQarnShapeBase::KeepFreeHandlesInRange() {
    // One handle's range may depend on another (an arrow's head on its shaft): a moved handle
    // can leave a later one outside the range it now has.
    for (size_t k = 0; k < m_FreeHandles.size(); ++k) {
        const PointF kept = GetFreeHandleConstraint(int(k)).Apply(m_FreeHandles[k]);
        if (!(kept == m_FreeHandles[k])) {
            SetAdjustParameter(int(k), kept);
        }
    }
    ResetPath();
}

// The outline.

void CQarnShapeBase::BuildFigures(Figures&) const {}

BOOL CQarnShapeBase::CreateElements(RectF* rect) {
    ClearElements();
    Figures figures;
    BuildFigures(figures);
    const RectF frame = GetRectF();
    // Built in the frame the free handles belong to, then mapped onto the rectangle asked for.
    std::optional<Matrix> onto;
    if (rect != nullptr && !(*rect == frame) && frame.Width != 0.0f && frame.Height != 0.0f) {
        Matrix m(1, 0, 0, 1, -frame.X, -frame.Y);
        m.Scale(rect->Width / frame.Width, rect->Height / frame.Height, MatrixOrderAppend);
        m.Translate(rect->X, rect->Y, MatrixOrderAppend);
        onto = m;
    }
    for (Figure& figure : figures) {
        auto element = std::make_unique<CQarnElement>();
        *element->GetPath() = figure.path;
        if (onto) {
            element->GetPath()->Transform(&*onto);
        }
        element->SetRectF(rect != nullptr ? *rect : frame);
        element->SetShade(figure.shade);
        element->SetFlag(CQarnElement::kApart, figure.apart);
        AddElement(std::move(element));
    }
    return TRUE;
}

bool CQarnShapeBase::HitTestShape(PointF point, float tolerance) {
    if (CQarnComponent::HitTestShape(point, tolerance)) {
        return true;
    }
    if (GetElementCount() == 0) {
        ResetPath();
    }
    Matrix m;
    GetTransformMatrix(m);
    if (m.Invert() != Ok) {
        return false;
    }
    PointF p = point;
    m.TransformPoints(&p, 1);
    for (int i = 0; i < GetElementCount(); ++i) {
        const CQarnElement* element = GetElement(i);
        if (element->HasFlag(CQarnElement::kFill) && element->GetPath()->IsVisible(p)) {
            return true;
        }
    }
    return false;
}

// Copying and the record.

void CQarnShapeBase::Copy(const CQarnShapeBase* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnComponent::Copy(source);
    m_FreeHandles = source->m_FreeHandles;
}

CQarnComponent* CQarnShapeBase::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeBase::Serialize(CArchive& ar) {
    CQarnComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::int32_t(m_FreeHandles.size());
        for (const PointF& p : m_FreeHandles) {
            ar << p;
        }
        ar << std::int32_t(0) << std::int32_t(0);
        return;
    }
    const qint64 countAt = ar.Position();
    std::int32_t count = 0;
    ar >> count;
    if (count < 0 || (m_bFixedCount && size_t(count) != m_FreeHandles.size())) {
        ar.FailAt(countAt, QStringLiteral("a %1 has %2 free handles, the record %3")
                               .arg(QString::fromLatin1(GetRuntimeClass()->m_lpszClassName))
                               .arg(m_FreeHandles.size())
                               .arg(count));
    }
    ar.Require(qint64(count) * 8 + 8, "the free handles");
    std::vector<PointF> handles(static_cast<size_t>(count));
    for (PointF& p : handles) {
        ar >> p;
        if (!Finite(p)) {
            ar.Fail(QStringLiteral("a free handle is not a point"));
        }
    }
    std::int32_t reserved = 0;
    ar >> reserved >> reserved;
    m_FreeHandles = std::move(handles);
}
