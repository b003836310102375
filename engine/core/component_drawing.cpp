// The drawing pipeline every component runs, the outline feedback and the trackers.
#include <QPainter>
#include <memory>

#include "core/component.h"
#include "core/configuration.h"
#include "core/conversions.h"
#include "core/element.h"
#include "core/label_facet.h"
#include "core/rect_geometry.h"
#include "core/shadow_facet.h"
#include "core/text_facet.h"
#include "core/tracker_marks.h"
#include "platform/brush.h"
#include "platform/dc.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/pen.h"
#include "platform/solid_brush.h"
#include "properties/basic_brush_property.h"

namespace {

constexpr BYTE kOutlineMode = CQarnElement::kOutlineMode;

// Patterns repeat every 8 pixels; the origin only needs its offset within one repeat.
int PatternOffset(int coordinate) {
    return coordinate % 8;
}

}  // namespace

void CQarnComponent::PrepareForDrawing() {
    if (m_pPath == nullptr) {
        ResetPath();
    }
    InitElements(0);
    for (const std::unique_ptr<CQarnElement>& element : m_Elements) {
        element->PrepareForDrawing();
    }
    if (CQarnShadowFacet* shadow = GetShadowFacet()) {
        if (CQarnBasicBrushProperty* paint = shadow->GetBrushProperty()) {
            paint->PrepareForDrawing();
        }
    }
    if (CQarnTextFacet* text = GetTextFacet()) {
        text->PrepareForDrawing();
    }
}

// The clip rectangle is not needed: the painter's own clip limits what is painted. Once the
// component is prepared, building the outline and handing the elements their pen and paints
// find everything in place and write nothing.
void CQarnComponent::Draw(Graphics* graphics, const CRect& /*clip*/, CPoint* origin, Matrix* matrix,
                          const BYTE& mode) {
    if (graphics == nullptr || GetInvisible()) {
        return;
    }
    if (origin != nullptr) {
        graphics->SetRenderingOrigin(PatternOffset(origin->x), PatternOffset(origin->y));
    }
    graphics->SetSmoothingMode(SmoothingMode(Qarn::GetSmoothingMode()));
    const GraphicsContainer container = graphics->BeginContainer();
    // Everything is drawn on top of the caller's transform: the one given, else the one the
    // graphics has now.
    const Matrix base = matrix != nullptr ? *matrix : graphics->GetTransform();

    CQarnShadowFacet* shadow = GetShadowFacet();
    const bool shadowShown = shadow != nullptr && GetDrawShadow() && mode != kOutlineMode;
    if (shadowShown) {
        const GraphicsState state = graphics->Save();
        Matrix shadowBase = base;
        DrawShadowEffect(graphics, origin, &shadowBase, shadow);
        graphics->Restore(state);
    }

    if (GetFill() || GetDrawLine() || GetDrawText()) {
        if (m_pPath == nullptr) {
            ResetPath();
        }
        InitElements(0);
        Matrix world = base;
        if (NeedTransform()) {
            GetTransformMatrix(world);
        }
        graphics->SetTransform(&world);
        for (const std::unique_ptr<CQarnElement>& element : m_Elements) {
            element->Draw(graphics, m_dwState, mode);
        }

        CQarnTextFacet* text = GetTextFacet();
        if (text != nullptr && GetDrawText()) {
            RectF frame = GetTextPosition();
            if (shadowShown && !GetFill()) {
                const GraphicsState state = graphics->Save();
                RectF placedFrame = GetRectF();
                Matrix placed;
                shadow->GetTransformMatrix(placed, placedFrame);
                graphics->MultiplyTransform(&placed, MatrixOrderPrepend);
                text->Draw(graphics, frame, shadow->GetBrushProperty());
                graphics->Restore(state);
            }
            text->Draw(graphics, frame, nullptr);
        }
    }
    graphics->EndContainer(container);

    CQarnLabelFacet* label = GetLabelFacet();
    if (label != nullptr && (m_dwStyle & kStyleHideLabel) == 0 && mode != kOutlineMode) {
        const GraphicsState state = graphics->Save();
        graphics->SetTransform(&base);
        label->Draw(graphics);
        graphics->Restore(state);
    }
}

