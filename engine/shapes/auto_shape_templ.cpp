#include "shapes/auto_shape_templ.h"

#include <cmath>

#include "core/clone_as.h"
#include "core/template_registry.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/graphics_path.h"

QARN_IMPLEMENT_SERIAL(CQarnAutoShapeTempl, CQarnComponent, 0)

namespace {

// The scale that stretches a frame extent onto a rectangle extent; 1 where the frame has none.
float Stretch(float to, float from) {
    const float scale = to / from;
    return from != 0.0f && std::isfinite(scale) ? scale : 1.0f;
}

}  // namespace

CQarnAutoShapeTempl::CQarnAutoShapeTempl() = default;

CQarnAutoShapeTempl::~CQarnAutoShapeTempl() {
    DeleteComponents();
    // Instances drawing with this template look for another one.
    Qarn::NoteTemplatesChanged();
}

void CQarnAutoShapeTempl::DeleteComponents() {
    FreePathList();
    for (CQarnComponent* c : m_Components) {
        c->Remove();
    }
    m_Components.clear();
}

void CQarnAutoShapeTempl::Changed() {
    FreePathList();
    Qarn::NoteTemplatesChanged();
}

void CQarnAutoShapeTempl::SetTemplateID(UINT id) {
    m_nTemplateID = id;
    Qarn::NoteTemplatesChanged();
}

void CQarnAutoShapeTempl::AddComponent(CQarnComponent* component) {
    if (component != nullptr) {
        // A template is no layer: the component no longer belongs to the one it came from.
        component->SetLayer(nullptr);
        m_Components.append(component);
        Changed();
    }
}

void CQarnAutoShapeTempl::AddAnchorPoint(const PointF& point, BYTE direction) {
    m_AnchorPoints.append(point);
    m_AnchorDirections.append(direction);
}

void CQarnAutoShapeTempl::Copy(const CQarnAutoShapeTempl* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnComponent::Copy(source);
    m_nReservedA = source->m_nReservedA;
    m_nReservedB = source->m_nReservedB;
    m_nReservedC = source->m_nReservedC;
    m_nReservedD = source->m_nReservedD;
    m_nReservedE = source->m_nReservedE;
    m_nReservedF = source->m_nReservedF;
    m_strTemplateName = source->m_strTemplateName;
    m_nTemplateID = source->m_nTemplateID;
    m_rcText = source->m_rcText;
    m_nStandardAnchors = source->m_nStandardAnchors;
    m_nDefaultWidth = source->m_nDefaultWidth;
    m_nDefaultHeight = source->m_nDefaultHeight;
    m_AnchorPoints = source->m_AnchorPoints;
    m_AnchorDirections = source->m_AnchorDirections;
    DeleteComponents();
    for (CQarnComponent* c : source->m_Components) {
        CQarnComponent* clone = c->Clone(nullptr);
        clone->SetLayer(nullptr);
        m_Components.append(clone);
    }
    Changed();
}

CQarnComponent* CQarnAutoShapeTempl::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnAutoShapeTempl::Serialize(CArchive& ar) {
    CQarnComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteObjectList(m_Components);
        ar << std::uint32_t(m_nTemplateID) << m_strTemplateName << m_rcText
           << std::int32_t(m_nStandardAnchors) << std::int32_t(m_nDefaultWidth)
           << std::int32_t(m_nDefaultHeight) << std::int32_t(m_nReservedC)
           << std::int32_t(m_nReservedA) << std::int32_t(m_nReservedE)
           << std::int32_t(m_nReservedB);
        ar.WriteCount(quint32(m_AnchorDirections.size()));
        for (BYTE direction : m_AnchorDirections) {
            ar << direction;
        }
        ar.WriteCount(quint32(m_AnchorPoints.size()));
        for (const PointF& p : m_AnchorPoints) {
            ar << p;
        }
        return;
    }
    DeleteComponents();
    Qarn::NoteTemplatesChanged();
    ar.ReadObjectList(RUNTIME_CLASS(CQarnComponent), CArchive::Sharing::Exclusive,
                      [this, &ar](CObject* object) {
                          auto* c = static_cast<CQarnComponent*>(object);
                          // Taken first, so that the template frees it when the read ends.
                          m_Components.append(c);
                          if (c->IsKindOf(RUNTIME_CLASS(CQarnAutoShapeTempl))) {
                              ar.Fail(QStringLiteral("a template holds another template"));
                          }
                      });
    std::uint32_t id = 0;
    std::int32_t standard = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t c = 0;
    std::int32_t a = 0;
    std::int32_t e = 0;
    std::int32_t b = 0;
    ar >> id >> m_strTemplateName >> m_rcText >> standard >> width >> height >> c >> a >> e >> b;
    m_nTemplateID = id;
    m_nStandardAnchors = standard;
    m_nDefaultWidth = width;
    m_nDefaultHeight = height;
    m_nReservedC = c;
    m_nReservedA = a;
    m_nReservedE = e;
    m_nReservedB = b;
    m_AnchorDirections.clear();
    m_AnchorPoints.clear();
    const quint32 directions = ar.ReadCount();
    ar.Require(qint64(directions), "the anchor directions");
    for (quint32 i = 0; i < directions; ++i) {
        BYTE direction = 0;
        ar >> direction;
        m_AnchorDirections.append(direction);
    }
    const qint64 pointsAt = ar.Position();
    const quint32 points = ar.ReadCount();
    if (points != directions) {
        ar.FailAt(pointsAt, QStringLiteral("the template has %1 anchor points for %2 directions")
                                .arg(points)
                                .arg(directions));
    }
    ar.Require(qint64(points) * 8, "the anchor points");
    for (quint32 i = 0; i < points; ++i) {
        PointF p;
        ar >> p;
        m_AnchorPoints.append(p);
    }
    Changed();
}

Matrix CQarnAutoShapeTempl::GetPlacement(const RectF& rect) const {
    const RectF frame = GetRectF();
    return Matrix(Stretch(rect.Width, frame.Width), 0.0f, 0.0f, Stretch(rect.Height, frame.Height),
                  rect.X, rect.Y);
}

PointF CQarnAutoShapeTempl::Place(const PointF& framePoint, const RectF& rect) const {
    return GetPlacement(rect).Map(framePoint);
}

RectF CQarnAutoShapeTempl::Place(const RectF& frameRect, const RectF& rect) const {
    const Matrix m = GetPlacement(rect);
    const PointF from = m.Map(frameRect.GetLocation());
    const PointF to = m.Map(PointF(frameRect.X + frameRect.Width, frameRect.Y + frameRect.Height));
    return RectF(from.X, from.Y, to.X - from.X, to.Y - from.Y);
}
