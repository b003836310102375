#include "properties/text_property.h"

#include <QPainter>
#include <memory>

#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/rect_geometry.h"
#include "platform/archive.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/solid_brush.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/embedded_brush.h"
#include "properties/text_layout_format.h"

QARN_IMPLEMENT_SERIAL(CQarnTextProperty, CQarnFontProperty, 0)

CQarnTextProperty::CQarnTextProperty() : CQarnFontProperty(QARN_PROP_TEXT) {
    auto* brush = new CQarnBasicBrushProperty();
    brush->SetColor1(Color(Color::Black));
    SetBrush(brush);
}

CQarnTextProperty::~CQarnTextProperty() {
    if (m_pBrush != nullptr) {
        m_pBrush->Remove();
    }
}

CQarnProperty* CQarnTextProperty::Clone() const {
    auto* clone = new CQarnTextProperty();
    clone->SetId(int(GetId()));
    clone->Copy(this);
    return clone;
}

void CQarnTextProperty::Copy(const CQarnFontProperty* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnFontProperty::Copy(source);
    m_bLayoutValid = false;
    m_Boxes.clear();
    m_Ranges.clear();
    m_rcPosition = RectF();
    auto* text = dynamic_cast<const CQarnTextProperty*>(source);
    if (text == nullptr) {
        return;
    }
    m_strText = text->m_strText;
    m_dwFormatFlags = text->m_dwFormatFlags;
    m_nTrimming = text->m_nTrimming;
    m_nXAlign = text->m_nXAlign;
    m_nYAlign = text->m_nYAlign;
    m_dwTextFlags = text->m_dwTextFlags;
    m_nParaCount = text->GetNumPara();
    SetBrush(static_cast<CQarnBasicBrushProperty*>(text->m_pBrush->Clone()));
}

void CQarnTextProperty::SetText(const QString& text) {
    m_strText = text;
    m_bLayoutValid = false;
}

void CQarnTextProperty::SetFontName(const QString& name) {
    CQarnFontProperty::SetFontName(name);
    m_bLayoutValid = false;
}

void CQarnTextProperty::SetFontStyle(unsigned char style) {
    CQarnFontProperty::SetFontStyle(style);
    m_bLayoutValid = false;
}

void CQarnTextProperty::SetFontSize(float points) {
    CQarnFontProperty::SetFontSize(points);
    m_bLayoutValid = false;
}

void CQarnTextProperty::SetStringFormat(DWORD flags) {
    m_dwFormatFlags = flags;
    m_bLayoutValid = false;
}

void CQarnTextProperty::SetFormatBit(DWORD bit, bool on) {
    SetStringFormat(on ? (m_dwFormatFlags | bit) : (m_dwFormatFlags & ~bit));
}

void CQarnTextProperty::SetStringTrimming(BYTE trimming) {
    m_nTrimming = trimming;
    m_bLayoutValid = false;
}

void CQarnTextProperty::SetXAlignment(BYTE alignment) {
    m_nXAlign = alignment;
    m_bLayoutValid = false;
}

void CQarnTextProperty::SetYAlignment(BYTE alignment) {
    m_nYAlign = alignment;
    m_bLayoutValid = false;
}

COLORREF CQarnTextProperty::GetColor(int index) const {
    return m_pBrush ? m_pBrush->GetColor(index).ToCOLORREF() : 0;
}

void CQarnTextProperty::SetColor(const Color& color, int index) {
    if (m_pBrush != nullptr) {
        m_pBrush->SetColor(color, index);
    }
}

void CQarnTextProperty::SetColor(const unsigned long& colorref, int index) {
    if (m_pBrush != nullptr) {
        m_pBrush->SetColor(colorref, index);
    }
}

void CQarnTextProperty::SetBrush(CQarnBasicBrushProperty* brush) {
    if (brush == m_pBrush) {
        return;
    }
    if (m_pBrush != nullptr) {
        m_pBrush->Remove();
    }
    m_pBrush = brush;
    if (m_pBrush != nullptr) {
        m_pBrush->SetRefCount(1);
    }
}

int CQarnTextProperty::GetNumPara() const {
    return 1 + int(m_strText.count(QLatin1Char('\n')));
}

void CQarnTextProperty::SetLayout(const QList<RectF>& boxes, const QList<CQarnCharRange>& ranges) {
    m_Boxes = boxes;
    m_Ranges = ranges;
    m_nParaCount = GetNumPara();
    m_bLayoutValid = true;
}

// The file keeps only the low byte of the format flags, so no-wrap (0x1000) does not survive
// a save; the measured layout is not stored.
void CQarnTextProperty::Serialize(CArchive& ar) {
    CQarnFontProperty::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strText << m_nTrimming << std::uint8_t(m_dwFormatFlags & 0xFF) << m_nXAlign
           << m_nYAlign << std::int32_t(0) << std::int32_t(0);
        Qarn::StoreEmbeddedBrush(ar, m_pBrush);
        return;
    }
    std::uint8_t format = 0;
    std::int32_t reserved = 0;
    ar >> m_strText >> m_nTrimming >> format >> m_nXAlign >> m_nYAlign >> reserved >> reserved;
    m_dwFormatFlags = format;
    SetBrush(Qarn::LoadEmbeddedBrush(ar));
    m_bLayoutValid = false;
}

void CQarnTextProperty::Draw(Graphics* graphics, const RectF& r, CQarnBasicBrushProperty* paint) {
    if (graphics == nullptr || m_strText.isEmpty()) {
        return;
    }
    RectF box = r;
    Qarn::NormalizeRectF(box);
    const QFont font = Qarn::FontForDocumentUnits(*this, graphics);
    const int flags = Qarn::TextLayoutFlags(m_nXAlign, m_nYAlign, m_dwFormatFlags);
    CQarnBasicBrushProperty* brush = paint ? paint : m_pBrush;
    if (brush == nullptr) {
        return;
    }
    if (QPainter* painter = graphics->GetPainter()) {
        painter->setRenderHint(QPainter::TextAntialiasing, Qarn::GetConfig()->m_nAntialiase != 0);
    }
    std::unique_ptr<Brush> fill(brush->CreateBrush(box, nullptr, 0, 100));
    if (!fill) {
        return;
    }
    const bool pathGradient = brush->GetBrushType() == CQarnBrushProperty::PathGradient;
    if (!pathGradient || Qarn::GetSVGCompatibility() < 1100) {
        Qarn::DrawLaidOutText(graphics, m_strText, font, box, flags, m_dwFormatFlags, fill.get());
        return;
    }
    // A radial fill covers only the ellipse inscribed in the box: outside it the text takes
    // the outer colour.
    const Color outer = brush->GetToCenter() ? brush->GetColor1() : brush->GetColor2();
    SolidBrush outerBrush(outer);
    GraphicsPath ellipse;
    ellipse.AddEllipse(box);
    const GraphicsState state = graphics->Save();
    graphics->SetClip(&ellipse, CombineModeExclude);
    Qarn::DrawLaidOutText(graphics, m_strText, font, box, flags, m_dwFormatFlags, &outerBrush);
    graphics->Restore(state);
    Qarn::DrawLaidOutText(graphics, m_strText, font, box, flags, m_dwFormatFlags, fill.get());
}
