// Construction, copying, the document record, the connections and the handles of a
// connector.
#include "connectors/connector.h"

#include <memory>

#include "connectors/connection.h"
#include "core/canvas.h"
#include "core/clone_as.h"
#include "core/layer.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"

QARN_IMPLEMENT_SERIAL(CQarnConnector, CQarnPoly, 0)

CQarnConnector::CQarnConnector() {
    SetCornerRadius(kDefaultCornerRadius);
}

CQarnConnector::CQarnConnector(const RectF& rect) : CQarnPoly(rect) {
    SetFill(false);
    SetCornerRadius(kDefaultCornerRadius);
    SetIntegerPoint(true);
    m_nHandleCount = 2;
    m_Handles.assign(2, PointF(rect.X, rect.Y));
}

CQarnConnector::~CQarnConnector() {
    SetLeftConnection(nullptr);
    SetRightConnection(nullptr);
}

void CQarnConnector::Copy(const CQarnConnector* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnPoly::Copy(source);
    m_nConnectorType = source->m_nConnectorType;
    m_nToEdge = source->m_nToEdge;
    m_dwAutoLayout = source->m_dwAutoLayout;
    m_nHandleCount = source->m_nHandleCount;
    m_Handles = source->m_Handles;
}

CQarnComponent* CQarnConnector::Clone(CQarnLayer* layer) {
    // The copy rests on the same shapes until a connection table aims it at their copies.
    return Qarn::CloneAs(*this, layer, [this](CQarnConnector& clone) {
        if (m_pStart != nullptr) {
            clone.SetLeftConnection(m_pStart->Clone());
        }
        if (m_pEnd != nullptr) {
            clone.SetRightConnection(m_pEnd->Clone());
        }
    });
}

void CQarnConnector::Serialize(CArchive& ar) {
    CQarnPoly::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::uint16_t(m_nConnectorType) << std::uint16_t(m_nToEdge)
           << std::uint8_t(m_pStart != nullptr ? 1 : 0) << std::uint8_t(m_pEnd != nullptr ? 1 : 0)
           << std::uint32_t(0) << std::uint32_t(0);
        if (m_pStart != nullptr) {
            ar.SerializeEmbedded(*m_pStart);
        }
        if (m_pEnd != nullptr) {
            ar.SerializeEmbedded(*m_pEnd);
        }
        // Every other handle is stored; the ones between are the middles of the legs.
        ar << std::int32_t(m_nHandleCount);
        for (int k = 0; k < m_nHandleCount; k += 2) {
            ar << m_Handles[size_t(k)];
        }
        return;
    }
    std::uint16_t type = 0;
    std::uint16_t toEdge = 0;
    std::uint8_t hasStart = 0;
    std::uint8_t hasEnd = 0;
    std::uint32_t reserved = 0;
    ar >> type >> toEdge >> hasStart >> hasEnd >> reserved >> reserved;
    std::unique_ptr<CQarnConnection> start;
    std::unique_ptr<CQarnConnection> end;
    if (hasStart != 0) {
        start = std::make_unique<CQarnConnection>();
        ar.SerializeEmbedded(*start);
    }
    if (hasEnd != 0) {
        end = std::make_unique<CQarnConnection>();
        ar.SerializeEmbedded(*end);
    }
    std::int32_t count = 0;
    const qint64 offset = ar.Position();
    ar >> count;
    // A handle is a leg of the route: a count beyond the points, or below zero, is damage.
    if (count < 0 || count > std::max(2, GetPointCount())) {
        throw CArchiveException(QStringLiteral("a connector of %1 points cannot have %2 handles")
                                    .arg(GetPointCount())
                                    .arg(count),
                                offset);
    }
    std::vector<PointF> stored;
    for (int k = 0; k < count; k += 2) {
        PointF h;
        ar >> h;
        stored.push_back(h);
    }
    m_nConnectorType = type;
    m_nToEdge = toEdge;
    SetLeftConnection(nullptr);
    SetRightConnection(nullptr);
    // The connections rest on nothing until Initialize finds their components.
    m_pStart = start.release();
    m_pEnd = end.release();
    // The slot decides which end a connection is; a start flag that says otherwise (a damaged
    // file) would later make the connector let go of the wrong end.
    for (bool isStart : {true, false}) {
        if (CQarnConnection* c = isStart ? m_pStart : m_pEnd) {
            c->SetConnector(this);
            c->SetStartFlag(isStart ? 1 : 0);
        }
    }
    ResetHandles();
    m_nHandleCount = count;
    m_Handles.resize(size_t(count));
    for (size_t i = 0; i < stored.size(); ++i) {
        m_Handles[2 * i] = stored[i];
    }
}

// Connections.

void CQarnConnector::AttachConnection(CQarnConnection* connection, bool start) {
    CQarnConnection*& slot = EndConnection(start);
    if (slot != nullptr && slot != connection) {
        if (!m_bDetached) {
            slot->Disconnect();
        }
        delete slot;
    }
    slot = connection;
    if (connection != nullptr) {
        connection->SetConnector(this);
        connection->SetStartFlag(start ? 1 : 0);
        connection->Connect();
    }
}

