// An instance's elements, outline, covered area and shadow, all taken from its template.
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/conversions.h"
#include "core/element.h"
#include "core/outline_distance.h"
#include "core/rect_geometry.h"
#include "core/shadow_facet.h"
#include "core/template_registry.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/pen.h"
#include "platform/region.h"
#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"

namespace {

// The draw mode whose elements take the shadow's paint.
constexpr int kShadowMode = 16;
// Symbols drawn inside symbols: how deep they may go.
constexpr int kMaxNesting = 8;

// The templates being laid out right now. A symbol whose components hold an instance of
// itself (directly or further down) would otherwise expand without end; such an instance
// draws as its rectangle instead.
class TemplateExpansion {
public:
    explicit TemplateExpansion(const CQarnAutoShapeTempl* templ) {
        std::vector<const CQarnAutoShapeTempl*>& active = Active();
        if (templ == nullptr || int(active.size()) >= kMaxNesting ||
            std::find(active.begin(), active.end(), templ) != active.end()) {
            return;
        }
        active.push_back(templ);
        m_bEntered = true;
    }
    ~TemplateExpansion() {
        if (m_bEntered) {
            Active().pop_back();
        }
    }
    TemplateExpansion(const TemplateExpansion&) = delete;
    TemplateExpansion& operator=(const TemplateExpansion&) = delete;

    bool Entered() const { return m_bEntered; }

private:
    static std::vector<const CQarnAutoShapeTempl*>& Active() {
        // Per thread: each drawing thread expands its own nesting of templates.
        thread_local std::vector<const CQarnAutoShapeTempl*> active;
        return active;
    }

    bool m_bEntered = false;
};

RectF Normalized(RectF r) {
    Qarn::NormalizeRectF(r);
    return r;
}

CQarnArrowProperty* ArrowOf(const CQarnComponent& c) {
    return dynamic_cast<CQarnArrowProperty*>(c.GetProperty(QARN_PROP_ARROW));
}

// The stroke a region or bound gives an element's pen: its width on either side, at least one
// unit.
float PenAllowance(const CQarnElement& element) {
    const float width = element.GetPen() != nullptr ? element.GetPen()->GetLineWidth() : 1.0f;
    return std::max(1.0f, std::trunc(width));
}

}  // namespace

bool CQarnAutoShape::ElementsCurrent() const {
    return m_bElementsBuilt && m_nElementsGeneration == Qarn::GetTemplateGeneration();
}

void CQarnAutoShape::EnsureElements() {
    if (!ElementsCurrent()) {
        ResetPath();
    }
}

BOOL CQarnAutoShape::CreateElements(RectF* rect) {
    ClearElements();
    m_ElementSources.clear();
    const RectF r = rect != nullptr ? *rect : GetRectF();
    CQarnAutoShapeTempl* templ = GetTemplate();
    TemplateExpansion expansion(templ);
    if (expansion.Entered()) {
        const Matrix placement = templ->GetPlacement(r);
        for (CQarnComponent* c : templ->GetComponents()) {
            if (c->GetElementCount() == 0) {
                c->ResetPath();
            }
            Matrix own;
            const bool turned = c->NeedTransform();
            if (turned) {
                c->GetTransformMatrix(own);
            }
            const int count = c->GetElementCount();
            for (int i = 0; i < count; ++i) {
                const CQarnElement* source = c->GetElement(i);
                auto element = std::make_unique<CQarnElement>();
                *element->GetPath() = *source->GetPath();
                if (turned) {
                    element->GetPath()->Transform(&own);
                }
                element->GetPath()->Transform(&placement);
                element->SetShade(source->GetShade());
                element->SetFlag(CQarnElement::kApart, source->HasFlag(CQarnElement::kApart));
                element->SetFlag(CQarnElement::kLastOfComponent, i == count - 1);
                AddElement(std::move(element));
                m_ElementSources.push_back(c);
            }
        }
    }
    m_bFromTemplate = expansion.Entered();
    if (!m_bFromTemplate) {
        // No template: the plain rectangle.
        auto element = std::make_unique<CQarnElement>();
        element->GetPath()->AddRectangle(Normalized(r));
        element->SetRectF(r);
        AddElement(std::move(element));
    }
    m_bElementsBuilt = true;
    m_nElementsGeneration = Qarn::GetTemplateGeneration();
    return TRUE;
}

