// The property-id protocol of a component: single attributes read and written as variants.
// Colours travel as 32-bit ARGB integers, flags as booleans. An id that names no attribute
// reaches the user value attached under it as a property kind.
#include <limits>

#include "core/component.h"
#include "core/property_ids.h"
#include "platform/variant.h"
#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"
#include "properties/property_value.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"

namespace P = QarnPropId;

namespace {

// The variant type of each attribute id; VT_EMPTY for an id that names a property kind.
VARTYPE AttributeType(UINT id) {
    switch (id) {
        case P::X:
        case P::Y:
        case P::Width:
        case P::Height:
        case P::RotateAngle:
        case P::LineWidth:
            return VT_R4;
        case P::FlipMode:
        case P::Name:
        case P::ImageName:
        case P::FontName:
        case P::Text:
            return VT_BSTR;
        case P::DrawLine:
        case P::Fill:
        case P::DrawText:
        case P::DrawShadow:
        case P::Closed:
        case P::AnchorAnyWhere:
        case P::FillWithPen:
        case P::UseItsOwn:
        case P::LockRatio:
        case P::Lock:
        case P::Visible:
            return VT_BOOL;
        case P::Alpha:
        case P::ID:
        case P::PolyStyle:
        case P::PolyStyleBit8:
        case P::ShadowStyle:
        case P::ShadowColor1:
        case P::ShadowColor2:
        case P::ShadowOffsetX:
        case P::ShadowOffsetY:
        case P::PenType:
        case P::LineColor1:
        case P::LineColor2:
        case P::DashStyle:
        case P::FillColor1:
        case P::FillColor2:
        case P::TextColor:
        case P::FontSize:
        case P::FontStyle:
        case P::TextAlign:
        case P::StringFormat:
        case P::TextVAlign:
        case P::ConnectorType:
        case P::ConnectorToEdge:
            return VT_I4;
        case P::ShadowAlpha:
        case P::LineCap:
        case P::LineJoin:
        case P::LineAlpha:
        case P::MiterLimit:
        case P::PenAlignment:
        case P::HatchStyle:
        case P::GradientMode:
        case P::WrapMode:
        case P::FillAlpha:
        case P::StartArrowSize:
        case P::StartArrow:
        case P::EndArrowSize:
        case P::EndArrow:
        case P::TextAlpha:
            return VT_UI1;
        default:
            return VT_EMPTY;
    }
}

CVariant Int(std::int32_t value) {
    return CVariant(value);
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

// An integer attribute narrower than 32 bits takes only the values it can hold.
template <typename Field>
HRESULT Narrow(const CVariant& value, Field* field) {
    const std::int32_t v = value.GetI4();
    if (v < std::int32_t(std::numeric_limits<Field>::min()) ||
        v > std::int32_t(std::numeric_limits<Field>::max())) {
        return DISP_E_OVERFLOW;
    }
    *field = Field(v);
    return S_OK;
}

}  // namespace

CVariant CQarnComponent::GetPropValue(UINT id) {
    CQarnPenProperty* pen = GetPenProperty();
    CQarnBasicBrushProperty* brush = GetBrushProperty();
    CQarnShadowProperty* shadow = GetShadowProperty();
    CQarnTextProperty* text = GetTextProperty();
    switch (id) {
        case P::X:
            return CVariant(GetRectF().X);
        case P::Y:
            return CVariant(GetRectF().Y);
        case P::Width:
            return CVariant(GetRectF().Width);
        case P::Height:
            return CVariant(GetRectF().Height);
        case P::RotateAngle:
            return CVariant(GetRotateAngle());
        case P::FlipMode:
            return CVariant(GetFlipMode());
        case P::DrawLine:
            return CVariant(GetDrawLine());
        case P::Fill:
            return CVariant(GetFill());
        case P::DrawText:
            return CVariant(GetDrawText());
        case P::DrawShadow:
            return CVariant(GetDrawShadow());
        case P::Alpha:
            return Int(GetAlpha());
        case P::Closed:
            return CVariant(IsClosed());
        case P::AnchorAnyWhere:
            return CVariant(CanAnchorAnyWhere());
        case P::FillWithPen:
            return CVariant(GetFillWithPen());
        case P::UseItsOwn:
            return CVariant(GetUseItsOwn());
        case P::LockRatio:
            return CVariant(IsRatioLocked());
        case P::Lock:
            return CVariant(IsLocked());
        case P::ID:
            return Int(std::int32_t(GetID()));
        case P::Name:
            return CVariant(GetName());
        case P::PolyStyle:
        case P::PolyStyleBit8:
            return Int(0);
        case P::Visible:
            return CVariant(!GetInvisible());

        // The shadow and text attributes give neutral values while the component has no such
        // property.
        case P::ShadowStyle:
            return Int(shadow ? std::int32_t(shadow->GetStyle()) : 0);
        case P::ShadowColor1:
            return shadow ? Argb(shadow->GetColor1()) : Int(0);
        case P::ShadowColor2:
            return shadow ? Argb(shadow->GetColor2()) : Int(0);
        case P::ShadowOffsetX:
            return Int(shadow ? shadow->GetXOffset() : 0);
        case P::ShadowOffsetY:
            return Int(shadow ? shadow->GetYOffset() : 0);
        case P::ShadowAlpha:
            return CVariant(BYTE(shadow ? shadow->GetColor1().GetA() : 255));

        case P::PenType:
            return Int(pen ? pen->GetPenType() : 0);
        case P::LineWidth:
            return CVariant(GetLineWidth());
        case P::LineColor1:
            return Argb(GetLineColor());
        case P::LineColor2:
            return pen ? Argb(pen->GetColor2()) : Int(0);
        case P::LineCap:
            return CVariant(BYTE(pen ? pen->GetLineCap() : 0));
        case P::LineJoin:
            return CVariant(BYTE(pen ? pen->GetLineJoin() : 0));
        case P::DashStyle:
            return Int(GetDashStyle());
        case P::LineAlpha:
            return CVariant(GetLineColor().GetA());
        case P::MiterLimit:
            return CVariant(BYTE(pen ? pen->GetMeterLimit() : 10));
        case P::PenAlignment:
            return CVariant(BYTE(pen ? pen->GetPenAlignment() : 0));

        case P::HatchStyle:
            return CVariant(BYTE(brush ? brush->GetHatchStyle() : 0));
        case P::FillColor1:
            return Argb(GetFillColor());
        case P::FillColor2:
            return brush ? Argb(brush->GetColor2()) : Int(0);
        case P::ImageName:
            return CVariant(brush ? brush->GetImageName() : QString());
        case P::GradientMode:
            return CVariant(BYTE(brush ? brush->GetLinearGradientMode() : 0));
        case P::WrapMode:
            return CVariant(GetWrapMode());
        case P::FillAlpha:
            return CVariant(GetFillColor().GetA());

        case P::StartArrowSize:
            return CVariant(GetStartArrowSize());
        case P::StartArrow:
            return CVariant(BYTE(GetStartArrow()));
        case P::EndArrowSize:
            return CVariant(GetEndArrowSize());
        case P::EndArrow:
            return CVariant(BYTE(GetEndArrow()));

        case P::TextColor:
            return text ? Argb(text->GetBrush()->GetColor1()) : Int(0);
        case P::TextAlign:
            return Int(text ? text->GetXAlignment() : 0);
        case P::TextVAlign:
            return Int(text ? text->GetYAlignment() : 0);
        case P::FontName:
            return CVariant(text ? text->GetFontName() : QStringLiteral("Times New Roman"));
        case P::FontSize:
            return Int(text ? std::int32_t(text->GetFontSize()) : 12);
        case P::FontStyle:
            return Int(text ? text->GetFontStyle() : 12);
        case P::StringFormat:
            return Int(text ? std::int32_t(text->GetStringFormat()) : 12);
        case P::TextAlpha:
            return CVariant(BYTE(text ? text->GetBrush()->GetColor1().GetA() : 255));
        case P::Text:
            return CVariant(text ? text->GetText() : QString());

        case P::ConnectorType:
        case P::ConnectorToEdge:
            return Int(0);

        default: {
            // Only a user value has a variant to give; another property under that kind
            // (a pen or a brush, say) gives nothing.
            auto* user = dynamic_cast<CQarnPropertyValue*>(GetProperty(int(id)));
            return user ? user->GetValue() : CVariant();
        }
    }
}

// Whatever the id, the outline is rebuilt afterwards so that the drawing follows the change.
HRESULT CQarnComponent::SetPropValue(const CVariant& value, UINT id) {
    const VARTYPE type = AttributeType(id);
    if (type == VT_EMPTY) {
        if (auto* user = dynamic_cast<CQarnPropertyValue*>(GetProperty(int(id)))) {
            user->SetValue(value);
        }
        ResetPath();
        return S_OK;
    }
    CVariant converted;
    const HRESULT hr = value.ChangeType(type, &converted);
    if (FAILED(hr)) {
        return hr;
    }
    const HRESULT result = SetAttribute(converted, id);
    ResetPath();
    return result;
}

HRESULT CQarnComponent::SetWordsAndShadow(const CVariant& v, UINT id) {
    CQarnShadowProperty* shadow = GetShadowProperty();
    CQarnTextProperty* text = GetTextProperty();
    switch (id) {
        case P::ShadowStyle:
            if (shadow) {
                shadow->SetStyle(DWORD(v.GetI4()));
            }
            return S_OK;
        case P::ShadowColor1:
            if (shadow) {
                shadow->SetColor1(ArgbOf(v));
            }
            return S_OK;
        case P::ShadowColor2:
            if (shadow) {
                shadow->SetColor2(ArgbOf(v));
            }
            return S_OK;
        case P::ShadowOffsetX:
            if (shadow) {
                shadow->SetXOffset(v.GetI4());
            }
            return S_OK;
        case P::ShadowOffsetY:
            if (shadow) {
                shadow->SetYOffset(v.GetI4());
            }
            return S_OK;
        case P::ShadowAlpha:
            if (shadow) {
                shadow->GetBrushProperty()->SetAlpha(v.GetUI1());
            }
            return S_OK;
        default:
            break;
    }
    if (text == nullptr) {
        return S_OK;
    }
    switch (id) {
        case P::TextColor:
            text->GetBrush()->SetColor1(ArgbOf(v));
            return S_OK;
        case P::FontName:
            text->SetFontName(v.GetBSTR());
            return S_OK;
        case P::FontSize:
            text->SetFontSize(float(v.GetI4()));
            return S_OK;
        case P::FontStyle: {
            BYTE style = 0;
            const HRESULT hr = Narrow(v, &style);
            if (SUCCEEDED(hr)) {
                text->SetFontStyle(style);
            }
            return hr;
        }
        case P::TextAlign: {
            BYTE alignment = 0;
            const HRESULT hr = Narrow(v, &alignment);
            if (SUCCEEDED(hr)) {
                text->SetXAlignment(alignment);
            }
            return hr;
        }
        case P::StringFormat:
            text->SetStringFormat(DWORD(v.GetI4()));
            return S_OK;
        case P::TextVAlign: {
            BYTE alignment = 0;
            const HRESULT hr = Narrow(v, &alignment);
            if (SUCCEEDED(hr)) {
                text->SetYAlignment(alignment);
            }
            return hr;
        }
        case P::TextAlpha:
            text->GetBrush()->SetAlpha(v.GetUI1());
            return S_OK;
        case P::Text:
            text->SetText(v.GetBSTR());
            return S_OK;
        default:
            return S_OK;
    }
}

HRESULT CQarnComponent::SetAttribute(const CVariant& v, UINT id) {
    CQarnPenProperty* pen = GetPenProperty();
    CQarnBasicBrushProperty* brush = GetBrushProperty();
    switch (id) {
        case P::X:
        case P::Y:
        case P::Width:
        case P::Height: {
            RectF r = GetRectF();
            float* field[] = {&r.X, &r.Y, &r.Width, &r.Height};
            *field[id - P::X] = v.GetR4();
            MoveTo(r, 1);
            return S_OK;
        }
        case P::RotateAngle:
            RotateAt(v.GetR4() - GetRotateAngle(), GetCenterPointF(), 1);
            return S_OK;
        case P::FlipMode:
            // The flip mode is shown, not set: flipping is an edit of its own.
            return S_OK;
        case P::DrawLine:
            SetDrawLine(IsOn(v));
            return S_OK;
        case P::Fill:
            SetFill(IsOn(v));
            return S_OK;
        case P::DrawText:
            SetDrawText(IsOn(v));
            return S_OK;
        case P::DrawShadow:
            SetDrawShadow(IsOn(v));
            return S_OK;
        case P::Alpha: {
            BYTE alpha = 0;
            const HRESULT hr = Narrow(v, &alpha);
            if (SUCCEEDED(hr)) {
                SetAlpha(alpha);
            }
            return hr;
        }
        case P::Closed:
            SetClosed(IsOn(v));
            return S_OK;
        case P::AnchorAnyWhere:
            SetAnchorAnyWhere(IsOn(v));
            return S_OK;
        case P::FillWithPen:
            SetFillWithPen(IsOn(v));
            return S_OK;
        case P::UseItsOwn:
            SetUseItsOwn(IsOn(v));
            return S_OK;
        case P::LockRatio:
            LockRatio(IsOn(v));
            return S_OK;
        case P::Lock:
            Lock(IsOn(v));
            return S_OK;
        case P::ID:
            SetID(UINT(v.GetI4()));
            return S_OK;
        case P::Name:
            SetName(v.GetBSTR());
            return S_OK;
        case P::Visible:
            SetInvisible(!IsOn(v));
            return S_OK;

        case P::PenType:
            if (pen) {
                BYTE type = 0;
                const HRESULT hr = Narrow(v, &type);
                if (SUCCEEDED(hr)) {
                    pen->SetPenType(type);
                }
                return hr;
            }
            return S_OK;
        case P::LineWidth:
            SetLineWidth(v.GetR4());
            return S_OK;
        case P::LineColor1:
            SetLineColor(ArgbOf(v));
            return S_OK;
        case P::LineColor2:
            if (pen) {
                pen->SetColor2(ArgbOf(v));
            }
            return S_OK;
        case P::LineCap:
            if (pen) {
                pen->SetLineCap(v.GetUI1());
            }
            return S_OK;
        case P::LineJoin:
            if (pen) {
                pen->SetLineJoin(v.GetUI1());
            }
            return S_OK;
        case P::DashStyle: {
            unsigned short style = 0;
            const HRESULT hr = Narrow(v, &style);
            if (SUCCEEDED(hr)) {
                SetDashStyle(style);
            }
            return hr;
        }
        case P::LineAlpha:
            if (CQarnBasicBrushProperty* paint = PenPaint()) {
                paint->SetAlpha(v.GetUI1());
            }
            return S_OK;
        case P::MiterLimit:
            if (pen) {
                pen->SetMeterLimit(v.GetUI1());
            }
            return S_OK;
        case P::PenAlignment:
            if (pen) {
                pen->SetPenAlignment(v.GetUI1());
            }
            return S_OK;

        case P::HatchStyle:
            if (brush) {
                brush->SetHatchStyle(v.GetUI1());
            }
            return S_OK;
        case P::FillColor1:
            if (brush) {
                brush->SetColor1(ArgbOf(v));
            }
            return S_OK;
        case P::FillColor2:
            if (brush) {
                brush->SetColor2(ArgbOf(v));
            }
            return S_OK;
        case P::ImageName:
            if (brush) {
                brush->SetImageName(v.GetBSTR());
            }
            return S_OK;
        case P::GradientMode:
            if (brush) {
                brush->SetLinearGradientMode(v.GetUI1());
            }
            return S_OK;
        case P::WrapMode:
            SetWrapMode(v.GetUI1());
            return S_OK;
        case P::FillAlpha:
            if (brush) {
                brush->SetAlpha(v.GetUI1());
            }
            return S_OK;

        case P::StartArrowSize:
            SetStartArrowSize(v.GetUI1());
            return S_OK;
        case P::StartArrow:
            SetStartArrow(ArrowType(v.GetUI1()));
            return S_OK;
        case P::EndArrowSize:
            SetEndArrowSize(v.GetUI1());
            return S_OK;
        case P::EndArrow:
            SetEndArrow(ArrowType(v.GetUI1()));
            return S_OK;

        default:
            // The poly style (20, 22) and connector (600, 601) ids mean nothing on a plain
            // component; the shadow and text ids change nothing while it has no such
            // property.
            return SetWordsAndShadow(v, id);
    }
}