void CQarnComponent::Draw(CDC* dc, const CRect& clip, CPoint* origin, Matrix* matrix,
                          const BYTE& mode) {
    if (dc == nullptr || dc->GetPainter() == nullptr) {
        return;
    }
    Graphics graphics(dc);
    Draw(&graphics, clip, origin, matrix, mode);
}

void CQarnComponent::DrawShadowEffect(Graphics* graphics, CPoint*, Matrix* matrix,
                                      CQarnShadowFacet* shadow) {
    if (graphics == nullptr || shadow == nullptr || shadow->GetBrushProperty() == nullptr) {
        return;
    }
    if (m_pPath == nullptr) {
        ResetPath();
    }
    GraphicsPath outline(GetFillWinding() ? FillModeWinding : FillModeAlternate);
    CreatePath(outline, nullptr, PathMode::All);
    if (outline.IsEmpty()) {
        return;
    }
    // The shadow is placed in the frame, then shown through the component's transform.
    Matrix world = matrix != nullptr ? *matrix : graphics->GetTransform();
    GetTransformMatrix(world);
    RectF frame = GetRectF();
    Matrix placement;
    shadow->GetTransformMatrix(placement, frame);
    world.Multiply(&placement, MatrixOrderPrepend);
    graphics->SetTransform(&world);
    RectF paintRect = GetRectF();
    Qarn::NormalizeRectF(paintRect);
    shadow->GetBrushProperty()->FillPath(graphics, &outline, &paintRect, 100, 0);
}

void CQarnComponent::DrawOutline(CDC* dc, RectF* rect) {
    if (dc == nullptr || dc->GetPainter() == nullptr) {
        return;
    }
    if (m_pPath == nullptr) {
        ResetPath();
    }
    GraphicsPath outline;
    if (m_pPath != nullptr && !m_pPath->IsEmpty()) {
        outline = *m_pPath;
    } else {
        outline.AddRectangle(GetRectF());
    }
    if (rect != nullptr) {
        // The outline the component would have in that rectangle.
        const RectF from = GetRectF();
        if (from.Width != 0.0f && from.Height != 0.0f) {
            Matrix fit(1, 0, 0, 1, -from.X, -from.Y);
            fit.Scale(rect->Width / from.Width, rect->Height / from.Height, MatrixOrderAppend);
            fit.Translate(rect->X, rect->Y, MatrixOrderAppend);
            outline.Transform(&fit);
        }
    }
    Matrix m;
    GetTransformMatrix(m, nullptr);
    outline.Transform(&m);

    QPainter* painter = dc->GetPainter();
    painter->save();
    // Drawn twice, the feedback undoes itself.
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    Graphics graphics(dc);
    Pen dotted(Color(Color::White), 0.0f);
    dotted.SetDashStyle(DashStyleDot);
    graphics.DrawPath(&dotted, &outline);
    painter->restore();
}

void CQarnComponent::DrawTracker(CDC* dc, TrackerState state, float scale) {
    if (dc == nullptr || dc->GetPainter() == nullptr ||
        (state != TrackerSelected && state != TrackerActive)) {
        return;
    }
    const std::vector<CQarnHandle> handles = GetShownHandles();
    if (handles.empty()) {
        return;
    }
    Graphics graphics(dc);
    for (const CQarnHandle* h : Qarn::HandleDrawOrder(handles)) {
        Qarn::DrawTrackerMark(graphics, h->mark, h->shown, state == TrackerActive, scale);
    }
}

void CQarnComponent::DrawAnchor(CDC* dc) {
    if (dc == nullptr || dc->GetPainter() == nullptr) {
        return;
    }
    Graphics graphics(dc);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    Pen cross(Color(0xFF0000FFu), 1.0f);
    const float d = 3.0f;
    const int count = GetAnchorCount();
    for (int anchor = 1; anchor <= count; ++anchor) {
        const PointF p = GetAnchorPoint(anchor);
        graphics.DrawLine(&cross, p.X - d, p.Y - d, p.X + d, p.Y + d);
        graphics.DrawLine(&cross, p.X - d, p.Y + d, p.X + d, p.Y - d);
    }
}
