#include "properties/label_property.h"

#include <QPainter>
#include <cmath>

#include "core/configuration.h"
#include "core/conversions.h"
#include "core/custom_config.h"
#include "core/rect_geometry.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/dc.h"
#include "platform/graphics.h"
#include "platform/pen.h"
#include "platform/solid_brush.h"
#include "properties/font_property.h"
#include "properties/text_layout.h"

QARN_IMPLEMENT_SERIAL(CQarnLabelProperty, CQarnProperty, 0)

namespace {

constexpr float kMinimumWidth = 50.0f;
constexpr float kMinimumHeight = 24.0f;

}  // namespace

CQarnLabelProperty::CQarnLabelProperty() : CQarnProperty(QARN_PROP_LABEL) {
    Init();
}

CQarnLabelProperty::CQarnLabelProperty(unsigned int kind) : CQarnProperty(kind) {
    Init();
}

CQarnLabelProperty::CQarnLabelProperty(const RectF& rect) : CQarnProperty(QARN_PROP_LABEL) {
    Init();
    RectF r = rect;
    const float cx = r.X + r.Width / 2;
    const float cy = r.Y + r.Height / 2;
    if (r.Width < kMinimumWidth) {
        r.X = cx - kMinimumWidth / 2;
        r.Width = kMinimumWidth;
    }
    if (r.Height < kMinimumHeight) {
        r.Y = cy - kMinimumHeight / 2;
        r.Height = kMinimumHeight;
    }
    m_rect = r;
    m_lastRect = r;
}

void CQarnLabelProperty::Init() {
    m_pFont = new CQarnFontProperty();
    m_pFont->SetRefCount(1);
}

CQarnLabelProperty::~CQarnLabelProperty() {
    if (m_pFont != nullptr) {
        m_pFont->Remove();
    }
}

CQarnProperty* CQarnLabelProperty::Clone() const {
    auto* clone = new CQarnLabelProperty(GetId());
    clone->Copy(this);
    return clone;
}

void CQarnLabelProperty::Copy(const CQarnLabelProperty* source) {
    if (source == nullptr || source == this) {
        return;
    }
    m_dwReserved1 = source->m_dwReserved1;
    m_pFont->Copy(source->m_pFont);
    m_Color = source->m_Color;
    m_dwReserved2 = source->m_dwReserved2;
    m_strText = source->m_strText;
    m_rect = source->m_rect;
    m_lastRect = source->m_lastRect;
    m_nTrimming = source->m_nTrimming;
    m_nFormatFlags = source->m_nFormatFlags;
    m_nXAlign = source->m_nXAlign;
    m_nYAlign = source->m_nYAlign;
}

PointF CQarnLabelProperty::GetCenterPointF() const {
    return PointF(m_rect.X + m_rect.Width / 2, m_rect.Y + m_rect.Height / 2);
}

CRect CQarnLabelProperty::GetBoundRect() const {
    CRect r = Qarn::cast(m_rect);
    r.NormalizeRect();
    return r;
}

void CQarnLabelProperty::Serialize(CArchive& ar) {
    CQarnProperty::Serialize(ar);
    if (ar.IsStoring()) {
        ar.SerializeEmbedded(*m_pFont);
        ar << m_strText << m_rect << std::uint32_t(m_dwReserved1) << std::uint32_t(m_dwReserved2)
           << m_Color << m_nTrimming << m_nFormatFlags << m_nXAlign << m_nYAlign;
        return;
    }
    ar.SerializeEmbedded(*m_pFont);
    std::uint32_t reserved1 = 0;
    std::uint32_t reserved2 = 0;
    ar >> m_strText >> m_rect >> reserved1 >> reserved2 >> m_Color >> m_nTrimming >>
        m_nFormatFlags >> m_nXAlign >> m_nYAlign;
    m_dwReserved1 = reserved1;
    m_dwReserved2 = reserved2;
    m_lastRect = m_rect;
}

void CQarnLabelProperty::Draw(Graphics* graphics) {
    if (graphics == nullptr || m_strText.isEmpty()) {
        return;
    }
    const SolidBrush brush(m_Color);
    const CQarnTextLayout layout(m_strText, *m_pFont, m_rect, m_nXAlign, m_nYAlign, m_nFormatFlags,
                                 m_nTrimming);
    if (!graphics->OnRaster()) {
        // On a vector device the label stays text that readers can search and copy.
        layout.DrawAsText(graphics, QColor::fromRgba(m_Color.GetValue()));
        return;
    }
    layout.Draw(graphics, &brush, Qarn::GetConfig()->m_nAntialiase != 0);
}

void CQarnLabelProperty::DrawOutline(CDC* dc) {
    if (dc == nullptr || dc->GetPainter() == nullptr) {
        return;
    }
    RectF box = m_rect;
    Qarn::NormalizeRectF(box);
    QPainter* painter = dc->GetPainter();
    painter->save();
    // Drawn twice, the feedback undoes itself.
    painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    Graphics graphics(dc);
    Pen dotted(Color(Color::White), 0.0f);
    dotted.SetDashStyle(DashStyleDot);
    graphics.DrawRectangle(&dotted, box);
    painter->restore();
}
