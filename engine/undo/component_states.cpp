#include "undo/component_states.h"

#include <QSet>
#include <algorithm>
#include <utility>

#include <cmath>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/component.h"
#include "core/component_style.h"
#include "core/doc.h"
#include "properties/property.h"
#include "shapes/poly.h"
#include "undo/component_lists.h"
#include "undo/fetch_ahead.h"
#include "undo/property_content.h"

namespace {

std::unique_ptr<CQarnConnection> KeepEnd(const CQarnConnection* connection) {
    return std::unique_ptr<CQarnConnection>(connection != nullptr ? connection->Clone() : nullptr);
}

// Puts a connector end back as it was kept: on the same component the connection stays and
// takes the kept anchor and point; otherwise the kept one replaces it (or the end goes free).
void RestoreEnd(CQarnConnector* connector, bool start, const CQarnConnection* kept) {
    CQarnConnection* now = start ? connector->GetLeftConnection() : connector->GetRightConnection();
    if (kept != nullptr && now != nullptr && now->GetComponent() == kept->GetComponent()) {
        now->SetAnchor(kept->GetAnchor());
        now->SetPoint(kept->GetPoint());
        return;
    }
    if (kept == nullptr && now == nullptr) {
        return;
    }
    CQarnConnection* again = kept != nullptr ? kept->Clone() : nullptr;
    if (start) {
        connector->SetLeftConnection(again);
    } else {
        connector->SetRightConnection(again);
    }
}

}  // namespace

CComponentStates::CComponentStates() = default;

CComponentStates::~CComponentStates() {
    Release();
}

CComponentStates::CComponentStates(CComponentStates&& other) noexcept {
    *this = std::move(other);
}

CComponentStates& CComponentStates::operator=(CComponentStates&& other) noexcept {
    if (this != &other) {
        Release();
        m_Components = std::exchange(other.m_Components, ComponentList());
        m_nParts = std::exchange(other.m_nParts, 0u);
        m_nOwn = std::exchange(other.m_nOwn, 0);
        m_Geometry = std::exchange(other.m_Geometry, {});
        m_Handles = std::exchange(other.m_Handles, QList<PointF>());
        m_Ends = std::exchange(other.m_Ends, {});
        m_Properties = std::exchange(other.m_Properties, {});
    }
    return *this;
}

void CComponentStates::Release() {
    for (PropertiesRecord& record : m_Properties) {
        for (HeldProperty& h : record.held) {
            h.object->Remove();
            h.content->Remove();
        }
    }
    m_Properties.clear();
    m_Ends.clear();
}

void CComponentStates::Capture(const ComponentList& components, unsigned parts,
                               const ComponentVisitor& alsoEach) {
    Release();
    m_Components = components;
    m_nParts = parts;
    m_nOwn = int(components.size());
    m_Geometry.clear();
    m_Handles.clear();
    m_Ends.clear();
    const bool connections = (parts & Connections) != 0;
    if ((parts & Geometry) != 0) {
        m_Geometry.reserve(size_t(components.size()));
    }
    // One pass: each component is read, visited and looked at for the search of the
    // connectors resting on it while it is at hand.
    QSet<const CQarnComponent*> connectors;
    ComponentList connected;
    // Keeping the geometry reads most of each component (a visitor its properties too); the
    // ends alone read too little of it for fetching ahead to pay.
    const bool fetchAhead = (parts & Geometry) != 0;
    const Qarn::FetchParts read =
        alsoEach ? Qarn::FetchParts::Properties : Qarn::FetchParts::Fields;
    for (qsizetype i = 0; i < components.size(); ++i) {
        if (fetchAhead) {
            Qarn::FetchAhead(components, i, read);
        }
        CQarnComponent* c = components[i];
        const bool connector = connections && c->IsKindOf(CQarnConnector::ThisClass());
        KeepOne(c, connector);
        if (connections) {
            if (connector) {
                connectors.insert(c);
            }
            if (!c->GetConnectionList().isEmpty()) {
                connected.append(c);
            }
        }
        if (alsoEach) {
            alsoEach(c);
        }
    }
    // The attached connectors only follow: their geometry and ends are kept, not their
    // properties.
    if (connections) {
        const ComponentList attached =
            Qarn::AttachedConnectors(std::move(connected), std::move(connectors));
        if (!attached.isEmpty()) {
            if ((parts & Geometry) != 0) {
                m_Geometry.reserve(m_Geometry.size() + size_t(attached.size()));
            }
            for (CQarnComponent* c : attached) {
                KeepOne(c, true);
            }
            m_Components += attached;
        }
    }
    CaptureProperties();
}

