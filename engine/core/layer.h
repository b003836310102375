#pragma once
// A layer: an ordered list of components (drawing order, the last on top) with a name and
// visible, selectable and locked flags. The layer owns its components.

#include <QString>
#include <limits>

#include "core/component_list.h"
#include "platform/object.h"
#include "platform/win_types.h"

class CQarnCanvas;
class CQarnComponent;
class CArchive;
class CDocument;
class CQarnDoc;

class CQarnLayer : public CObject {
    QARN_DECLARE_SERIAL(CQarnLayer)

public:
    enum : BYTE { Visible = 1, Selectable = 2, Locked = 4 };

    CQarnLayer();
    ~CQarnLayer() override;
    CQarnLayer(const CQarnLayer&) = delete;
    CQarnLayer& operator=(const CQarnLayer&) = delete;

    // The list itself and its plain operations. Positions are 1-based, 0 meaning none.
    ComponentList& GetList() { return m_Components; }
    const ComponentList& GetList() const { return m_Components; }
    CQarnComponent* GetHead() const;
    CQarnComponent* GetTail() const;
    CQarnComponent* RemoveHead();
    CQarnComponent* RemoveTail();
    // Unlinks every component without deleting them.
    void RemoveAll() { m_Components.clear(); }
    POSITION GetHeadPosition() const { return m_Components.isEmpty() ? 0 : 1; }
    POSITION GetTailPosition() const { return int(m_Components.size()); }
    // The component at pos; pos moves to the next (or previous) one, 0 past the end.
    CQarnComponent* GetNext(POSITION& pos) const;
    CQarnComponent* GetPrev(POSITION& pos) const;
    CQarnComponent* GetAt(POSITION pos) const;
    void SetAt(POSITION pos, CQarnComponent* component);
    void RemoveAt(POSITION pos);
    POSITION InsertBefore(POSITION pos, CQarnComponent* component);
    POSITION InsertAfter(POSITION pos, CQarnComponent* component);
    POSITION Find(const CQarnComponent* component) const { return GetObjectPosition(component); }
    // The position of the 0-based index, 0 when out of range.
    POSITION FindIndex(int index) const;
    int GetCount() const { return int(m_Components.size()); }
    bool IsEmpty() const { return m_Components.isEmpty(); }
    int GetObjectPosition(const CQarnComponent* component) const;

    // Inserting sets the component's layer.
    POSITION AddHead(CQarnComponent* component);
    POSITION AddTail(CQarnComponent* component);
    void AddHead(ComponentList* list);
    void AddTail(ComponentList* list);
    // Inserts just before `before`; at the end when it is null or not in the layer.
    void Add(CQarnComponent* component, CQarnComponent* before);
    // Unlinks the component; its layer field stays as it was.
    void Remove(CQarnComponent* component);
    // The component after c, or null when c is last (or absent).
    CQarnComponent* FindObjectAfter(const CQarnComponent* component) const;

    const QString& GetName() const { return m_strName; }
    void SetName(const QString& name) { m_strName = name; }

    BYTE GetPropW() const { return m_nFlags; }
    void SetPropW(BYTE flags) { m_nFlags = flags; }
    void SetVisible(bool on) { SetFlag(Visible, on); }
    void SetSelectable(bool on) { SetFlag(Selectable, on); }
    void SetLocked(bool on) { SetFlag(Locked, on); }
    // The bit's value (2 or 4), not 1.
    int IsSelectable() const { return m_nFlags & Selectable; }
    int IsLocked() const { return m_nFlags & Locked; }
    // With a negative zoom the visible bit; otherwise the zoom must lie in the layer's range.
    bool IsVisible(float zoom = -1.0f) const;
    void SetZoomRange(float lowest, float highest);
    float GetLowestZoom() const { return m_fLowestZoom; }
    float GetHighestZoom() const { return m_fHighestZoom; }

    DWORD GetReserved() const { return m_dwReserved; }
    void SetReserved(DWORD reserved) { m_dwReserved = reserved; }

    CQarnCanvas* GetCanvas() const { return m_pCanvas; }
    void SetCanvas(CQarnCanvas* canvas) { m_pCanvas = canvas; }
    // After loading: takes the canvas and initialises every component with this layer.
    void Initialize(CQarnCanvas* canvas);
    CQarnDoc* GetDocument() const;
    // 1-based position in the canvas's layer list, 0 when absent, -1 without canvas.
    int GetIndexInContainer() const;

    static QString DefaultName() { return QStringLiteral("noname"); }

    // Components (back to front), flags, the reserved word, the name, three zero words.
    void Serialize(CArchive& ar) override;

private:
    void SetFlag(BYTE bit, bool on) {
        m_nFlags = on ? BYTE(m_nFlags | bit) : BYTE(m_nFlags & ~bit);
    }
    bool Valid(POSITION pos) const { return pos >= 1 && pos <= m_Components.size(); }

    ComponentList m_Components;
    DWORD m_dwReserved = 0;
    QString m_strName = DefaultName();
    CQarnCanvas* m_pCanvas = nullptr;
    // A layer shows at every zoom unless a caller gives it a range.
    float m_fLowestZoom = 0.0f;
    float m_fHighestZoom = std::numeric_limits<float>::max();
    BYTE m_nFlags = Visible | Selectable;
};

// Reads one archive object, which must be a layer.
CArchive& operator>>(CArchive& ar, CQarnLayer*& layer);
