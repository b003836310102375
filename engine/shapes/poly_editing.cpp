// Moving, sizing, normalising and simplifying a poly; its handles, anchors, hit tests,
// tracker and the poly-style property ids.
#include <cmath>
#include <vector>

#include "core/conversions.h"
#include "core/layer.h"
#include "core/property_ids.h"
#include "core/rect_geometry.h"
#include "core/tracker_marks.h"
#include "platform/dc.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/pen.h"
#include "platform/region.h"
#include "platform/solid_brush.h"
#include "platform/variant.h"
#include "shapes/poly.h"

namespace {

constexpr float kPi = 3.14159265358979f;
// Radians to degrees as the anchor classification counts them.
constexpr float kAnchorDegrees = 57.295776f;
// Flatness of the stroke that clicks are tested against.
constexpr float kStrokeFlatness = 0.25f;

double Distance(const PointF& a, const PointF& b) {
    const double dx = double(a.X) - b.X;
    const double dy = double(a.Y) - b.Y;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

// Moving and sizing.

int CQarnPoly::MoveTo(const RectF& rect, MoveFlags flags) {
    const RectF old = GetRectF();
    const int moved = CQarnComponent::MoveTo(rect, 0);
    if (moved != 0) {
        Qarn::TransformPoints(GetPointArray(), GetPointCount(), old, rect);
        AfterPointEdit(flags);
    }
    return moved;
}

void CQarnPoly::Shift(float dx, float dy) {
    CQarnComponent::Shift(dx, dy);
    PointF* points = GetPointArray();
    for (int i = 0; i < GetPointCount(); ++i) {
        points[i].X += dx;
        points[i].Y += dy;
    }
    if (GetPath() != nullptr) {
        ResetPath();
    }
}

int CQarnPoly::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    if (GetPointCount() == 2) {
        if (IsLineLabelHandle(handle)) {
            return MoveLabelHandleTo(handle, point, flags);
        }
        if (handle != 1 && handle != 2) {
            return 0;
        }
        AntiTransformPoints(&point, 1);
        GetPointArray()[handle - 1] = point;
        SetRectF(LineFrame());
        AfterPointEdit(flags);
        return 1;
    }
    const RectF old = GetRectF();
    const int sized = CQarnComponent::MoveHandleTo(handle, point, 0);
    if (sized != 0 && GetPointCount() > 2) {
        Qarn::TransformPoints(GetPointArray(), GetPointCount(), old, GetRectF());
    }
    AfterPointEdit(flags);
    return sized;
}

void CQarnPoly::Normalize() {
    TransformPoints(GetPointArray(), GetPointCount());
    SetHoriFlip(false);
    SetVertFlip(false);
    SetRotateAngle(0.0f);
    RecalcBounds(0);
    // Nothing is turned any more; the centre follows the new frame so that a later rotation
    // turns the figure about its middle.
    UpdateRotateCenter();
    ResetPath();
}

bool CQarnPoly::Simplify() {
    if (GetPolyStyle() != 0) {
        return false;
    }
    // One forward pass: B goes when it lies almost on the way from A to C (the sum of its two
    // legs is within 1% of the chord), and the next B is tried against the same A.
    PointF* p = GetPointArray();
    const int count = GetPointCount();
    if (count > 2) {
        int kept = 1;
        int next = 1;
        while (count - next >= 2) {
            const PointF& a = p[kept - 1];
            const PointF& b = p[next];
            const PointF& c = p[next + 1];
            if (1.01 * Distance(a, c) > Distance(a, b) + Distance(b, c)) {
                ++next;
            } else {
                p[kept++] = p[next++];
            }
        }
        while (next < count) {
            p[kept++] = p[next++];
        }
        for (int i = kept; i < count; ++i) {
            p[i] = PointF();
        }
        SetPointCount(kept);
        RecalcBounds(0);
    }
    ResetPath();
    return true;
}

// Handles.

bool CQarnPoly::IsLineLabelHandle(int handle) const {
    return GetPointCount() == 2 && GetLabelFacet() != nullptr && (handle == 3 || handle == 5);
}

void CQarnPoly::GetHandles(std::vector<CQarnHandle>& handles) const {
    if (GetPointCount() != 2) {
        CQarnComponent::GetHandles(handles);
        return;
    }
    handles.push_back(CQarnHandle::LineEnd(GetPoint(1, 0)));
    handles.push_back(CQarnHandle::LineEnd(GetPoint(2, 0)));
    AddLabelHandle(handles);
}

// Hit tests.

int CQarnPoly::HitTest(CPoint point, CView* view, int handles, CQarnCanvas* canvas) {
    const int hit = CQarnComponent::HitTest(point, view, handles, canvas);
    return GetPointCount() == 2 && hit == 3 ? 5 : hit;
}

int CQarnPoly::HitTest2(CPoint point, CView* view, int mode, CQarnCanvas* canvas) {
    CQarnLayer* layer = GetLayer();
    if (mode == 0 || (canvas != nullptr && (layer == nullptr || layer->GetCanvas() != canvas))) {
        return 0;
    }
    if (layer != nullptr && !layer->IsVisible()) {
        return 0;
    }
    for (int i = 1; i <= GetPointCount(); ++i) {
        if (GetPointRect(Qarn::cast(GetPoint(i, 1)), view).PtInRect(point)) {
            return i;
        }
    }
    return 0;
}

int CQarnPoly::GetTerminus(int&, int&, CPoint point) const {
    const int count = GetPointCount();
    for (int i = 1; i < count; ++i) {
        const CPoint a = Qarn::cast(GetPoint(i, 1));
        const CPoint b = Qarn::cast(GetPoint(i + 1, 1));
        if (PointOnLine(point, a, b)) {
            return i;
        }
    }
    if (IsClosed() && count > 1) {
        const CPoint a = Qarn::cast(GetPoint(count, 1));
        const CPoint b = Qarn::cast(GetPoint(1, 1));
        if (PointOnLine(point, a, b)) {
            return count;
        }
    }
    return 0;
}

int CQarnPoly::Intersects(const CRect& rect, CView*) {
    CRect r = rect;
    r.NormalizeRect();
    CRect near = GetBoundRect(false);
    near.InflateRect(2, 2);
    CRect overlap;
    // A rectangle without extent on an axis tests the unit at its edge.
    if (r.Width() == 0) {
        r.right = r.left + 1;
    }
    if (r.Height() == 0) {
        r.bottom = r.top + 1;
    }
    if (!overlap.IntersectRect(near, r)) {
        return 0;
    }
    GraphicsPath outline;
    if (!BuildOutline(outline)) {
        return 0;
    }
    outline.SetFillMode(GetFillWinding() ? FillModeWinding : FillModeAlternate);
    Matrix m;
    GetTransformMatrix(m);
    const RectF area(float(r.left), float(r.top), float(r.Width()), float(r.Height()));
    if (GetFill() || GetTextFacet() != nullptr) {
        GraphicsPath inside(outline);
        inside.Transform(&m);
        if (Region(&inside).IsVisible(area)) {
            return 1;
        }
    }
    Pen stroke(GetLineColor(), GetLineWidth());
    outline.Widen(&stroke, nullptr, kStrokeFlatness);
    outline.Transform(&m);
    return Region(&outline).IsVisible(area) ? 1 : 0;
}

// Anchors.

PointF CQarnPoly::GetAnchorPoint(int anchor) const {
    if (anchor < 1 || anchor > GetPointCount()) {
        return CQarnComponent::GetAnchorPoint(0);
    }
    return GetPoint(anchor, 1);
}

int CQarnPoly::GetAnchorDirection(int anchor) const {
    const PointF a = GetAnchorPoint(anchor);
    PointF c = GetCenterPointF();
    TransformPoints(&c, 1);
    const float phi = (std::atan2(a.Y - c.Y, a.X - c.X) + kPi) * kAnchorDegrees;
    if (phi > 315.0f || phi < 45.0f) {
        return 8;
    }
    if (phi > 45.0f && phi < 135.0f) {
        return 1;
    }
    if (phi > 135.0f && phi < 225.0f) {
        return 2;
    }
    return 4;
}

// Tracker.

void CQarnPoly::DrawTracker(CDC* dc, TrackerState state, float scale) {
    if (state != TrackerEditing) {
        CQarnComponent::DrawTracker(dc, state, scale);
        return;
    }
    if (dc == nullptr || dc->GetPainter() == nullptr) {
        return;
    }
    Graphics graphics(dc);
    graphics.SetSmoothingMode(SmoothingModeHighSpeed);
    SolidBrush black{Color(Color::Black)};
    Pen white(Color(Color::White), 1.0f);
    const float half = 2.0f * scale;
    for (int i = 1; i <= GetPointCount(); ++i) {
        Qarn::DrawTrackerSquare(graphics, GetPoint(i, 1), half, black, white);
    }
}

// Property ids of the poly style; the closed flag rebuilds the outline too.

CVariant CQarnPoly::GetPropValue(UINT id) {
    switch (id) {
        case QarnPropId::PolyStyle:
            return CVariant(std::int32_t(GetJoinKind()));
        case QarnPropId::PolyStyleBit8:
            return CVariant(std::int32_t(GetPolyStyle() & kStyleBit8));
        default:
            return CQarnComponent::GetPropValue(id);
    }
}

HRESULT CQarnPoly::SetPropValue(const CVariant& value, UINT id) {
    if (id != QarnPropId::PolyStyle && id != QarnPropId::PolyStyleBit8 &&
        id != QarnPropId::Closed) {
        return CQarnComponent::SetPropValue(value, id);
    }
    CVariant converted;
    const HRESULT hr = value.ChangeType(id == QarnPropId::Closed ? VT_BOOL : VT_I4, &converted);
    if (FAILED(hr)) {
        return hr;
    }
    const DWORD oldStyle = GetStyle();
    const DWORD oldPolyStyle = GetPolyStyle();
    switch (id) {
        case QarnPropId::PolyStyle: {
            const std::int32_t kind = converted.GetI4();
            if (kind < 0 || kind > 0xFF) {
                return DISP_E_OVERFLOW;
            }
            SetPolyStyle((GetPolyStyle() & ~kJoinKindMask) | DWORD(kind));
            break;
        }
        case QarnPropId::PolyStyleBit8:
            SetPolyStyle(converted.GetI4() != 0 ? (GetPolyStyle() | kStyleBit8)
                                                : (GetPolyStyle() & ~kStyleBit8));
            break;
        default:
            SetClosed(converted.GetBool() != VARIANT_FALSE);
            break;
    }
    if (GetStyle() != oldStyle || GetPolyStyle() != oldPolyStyle) {
        ResetPath();
        RecalcBounds(0);
    }
    return S_OK;
}