void CComponentStates::KeepOne(CQarnComponent* c, bool connector) {
    if ((m_nParts & Geometry) != 0) {
        m_Geometry.push_back(Keep(*c, m_Handles));
    }
    if (connector) {
        KeepEnds(static_cast<CQarnConnector*>(c));
    }
}

void CComponentStates::KeepEnds(CQarnConnector* connector) {
    m_Ends.push_back(EndsRecord{connector, KeepEnd(connector->GetLeftConnection()),
                                KeepEnd(connector->GetRightConnection())});
}

CComponentStates::GeometryRecord CComponentStates::Keep(const CQarnComponent& c,
                                                        QList<PointF>& handles) {
    GeometryRecord record;
    record.rect = c.GetRectF();
    record.centre = c.GetRotateCenter();
    record.angle = c.GetRotateAngle();
    record.style = c.GetStyle();
    record.state = c.GetState();
    record.handleStart = int(handles.size());
    c.WriteHandlesToList(handles);
    record.handleCount = int(handles.size()) - record.handleStart;
    return record;
}

void CComponentStates::PutBack(CQarnComponent& c, const GeometryRecord& record,
                               const QList<PointF>& handles) {
    c.SetRectF(record.rect);
    c.SetRotateCenter(record.centre);
    c.SetRotateAngle(record.angle);
    c.SetStyle(record.style);
    c.SetState(record.state);
    if (record.handleCount > 0) {
        POSITION position = record.handleStart + 1;
        c.ReadHandlesFromList(handles, position);
    }
}

void CComponentStates::CaptureEnds() {
    m_Ends.clear();
    if ((m_nParts & Connections) == 0) {
        return;
    }
    for (CQarnComponent* c : m_Components) {
        if (c->IsKindOf(CQarnConnector::ThisClass())) {
            KeepEnds(static_cast<CQarnConnector*>(c));
        }
    }
}

void CComponentStates::CaptureProperties() {
    m_Properties.clear();
    if ((m_nParts & Properties) == 0) {
        return;
    }
    m_Properties.resize(size_t(std::min<qsizetype>(m_nOwn, m_Components.size())));
    for (size_t i = 0; i < m_Properties.size(); ++i) {
        for (CQarnProperty* p : m_Components[qsizetype(i)]->GetPropList()) {
            CQarnProperty* content = p->Clone();
            p->IncreaseRefCount();
            content->IncreaseRefCount();
            m_Properties[i].held.push_back(HeldProperty{p, content});
        }
    }
}

void CComponentStates::ApplyConnections() const {
    for (const EndsRecord& record : m_Ends) {
        RestoreEnd(record.connector, true, record.start.get());
        RestoreEnd(record.connector, false, record.end.get());
    }
}

void CComponentStates::ApplyProperties() const {
    for (size_t i = 0; i < m_Properties.size(); ++i) {
        PropertyList& list = m_Components[qsizetype(i)]->GetPropList();
        const PropertyList former = list;
        list.clear();
        for (const HeldProperty& h : m_Properties[i].held) {
            h.object->IncreaseRefCount();
            list.append(h.object);
            Qarn::CopyPropertyContent(h.object, h.content);
        }
        // The component lets go of what it held; the present state keeps its own hold.
        for (CQarnProperty* p : former) {
            p->Remove();
        }
    }
}

namespace {

bool Near(float a, float b) {
    return std::fabs(a - b) <= 1e-3f + 1e-6f * std::fabs(a);
}

// Whose outline depends on more than its own geometry: a connector's on the shapes it meets,
// a poly's on whole units when it rounds its points.
bool OutlineFollowsOnlyItsGeometry(const CQarnComponent* c) {
    if (c->IsKindOf(CQarnConnector::ThisClass())) {
        return false;
    }
    const auto* poly = dynamic_cast<const CQarnPoly*>(c);
    return poly == nullptr || poly->GetIntegerPoint() == 0;
}

}  // namespace

