#pragma once
// The state of components that an edit changes, kept by the action so that the edit can be
// taken back and made again exactly, byte for byte in the saved document:
// - Geometry: the frame, rotate centre, rotation, style and state words, and what the kind
//   keeps beyond them (points, handles, ends, corners: WriteHandlesToList);
// - Connections: the two ends of every connector among the components;
// - Properties: the property list and the content of each property.
// With Connections, the connectors resting on the components (and on those, in turn) are
// kept too, geometry and ends, since they follow whatever the components do.
//
// An action keeps one state and exchanges it with the present one: the first exchange takes
// the edit back and keeps the state after it, the second makes the edit again.

#include <QList>
#include <functional>
#include <memory>
#include <vector>

#include "core/component_list.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"
#include "platform/win_types.h"

class CQarnComponent;
class CQarnConnection;
class CQarnConnector;
class CQarnProperty;

class CComponentStates {
public:
    enum Part : unsigned { Geometry = 1, Connections = 2, Properties = 4 };

    CComponentStates();
    ~CComponentStates();
    CComponentStates(CComponentStates&&) noexcept;
    CComponentStates& operator=(CComponentStates&&) noexcept;
    CComponentStates(const CComponentStates&) = delete;
    CComponentStates& operator=(const CComponentStates&) = delete;

    // Called for each of the components given while its state is read, so that a caller with
    // more to do to every component does it in the same walk.
    using ComponentVisitor = std::function<void(CQarnComponent*)>;

    // Keeps the present state of the components (and, with Connections, of the connectors
    // resting on them).
    void Capture(const ComponentList& components, unsigned parts,
                 const ComponentVisitor& alsoEach = nullptr);
    // Puts the kept state back and keeps the present one instead; each component is rebuilt
    // and repainted.
    void Exchange();

    // The components kept, the attached connectors after those of the list.
    const ComponentList& GetComponents() const { return m_Components; }
    bool IsEmpty() const { return m_Components.isEmpty(); }
    unsigned GetParts() const { return m_nParts; }
    // Whether both keep the same components.
    bool SameComponents(const CComponentStates& other) const;
    // The bytes the kept state holds, for the benchmarks.
    size_t GetMemoryUsage() const;

private:
    struct GeometryRecord {
        RectF rect;
        PointF centre;
        float angle = 0;
        DWORD style = 0;
        DWORD state = 0;
        int handleStart = 0;
        int handleCount = 0;
    };
    struct EndsRecord {
        CQarnConnector* connector = nullptr;
        std::unique_ptr<CQarnConnection> start;
        std::unique_ptr<CQarnConnection> end;
    };
    struct HeldProperty {
        // The property itself (its identity is kept) and a copy of its content; this state
        // holds one reference on each.
        CQarnProperty* object = nullptr;
        CQarnProperty* content = nullptr;
    };
    struct PropertiesRecord {
        std::vector<HeldProperty> held;
    };

    // Keeps the geometry of one more component and, for a connector (told only with
    // Connections), its ends.
    void KeepOne(CQarnComponent* c, bool connector);
    static GeometryRecord Keep(const CQarnComponent& c, QList<PointF>& handles);
    static void PutBack(CQarnComponent& c, const GeometryRecord& record,
                        const QList<PointF>& handles);
    void CaptureEnds();
    void KeepEnds(CQarnConnector* connector);
    void CaptureProperties();
    // Whether the kept geometry of component i is the present one moved by (dx, dy) and
    // nothing else, so that its outline can move along instead of being built again.
    bool IsMoveOf(const CComponentStates& present, size_t i, float& dx, float& dy) const;
    // Rebuilds (or moves) component i's outline and repaints it.
    void RefreshOne(const CComponentStates& present, int i) const;
    void ApplyConnections() const;
    void ApplyProperties() const;
    void Release();

    ComponentList m_Components;
    unsigned m_nParts = 0;
    int m_nOwn = 0;
    std::vector<GeometryRecord> m_Geometry;
    QList<PointF> m_Handles;
    std::vector<EndsRecord> m_Ends;
    std::vector<PropertiesRecord> m_Properties;
};
