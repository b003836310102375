// Construction, copying, the document record and the point list of a poly.
#include "shapes/poly.h"

#include <algorithm>
#include <cmath>

#include "core/clone_as.h"
#include "core/connection_link.h"
#include "core/default_properties.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "platform/pen_alignment.h"
#include "properties/arrow_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"

QARN_IMPLEMENT_SERIAL(CQarnPoly, CQarnComponent, 0)

namespace {

// A full array grows by this many points.
constexpr int kGrowBy = 10;
// Points closer than this on both axes are the same point.
constexpr float kSamePoint = 0.0001f;

bool SamePoint(const PointF& a, const PointF& b) {
    return std::fabs(a.X - b.X) < kSamePoint && std::fabs(a.Y - b.Y) < kSamePoint;
}

}  // namespace

CQarnPoly::CQarnPoly() {
    m_nShapeID = kPolylineShapeID;
}

CQarnPoly::CQarnPoly(const RectF& rect) : CQarnComponent(rect) {
    m_nShapeID = kPolylineShapeID;
    CQarnProperty* arrow = nullptr;
    if (CQarnProperty* fallback = Qarn::GetDefaultProperty(QARN_PROP_ARROW)) {
        arrow = fallback->Clone();
    } else {
        arrow = new CQarnArrowProperty();
    }
    AddProperty(arrow);
    if (CQarnPenProperty* pen = GetPenProperty()) {
        pen->SetPenAlignment(BYTE(PenAlignmentCenter));
    }
}

CQarnPoly::~CQarnPoly() = default;

void CQarnPoly::Copy(const CQarnPoly* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnComponent::Copy(source);
    m_fCornerRadius = source->m_fCornerRadius;
    m_dwPolyStyle = source->m_dwPolyStyle;
    m_fTension = source->m_fTension;
    m_nPointCount = source->m_nPointCount;
    m_Points = source->m_Points;
    ClearElements();
}

CQarnComponent* CQarnPoly::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnPoly::Serialize(CArchive& ar) {
    CQarnComponent::Serialize(ar);
    if (ar.IsStoring()) {
        // The record counts points in 16 bits: a longer list would be cut short and the rest
        // of the file misread, so it is refused and the file stays as it was.
        if (m_nPointCount > kMaxStoredPoints) {
            throw CArchiveException(
                QStringLiteral("a poly of %1 points is longer than a document can hold")
                    .arg(m_nPointCount),
                ar.Position());
        }
        const int alloc = std::clamp(GetAllocPoints(), m_nPointCount, kMaxStoredPoints);
        ar << std::uint16_t(m_nPointCount) << std::uint16_t(alloc) << std::uint32_t(m_dwPolyStyle)
           << m_fCornerRadius << m_fTension << std::uint32_t(0) << std::uint32_t(0)
           << std::uint32_t(0) << std::uint32_t(0);
        for (int i = 0; i < m_nPointCount; ++i) {
            ar << m_Points[size_t(i)];
        }
        return;
    }
    std::uint16_t count = 0;
    std::uint16_t alloc = 0;
    std::uint32_t style = 0;
    std::uint32_t reserved = 0;
    float corner = 0.0f;
    float tension = 0.0f;
    ar >> count >> alloc >> style >> corner >> tension >> reserved >> reserved >> reserved >>
        reserved;
    const qint64 offset = ar.Position();
    if (qint64(count) * 8 > ar.BytesLeft()) {
        throw CArchiveException(QStringLiteral("the poly's %1 points run past the end").arg(count),
                                offset);
    }
    std::vector<PointF> points(std::max<size_t>(alloc, count));
    for (size_t i = 0; i < count; ++i) {
        ar >> points[i];
    }
    m_dwPolyStyle = style;
    SetCornerRadius(corner);
    SetTension(tension);
    m_Points = std::move(points);
    m_nPointCount = count;
    ClearElements();
}

// Point storage.

void CQarnPoly::SetPointCount(int count) {
    m_nPointCount = std::clamp(count, 0, GetAllocPoints());
}

void CQarnPoly::SetAllocPoints(int count) {
    m_Points.resize(size_t(std::max(count, m_nPointCount)));
}

void CQarnPoly::SetPointArray(std::vector<PointF> points) {
    m_Points = std::move(points);
    m_nPointCount = std::min(m_nPointCount, GetAllocPoints());
}

void CQarnPoly::AllocatePoint(int count) {
    // Callers set the count they want and then ask for room: the count is held within the
    // allocation here, so the wish is read from the argument.
    if (count <= GetAllocPoints()) {
        return;
    }
    m_Points.assign(size_t(count), PointF());
    m_nPointCount = count;
}

