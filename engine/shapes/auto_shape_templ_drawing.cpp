// A template's outlines: the list of one path per component, and the preview drawing.
#include "core/rect_geometry.h"
#include "platform/dc.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"
#include "shapes/auto_shape_templ.h"

namespace {

// The component's outline in the template frame, through its own rotation and flip.
GraphicsPath ComponentOutline(CQarnComponent& c, PathMode mode) {
    if (c.GetElementCount() == 0) {
        c.ResetPath();
    }
    GraphicsPath outline(c.GetFillWinding() ? FillModeWinding : FillModeAlternate);
    c.CreatePath(outline, nullptr, mode);
    if (c.NeedTransform()) {
        Matrix m;
        c.GetTransformMatrix(m);
        outline.Transform(&m);
    }
    return outline;
}

}  // namespace

void CQarnAutoShapeTempl::FreePathList() {
    m_PathList.clear();
    m_bPathListBuilt = false;
}

void CQarnAutoShapeTempl::CreatePathList(PathMode mode) {
    FreePathList();
    // A component that is an instance of this very template would come back here.
    m_bBuildingPathList = true;
    for (CQarnComponent* c : m_Components) {
        m_PathList.push_back(std::make_unique<GraphicsPath>(ComponentOutline(*c, mode)));
    }
    m_bBuildingPathList = false;
    m_bPathListBuilt = true;
    m_nPathListMode = mode.GetNumber();
}

void CQarnAutoShapeTempl::CreatePath(GraphicsPath& path, RectF*, PathMode mode) {
    if (m_bBuildingPathList) {
        return;
    }
    // The list is kept for the mode it was built with.
    if (!m_bPathListBuilt || m_nPathListMode != mode.GetNumber()) {
        CreatePathList(mode);
    }
    for (const std::unique_ptr<GraphicsPath>& p : m_PathList) {
        path.AddPath(p.get(), FALSE);
    }
}

const std::vector<std::unique_ptr<GraphicsPath>>* CQarnAutoShapeTempl::GetGraphicPathArry() const {
    return m_bPathListBuilt ? &m_PathList : nullptr;
}

void CQarnAutoShapeTempl::Draw(CDC* dc, const RectF& rect) {
    if (dc == nullptr || dc->GetPainter() == nullptr) {
        return;
    }
    Graphics graphics(dc);
    Draw(&graphics, rect);
}

void CQarnAutoShapeTempl::Draw(Graphics* graphics, const RectF& rect) {
    if (graphics == nullptr || m_bBuildingPathList) {
        return;
    }
    const GraphicsState state = graphics->Save();
    graphics->SetSmoothingMode(SmoothingModeAntiAlias);
    const Matrix placement = GetPlacement(rect);
    for (CQarnComponent* c : m_Components) {
        GraphicsPath outline = ComponentOutline(*c, PathMode::All);
        if (outline.IsEmpty()) {
            continue;
        }
        outline.Transform(&placement);
        RectF bounds = c->GetRectF();
        Qarn::NormalizeRectF(bounds);
        bounds = Place(bounds, rect);
        Qarn::NormalizeRectF(bounds);
        CQarnPenProperty* pen = c->GetPenProperty();
        if (c->GetFill()) {
            CQarnBasicBrushProperty* brush = c->GetFillWithPen()
                                                 ? (pen != nullptr ? pen->GetBrush() : nullptr)
                                                 : c->GetBrushProperty();
            if (brush != nullptr) {
                brush->FillPath(graphics, &outline, &bounds, 100, 0);
            }
        }
        if (c->GetDrawLine() && pen != nullptr) {
            // Arrow heads belong at the ends of open lines only, as on the page.
            auto* arrows = c->IsClosed()
                               ? nullptr
                               : dynamic_cast<CQarnArrowProperty*>(c->GetProperty(QARN_PROP_ARROW));
            pen->DrawPath(graphics, &outline, bounds, arrows, 100, 0, nullptr);
        }
    }
    graphics->Restore(state);
}
