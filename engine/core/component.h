#pragma once
// Base class of every drawable object of a document: its frame, style word, rotation,
// identity and name, the properties attached to it, the connections that end on it, and its
// place in a layer and a group.

#include <QtCore/qnamespace.h>
#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/arrow_type.h"
#include "core/component_list.h"
#include "core/component_style.h"
#include "core/handle.h"
#include "core/move_flags.h"
#include "core/path_mode.h"
#include "platform/color.h"
#include "platform/crect.h"
#include "platform/hresult.h"
#include "platform/object.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"

class QIODevice;
class CQarnArrowProperty;
class CQarnBasicBrushProperty;
class CQarnConnection;
class CQarnGroup;
class CQarnLabelProperty;
class CQarnLayer;
class CQarnPenProperty;
class CQarnProperty;
class CQarnShadowProperty;
class CQarnTextProperty;
class CQarnTipProperty;
class CVariant;
class CDocument;
class CQarnDoc;
class CView;
struct CCharFormat;
struct CQarnEffectCache;
// Geometry and drawing.
class CDC;
class CQarnCanvas;
class CQarnElement;
class CQarnLabelFacet;
class CQarnShadowFacet;
class CQarnTextFacet;
class CRgn;
class Graphics;
class GraphicsPath;
class Matrix;
class Region;

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
    // The name as stored, empty until one is given or generated.
    const QString& GetStoredName() const { return m_strName; }
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
    CQarnTextProperty* GetTextProperty() const;
    CQarnLabelProperty* GetLabelProperty() const;
    CQarnShadowProperty* GetShadowProperty() const;
    CQarnTipProperty* GetTipProperty() const;
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
    // Text forwarders: empty text, colour 0 and an "Arial" 12 pt format without a text.
    QString GetText() const;
    void SetText(const QString& value);
    // A colour reference (red in the low byte).
    virtual COLORREF GetTextColor() const;
    virtual void SetTextColor(const Color& color);
    virtual void SetTextColor(const DWORD& colorref);
    virtual CCharFormat GetCharFormat() const;
    virtual void SetCharFormat(const CCharFormat& format, CView* view);
    // The tool-tip text: the tip property's, empty without one.
    QString GetTipText() const;
    // Makes the tool-tip text the given one, attaching a tip property when there is none.
    void SetTipText(const QString& text);

    // Connections that end on this component (owned by their connectors).
    void AddConnection(CQarnConnection* connection);
    void RemoveConnection(CQarnConnection* connection);
    ConnectionList& GetConnectionList() { return m_Connections; }
    void ClearAllConnector() { m_Connections.clear(); }
    // Whether one of the connections is an end of that connector.
    bool BeenConnectedBy(const CQarnComponent* connector) const;

    // Containment.
    CQarnGroup* GetParentGroup() const { return m_pParentGroup; }
    void SetParentGroup(CQarnGroup* group) { m_pParentGroup = group; }
    CQarnLayer* GetLayer() const { return m_pLayer; }
    void SetLayer(CQarnLayer* layer) { m_pLayer = layer; }
    // 1-based position in the list, 0 when absent.
    int GetIndexInList(const ComponentList& list) const;
    // 1-based position in the layer's list, 0 when absent, -1 without layer.
    int GetIndexInContainer() const;
    // The layer's document, or null without layer.
    CQarnDoc* GetDocument() const;
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
    // Remembers where it is before an edit (the lower-case "last" is the system's spelling).
    virtual void RecordlastPosition();
    // The geometry a kind keeps beyond the frame, rotation and style (points, ends, corners),
    // appended to the list; reading takes it back from the 1-based position, which advances
    // past what was read (0 at the end). The base keeps nothing beyond the frame.
    virtual void WriteHandlesToList(QList<PointF>& list) const { (void)list; }
    void ReadHandlesFromList(const QList<PointF>& list);
    virtual void ReadHandlesFromList(const QList<PointF>& list, POSITION& position) {
        (void)list;
        (void)position;
    }
    virtual void OnOpen(CView* view) { (void)view; }
    // Shows the sheet of the component's properties (core/property_editor.h); 1 when the user
    // confirmed it and the component holds the edited properties, 0 when nothing changed.
    virtual int OnEditProperties(CView* view);
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

