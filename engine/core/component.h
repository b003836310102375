#pragma once
// Base class of every drawable object of a document: its frame, style word, rotation,
// identity and name, the properties attached to it, the connections that end on it, and its
// place in a layer and a group.

#include <QList>
#include <QString>
#include <memory>

#include "core/arrow_type.h"
#include "core/component_list.h"
#include "core/component_style.h"
#include "platform/color.h"
#include "platform/crect.h"
#include "platform/hresult.h"
#include "platform/object.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"

class CQarnArrowProperty;
class CQarnBasicBrushProperty;
class CQarnConnection;
class CQarnGroup;
class CQarnLayer;
class CQarnPenProperty;
class CQarnProperty;
class CVariant;
class CView;
struct CQarnEffectCache;

using PropertyList = QList<CQarnProperty*>;
using ConnectionList = QList<CQarnConnection*>;

class CQarnComponent : public CObject {
    QARN_DECLARE_SERIAL(CQarnComponent)

public:
    static constexpr UINT kNoID = 0xFFFFFFFF;

    CQarnComponent();
    // A component on that frame with clones of the default pen and brush.
    explicit CQarnComponent(const RectF& rect);
    ~CQarnComponent() override;
    CQarnComponent(const CQarnComponent&) = delete;
    CQarnComponent& operator=(const CQarnComponent&) = delete;

    // Copying and cloning.
    // Replaces the properties by clones of the source's, then takes the source's layer, style,
    // state, rotation, frame, rotate centre and shape id; id and name stay.
    void Copy(const CQarnComponent* source);
    // A new component of the same content; appended to the layer when one is given.
    virtual CQarnComponent* Clone(CQarnLayer* layer);

    // Identity.
    UINT GetID() const { return m_nID; }
    void SetID(UINT id) { m_nID = id; }
    // The stored name; when empty it becomes "<kind>-<id>" and is kept.
    virtual QString GetName();
    void SetName(const QString& name) { m_strName = name; }
    int GetShapeID() const { return m_nShapeID; }
    void SetShapeID(int shapeId) { m_nShapeID = shapeId; }
    QString GetRText() const { return QString(); }
    void SetRText(const QString&) {}
    const QString& GetSVGText() const { return m_strSVG; }
    void SetSVGText(const QString& text) { m_strSVG = text; }

    // Style word.
    DWORD GetStyle() const { return m_dwStyle; }
    void SetStyle(DWORD style) { m_dwStyle = style; }
    DWORD GetState() const { return m_dwState; }
    void SetState(DWORD state) { m_dwState = state; }
    DWORD GetFlip() const { return m_dwStyle & (QARN_STYLE_HORIFLIP | QARN_STYLE_VERTFLIP); }
    // "None", "Hori.", "Vert." or "Hori.&Vert.".
    QString GetFlipMode() const;

