// The drawing elements of a component and the combined outline built from them.
#include "core/component.h"
#include "core/element.h"
#include "core/rect_geometry.h"
#include "core/shadow_facet.h"
#include "platform/graphics_path.h"
#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"

namespace {

// The draw mode whose elements take the shadow's paint.
constexpr int kShadowMode = 16;

}  // namespace

CQarnElement* CQarnComponent::GetElement(int index) const {
    if (index < 0 || index >= GetElementCount()) {
        return nullptr;
    }
    return m_Elements[size_t(index)].get();
}

void CQarnComponent::ClearElements() {
    // The combined outline may be the first element's path.
    m_pPath = nullptr;
    m_pOwnedPath.reset();
    m_Elements.clear();
}

void CQarnComponent::AddElement(std::unique_ptr<CQarnElement> element) {
    if (element) {
        m_Elements.push_back(std::move(element));
    }
}

BOOL CQarnComponent::CreateElements(RectF* rect) {
    ClearElements();
    auto element = std::make_unique<CQarnElement>();
    element->SetRectF(rect != nullptr ? *rect : GetRectF());
    AddElement(std::move(element));
    return TRUE;
}

void CQarnComponent::InitElements(int mode) {
    CQarnPenProperty* pen = GetPenProperty();
    CQarnArrowProperty* arrow = dynamic_cast<CQarnArrowProperty*>(GetProperty(QARN_PROP_ARROW));
    CQarnBasicBrushProperty* brush =
        GetFillWithPen() ? (pen ? pen->GetBrush() : nullptr) : GetBrushProperty();
    if (mode == kShadowMode) {
        if (CQarnShadowFacet* shadow = GetShadowFacet()) {
            brush = shadow->GetBrushProperty();
        }
    }
    const FillMode fillMode = GetFillWinding() ? FillModeWinding : FillModeAlternate;
    for (const std::unique_ptr<CQarnElement>& element : m_Elements) {
        element->SetRectF(GetRectF());
        element->SetFlag(CQarnElement::kDrawLine, GetDrawLine());
        element->SetFlag(CQarnElement::kFill, GetFill());
        element->SetFlag(CQarnElement::kClosed, IsClosed());
        element->SetPen(pen);
        element->SetArrow(arrow);
        element->SetBrush(brush);
        element->GetPath()->SetFillMode(fillMode);
    }
}

void CQarnComponent::ResetPath() {
    ClearElements();
    CreateElements(nullptr);
    InitElements(0);
    if (m_Elements.size() == 1) {
        m_pPath = m_Elements.front()->GetPath();
    } else if (!m_Elements.empty()) {
        m_pOwnedPath = std::make_unique<GraphicsPath>();
        for (const std::unique_ptr<CQarnElement>& element : m_Elements) {
            m_pOwnedPath->AddPath(element->GetPath(), FALSE);
        }
        m_pPath = m_pOwnedPath.get();
    }
}

void CQarnComponent::CreatePath(GraphicsPath& path, RectF* rect, PathMode mode) {
    if (m_Elements.empty()) {
        CreateElements(rect);
    }
    for (const std::unique_ptr<CQarnElement>& element : m_Elements) {
        if (mode.Takes(element->HasFlag(CQarnElement::kApart))) {
            path.AddPath(element->GetPath(), FALSE);
        }
    }
}

RectF CQarnComponent::GetTextPosition() const {
    RectF r = GetRectF();
    Qarn::NormalizeRectF(r);
    return r;
}
