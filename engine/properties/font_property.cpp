#include "properties/font_property.h"

#include <QFont>

#include "core/drawing_limits.h"
#include "platform/archive.h"
#include "platform/font_mapper.h"

QARN_IMPLEMENT_SERIAL(CQarnFontProperty, CQarnProperty, 0)

CQarnProperty* CQarnFontProperty::Clone() const {
    auto* clone = new CQarnFontProperty(GetId());
    clone->Copy(this);
    return clone;
}

void CQarnFontProperty::Copy(const CQarnFontProperty* source) {
    if (source == nullptr || source == this) {
        return;
    }
    m_strFontName = source->m_strFontName;
    m_nFontStyle = source->m_nFontStyle;
    m_fFontSize = source->m_fFontSize;
}

void CQarnFontProperty::SetFontSize(float points) {
    m_fFontSize = Qarn::SaneFontSize(points);
}

CCharFormat CQarnFontProperty::GetCharFormat() const {
    CCharFormat format;
    format.cbSize = 60;
    format.dwMask = CFM_FACE | CFM_SIZE;
    format.yHeight = LONG(m_fFontSize * 20.0f);
    format.szFaceName = m_strFontName;
    return format;
}

void CQarnFontProperty::SetCharFormat(const CCharFormat& format, CView*) {
    if ((format.dwMask & CFM_FACE) != 0) {
        SetFontName(format.szFaceName);
    }
    if ((format.dwMask & CFM_SIZE) != 0) {
        SetFontSize(float(format.yHeight) * 0.05f);
    }
}

QFont CQarnFontProperty::CreateQFont() const {
    return CFontMapper::CreateFont(m_strFontName, m_fFontSize, m_nFontStyle);
}

void CQarnFontProperty::Serialize(CArchive& ar) {
    CQarnProperty::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strFontName << m_fFontSize << m_nFontStyle << std::int32_t(0) << std::int32_t(0);
    } else {
        std::int32_t reserved = 0;
        float size = 0.0f;
        ar >> m_strFontName >> size >> m_nFontStyle >> reserved >> reserved;
        SetFontSize(size);
    }
}