    void SetDrawLine(bool on) { SetStyleBit(QARN_STYLE_DRAWLINE, on); }
    bool GetDrawLine() const { return HasStyle(QARN_STYLE_DRAWLINE); }
    void SetFill(bool on) { SetStyleBit(QARN_STYLE_FILL, on); }
    bool GetFill() const { return HasStyle(QARN_STYLE_FILL); }
    void SetDrawText(bool on) { SetStyleBit(QARN_STYLE_DRAWTEXT, on); }
    bool GetDrawText() const { return HasStyle(QARN_STYLE_DRAWTEXT); }
    void Lock(bool on) { SetStyleBit(QARN_STYLE_LOCK, on); }
    bool IsLocked() const { return HasStyle(QARN_STYLE_LOCK); }
    void SetHoriFlip(bool on) { SetStyleBit(QARN_STYLE_HORIFLIP, on); }
    bool GetHoriFlip() const { return HasStyle(QARN_STYLE_HORIFLIP); }
    void SetVertFlip(bool on) { SetStyleBit(QARN_STYLE_VERTFLIP, on); }
    bool GetVertFlip() const { return HasStyle(QARN_STYLE_VERTFLIP); }
    void SetPWFixZoom(bool on) { SetStyleBit(QARN_STYLE_LWFIX_Z, on); }
    bool IsPWFixZoom() const { return HasStyle(QARN_STYLE_LWFIX_Z); }
    void SetPWFixSize(bool on) { SetStyleBit(QARN_STYLE_LWFIX_S, on); }
    bool IsPWFixSize() const { return HasStyle(QARN_STYLE_LWFIX_S); }
    void LockWidth(bool on) { SetStyleBit(QARN_STYLE_FIXW, on); }
    virtual bool CanSizeX() const { return !HasStyle(QARN_STYLE_FIXW); }
    void LockHeight(bool on) { SetStyleBit(QARN_STYLE_FIXH, on); }
    virtual bool CanSizeY() const { return !HasStyle(QARN_STYLE_FIXH); }
    void LockRotate(bool on) { SetStyleBit(QARN_STYLE_NOROTATE, on); }
    virtual bool CanRotate() const { return !HasStyle(QARN_STYLE_NOROTATE); }
    void LockPosition(bool on) { SetStyleBit(QARN_STYLE_NOMOVE, on); }
    virtual bool CanFreeMove() const { return !HasStyle(QARN_STYLE_NOMOVE); }
    void LockFlip(bool on) { SetStyleBit(QARN_STYLE_NOFLIP, on); }
    virtual bool CanFlip() const { return !HasStyle(QARN_STYLE_NOFLIP); }
    void SetAutoLayout(bool on) { SetStyleBit(QARN_STYLE_LAYOUT, on); }
    bool GetAutoLayout() const { return HasStyle(QARN_STYLE_LAYOUT); }
    void SetClosed(bool on) { SetStyleBit(QARN_STYLE_CLOSED, on); }
    bool IsClosed() const { return HasStyle(QARN_STYLE_CLOSED); }
    void LockRatio(bool on) { SetStyleBit(QARN_STYLE_LOCKRATIO, on); }
    bool IsRatioLocked() const { return HasStyle(QARN_STYLE_LOCKRATIO); }
    void LockEdit(bool on) { SetStyleBit(QARN_STYLE_NOEDIT, on); }
    bool CanEdit() const { return !HasStyle(QARN_STYLE_NOEDIT); }
    void SetAnchorAnyWhere(bool on) { SetStyleBit(QARN_STYLE_ANCHORANYWHERE, on); }
    bool CanAnchorAnyWhere() const { return HasStyle(QARN_STYLE_ANCHORANYWHERE); }
    void SetFillWinding(bool on) { SetStyleBit(QARN_STYLE_FILLWINDING, on); }
    bool GetFillWinding() const { return HasStyle(QARN_STYLE_FILLWINDING); }
    void SetAnchorOnPath(bool on) { SetStyleBit(QARN_STYLE_ANCHORONPATH, on); }
    bool IsAnchorOnPath() const { return HasStyle(QARN_STYLE_ANCHORONPATH); }
    void SetDrawShadow(bool on) { SetStyleBit(QARN_STYLE_SHOWSHADE, on); }
    bool GetDrawShadow() const { return HasStyle(QARN_STYLE_SHOWSHADE); }
    void SetTipUseName(bool on) { SetStyleBit(kStyleTipUseName, on); }
    virtual bool GetTipUseName() const { return HasStyle(kStyleTipUseName); }
    void SetInvisible(bool on) { SetStyleBit(kStyleInvisible, on); }
    virtual bool GetInvisible() const { return HasStyle(kStyleInvisible); }
    void SetFillWithPen(bool on) { SetStyleBit(QARN_STYLE_FILLWITHPEN, on); }
    bool GetFillWithPen() const { return HasStyle(QARN_STYLE_FILLWITHPEN); }
    void SetUseItsOwn(bool on) { SetStyleBit(QARN_STYLE_NOTUSEPARENT, on); }
    bool GetUseItsOwn() const { return HasStyle(QARN_STYLE_NOTUSEPARENT); }

    // Geometry data (the operations with side effects are in the geometry part of the class).
    virtual RectF GetRectF() const { return m_rect; }
    void SetRectF(const RectF& rect) { m_rect = rect; }
    // The frame truncated toward zero.
    CRect GetRect() const;
    void SetRect(const CRect& rect);
    PointF GetCenterPointF() const;
    float GetRotateAngle() const { return m_fRotateAngle; }
    void SetRotateAngle(float degrees) { m_fRotateAngle = degrees; }
    PointF GetRotateCenter() const { return m_ptRotateCenter; }
    void SetRotateCenter(const PointF& center) { m_ptRotateCenter = center; }
    virtual void UpdateRotateCenter();
    virtual void Shift(float dx, float dy);
    const CRect& GetBoundCache() const { return m_rcBound; }
    void SetBoundCache(const CRect& bound) { m_rcBound = bound; }

    // Properties.
    // Raises the property's count and appends it.
    void AddProperty(CQarnProperty* property);
    // The first attached property of that kind, or null.
    CQarnProperty* GetProperty(int kind) const;
    CQarnPenProperty* GetPenProperty() const;
    CQarnBasicBrushProperty* GetBrushProperty() const;
    CQarnProperty* GetTextProperty() const;
    CQarnProperty* GetLabelProperty() const;
    CQarnProperty* GetShadowProperty() const;
    virtual bool HasArrow() const;
    // Unlinks the property and drops this component's reference; null is ignored.
    void RemoveProperty(CQarnProperty* property);
    void RemoveProperty(int kind);
    void ClearAllProperty();
    PropertyList& GetPropList() { return m_PropList; }
    const PropertyList& GetPropList() const { return m_PropList; }
    // Posts QRN_PROPERTYCHANGE to the main window unless the component is inside a group.
    void OnPropertyChanged(UINT id);