void CQarnAutoShape::InitElements(int mode) {
    if (!ElementsCurrent()) {
        // Templates came or went since the elements were built: build them afresh (which
        // initialises them for drawing), then as asked.
        ResetPath();
    }
    if (!DrawsTemplate()) {
        CQarnComponent::InitElements(mode);
        return;
    }
    const CQarnAutoShapeTempl* templ = GetTemplate();
    const RectF frame = Normalized(GetRectF());
    CQarnPenProperty* pen = GetPenProperty();
    CQarnBasicBrushProperty* brush = GetBrushProperty();
    CQarnArrowProperty* arrow = ArrowOf(*this);
    CQarnShadowFacet* shadow = GetShadowFacet();
    for (size_t i = 0; i < m_Elements.size() && i < m_ElementSources.size(); ++i) {
        CQarnElement& element = *m_Elements[i];
        const CQarnComponent& c = *m_ElementSources[i];
        const bool own = c.GetUseItsOwn();
        element.SetFlag(CQarnElement::kClosed, c.IsClosed());
        element.SetFlag(CQarnElement::kUsesInstance, !own);
        CQarnPenProperty* elementPen = own ? c.GetPenProperty() : pen;
        CQarnBasicBrushProperty* elementBrush = own ? c.GetBrushProperty() : brush;
        element.SetRectF(own && templ != nullptr
                             ? Normalized(templ->Place(Normalized(c.GetRectF()), GetRectF()))
                             : frame);
        element.SetPen(elementPen);
        element.SetArrow(own ? ArrowOf(c) : arrow);
        element.SetFlag(CQarnElement::kDrawLine, GetDrawLine() && c.GetDrawLine());
        element.SetFlag(CQarnElement::kFill, GetFill() && c.GetFill());
        element.SetFlag(CQarnElement::kFillWithPen, c.GetFillWithPen());
        if (c.GetFillWithPen()) {
            elementBrush = elementPen != nullptr ? elementPen->GetBrush() : nullptr;
        }
        if (mode == kShadowMode) {
            CQarnShadowFacet* casting =
                own && c.GetShadowFacet() != nullptr ? c.GetShadowFacet() : shadow;
            if (casting != nullptr) {
                elementBrush = casting->GetBrushProperty();
            }
        }
        element.SetBrush(elementBrush);
        element.GetPath()->SetFillMode(c.GetFillWinding() ? FillModeWinding : FillModeAlternate);
    }
}

void CQarnAutoShape::CreatePath(GraphicsPath& path, RectF* rect, PathMode mode) {
    const RectF r = rect != nullptr ? *rect : GetRectF();
    CQarnAutoShapeTempl* templ = GetTemplate();
    TemplateExpansion expansion(templ);
    if (!expansion.Entered()) {
        if (mode.Takes(false)) {
            path.AddRectangle(Normalized(r));
        }
        return;
    }
    GraphicsPath outline;
    templ->CreatePath(outline, nullptr, mode);
    const Matrix placement = templ->GetPlacement(r);
    outline.Transform(&placement);
    path.AddPath(&outline, FALSE);
}

int CQarnAutoShape::Intersects(const CRect& rect, CView* view) {
    EnsureElements();
    if (!DrawsTemplate()) {
        return CQarnComponent::Intersects(rect, view);
    }
    Region region;
    GetRegion(region);
    CRect r = rect;
    r.NormalizeRect();
    return region.IsVisible(RectF(float(r.left), float(r.top), float(r.Width()), float(r.Height())))
               ? 1
               : 0;
}

void CQarnAutoShape::GetRegion(Region& region) {
    EnsureElements();
    if (!DrawsTemplate()) {
        CQarnComponent::GetRegion(region);
        return;
    }
    InitElements(0);
    Matrix m;
    GetTransformMatrix(m);
    region.MakeEmpty();
    for (const std::unique_ptr<CQarnElement>& element : m_Elements) {
        GraphicsPath outline = *element->GetPath();
        outline.Transform(&m);
        if (element->HasFlag(CQarnElement::kFill) || element->HasFlag(CQarnElement::kClosed)) {
            region.Union(&outline);
        }
        Pen stroke(Color(Color::Black), 2.0f * PenAllowance(*element));
        stroke.SetLineJoin(LineJoinRound);
        stroke.SetLineCap(LineCapRound, LineCapRound, DashCapRound);
        outline.Widen(&stroke);
        region.Union(&outline);
    }
}

