#include "undo/property_content.h"

#include <typeinfo>

#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/font_property.h"
#include "properties/label_property.h"
#include "properties/pen_property.h"
#include "properties/persp_property.h"
#include "properties/property_value.h"
#include "properties/shadow_property.h"
#include "properties/tip_property.h"

namespace {

template <class T>
bool CopyAs(CQarnProperty* target, const CQarnProperty* source) {
    auto* to = dynamic_cast<T*>(target);
    const auto* from = dynamic_cast<const T*>(source);
    if (to == nullptr || from == nullptr) {
        return false;
    }
    to->Copy(from);
    return true;
}

}  // namespace

namespace Qarn {

bool CopyPropertyContent(CQarnProperty* target, const CQarnProperty* source) {
    if (target == nullptr || source == nullptr || typeid(*target) != typeid(*source)) {
        return false;
    }
    if (target == source) {
        return true;
    }
    target->SetId(int(source->GetId()));
    // Each family copies through its own virtual Copy, which the derived classes (a text is a
    // font, a brush a basic brush) extend.
    if (CopyAs<CQarnBasicBrushProperty>(target, source) ||
        CopyAs<CQarnFontProperty>(target, source) || CopyAs<CQarnPenProperty>(target, source) ||
        CopyAs<CQarnArrowProperty>(target, source) || CopyAs<CQarnLabelProperty>(target, source) ||
        CopyAs<CQarnShadowProperty>(target, source) || CopyAs<CQarnPerspProperty>(target, source) ||
        CopyAs<CQarnTipProperty>(target, source)) {
        return true;
    }
    if (auto* value = dynamic_cast<CQarnPropertyValue*>(target)) {
        const auto* from = static_cast<const CQarnPropertyValue*>(source);
        value->SetName(from->GetName());
        value->SetValue(from->GetValue());
        return true;
    }
    // A plain property holds nothing beyond its kind.
    return typeid(*target) == typeid(CQarnProperty);
}

}  // namespace Qarn