    // Forwarders to the pen, brush and arrow properties, neutral when one is missing.
    Color GetLineColor() const;
    void SetLineColor(const Color& color);
    void SetLineColor(DWORD colorref);
    float GetLineWidth() const;
    void SetLineWidth(float width);
    unsigned short GetDashStyle() const;
    void SetDashStyle(unsigned short style);
    BYTE GetDashCap() const;
    void SetDashCap(BYTE cap);
    Color GetFillColor() const;
    void SetFillColor(const Color& color);
    void SetFillColor(DWORD colorref);
    BYTE GetBrushType() const;
    void SetBrushType(BYTE type);
    BYTE GetWrapMode() const;
    void SetWrapMode(BYTE mode);
    bool GetStretch() const;
    void SetStretch(bool on);
    BYTE GetAlpha() const;
    // The alpha of the pen's paint and of the fill alike.
    void SetAlpha(BYTE alpha);
    // Which end: 1 the start, 2 the end (the numbering of the arrow-head set-up).
    virtual ArrowType GetArrowType(UINT end) const;
    virtual void SetArrowType(UINT end, ArrowType type);
    virtual BYTE GetStartArrowSize() const;
    virtual BYTE GetEndArrowSize() const;
    virtual ArrowType GetStartArrow() const;
    virtual ArrowType GetEndArrow() const;
    virtual void SetStartArrowSize(BYTE size);
    virtual void SetEndArrowSize(BYTE size);
    virtual void SetStartArrow(ArrowType type);
    virtual void SetEndArrow(ArrowType type);

    // Connections that end on this component (owned by their connectors).
    void AddConnection(CQarnConnection* connection);
    void RemoveConnection(CQarnConnection* connection);
    ConnectionList& GetConnectionList() { return m_Connections; }
    void ClearAllConnector() { m_Connections.clear(); }

    // Containment.
    CQarnGroup* GetParentGroup() const { return m_pParentGroup; }
    void SetParentGroup(CQarnGroup* group) { m_pParentGroup = group; }
    CQarnLayer* GetLayer() const { return m_pLayer; }
    void SetLayer(CQarnLayer* layer) { m_pLayer = layer; }
    // 1-based position in the list, 0 when absent.
    int GetIndexInList(const ComponentList& list) const;
    // Appends itself; groups add their members too.
    virtual void AddToList(ComponentList& list);
    // Sets the layer after loading; groups pass it on to their members.
    virtual void Initialize(CQarnLayer* layer);

    // Life cycle.
    virtual void OnAdded(int newlyNumbered) { (void)newlyNumbered; }
    virtual void OnRemoved();
    // Deletes the component.
    virtual void Remove();
    virtual bool Simplify() { return true; }
    virtual void RecordlastPosition();
    virtual void OnOpen(CView* view) { (void)view; }
    CQarnEffectCache* GetEffectCache() const { return m_pEffectCache.get(); }
    void SetEffectCache(std::unique_ptr<CQarnEffectCache> cache);
    void DropEffectCache();

protected:
    bool HasStyle(DWORD bit) const { return (m_dwStyle & bit) != 0; }
    void SetStyleBit(DWORD bit, bool on) {
        m_dwStyle = on ? (m_dwStyle | bit) : (m_dwStyle & ~bit);
    }
    // The kind word of the generated name: the class name or the shape's own word.
    QString GetKindWord() const;

    CRect m_rcBound;
    int m_nShapeID = 0;
    QString m_strSVG;
    CQarnLayer* m_pLayer = nullptr;
    UINT m_nID = kNoID;
    CQarnGroup* m_pParentGroup = nullptr;
    PointF m_ptRotateCenter;
    ConnectionList m_Connections;
    QString m_strName;
    RectF m_rect;
    DWORD m_dwStyle = kDefaultComponentStyle;
    DWORD m_dwState = 0;
    float m_fRotateAngle = 0.0f;
    PropertyList m_PropList;
    std::unique_ptr<CQarnEffectCache> m_pEffectCache;

private:
    CQarnBasicBrushProperty* PenPaint() const;
    CQarnArrowProperty* ArrowProperty() const;

    // Archive record and property values.
public:
    // The component's base record; every shape's record begins with it. Reading replaces the
    // properties by those of the record and centres the rotation on the frame.
    void Serialize(CArchive& ar) override;
    // One attribute by its property id (core/property_ids.h), in the variant type of that id;
    // any other id reads the user value attached under it as a property kind (empty when
    // there is none).
    virtual CVariant GetPropValue(UINT id);
    // Converts the value to the type of the id and writes the attribute; any other id writes
    // the user value attached under it, if there is one. A failed conversion or a value out of
    // the attribute's range is returned as its error code and changes nothing.
    virtual HRESULT SetPropValue(const CVariant& value, UINT id);

private:
    HRESULT SetAttribute(const CVariant& value, UINT id);
};