bool CComponentStates::IsMoveOf(const CComponentStates& present, size_t i, float& dx,
                                float& dy) const {
    if ((m_nParts & Properties) != 0 || i >= m_Geometry.size() ||
        !OutlineFollowsOnlyItsGeometry(m_Components[qsizetype(i)])) {
        return false;
    }
    const GeometryRecord& to = m_Geometry[i];
    const GeometryRecord& from = present.m_Geometry[i];
    if (to.rect.Width != from.rect.Width || to.rect.Height != from.rect.Height ||
        to.angle != from.angle || to.style != from.style || to.state != from.state ||
        to.handleCount != from.handleCount) {
        return false;
    }
    dx = to.rect.X - from.rect.X;
    dy = to.rect.Y - from.rect.Y;
    // The rotate centre places the outline only when the component is turned or flipped.
    const bool transformed =
        to.angle != 0.0f || (to.style & (QARN_STYLE_HORIFLIP | QARN_STYLE_VERTFLIP)) != 0;
    if (transformed &&
        (!Near(to.centre.X, from.centre.X + dx) || !Near(to.centre.Y, from.centre.Y + dy))) {
        return false;
    }
    // Each item of the kind's own geometry stays (a size, a count) or moves along (a point).
    for (int k = 0; k < to.handleCount; ++k) {
        const PointF& a = m_Handles[to.handleStart + k];
        const PointF& b = present.m_Handles[from.handleStart + k];
        const bool same = a.X == b.X && a.Y == b.Y;
        if (!same && !(Near(a.X, b.X + dx) && Near(a.Y, b.Y + dy))) {
            return false;
        }
    }
    return true;
}

void CComponentStates::RefreshOne(const CComponentStates& present, int i) const {
    CQarnComponent* c = m_Components[i];
    c->DropEffectCache();
    float dx = 0;
    float dy = 0;
    if (!IsMoveOf(present, size_t(i), dx, dy) || !c->OffsetOutline(dx, dy)) {
        c->ResetPath();
    }
    if (CQarnDoc* doc = c->GetDocument()) {
        doc->NotifyComponentChanged(c, Qarn::ComponentChange::Appearance);
    }
}

void CComponentStates::Exchange() {
    CComponentStates present;
    present.m_Components = m_Components;
    present.m_nParts = m_nParts;
    present.m_nOwn = m_nOwn;
    // The ends and properties as they are, before anything is put back.
    present.CaptureEnds();
    present.CaptureProperties();
    const bool geometry = (m_nParts & Geometry) != 0;
    const bool properties = (m_nParts & Properties) != 0;
    if (geometry) {
        present.m_Geometry.reserve(m_Geometry.size());
    }
    // One pass over the components: each is kept, put back and (unless its outline waits for
    // the ends or the properties) rebuilt while it is at hand.
    QList<int> later;
    for (int i = 0; i < m_Components.size(); ++i) {
        CQarnComponent* c = m_Components[i];
        const bool connector = c->IsKindOf(CQarnConnector::ThisClass());
        if (geometry) {
            present.m_Geometry.push_back(Keep(*c, present.m_Handles));
            PutBack(*c, m_Geometry[size_t(i)], m_Handles);
        }
        if (properties || connector) {
            later.append(i);
        } else if (geometry) {
            RefreshOne(present, i);
        }
    }
    ApplyConnections();
    ApplyProperties();
    for (int i : later) {
        RefreshOne(present, i);
    }
    *this = std::move(present);
}

bool CComponentStates::SameComponents(const CComponentStates& other) const {
    return m_Components == other.m_Components;
}

size_t CComponentStates::GetMemoryUsage() const {
    size_t bytes = sizeof(*this);
    bytes += size_t(m_Components.capacity()) * sizeof(void*);  // the list holds pointers
    bytes += m_Geometry.capacity() * sizeof(GeometryRecord);
    bytes += size_t(m_Handles.capacity()) * sizeof(PointF);
    bytes += m_Ends.capacity() * sizeof(EndsRecord);
    for (const EndsRecord& e : m_Ends) {
        bytes += (e.start ? sizeof(CQarnConnection) : 0) + (e.end ? sizeof(CQarnConnection) : 0);
    }
    bytes += m_Properties.capacity() * sizeof(PropertiesRecord);
    for (const PropertiesRecord& r : m_Properties) {
        bytes += r.held.capacity() * sizeof(HeldProperty);
    }
    return bytes;
}