bool CQarnAutoShape::HitTestShape(PointF point, float tolerance) {
    EnsureElements();
    if (!DrawsTemplate()) {
        return CQarnComponent::HitTestShape(point, tolerance);
    }
    InitElements(0);
    Matrix m;
    GetTransformMatrix(m);
    const bool text = GetDrawText() && GetTextFacet() != nullptr;
    const float flatness = std::clamp(tolerance / 16.0f, 0.001f, 0.25f);
    for (const std::unique_ptr<CQarnElement>& element : m_Elements) {
        GraphicsPath outline = *element->GetPath();
        outline.Transform(&m);
        if ((element->HasFlag(CQarnElement::kFill) || text) && outline.IsVisible(point)) {
            return true;
        }
        const bool stroked = element->HasFlag(CQarnElement::kDrawLine) && element->GetPen();
        const double reach =
            double(tolerance) + (stroked ? element->GetPen()->GetLineWidth() / 2.0 : 0.0);
        if (Qarn::DistanceToOutline(outline, point, flatness) <= reach) {
            return true;
        }
    }
    return false;
}

CRect CQarnAutoShape::GetBoundRect(bool tight) {
    CRect bound = CQarnComponent::GetBoundRect(tight);
    // Only elements already built count: the bounds are asked for while a record is still
    // being read, before the instance knows its template.
    if (!DrawsTemplate() || !ElementsCurrent()) {
        return bound;
    }
    Matrix m;
    GetTransformMatrix(m);
    for (const std::unique_ptr<CQarnElement>& element : m_Elements) {
        RectF r;
        if (element->GetPath()->IsEmpty() || element->GetPath()->GetBounds(&r, &m) != Ok) {
            continue;
        }
        const float allowance = PenAllowance(*element);
        r.Inflate(allowance, allowance);
        if (!std::isfinite(r.X) || !std::isfinite(r.Y) || !std::isfinite(r.Width) ||
            !std::isfinite(r.Height)) {
            continue;
        }
        CRect covering(Qarn::TruncateToInt(std::floor(r.X)), Qarn::TruncateToInt(std::floor(r.Y)),
                       Qarn::TruncateToInt(std::ceil(r.X + r.Width)),
                       Qarn::TruncateToInt(std::ceil(r.Y + r.Height)));
        bound.UnionRect(bound, covering);
    }
    return bound;
}

void CQarnAutoShape::DrawShadowEffect(Graphics* graphics, CPoint* origin, Matrix* matrix,
                                      CQarnShadowFacet* shadow) {
    EnsureElements();
    if (!DrawsTemplate()) {
        CQarnComponent::DrawShadowEffect(graphics, origin, matrix, shadow);
        return;
    }
    if (graphics == nullptr || shadow == nullptr) {
        return;
    }
    // Placed in the frame by the instance's shadow, then shown through the instance's
    // transform.
    Matrix world = matrix != nullptr ? *matrix : graphics->GetTransform();
    GetTransformMatrix(world);
    Matrix placement;
    shadow->GetTransformMatrix(placement, GetRectF());
    world.Multiply(&placement, MatrixOrderPrepend);
    graphics->SetTransform(&world);
    InitElements(0);
    // Each element casts the shadow of its own template part when that part has one, else the
    // instance's (the paints InitElements(kShadowMode) would give, without handing them over:
    // drawing writes nothing).
    for (size_t i = 0; i < m_Elements.size(); ++i) {
        const CQarnElement& element = *m_Elements[i];
        const CQarnComponent* source = i < m_ElementSources.size() ? m_ElementSources[i] : nullptr;
        CQarnShadowFacet* casting =
            source != nullptr && source->GetUseItsOwn() && source->GetShadowFacet() != nullptr
                ? source->GetShadowFacet()
                : shadow;
        CQarnBasicBrushProperty* paint = casting->GetBrushProperty();
        if (paint != nullptr && element.HasFlag(CQarnElement::kFill)) {
            RectF bounds = Normalized(element.GetRectF());
            paint->PrepareForDrawing();
            paint->FillArea(graphics, *element.GetPath(), nullptr, &bounds, 100, 0);
        }
    }
}

void CQarnAutoShape::PrepareForDrawing() {
    GetTemplate();
    CQarnComponent::PrepareForDrawing();
    for (const CQarnComponent* source : m_ElementSources) {
        const CQarnShadowFacet* own = source != nullptr ? source->GetShadowFacet() : nullptr;
        if (own != nullptr && own->GetBrushProperty() != nullptr) {
            own->GetBrushProperty()->PrepareForDrawing();
        }
    }
}
