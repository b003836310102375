#include "undo/component_states.h"

#include <algorithm>
#include <utility>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/component.h"
#include "core/doc.h"
#include "properties/property.h"
#include "undo/component_lists.h"
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

void CComponentStates::Capture(const ComponentList& components, unsigned parts) {
    ComponentList all = components;
    if ((parts & Connections) != 0) {
        all += Qarn::AttachedConnectors(components);
    }
    CaptureExactly(all, parts, int(components.size()));
}

void CComponentStates::CaptureExactly(const ComponentList& components, unsigned parts, int own) {
    Release();
    m_Components = components;
    m_nParts = parts;
    m_nOwn = own;
    m_Geometry.clear();
    m_Handles.clear();
    if ((parts & Geometry) != 0) {
        m_Geometry.reserve(size_t(components.size()));
        for (CQarnComponent* c : components) {
            GeometryRecord record;
            record.rect = c->GetRectF();
            record.centre = c->GetRotateCenter();
            record.angle = c->GetRotateAngle();
            record.style = c->GetStyle();
            record.state = c->GetState();
            record.handleStart = int(m_Handles.size());
            c->WriteHandlesToList(m_Handles);
            record.handleCount = int(m_Handles.size()) - record.handleStart;
            m_Geometry.push_back(record);
        }
    }
    if ((parts & Connections) != 0) {
        for (CQarnComponent* c : components) {
            if (c->IsKindOf(CQarnConnector::ThisClass())) {
                auto* connector = static_cast<CQarnConnector*>(c);
                m_Ends.push_back(EndsRecord{connector, KeepEnd(connector->GetLeftConnection()),
                                            KeepEnd(connector->GetRightConnection())});
            }
        }
    }
    if ((parts & Properties) != 0) {
        m_Properties.resize(size_t(std::min<qsizetype>(own, components.size())));
        for (size_t i = 0; i < m_Properties.size(); ++i) {
            for (CQarnProperty* p : components[qsizetype(i)]->GetPropList()) {
                CQarnProperty* content = p->Clone();
                p->IncreaseRefCount();
                content->IncreaseRefCount();
                m_Properties[i].held.push_back(HeldProperty{p, content});
            }
        }
    }
}

void CComponentStates::ApplyGeometry() const {
    for (size_t i = 0; i < m_Geometry.size(); ++i) {
        CQarnComponent* c = m_Components[qsizetype(i)];
        const GeometryRecord& record = m_Geometry[i];
        c->SetRectF(record.rect);
        c->SetRotateCenter(record.centre);
        c->SetRotateAngle(record.angle);
        c->SetStyle(record.style);
        c->SetState(record.state);
        if (record.handleCount > 0) {
            POSITION position = record.handleStart + 1;
            c->ReadHandlesFromList(m_Handles, position);
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

void CComponentStates::Exchange() {
    CComponentStates present;
    present.CaptureExactly(m_Components, m_nParts, m_nOwn);
    ApplyGeometry();
    ApplyConnections();
    ApplyProperties();
    for (CQarnComponent* c : m_Components) {
        c->DropEffectCache();
        c->ResetPath();
        if (CQarnDoc* doc = c->GetDocument()) {
            doc->NotifyComponentChanged(c, Qarn::ComponentChange::Appearance);
        }
    }
    *this = std::move(present);
}

bool CComponentStates::SameComponents(const CComponentStates& other) const {
    return m_Components == other.m_Components;
}

size_t CComponentStates::GetMemoryUsage() const {
    size_t bytes = sizeof(*this);
    bytes += size_t(m_Components.capacity()) * sizeof(CQarnComponent*);
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
