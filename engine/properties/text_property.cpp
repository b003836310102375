#include "properties/text_property.h"

#include <QColor>
#include <memory>

#include "core/component.h"
#include "core/configuration.h"
#include "core/conversions.h"
#include "core/custom_config.h"
#include "core/rect_geometry.h"
#include "platform/archive.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/solid_brush.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/embedded_brush.h"
#include "properties/text_layout.h"
#include "properties/text_outline.h"

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
    Qarn::AdoptOwnedBrush(m_pBrush, brush);
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

std::unique_ptr<CQarnTextLayout> CQarnTextProperty::CreateLayout(const RectF& r,
                                                                 DWORD extraFlags) const {
    return std::make_unique<CQarnTextLayout>(m_strText, *this, r, m_nXAlign, m_nYAlign,
                                             m_dwFormatFlags | extraFlags, m_nTrimming);
}

void CQarnTextProperty::PrepareForDrawing() {
    if (m_pBrush != nullptr) {
        m_pBrush->PrepareForDrawing();
    }
}

void CQarnTextProperty::Draw(Graphics* graphics, const RectF& r, CQarnBasicBrushProperty* paint) {
    if (graphics == nullptr || m_strText.isEmpty()) {
        return;
    }
    RectF box = r;
    Qarn::NormalizeRectF(box);
    CQarnBasicBrushProperty* brush = paint ? paint : m_pBrush;
    if (brush == nullptr) {
        return;
    }
    std::unique_ptr<Brush> fill(brush->CreateBrush(box, nullptr, 0, 100));
    if (!fill) {
        return;
    }
    if (!graphics->OnRaster() && fill->GetType() == BrushTypeSolidColor) {
        // On a vector device plain text stays text: readers find, copy and read it aloud.
        const Color color = static_cast<const SolidBrush*>(fill.get())->GetColor();
        CreateLayout(box)->DrawAsText(graphics, QColor::fromRgba(color.GetValue()));
        return;
    }
    CQarnTextOutline::Key key(m_strText, *this, box, m_nXAlign, m_nYAlign, m_dwFormatFlags,
                              m_nTrimming);
    const std::shared_ptr<const CQarnTextOutline> layout = m_Outline.Get(
        [&](const CQarnTextOutline& kept) { return kept.IsFor(key); },
        [&] {
            return std::make_shared<const CQarnTextOutline>(std::move(key), *CreateLayout(box));
        });
    const bool antialias = Qarn::GetConfig()->m_nAntialiase != 0;
    const bool pathGradient = brush->GetBrushType() == CQarnBrushProperty::PathGradient;
    if (!pathGradient || Qarn::GetSVGCompatibility() < 1100) {
        layout->Draw(graphics, fill.get(), antialias);
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
    layout->Draw(graphics, &outerBrush, antialias);
    graphics->Restore(state);
    layout->Draw(graphics, fill.get(), antialias);
}

namespace {

bool IsLeadingBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool IsTrailingBlank(QChar c) {
    return IsLeadingBlank(c) || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

}  // namespace

void CQarnTextProperty::UpdateBounds(CView*, RectF r) {
    m_rcPosition = CreateLayout(r)->GetBoundRect(false);
    if (m_bLayoutValid) {
        return;
    }
    // Every line counts here, also those the rectangle clips away.
    const std::unique_ptr<CQarnTextLayout> layout = CreateLayout(r, CQarnTextLayout::NoClip);
    QList<RectF> boxes;
    QList<CQarnCharRange> ranges;
    for (int line = 0; line < layout->GetLineCount(); ++line) {
        CQarnCharRange range = layout->GetLineRange(line);
        int end = range.first + range.length;
        while (end > range.first && IsTrailingBlank(m_strText.at(end - 1))) {
            --end;
        }
        while (range.first < end && IsLeadingBlank(m_strText.at(range.first))) {
            ++range.first;
        }
        range.length = end - range.first;
        ranges.append(range);
        boxes.append(layout->MeasureRange(line, range.first, range.length));
    }
    SetLayout(boxes, ranges);
}

void CQarnTextProperty::UpdateBounds(CQarnComponent* component) {
    if (component != nullptr) {
        UpdateBounds(nullptr, component->GetTextPosition());
    }
}

RectF CQarnTextProperty::GetBoundRect(Graphics*, const RectF& r) const {
    return CreateLayout(r)->GetBoundRect(false);
}

int CQarnTextProperty::TextLen(CDC*, const RectF& r) const {
    return int(GetBoundRect(nullptr, r).Width);
}

int CQarnTextProperty::MaxHeight(CDC*, const RectF& r) const {
    return int(GetBoundRect(nullptr, r).Height);
}

CRect CQarnTextProperty::FitContent(CView*, const RectF& r, int direction) const {
    constexpr float kGrowth = 1000.0f;
    RectF area = r;
    if (direction == 0 || direction == 1) {
        area.X -= kGrowth;
        area.Width += 2 * kGrowth;
    }
    if (direction == 0 || direction == 2) {
        area.Y -= kGrowth;
        area.Height += 2 * kGrowth;
    }
    int width = TextLen(nullptr, area);
    int height = MaxHeight(nullptr, area);
    if (width == 0) {
        // Room for the caret of an empty text.
        width = 4;
        height = 9;
    }
    CRect box = Qarn::cast(r);
    if (box.left >= box.right) {
        box.left = box.right + width + 4;
    } else {
        box.right = box.left + width + 4;
    }
    if (box.top >= box.bottom) {
        box.top = box.bottom + height + 2;
    } else {
        box.bottom = box.top + height + 2;
    }
    box.NormalizeRect();
    return box;
}
