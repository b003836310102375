#include "view/tools/auto_shape_tool.h"

#include <cmath>

#include "core/doc.h"
#include "core/template_registry.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"
#include "view/qarn_view.h"

QARN_IMPLEMENT_DYNAMIC(CAutoShapeTool, CShapeTool)

namespace {

constexpr UINT kNoTemplate = UINT(-1);

}  // namespace

CAutoShapeTool::CAutoShapeTool() : CShapeTool(kAutoShapeToolID) {}

bool CAutoShapeTool::Serves(UINT id) const {
    return id >= kFirstSymbolCommand && id <= kLastSymbolCommand &&
           Qarn::FindASID(id - kFirstSymbolCommand) != kNoTemplate;
}

bool CAutoShapeTool::SetTemplate(UINT templateId) {
    m_pTemplate = Qarn::FindASTemplate(templateId);
    m_nTemplateID = m_pTemplate != nullptr ? templateId : 0;
    return m_pTemplate != nullptr;
}

CQarnAutoShapeTempl* CAutoShapeTool::CurrentTemplate() const {
    const UINT tool = GetToolID();
    if (tool >= kFirstSymbolCommand && tool <= kLastSymbolCommand) {
        const UINT id = Qarn::FindASID(tool - kFirstSymbolCommand);
        return id != kNoTemplate ? Qarn::FindASTemplate(id) : nullptr;
    }
    // The template set may have been uninstalled since: look it up again.
    return m_nTemplateID != 0 ? Qarn::FindASTemplate(m_nTemplateID) : nullptr;
}

SizeF CAutoShapeTool::NaturalSize(const CQarnAutoShapeTempl* templ) {
    float width = float(templ->GetDefaultWidth());
    float height = float(templ->GetDefaultHeight());
    if (width <= 0 || height <= 0) {
        const RectF frame = templ->GetRectF();
        width = std::fabs(frame.Width);
        height = std::fabs(frame.Height);
    }
    if (width <= 0 || height <= 0) {
        return SizeF(kDefaultSize, kDefaultSize);
    }
    return SizeF(width, height);
}

std::unique_ptr<CQarnComponent> CAutoShapeTool::CreateAt(CQarnView* view, PointF p) {
    (void)view;
    CQarnAutoShapeTempl* templ = CurrentTemplate();
    if (templ == nullptr) {
        return nullptr;
    }
    const SizeF natural = NaturalSize(templ);
    // A tiny instance in the template's proportions.
    const RectF frame = natural.Width <= natural.Height
                            ? RectF(p.X, p.Y, 1, natural.Height / natural.Width)
                            : RectF(p.X, p.Y, natural.Width / natural.Height, 1);
    auto shape = std::make_unique<CQarnAutoShape>(frame, templ->GetTemplateID());
    shape->SetShapeID(int(kAutoShapeToolID));
    shape->SetTemplate(templ);
    shape->UpdateRotateCenter();
    shape->ResetPath();
    return shape;
}

RectF CAutoShapeTool::ClickFrame(CQarnComponent* component, PointF p) const {
    const auto* instance = static_cast<CQarnAutoShape*>(component);
    const CQarnAutoShapeTempl* templ = instance->GetTemplate();
    const SizeF natural = templ != nullptr ? NaturalSize(templ) : SizeF(kDefaultSize, kDefaultSize);
    return RectF(p.X - natural.Width / 2, p.Y - natural.Height / 2, natural.Width, natural.Height);
}

RectF CAutoShapeTool::LeastFrame(CQarnComponent* component, const RectF& frame) const {
    (void)component;
    const float width = std::fabs(frame.Width);
    const float height = std::fabs(frame.Height);
    if (width >= kLeastSize || height >= kLeastSize || width <= 0 || height <= 0) {
        return frame;
    }
    // Both sides too small: the smaller becomes the least size, the other keeps the ratio.
    const float scale = kLeastSize / std::min(width, height);
    return RectF(frame.X, frame.Y, frame.Width * scale, frame.Height * scale);
}

void CAutoShapeTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    auto* instance = dynamic_cast<CQarnAutoShape*>(GetDrawn());
    CShapeTool::OnLButtonUp(view, flags, point);
    // Placed, the instance draws with the document's own copy of its template.
    CQarnDoc* doc = view->GetDoc();
    if (instance != nullptr && doc != nullptr && doc->Contains(instance)) {
        if (CQarnAutoShapeTempl* copy = doc->FindASTemplate(instance->GetTemplateNumber())) {
            instance->SetTemplate(copy);
            instance->ResetPath();
        }
    }
}