public:
    // ---- Geometry and editing -------------------------------------------------------------
    // The frame is built unrotated; the transform (a flip, then the rotation by the angle
    // rounded to whole degrees, both about the rotate centre) maps it to where it shows.
    // Handles are numbered 1 to 8 clockwise from the top-left of the frame, then the label.

    // What a tracker is drawn for: 1 and 2 the selection modes, 4 point editing.
    enum TrackerState {
        TrackerNormal = 0,
        TrackerSelected = 1,
        TrackerActive = 2,
        TrackerEditing = 4
    };

    // Transform.
    // Prepends the flip and the rotation about `center` (the rotate centre when null) to m.
    void GetTransformMatrix(Matrix& m, PointF* center = nullptr) const;
    bool NeedTransform() const;
    // The angle as applied: rounded to whole degrees.
    float GetAppliedAngle() const;
    void TransformPoints(PointF* points, int count) const;
    void AntiTransformPoints(PointF* points, int count) const;
    void TransformPath(Matrix* matrix);
    // Maps the outline from one rectangle onto another.
    void TransformPath(RectF from, RectF to);

    // Moving and sizing (core/move_flags.h): Invalidate, else Outline asks the active view
    // for the outline; KeepRatio while sizing.
    // 0 when the rectangle is the current one, else 1.
    virtual int MoveTo(const RectF& rect, MoveFlags flags);
    // Drags a handle to a point (taken into the unrotated frame); 0 when refused.
    virtual int MoveHandleTo(int handle, PointF point, MoveFlags flags);
    // Centres the label on the point.
    virtual int MoveLabelHandleTo(int handle, PointF point, MoveFlags flags);
    // The point that stays put while the handle is dragged (untransformed).
    virtual PointF GetFixPoint(int handle) const;
    // Repaints the component in every view of its document (dropping the effect cache when the
    // edit effect is on); the view and erase arguments are kept for callers and ignored.
    virtual void Invalidate(CView* view, bool erase);
    // Asks the views of its document to show the component (or its label) as drag feedback.
    void RequestOutline(bool label = false);
    // After an edit: Invalidate repaints, else Outline asks for the outline (of the label).
    void HonourMoveFlags(MoveFlags flags, bool label = false);

    // Rotation and flip.
    // Adds the angle (normalised to [0, 360)) and turns the frame about the centre.
    virtual void RotateAt(float angle, PointF center, int move);
    // Mirrors horizontally (0x10) or vertically (0x20) about the axis point.
    virtual void Flip(BYTE mode, PointF axis, int);
    // Makes the point the rotate centre without moving what shows; 0 when it already is.
    virtual int MoveRotateCenter(PointF center);
    // Tell the connector ends resting here to follow (connectors moving along are skipped,
    // those inside groups let go).
    virtual void OnPositionChanged(const RectF& oldRect, ComponentList* moving, int change);
    virtual void OnRotated(const float& oldAngle, ComponentList* moving, int change);
    virtual void OnFlipped(const DWORD& oldStyle, ComponentList* moving, int change);

    // Handles. Every shape describes its handles once (GetHandles); numbering, positions,
    // cursors, trackers and handle hit tests all come from that description.
    virtual int GetFreeHandleCount() const { return 0; }
    // The handles numbered from 1 in the order the shape lists them (markers are listed with
    // number 0 and not counted) and placed as shown; none for a member of a group.
    std::vector<CQarnHandle> GetShownHandles() const;
    // The handle of that number, if there is one.
    std::optional<CQarnHandle> FindHandle(int handle) const;
    // Base shapes: the sizing handles (8, 2 or 0 by what can be sized), plus 1 with a label.
    int GetHandleCount() const;
    int GetSizingHandleCount() const;
    bool IsLabelHandle(int handle) const;
    // The handle's point, transformed when asked (the label handle never is); the frame's
    // centre for a number that is no handle.
    PointF GetHandle(int handle, int transformed) const;
    // The size-all cursor for a number that is no handle.
    Qt::CursorShape GetHandleCursor(int handle) const;
    // The square 3 units around the point or the handle.
    CRect GetPointRect(CPoint point, CView* view) const;
    CRect GetHandleRect(int handle, CView* view) const;

    // Hit testing, in whole document units.
    // The first of handles 1 to 8 whose transformed point truncates to p; 0 when none.
    virtual int HitTestHandle(CPoint point) const;
    // handles 0: 1 when the point lies in the frame as shown, else 0; otherwise the number of
    // the handle whose square holds the point (the topmost first), 0 when none.
    virtual int HitTest(CPoint point, CView* view, int handles, CQarnCanvas* canvas);
    // Hit testing at any zoom, in document units: the view turns its tolerance in pixels into
    // units. Whether the point lies on the component as shown: inside it when it is filled or
    // shows text, or within the tolerance (plus half the pen's width) of its outline. A
    // component on a hidden layer, or on another canvas than the one given, is never hit.
    bool HitTest(PointF point, float tolerance, CQarnCanvas* canvas = nullptr);
    // The number of the handle within the tolerance of the point on both axes, the topmost
    // first; 0 when none.
    int HitTestHandle(PointF point, float tolerance) const;
    virtual int HitTestPath(CPoint point, CView* view);
    // Whether the rectangle touches a band as wide as the line (plus 5) around the segment.
    int Intersects(CRect rect, POINT from, POINT to) const;
    int PointOnLine(CPoint point, POINT from, POINT to) const;
    // Whether the tight bounds lie inside the rectangle.
    virtual int InRect(const CRect& rect);
    virtual int InRegion(const CRgn& area);
    virtual int Intersects(CRgn& area);
    virtual int Intersects(const CRect& rect, CView* view);
    virtual int OverlapRect(const CRect& rect);
    // The area the component covers as shown: its interior when filled or closed, and its
    // stroke with the pen allowance.
    virtual void GetRegion(Region& region);
    // The two parts of the region: the outline when it is filled (empty otherwise), and the
    // stroke widened by the pen's allowance.
    void GetRegionParts(GraphicsPath& filled, GraphicsPath& stroke);
    // The last point outside the component on the way from a (inside) to b.
    virtual POINT GetIntersectPoint(POINT from, POINT to);

    // Anchors, numbered from 1: the four side middles, then the centre.
    virtual int GetAnchorCount() const { return 5; }
    virtual PointF GetAnchorPoint(int anchor) const;
    // 1 up, 2 right, 4 down, 8 left, 16 none; as shown after flip and rotation.
    virtual int GetAnchorDirection(int anchor) const;
    // 0 when connectors attach anywhere, -1 without anchors, else the nearest anchor.
    int GetNearbyAnchor(PointF point) const;
    // How far the anchor lies inside the transformed frame's bounding rectangle towards the
    // side of the direction (1 up, 2 right, 4 down, 8 left); never negative.
    virtual float GetAnchorToBoundDistance(int anchor, int direction) const;

    // Bounds.
    // The frame as shown, with the pen, arrow and join allowances, the shadow and the label.
    virtual CRect GetBoundRect(bool);
    // The outline as shown, without allowances.
    CRect GetTightBoundRect();

    // Elements and the outline.
    int GetElementCount() const { return int(m_Elements.size()); }
    CQarnElement* GetElement(int index) const;
    // Gives every element the frame, the style's fill, line and closed flags, and the pen,
    // arrow and brush (mode 16: the shadow's brush).
    virtual void InitElements(int mode);
    // Replaces the elements by those of the outline in the rectangle (the frame when null).
    virtual BOOL CreateElements(RectF* rect);
    // Rebuilds the elements and the combined outline.
    void ResetPath();
    // Moves the outline as built (each element's path and frame, and the combined path) by the
    // offset: what a rebuild after moving the frame by it would give, without rebuilding.
    // False, and nothing moved, when no outline is built.
    bool OffsetOutline(float dx, float dy);
    // Appends the element paths the mode takes (all, those joined, those kept apart).
    virtual void CreatePath(GraphicsPath& path, RectF* rect, PathMode mode);
    // The combined outline (null before it is built).
    GraphicsPath* GetPath() const { return m_pPath; }
    // Where the text is laid out.
    virtual RectF GetTextPosition() const;

    // Drawing. Mode 2 draws outlines only (drag feedback).
    // Builds what drawing reads (the outline and elements, the paints' pictures), on the
    // thread that owns the document. Until the component changes, Draw then writes nothing,
    // so that several threads may draw it at once.
    virtual void PrepareForDrawing();
    virtual void Draw(Graphics* graphics, const CRect& clip, CPoint* origin, Matrix* matrix,
                      const BYTE& mode);
    virtual void Draw(CDC* dc, const CRect& clip, CPoint* origin, Matrix* matrix, const BYTE& mode);
    // The outline (in the rectangle when given) as dotted inverting feedback.
    virtual void DrawOutline(CDC* dc, RectF* rect);
    // The outline filled with the shadow's paint, placed by the shadow.
    virtual void DrawShadowEffect(Graphics* graphics, CPoint* origin, Matrix* matrix,
                                  CQarnShadowFacet* shadow);
    // The handles of a selected component, `scale` document units to the pixel.
    virtual void DrawTracker(CDC* dc, TrackerState state, float scale);
    virtual void DrawAnchor(CDC* dc);

    // The label, shadow and text properties as the geometry and drawing see them.
    CQarnLabelFacet* GetLabelFacet() const;
    CQarnShadowFacet* GetShadowFacet() const;
    CQarnTextFacet* GetTextFacet() const;

