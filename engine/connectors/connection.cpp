#include "connectors/connection.h"

#include <cmath>

#include "connectors/connector.h"
#include "core/component.h"
#include "core/component_style.h"
#include "core/configuration.h"
#include "core/layer.h"
#include "core/rect_geometry.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/matrix.h"

QARN_IMPLEMENT_SERIAL(CQarnConnection, CObject, 0)

namespace {

// An end closer than this on both axes has not moved.
constexpr float kSamePoint = 0.0001f;

// The change code of a flip and of a change redrawn in full rather than as an outline.
constexpr int kChangeFlipped = 4;
constexpr int kChangeRedrawn = 9;

}  // namespace

CQarnConnection::CQarnConnection() = default;

CQarnConnection::CQarnConnection(CQarnComponent* component, int anchor)
    : m_pComponent(component), m_nAnchor(anchor) {}

CQarnConnection::CQarnConnection(CQarnComponent* component, int anchor, CQarnConnector* connector,
                                 PointF point)
    : m_pComponent(component), m_pConnector(connector), m_nAnchor(anchor), m_ptPoint(point) {
    if (anchor != 0 && component != nullptr) {
        m_ptPoint = component->GetAnchorPoint(anchor);
    }
}

void CQarnConnection::SetNumbers(int layerNumber, int componentNumber) {
    m_nLayerNumber = layerNumber;
    m_nComponentNumber = componentNumber;
}

PointF CQarnConnection::GetConnectPoint() const {
    if (m_nAnchor == 0 || m_pComponent == nullptr) {
        return m_ptPoint;
    }
    return m_pComponent->GetAnchorPoint(m_nAnchor);
}

void CQarnConnection::Connect() {
    if (m_pComponent != nullptr) {
        m_pComponent->AddConnection(this);
    }
}

void CQarnConnection::Disconnect() {
    if (m_pComponent != nullptr) {
        m_pComponent->RemoveConnection(this);
    }
}

void CQarnConnection::Copy(const CQarnConnection* source) {
    if (source == nullptr || source == this) {
        return;
    }
    m_nAnchor = source->m_nAnchor;
    m_pComponent = source->m_pComponent;
    m_pConnector = source->m_pConnector;
    m_nStart = source->m_nStart;
    m_ptPoint = source->m_ptPoint;
}

CQarnConnection* CQarnConnection::Clone() const {
    if (m_pComponent == nullptr) {
        return nullptr;
    }
    auto* clone = new CQarnConnection();
    clone->Copy(this);
    clone->m_nSpare = m_nSpare;
    return clone;
}

PointF CQarnConnection::FollowFreePoint(int change, const RectF& oldRect, const float& oldAngle,
                                        const DWORD& oldStyle) const {
    const int end = IsStart() ? 1 : m_pConnector->GetPointCount();
    PointF p = m_pConnector->GetPoint(end, 1);
    CQarnComponent* c = m_pComponent;
    switch (change) {
        case 1:
            Qarn::TransformPoints(&p, 1, oldRect, c->GetRectF());
            break;
        case 2:
            if (c->NeedTransform()) {
                // Back through the transform the component had in its old frame: its centre
                // moved with the frame unless it was placed elsewhere.
                const PointF centre = c->GetRotateCenter();
                const PointF frameCentre = c->GetCenterPointF();
                PointF oldCentre = centre;
                if (std::fabs(centre.X - frameCentre.X) < kSamePoint &&
                    std::fabs(centre.Y - frameCentre.Y) < kSamePoint) {
                    oldCentre =
                        PointF(oldRect.X + oldRect.Width / 2, oldRect.Y + oldRect.Height / 2);
                }
                Matrix back;
                c->GetTransformMatrix(back, &oldCentre);
                if (back.IsInvertible()) {
                    back.Invert();
                    p = back.Map(p);
                }
                Qarn::TransformPoints(&p, 1, oldRect, c->GetRectF());
                c->TransformPoints(&p, 1);
            } else {
                Qarn::TransformPoints(&p, 1, oldRect, c->GetRectF());
            }
            break;
        case 3: {
            Matrix turn;
            turn.RotateAt(c->GetRotateAngle() - oldAngle, c->GetRotateCenter());
            p = turn.Map(p);
            break;
        }
        case kChangeFlipped: {
            const PointF centre = c->GetCenterPointF();
            const DWORD changed = (oldStyle ^ c->GetStyle());
            if (changed & QARN_STYLE_HORIFLIP) {
                p.X = 2 * centre.X - p.X;
            }
            if (changed & QARN_STYLE_VERTFLIP) {
                p.Y = 2 * centre.Y - p.Y;
            }
            break;
        }
        default:
            break;
    }
    return p;
}

void CQarnConnection::OnChangeComponent(int change, const RectF& oldRect, const float& oldAngle,
                                        const DWORD& oldStyle) {
    CQarnConnector* connector = m_pConnector;
    if (m_pComponent == nullptr || connector == nullptr || connector->IsFollowing() ||
        connector->GetPointCount() < 1) {
        return;
    }
    connector->SetFollowing(true);
    const int end = IsStart() ? 1 : connector->GetPointCount();
    const PointF current = connector->GetPoint(end, 1);
    const PointF p = m_nAnchor != 0 ? m_pComponent->GetAnchorPoint(m_nAnchor)
                                    : FollowFreePoint(change, oldRect, oldAngle, oldStyle);
    if (std::fabs(p.X - current.X) >= kSamePoint || std::fabs(p.Y - current.Y) >= kSamePoint) {
        connector->SetPoint(end, p, 1);
    }
    m_ptPoint = p;

    const RectF previous = connector->GetRectF();
    connector->RecalcBounds(0);
    if (connector->NeedAutoLayout()) {
        connector->AutoLayout();
    }
    connector->ResetHandles();
    connector->ResetPath();
    connector->RecalcBounds(0);

    // With the edit effect the views show the connector's outline while it follows, except
    // after a flip or a redraw, which repaint it whole.
    const bool whole = change == kChangeFlipped || change == kChangeRedrawn;
    if (!whole && Qarn::GetVizEffect() == 1) {
        connector->RequestOutline();
    } else {
        connector->Invalidate(nullptr, false);
    }
    // Connectors resting on this connector follow in turn.
    connector->OnPositionChanged(previous, nullptr, 1);
    connector->SetFollowing(false);
}

void CQarnConnection::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        int componentNumber = m_nComponentNumber;
        int layerNumber = m_nLayerNumber;
        if (m_pComponent != nullptr && m_pComponent->GetLayer() != nullptr) {
            componentNumber = m_pComponent->GetIndexInContainer();
            layerNumber = m_pComponent->GetLayer()->GetIndexInContainer();
        }
        ar << std::int32_t(m_nAnchor) << std::int32_t(componentNumber) << std::int32_t(layerNumber)
           << m_ptPoint << std::uint8_t(m_nSpare) << std::uint8_t(m_nStart);
        return;
    }
    std::int32_t anchor = 0;
    std::int32_t componentNumber = 0;
    std::int32_t layerNumber = 0;
    std::uint8_t spare = 0;
    std::uint8_t start = 0;
    ar >> anchor >> componentNumber >> layerNumber >> m_ptPoint >> spare >> start;
    m_nAnchor = anchor;
    m_nComponentNumber = componentNumber;
    m_nLayerNumber = layerNumber;
    m_nSpare = spare;
    m_nStart = start;
}