void CQarnConnector::SetLeftConnection(CQarnConnection* connection) {
    AttachConnection(connection, true);
}

void CQarnConnector::SetRightConnection(CQarnConnection* connection) {
    AttachConnection(connection, false);
}

void CQarnConnector::KillConnection(CQarnComponent* component, int start) {
    CQarnConnection*& slot = EndConnection(start != 0);
    if (slot != nullptr && slot->GetComponent() == component) {
        if (!m_bDetached) {
            slot->Disconnect();
        }
        delete slot;
        slot = nullptr;
    }
}

CQarnComponent* CQarnConnector::GetOtherSide(CQarnComponent* component) const {
    if (m_pStart != nullptr && m_pStart->GetComponent() != component) {
        return m_pStart->GetComponent();
    }
    if (m_pEnd != nullptr && m_pEnd->GetComponent() != component) {
        return m_pEnd->GetComponent();
    }
    return nullptr;
}

bool CQarnConnector::NeedAutoLayout() const {
    return m_nConnectorType != TypeDirect && GetParentGroup() == nullptr;
}

void CQarnConnector::OnFinishedMove() {
    if (m_nConnectorType != TypeDirect && m_dwAutoLayout != 0 && GetParentGroup() == nullptr) {
        AutoLayout();
        RecalcBounds(0);
    }
}

void CQarnConnector::Initialize(CQarnLayer* layer) {
    CQarnPoly::Initialize(layer);
    CQarnCanvas* canvas = layer != nullptr ? layer->GetCanvas() : nullptr;
    for (bool start : {true, false}) {
        CQarnConnection*& slot = EndConnection(start);
        if (slot == nullptr || slot->GetComponent() != nullptr) {
            continue;
        }
        CQarnComponent* found = nullptr;
        const int layerNumber = slot->GetLayerNumber();
        const int componentNumber = slot->GetComponentNumber();
        if (canvas != nullptr && layerNumber >= 1 && layerNumber <= canvas->GetLayers().size()) {
            const ComponentList& list = canvas->GetLayers()[layerNumber - 1]->GetList();
            if (componentNumber >= 1 && componentNumber <= list.size()) {
                found = list[componentNumber - 1];
            }
        }
        if (found == nullptr || found == this) {
            // Nothing to rest on: the end stays where it is, free.
            delete slot;
            slot = nullptr;
            continue;
        }
        slot->SetComponent(found);
        slot->Connect();
    }
}

void CQarnConnector::OnRemoved() {
    CQarnPoly::OnRemoved();
    for (CQarnConnection* c : {m_pStart, m_pEnd}) {
        if (c != nullptr) {
            c->Disconnect();
        }
    }
    m_bDetached = true;
}

void CQarnConnector::OnAdded(int newlyNumbered) {
    CQarnPoly::OnAdded(newlyNumbered);
    if (!m_bDetached) {
        return;
    }
    m_bDetached = false;
    for (CQarnConnection* c : {m_pStart, m_pEnd}) {
        if (c != nullptr) {
            c->Connect();
        }
    }
}

void CQarnConnector::RecordlastPosition() {
    // Two connectors resting on each other ask each other in turn: once is enough.
    if (m_bRecording) {
        return;
    }
    m_bRecording = true;
    CQarnPoly::RecordlastPosition();
    m_bRecording = false;
}

// Handles.

void CQarnConnector::SetHandleCount(int count) {
    m_nHandleCount = std::max(count, 0);
    m_Handles.resize(size_t(m_nHandleCount));
}

void CQarnConnector::ResetHandles() {
    const int n = GetPointCount();
    const PointF first = GetPoint(1, 0);
    const PointF last = GetPoint(n, 0);
    if (m_nConnectorType == TypeDirect || n <= 3) {
        SetHandleCount(2);
        m_Handles[0] = first;
        m_Handles[1] = last;
        return;
    }
    SetHandleCount(n - 1);
    m_Handles[0] = first;
    m_Handles[size_t(n - 2)] = last;
    for (int k = 2; k <= n - 2; ++k) {
        const PointF a = GetPoint(k, 0);
        const PointF b = GetPoint(k + 1, 0);
        m_Handles[size_t(k - 1)] = PointF((a.X + b.X) / 2, (a.Y + b.Y) / 2);
    }
}

void CQarnConnector::SetHandle(int handle, PointF point) {
    if (handle >= 1 && handle <= m_nHandleCount) {
        m_Handles[size_t(handle - 1)] = point;
    }
}

void CQarnConnector::GetHandles(std::vector<CQarnHandle>& handles) const {
    for (int k = 0; k < m_nHandleCount; ++k) {
        const PointF& p = m_Handles[size_t(k)];
        if (k == 0 || k == m_nHandleCount - 1) {
            const bool start = k == 0;
            CQarnHandle end = CQarnHandle::ConnectorEnd(p, (start ? m_pStart : m_pEnd) != nullptr);
            end.layer = start ? 2 : 1;
            handles.push_back(end);
        } else {
            handles.push_back(CQarnHandle::ConnectorLeg(p));
        }
    }
}
