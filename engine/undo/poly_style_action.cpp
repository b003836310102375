#include "undo/poly_style_action.h"

#include <utility>

#include "core/property_ids.h"
#include "platform/variant.h"
#include "shapes/poly.h"

QARN_IMPLEMENT_DYNAMIC(CPolyStyleAction, CPolyAction)

CPolyStyleAction::CPolyStyleAction(CActionSite site, unsigned int id, CQarnComponent* poly,
                                   const Style& style)
    : CPolyAction(site, id, poly), m_Style(style) {}

bool CPolyStyleAction::Edit(CQarnPoly& poly) {
    if (poly.GetPolyStyle() == m_Style.polyStyle && poly.IsClosed() == m_Style.closed &&
        poly.GetTension() == m_Style.tension) {
        return false;
    }
    m_dwKeptStyle = poly.GetPolyStyle();
    m_fKeptTension = poly.GetTension();
    // The join kind and the closed flag go through their property ids, which rebuild what
    // depends on them; the rest of the style word and the tension are set directly.
    poly.SetPropValue(CVariant(std::int32_t(m_Style.polyStyle & CQarnPoly::kJoinKindMask)),
                      QarnPropId::PolyStyle);
    poly.SetPropValue(CVariant(m_Style.closed), QarnPropId::Closed);
    poly.SetPolyStyle(m_Style.polyStyle);
    poly.SetTension(m_Style.tension);
    poly.RecalcBounds(0);
    return true;
}

void CPolyStyleAction::Exchange() {
    CQarnPoly* poly = GetPoly();
    const DWORD style = poly->GetPolyStyle();
    const float tension = poly->GetTension();
    poly->SetPolyStyle(m_dwKeptStyle);
    poly->SetTension(m_fKeptTension);
    m_dwKeptStyle = style;
    m_fKeptTension = tension;
    // The geometry last: it rebuilds the outline with the style put back.
    CPolyAction::Exchange();
}