void CQarnPoly::ClearPoint() {
    m_Points.clear();
    m_nPointCount = 0;
    ResetPath();
}

void CQarnPoly::AddPoint(const PointF& point, CView*) {
    if (m_nPointCount > 0 && SamePoint(point, m_Points[size_t(m_nPointCount - 1)])) {
        return;
    }
    if (m_nPointCount >= GetAllocPoints()) {
        m_Points.resize(size_t(GetAllocPoints() + kGrowBy));
    }
    m_Points[size_t(m_nPointCount)] = point;
    ++m_nPointCount;
    ResetPath();
}

void CQarnPoly::AddPoint(const CPoint& point, CView* view) {
    AddPoint(PointF(float(point.x), float(point.y)), view);
}

void CQarnPoly::AddPointAt(int index, PointF point) {
    if (index < 1 || index > m_nPointCount + 1) {
        return;
    }
    if (index == m_nPointCount + 1) {
        AddPoint(point);
        return;
    }
    // A vertex inserted inside the list is kept even when it repeats the last point: the
    // list grows by one so that no point is lost.
    if (m_nPointCount >= GetAllocPoints()) {
        m_Points.resize(size_t(GetAllocPoints() + kGrowBy));
    }
    std::copy_backward(m_Points.begin() + (index - 1), m_Points.begin() + m_nPointCount,
                       m_Points.begin() + m_nPointCount + 1);
    m_Points[size_t(index - 1)] = point;
    ++m_nPointCount;
    ResetPath();
}

void CQarnPoly::RemovePointAt(int index) {
    if (index < 1 || index > m_nPointCount) {
        return;
    }
    std::copy(m_Points.begin() + index, m_Points.begin() + m_nPointCount,
              m_Points.begin() + (index - 1));
    --m_nPointCount;
    m_Points[size_t(m_nPointCount)] = PointF();
    ResetPath();
}

PointF CQarnPoly::GetPoint(int index, int transformed) const {
    if (index < 1 || index > m_nPointCount) {
        return PointF();
    }
    PointF p = m_Points[size_t(index - 1)];
    if (transformed != 0) {
        TransformPoints(&p, 1);
    }
    return p;
}

void CQarnPoly::SetPoint(int index, PointF point, int transformed) {
    if (index < 1 || index > m_nPointCount) {
        return;
    }
    if (transformed != 0) {
        AntiTransformPoints(&point, 1);
    }
    m_Points[size_t(index - 1)] = point;
}

int CQarnPoly::MovePointTo(int index, PointF point, MoveFlags flags) {
    if (index < 1 || index > m_nPointCount) {
        return 0;
    }
    AntiTransformPoints(&point, 1);
    PointF& stored = m_Points[size_t(index - 1)];
    if (SamePoint(point, stored)) {
        return 0;
    }
    stored = point;
    RecalcBounds(0);
    AfterPointEdit(flags);
    return 1;
}

void CQarnPoly::WritePointsToList(QList<PointF>& list) const {
    for (int i = 0; i < m_nPointCount; ++i) {
        list.append(m_Points[size_t(i)]);
    }
}

void CQarnPoly::ReadPointsFromList(const QList<PointF>& list) {
    POSITION position = list.isEmpty() ? 0 : 1;
    ReadPointsFromList(list, position);
}

void CQarnPoly::ReadPointsFromList(const QList<PointF>& list, POSITION& position) {
    for (int i = 0; i < m_nPointCount && position >= 1 && position <= list.size(); ++i) {
        m_Points[size_t(i)] = list[position - 1];
        position = position < list.size() ? position + 1 : 0;
    }
}

void CQarnPoly::OnAddPoint(int index) {
    CQarnConnectionLink* link = CQarnConnectionLink::Get();
    for (CQarnConnection* connection : GetConnectionList()) {
        const int anchor = link->GetAnchorIndex(connection);
        if (anchor >= index) {
            link->SetAnchorIndex(connection, anchor + 1);
        }
    }
}

void CQarnPoly::OnDeletePoint(int index) {
    CQarnConnectionLink* link = CQarnConnectionLink::Get();
    for (CQarnConnection* connection : GetConnectionList()) {
        const int anchor = link->GetAnchorIndex(connection);
        if (anchor >= index) {
            link->SetAnchorIndex(connection, anchor - 1);
        }
    }
}

void CQarnPoly::SetIntegerPoint(bool on) {
    m_dwPolyStyle = on ? (m_dwPolyStyle | kIntegerPoint) : (m_dwPolyStyle & ~kIntegerPoint);
}

void CQarnPoly::AfterPointEdit(MoveFlags flags) {
    ResetPath();
    HonourMoveFlags(flags);
}