protected:
    // The shape's handles in number order, in the unrotated frame; GetShownHandles numbers
    // and places them. The base lists its sizing handles, then the label's.
    virtual void GetHandles(std::vector<CQarnHandle>& handles) const;
    void AddSizingHandles(std::vector<CQarnHandle>& handles) const;
    // Nothing without a label.
    void AddLabelHandle(std::vector<CQarnHandle>& handles) const;
    // Stores an adjust handle's parameter from its new place in the unrotated frame (already
    // within its constraint); false when the shape has no such parameter.
    virtual bool SetAdjustParameter(int parameter, const PointF& framePoint);
    // Drags an adjust handle: the point is taken into the unrotated frame, kept within the
    // handle's constraint and stored through SetAdjustParameter; then the outline is rebuilt
    // and the move flags honoured. 0 when the number is no adjust handle or nothing is stored.
    int MoveAdjustHandleTo(int handle, PointF point, MoveFlags flags);
    // The geometry of the zoom-aware hit test (the layer and canvas are already checked).
    virtual bool HitTestShape(PointF point, float tolerance);
    // Whether the component shows on that canvas (any canvas when null) in a visible layer.
    bool IsHittableOn(const CQarnCanvas* canvas) const;
    // The frame's own handle or, for None and Label, its centre, untransformed.
    PointF GetFrameHandle(QarnHandleId id) const;
    // The frame position a handle number of the frame's table stands for.
    QarnHandleId GetPhysicalHandle(int handle) const;
    void ClearElements();
    void AddElement(std::unique_ptr<CQarnElement> element);
    // Which connections to tell, and how.
    void NotifyConnections(int change, const RectF& oldRect, const float& oldAngle,
                           const DWORD& oldStyle, ComponentList* moving);
    // Sets the rectangle by moving the frame (Shift) or by setting it.
    void MoveFrameBy(float dx, float dy, int move);

    std::vector<std::unique_ptr<CQarnElement>> m_Elements;
    // The combined outline: the single element's path, or the owned union of several.
    GraphicsPath* m_pPath = nullptr;
    std::unique_ptr<GraphicsPath> m_pOwnedPath;

private:
    CQarnBasicBrushProperty* PenPaint() const;
    CQarnArrowProperty* ArrowProperty() const;

    // Archive record and property values.
public:
    // The component's base record; every shape's record begins with it. Reading replaces the
    // properties by those of the record and centres the rotation on the frame.
    void Serialize(CArchive& ar) override;
    // Appends the component's SVG text to *out: its outline, paint, arrow heads, shadow and
    // text, with the definitions they need (once per export). `folder` is where pictures are
    // saved beside the file.
    virtual void ExportToSVG(QString* out, QString* folder);
    // The same text written to an open text file (UTF-8); pictures go beside that file.
    void ExportToSVG(QIODevice* file);

    // One attribute by its property id (the rows of core/property_table.h), in the variant
    // type of that id; any other id reads the user value attached under it as a property kind
    // (empty when there is none).
    virtual CVariant GetPropValue(UINT id);
    // Converts the value to the type of the id and writes the attribute; any other id writes
    // the user value attached under it, if there is one. A failed conversion or a value out of
    // the attribute's range is returned as its error code and changes nothing.
    virtual HRESULT SetPropValue(const CVariant& value, UINT id);
};
