// The rows of the property-id protocol. Colours travel as 32-bit ARGB integers (alpha in the
// top byte), flags as booleans. An attribute kept by a property the component may lack (pen,
// fill, shadow, text) reads as a neutral value and takes nothing while that property is
// missing; the fill and pen colours and the arrow heads do the same through the component's
// own accessors.
#include "core/property_table.h"

#include <algorithm>
#include <limits>

#include "core/component.h"
#include "core/property_ids.h"
#include "properties/basic_brush_property.h"
#include "properties/pen_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"

namespace P = QarnPropId;
using Row = CQarnPropertyTable::Row;
using Range = CQarnPropertyTable::Range;
using Component = CQarnComponent;

namespace {

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

// The ranges a row can have: any 32-bit integer, a byte field, a 16-bit field, or none (the
// value is not an integer).
constexpr Range kAnyInt{kIntMin, kIntMax};
constexpr Range kByte{0, 0xFF};
constexpr Range kWord{0, 0xFFFF};
constexpr Range kNoRange{0, 0};

CVariant Int(std::int32_t value) {
    return CVariant(value);
}

CVariant Byte(int value) {
    return CVariant(BYTE(value));
}

CVariant Argb(const Color& color) {
    return CVariant(std::int32_t(color.GetValue()));
}

Color ArgbOf(const CVariant& value) {
    return Color(ARGB(value.GetI4()));
}

bool IsOn(const CVariant& value) {
    return value.GetBool() != VARIANT_FALSE;
}

// Sets one value of the frame and keeps the other three.
void SetFrameValue(Component& c, float RectF::*field, const CVariant& v) {
    RectF r = c.GetRectF();
    r.*field = v.GetR4();
    c.MoveTo(r, 1);
}

// Shadow, text and pen values when the component has no such property.
constexpr int kNoShadowAlpha = 255;
constexpr int kNoTextAlpha = 255;
constexpr int kNoPenMiterLimit = 10;
// A component without text reports a 12-point Times New Roman face; callers have always been
// given these, though a new text itself starts as 12-point Arial. 12 is a point size here.
constexpr std::int32_t kNoTextFontSize = 12;
constexpr const char* kNoTextFontName = "Times New Roman";
// Style bits and format flags are words of bits, not sizes: a component without text reports
// none of them, as a new text has none. (Reporting the point size 12 here would read as
// underline plus strikeout, and as an undefined format bit, and would put those on any text
// the value is copied to.)
constexpr std::int32_t kNoTextFontStyle = 0;
constexpr std::int32_t kNoTextStringFormat = 0;

// Every row keeps one layout: id, type, name and range, then the read, then the write.
// clang-format off
constexpr Row kRows[] = {
    {P::X, VT_R4, "X", kNoRange,
     [](Component& c) { return CVariant(c.GetRectF().X); },
     [](Component& c, const CVariant& v) { SetFrameValue(c, &RectF::X, v); }},
    {P::Y, VT_R4, "Y", kNoRange,
     [](Component& c) { return CVariant(c.GetRectF().Y); },
     [](Component& c, const CVariant& v) { SetFrameValue(c, &RectF::Y, v); }},
    {P::Width, VT_R4, "Width", kNoRange,
     [](Component& c) { return CVariant(c.GetRectF().Width); },
     [](Component& c, const CVariant& v) { SetFrameValue(c, &RectF::Width, v); }},
    {P::Height, VT_R4, "Height", kNoRange,
     [](Component& c) { return CVariant(c.GetRectF().Height); },
     [](Component& c, const CVariant& v) { SetFrameValue(c, &RectF::Height, v); }},
    // The new angle is reached by turning about the centre by the difference.
    {P::RotateAngle, VT_R4, "Angle", kNoRange,
     [](Component& c) { return CVariant(c.GetRotateAngle()); },
     [](Component& c, const CVariant& v) {
         c.RotateAt(v.GetR4() - c.GetRotateAngle(), c.GetCenterPointF(), 1);
     }},
    // Shown only: flipping is an edit of its own.
    {P::FlipMode, VT_BSTR, "Flip", kNoRange,
     [](Component& c) { return CVariant(c.GetFlipMode()); },
     nullptr},
    {P::DrawLine, VT_BOOL, "Draw line", kNoRange,
     [](Component& c) { return CVariant(c.GetDrawLine()); },
     [](Component& c, const CVariant& v) { c.SetDrawLine(IsOn(v)); }},
    {P::Fill, VT_BOOL, "Fill", kNoRange,
     [](Component& c) { return CVariant(c.GetFill()); },
     [](Component& c, const CVariant& v) { c.SetFill(IsOn(v)); }},
    {P::DrawText, VT_BOOL, "Draw text", kNoRange,
     [](Component& c) { return CVariant(c.GetDrawText()); },
     [](Component& c, const CVariant& v) { c.SetDrawText(IsOn(v)); }},
    {P::DrawShadow, VT_BOOL, "Draw shadow", kNoRange,
     [](Component& c) { return CVariant(c.GetDrawShadow()); },
     [](Component& c, const CVariant& v) { c.SetDrawShadow(IsOn(v)); }},
    {P::Alpha, VT_I4, "Opacity", kByte,
     [](Component& c) { return Int(c.GetAlpha()); },
     [](Component& c, const CVariant& v) { c.SetAlpha(BYTE(v.GetI4())); }},
    {P::Closed, VT_BOOL, "Closed", kNoRange,
     [](Component& c) { return CVariant(c.IsClosed()); },
     [](Component& c, const CVariant& v) { c.SetClosed(IsOn(v)); }},
    {P::AnchorAnyWhere, VT_BOOL, "Anchor anywhere", kNoRange,
     [](Component& c) { return CVariant(c.CanAnchorAnyWhere()); },
     [](Component& c, const CVariant& v) { c.SetAnchorAnyWhere(IsOn(v)); }},
    {P::FillWithPen, VT_BOOL, "Fill with pen", kNoRange,
     [](Component& c) { return CVariant(c.GetFillWithPen()); },
     [](Component& c, const CVariant& v) { c.SetFillWithPen(IsOn(v)); }},
    {P::UseItsOwn, VT_BOOL, "Use its own", kNoRange,
     [](Component& c) { return CVariant(c.GetUseItsOwn()); },
     [](Component& c, const CVariant& v) { c.SetUseItsOwn(IsOn(v)); }},
    {P::LockRatio, VT_BOOL, "Lock ratio", kNoRange,
     [](Component& c) { return CVariant(c.IsRatioLocked()); },
     [](Component& c, const CVariant& v) { c.LockRatio(IsOn(v)); }},
    {P::Lock, VT_BOOL, "Lock", kNoRange,
     [](Component& c) { return CVariant(c.IsLocked()); },
     [](Component& c, const CVariant& v) { c.Lock(IsOn(v)); }},
    {P::ID, VT_I4, "ID", kAnyInt,
     [](Component& c) { return Int(std::int32_t(c.GetID())); },
     [](Component& c, const CVariant& v) { c.SetID(UINT(v.GetI4())); }},
    {P::Name, VT_BSTR, "Name", kNoRange,
     [](Component& c) { return CVariant(c.GetName()); },
     [](Component& c, const CVariant& v) { c.SetName(v.GetBSTR()); }},
    // The join kind and its flag belong to polys, which read and write them themselves; a
    // plain component reports 0 and keeps nothing.
    {P::PolyStyle, VT_I4, "Join kind", kAnyInt,
     [](Component&) { return Int(0); },
     [](Component&, const CVariant&) {}},
    {P::Visible, VT_BOOL, "Visible", kNoRange,
     [](Component& c) { return CVariant(!c.GetInvisible()); },
     [](Component& c, const CVariant& v) { c.SetInvisible(!IsOn(v)); }},
    {P::PolyStyleBit8, VT_I4, "Poly flag", kAnyInt,
     [](Component&) { return Int(0); },
     [](Component&, const CVariant&) {}},

    {P::ShadowStyle, VT_I4, "Shadow style", kAnyInt,
     [](Component& c) {
         auto* shadow = c.GetShadowProperty();
         return Int(shadow ? std::int32_t(shadow->GetStyle()) : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* shadow = c.GetShadowProperty()) {
             shadow->SetStyle(DWORD(v.GetI4()));
         }
     }},
    {P::ShadowColor1, VT_I4, "Shadow colour", kAnyInt,
     [](Component& c) {
         auto* shadow = c.GetShadowProperty();
         return shadow ? Argb(shadow->GetColor1()) : Int(0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* shadow = c.GetShadowProperty()) {
             shadow->SetColor1(ArgbOf(v));
         }
     }},
    {P::ShadowColor2, VT_I4, "Shadow colour 2", kAnyInt,
     [](Component& c) {
         auto* shadow = c.GetShadowProperty();
         return shadow ? Argb(shadow->GetColor2()) : Int(0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* shadow = c.GetShadowProperty()) {
             shadow->SetColor2(ArgbOf(v));
         }
     }},
    {P::ShadowOffsetX, VT_I4, "Shadow X offset", kAnyInt,
     [](Component& c) {
         auto* shadow = c.GetShadowProperty();
         return Int(shadow ? shadow->GetXOffset() : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* shadow = c.GetShadowProperty()) {
             shadow->SetXOffset(v.GetI4());
         }
     }},
    {P::ShadowOffsetY, VT_I4, "Shadow Y offset", kAnyInt,
     [](Component& c) {
         auto* shadow = c.GetShadowProperty();
         return Int(shadow ? shadow->GetYOffset() : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* shadow = c.GetShadowProperty()) {
             shadow->SetYOffset(v.GetI4());
         }
     }},
    {P::ShadowAlpha, VT_UI1, "Shadow opacity", kByte,
     [](Component& c) {
         auto* shadow = c.GetShadowProperty();
         return Byte(shadow ? shadow->GetColor1().GetA() : kNoShadowAlpha);
     },
     [](Component& c, const CVariant& v) {
         if (auto* shadow = c.GetShadowProperty()) {
             shadow->GetBrushProperty()->SetAlpha(v.GetUI1());
         }
     }},

    {P::PenType, VT_I4, "Pen type", kByte,
     [](Component& c) {
         auto* pen = c.GetPenProperty();
         return Int(pen ? pen->GetPenType() : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* pen = c.GetPenProperty()) {
             pen->SetPenType(BYTE(v.GetI4()));
         }
     }},
    {P::LineWidth, VT_R4, "Line width", kNoRange,
     [](Component& c) { return CVariant(c.GetLineWidth()); },
     [](Component& c, const CVariant& v) { c.SetLineWidth(v.GetR4()); }},
    {P::LineColor1, VT_I4, "Line colour", kAnyInt,
     [](Component& c) { return Argb(c.GetLineColor()); },
     [](Component& c, const CVariant& v) { c.SetLineColor(ArgbOf(v)); }},
    {P::LineColor2, VT_I4, "Line colour 2", kAnyInt,
     [](Component& c) {
         auto* pen = c.GetPenProperty();
         return pen ? Argb(pen->GetColor2()) : Int(0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* pen = c.GetPenProperty()) {
             pen->SetColor2(ArgbOf(v));
         }
     }},
    {P::LineCap, VT_UI1, "Line cap", kByte,
     [](Component& c) {
         auto* pen = c.GetPenProperty();
         return Byte(pen ? pen->GetLineCap() : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* pen = c.GetPenProperty()) {
             pen->SetLineCap(v.GetUI1());
         }
     }},
    {P::LineJoin, VT_UI1, "Line join", kByte,
     [](Component& c) {
         auto* pen = c.GetPenProperty();
         return Byte(pen ? pen->GetLineJoin() : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* pen = c.GetPenProperty()) {
             pen->SetLineJoin(v.GetUI1());
         }
     }},
    {P::DashStyle, VT_I4, "Dash style", kWord,
     [](Component& c) { return Int(c.GetDashStyle()); },
     [](Component& c, const CVariant& v) { c.SetDashStyle((unsigned short)(v.GetI4())); }},
    {P::LineAlpha, VT_UI1, "Line opacity", kByte,
     [](Component& c) { return Byte(c.GetLineColor().GetA()); },
     [](Component& c, const CVariant& v) {
         if (auto* pen = c.GetPenProperty()) {
             if (CQarnBasicBrushProperty* paint = pen->GetBrush()) {
                 paint->SetAlpha(v.GetUI1());
             }
         }
     }},
    {P::MiterLimit, VT_UI1, "Miter limit", kByte,
     [](Component& c) {
         auto* pen = c.GetPenProperty();
         return Byte(pen ? pen->GetMeterLimit() : kNoPenMiterLimit);
     },
     [](Component& c, const CVariant& v) {
         if (auto* pen = c.GetPenProperty()) {
             pen->SetMeterLimit(v.GetUI1());
         }
     }},
    {P::PenAlignment, VT_UI1, "Pen alignment", kByte,
     [](Component& c) {
         auto* pen = c.GetPenProperty();
         return Byte(pen ? pen->GetPenAlignment() : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* pen = c.GetPenProperty()) {
             pen->SetPenAlignment(v.GetUI1());
         }
     }},

    {P::HatchStyle, VT_UI1, "Hatch style", kByte,
     [](Component& c) {
         auto* brush = c.GetBrushProperty();
         return Byte(brush ? brush->GetHatchStyle() : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* brush = c.GetBrushProperty()) {
             brush->SetHatchStyle(v.GetUI1());
         }
     }},
    {P::FillColor1, VT_I4, "Fill colour", kAnyInt,
     [](Component& c) { return Argb(c.GetFillColor()); },
     [](Component& c, const CVariant& v) {
         if (auto* brush = c.GetBrushProperty()) {
             brush->SetColor1(ArgbOf(v));
         }
     }},
    {P::FillColor2, VT_I4, "Fill colour 2", kAnyInt,
     [](Component& c) {
         auto* brush = c.GetBrushProperty();
         return brush ? Argb(brush->GetColor2()) : Int(0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* brush = c.GetBrushProperty()) {
             brush->SetColor2(ArgbOf(v));
         }
     }},
    {P::ImageName, VT_BSTR, "Fill picture", kNoRange,
     [](Component& c) {
         auto* brush = c.GetBrushProperty();
         return CVariant(brush ? brush->GetImageName() : QString());
     },
     [](Component& c, const CVariant& v) {
         if (auto* brush = c.GetBrushProperty()) {
             brush->SetImageName(v.GetBSTR());
         }
     }},
    {P::GradientMode, VT_UI1, "Gradient mode", kByte,
     [](Component& c) {
         auto* brush = c.GetBrushProperty();
         return Byte(brush ? brush->GetLinearGradientMode() : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* brush = c.GetBrushProperty()) {
             brush->SetLinearGradientMode(v.GetUI1());
         }
     }},
    {P::WrapMode, VT_UI1, "Wrap mode", kByte,
     [](Component& c) { return Byte(c.GetWrapMode()); },
     [](Component& c, const CVariant& v) { c.SetWrapMode(v.GetUI1()); }},
    {P::FillAlpha, VT_UI1, "Fill opacity", kByte,
     [](Component& c) { return Byte(c.GetFillColor().GetA()); },
     [](Component& c, const CVariant& v) {
         if (auto* brush = c.GetBrushProperty()) {
             brush->SetAlpha(v.GetUI1());
         }
     }},

    {P::StartArrowSize, VT_UI1, "Start arrow size", kByte,
     [](Component& c) { return Byte(c.GetStartArrowSize()); },
     [](Component& c, const CVariant& v) { c.SetStartArrowSize(v.GetUI1()); }},
    {P::StartArrow, VT_UI1, "Start arrow", kByte,
     [](Component& c) { return Byte(c.GetStartArrow()); },
     [](Component& c, const CVariant& v) { c.SetStartArrow(ArrowType(v.GetUI1())); }},
    {P::EndArrowSize, VT_UI1, "End arrow size", kByte,
     [](Component& c) { return Byte(c.GetEndArrowSize()); },
     [](Component& c, const CVariant& v) { c.SetEndArrowSize(v.GetUI1()); }},
    {P::EndArrow, VT_UI1, "End arrow", kByte,
     [](Component& c) { return Byte(c.GetEndArrow()); },
     [](Component& c, const CVariant& v) { c.SetEndArrow(ArrowType(v.GetUI1())); }},

    {P::TextColor, VT_I4, "Text colour", kAnyInt,
     [](Component& c) {
         auto* text = c.GetTextProperty();
         return text ? Argb(text->GetBrush()->GetColor1()) : Int(0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* text = c.GetTextProperty()) {
             text->GetBrush()->SetColor1(ArgbOf(v));
         }
     }},
    {P::FontName, VT_BSTR, "Font", kNoRange,
     [](Component& c) {
         auto* text = c.GetTextProperty();
         return CVariant(text ? text->GetFontName() : QString::fromLatin1(kNoTextFontName));
     },
     [](Component& c, const CVariant& v) {
         if (auto* text = c.GetTextProperty()) {
             text->SetFontName(v.GetBSTR());
         }
     }},
    // Whole points: a size read and written back loses its fraction.
    {P::FontSize, VT_I4, "Font size", kAnyInt,
     [](Component& c) {
         auto* text = c.GetTextProperty();
         return Int(text ? std::int32_t(text->GetFontSize()) : kNoTextFontSize);
     },
     [](Component& c, const CVariant& v) {
         if (auto* text = c.GetTextProperty()) {
             text->SetFontSize(float(v.GetI4()));
         }
     }},
    {P::FontStyle, VT_I4, "Font style", kByte,
     [](Component& c) {
         auto* text = c.GetTextProperty();
         return Int(text ? text->GetFontStyle() : kNoTextFontStyle);
     },
     [](Component& c, const CVariant& v) {
         if (auto* text = c.GetTextProperty()) {
             text->SetFontStyle(BYTE(v.GetI4()));
         }
     }},
    {P::TextAlign, VT_I4, "Horizontal alignment", kByte,
     [](Component& c) {
         auto* text = c.GetTextProperty();
         return Int(text ? text->GetXAlignment() : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* text = c.GetTextProperty()) {
             text->SetXAlignment(BYTE(v.GetI4()));
         }
     }},
    {P::StringFormat, VT_I4, "Text layout", kAnyInt,
     [](Component& c) {
         auto* text = c.GetTextProperty();
         return Int(text ? std::int32_t(text->GetStringFormat()) : kNoTextStringFormat);
     },
     [](Component& c, const CVariant& v) {
         if (auto* text = c.GetTextProperty()) {
             text->SetStringFormat(DWORD(v.GetI4()));
         }
     }},
    {P::TextVAlign, VT_I4, "Vertical alignment", kByte,
     [](Component& c) {
         auto* text = c.GetTextProperty();
         return Int(text ? text->GetYAlignment() : 0);
     },
     [](Component& c, const CVariant& v) {
         if (auto* text = c.GetTextProperty()) {
             text->SetYAlignment(BYTE(v.GetI4()));
         }
     }},
    {P::TextAlpha, VT_UI1, "Text opacity", kByte,
     [](Component& c) {
         auto* text = c.GetTextProperty();
         return Byte(text ? text->GetBrush()->GetColor1().GetA() : kNoTextAlpha);
     },
     [](Component& c, const CVariant& v) {
         if (auto* text = c.GetTextProperty()) {
             text->GetBrush()->SetAlpha(v.GetUI1());
         }
     }},
    {P::Text, VT_BSTR, "Text", kNoRange,
     [](Component& c) {
         auto* text = c.GetTextProperty();
         return CVariant(text ? text->GetText() : QString());
     },
     [](Component& c, const CVariant& v) {
         if (auto* text = c.GetTextProperty()) {
             text->SetText(v.GetBSTR());
         }
     }},

    // The connector's kind and its connect-to-edge setting; connectors read and write them
    // themselves, a plain component reports 0 and keeps nothing.
    {P::ConnectorType, VT_I4, "Connector type", kAnyInt,
     [](Component&) { return Int(0); },
     [](Component&, const CVariant&) {}},
    {P::ConnectorToEdge, VT_I4, "Connect to edge", kAnyInt,
     [](Component&) { return Int(0); },
     [](Component&, const CVariant&) {}},
};
// clang-format on

constexpr bool IdsAscendOnce() {
    return std::adjacent_find(std::begin(kRows), std::end(kRows), [](const Row& a, const Row& b) {
               return a.id >= b.id;
           }) == std::end(kRows);
}
static_assert(IdsAscendOnce(), "the lookup searches rows in ascending order of id");

}  // namespace

HRESULT CQarnPropertyTable::Row::Convert(const CVariant& value, CVariant* converted) const {
    CVariant result;
    const HRESULT hr = value.ChangeType(type, &result);
    if (FAILED(hr)) {
        return hr;
    }
    if (IsInteger()) {
        const std::int32_t v = type == VT_I4 ? result.GetI4() : result.GetUI1();
        if (v < range.min || v > range.max) {
            return DISP_E_OVERFLOW;
        }
    }
    *converted = result;
    return S_OK;
}

std::span<const Row> CQarnPropertyTable::Rows() {
    return kRows;
}

const Row* CQarnPropertyTable::Find(UINT id) {
    const Row* row = std::lower_bound(std::begin(kRows), std::end(kRows), id,
                                      [](const Row& r, UINT wanted) { return r.id < wanted; });
    return row != std::end(kRows) && row->id == id ? row : nullptr;
}
