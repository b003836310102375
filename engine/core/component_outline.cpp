// Moving a built outline along with its component instead of building it again.
#include "core/component.h"
#include "core/element.h"
#include "platform/graphics_path.h"
#include "platform/matrix.h"

bool CQarnComponent::OffsetOutline(float dx, float dy) {
    if (m_Elements.empty() || m_pPath == nullptr) {
        return false;
    }
    const Matrix shift(1, 0, 0, 1, dx, dy);
    for (const std::unique_ptr<CQarnElement>& element : m_Elements) {
        element->GetPath()->Transform(&shift);
        RectF r = element->GetRectF();
        r.Offset(dx, dy);
        element->SetRectF(r);
    }
    // A single element's path is the combined one; several have a combined copy of their own.
    if (m_pOwnedPath != nullptr) {
        m_pOwnedPath->Transform(&shift);
    }
    return true;
}
