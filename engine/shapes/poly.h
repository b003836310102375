#pragma once
// A figure defined by a list of points: line, polyline, polygon, curve, closed curve, scribble
// and straight arrow. The poly style chooses how consecutive points are joined; the closed
// style bit closes the figure. Points are in document units in the untransformed frame (the
// component's rotation and flip apply on top) and are numbered from 1.

#include <QList>
#include <vector>

#include "core/component.h"
#include "core/drawing_limits.h"

class CQarnPoly : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnPoly)

public:
    // Join kinds: the low byte of the poly style.
    enum JoinKind : DWORD {
        JoinLineSegment = 0,
        JoinCurve = 1,
        JoinArcSegment = 2,
        JoinCurve1Control = 3,
        JoinCurve2Controls = 4,
    };
    static constexpr DWORD kJoinKindMask = 0xFF;
    // A flag of the poly style that only the property protocol reads and writes.
    static constexpr DWORD kStyleBit8 = 0x100;
    // Points are rounded to whole units while the outline is built.
    static constexpr DWORD kIntegerPoint = 0x80000000u;
    static constexpr int kPolylineShapeID = 18061;
    static constexpr float kDefaultTension = 0.5f;
    // The largest point count the document record can hold.
    static constexpr int kMaxStoredPoints = 0xFFFF;

    CQarnPoly();
    // An empty poly on the frame with the default pen, brush and arrow; the pen is centred on
    // the line.
    explicit CQarnPoly(const RectF& rect);
    ~CQarnPoly() override;

    // The component, the poly style, tension, corner radius and the points.
    void Copy(const CQarnPoly* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    void Serialize(CArchive& ar) override;

    // Point storage. The allocation is the capacity of the array; the count never exceeds it.
    int GetPointCount() const { return m_nPointCount; }
    // Clamped to the allocation.
    void SetPointCount(int count);
    int GetAllocPoints() const { return int(m_Points.size()); }
    // Grows or shrinks the array (never below the count); new points are (0, 0).
    void SetAllocPoints(int count);
    PointF* GetPointArray() { return m_Points.data(); }
    const PointF* GetPointArray() const { return m_Points.data(); }
    // Replaces the array; the allocation becomes its size and the count is clamped to it.
    void SetPointArray(std::vector<PointF> points);
    // Only when n exceeds the allocation: n points at (0, 0), count and allocation n.
    void AllocatePoint(int count);
    void ClearPoint();
    // Appends the point unless it repeats the last one (within 0.0001 on both axes); a full
    // array grows by 10 points.
    void AddPoint(const PointF& point, CView* view = nullptr);
    void AddPoint(const CPoint& point, CView* view = nullptr);
    // Inserts the point as point `index` (1 to count + 1); the points from there on move up.
    void AddPointAt(int index, PointF point);
    void RemovePointAt(int index);
    // Point `index`, through the component's transform when `transformed` is non-zero;
    // (0, 0) outside 1 to count.
    PointF GetPoint(int index, int transformed) const;
    // Stores the point (taken back through the transform when asked); the outline and the
    // bounds are left to the caller.
    void SetPoint(int index, PointF point, int transformed);
    // Moves point `index` to where p shows; 1 when it moved. Flags as for MoveTo.
    virtual int MovePointTo(int index, PointF point, MoveFlags flags);
    void WritePointsToList(QList<PointF>& list) const;
    // Overwrite the points in use with consecutive list items from the head, or from the
    // 1-based position, which advances (0 past the end).
    void ReadPointsFromList(const QList<PointF>& list);
    void ReadPointsFromList(const QList<PointF>& list, POSITION& position);
    // Keep connections on the same vertex after point `index` was inserted or removed.
    void OnAddPoint(int index);
    void OnDeletePoint(int index);
    // The point count and allocation, then the points in use; reading restores all three.
    void WriteHandlesToList(QList<PointF>& list) const override;
    using CQarnComponent::ReadHandlesFromList;
    void ReadHandlesFromList(const QList<PointF>& list, POSITION& position) override;

    // Poly style, tension and corner radius.
    DWORD GetPolyStyle() const { return m_dwPolyStyle; }
    void SetPolyStyle(DWORD style) { m_dwPolyStyle = style; }
    DWORD GetJoinKind() const { return m_dwPolyStyle & kJoinKindMask; }
    void SetIntegerPoint(bool on);
    DWORD GetIntegerPoint() const { return m_dwPolyStyle & kIntegerPoint; }
    float GetTension() const { return m_fTension; }
    void SetTension(float tension) { m_fTension = Qarn::SaneTension(tension, kDefaultTension); }
    float GetCornerRadius() const { return m_fCornerRadius; }
    void SetCornerRadius(float radius) { m_fCornerRadius = Qarn::SaneCoordinate(radius); }

    // Geometry from the points.
    // The frame from the points; 1 when it changed. The flags are not read.
    int RecalcBounds(DWORD flags = 0);
    // Replaces the points by those of the flattened outline.
    void Flatten(float flatness);
    // The outline of the points joined by the poly style; false with fewer than two points.
    bool BuildOutline(GraphicsPath& path) const;
    // The segment (i to i + 1, or count back to 1 when closed) on which the point lies, as
    // shown in whole units; 0 when none. The first two arguments are not used.
    int GetTerminus(int& unusedFirst, int& unusedSecond, CPoint point) const;
    // The first point whose square holds p, when the layer shows and mode is non-zero.
    virtual int HitTest2(CPoint point, CView* view, int mode, CQarnCanvas* canvas);
    // Bakes the rotation and flip into the points; the figure looks the same.
    virtual void Normalize();
    // Drops points lying almost on the line between their neighbours (plain polylines only).
    bool Simplify() override;

    // Outline and geometry of the component.
    BOOL CreateElements(RectF* rect) override;
    int MoveTo(const RectF& rect, MoveFlags flags) override;
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;
    void Shift(float dx, float dy) override;
    // As the base; for a two-point line a hit on the label (handle 3) is reported as 5.
    int HitTest(CPoint point, CView* view, int handles, CQarnCanvas* canvas) override;
    using CQarnComponent::HitTest;
    int Intersects(const CRect& rect, CView* view) override;
    using CQarnComponent::Intersects;
    // Point editing marks every point; otherwise the handles are drawn.
    void DrawTracker(CDC* dc, TrackerState state, float scale) override;
    int GetAnchorCount() const override { return m_nPointCount; }
    PointF GetAnchorPoint(int anchor) const override;
    int GetAnchorDirection(int anchor) const override;

    CVariant GetPropValue(UINT id) override;
    HRESULT SetPropValue(const CVariant& value, UINT id) override;

protected:
    // A two-point line has its two ends (and the label) as handles; any other poly the
    // frame's.
    void GetHandles(std::vector<CQarnHandle>& handles) const override;
    // The label handle of a two-point line: 3, or 5 as the hit test reports it.
    bool IsLineLabelHandle(int handle) const;
    // The frame of exactly two points: from point 1 to point 2, not normalised.
    RectF LineFrame() const;
    // Rebuilds the outline and honours the move flags (1 invalidate, else 2 outline request).
    void AfterPointEdit(MoveFlags flags);

private:
    float m_fCornerRadius = 0.0f;
    DWORD m_dwPolyStyle = JoinLineSegment;
    float m_fTension = kDefaultTension;
    int m_nPointCount = 0;
    std::vector<PointF> m_Points;
};
