#include "properties/pen_property.h"

#include <memory>

#include "core/drawing_limits.h"
#include "platform/archive.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/embedded_brush.h"

QARN_IMPLEMENT_SERIAL(CQarnPenProperty, CQarnProperty, 0)

CQarnPenProperty::CQarnPenProperty(int) : CQarnProperty(QARN_PROP_PEN) {
    brush_ = new CQarnBasicBrushProperty();
    brush_->SetRefCount(1);
}

CQarnPenProperty::~CQarnPenProperty() {
    if (brush_ != nullptr) {
        brush_->Remove();
    }
}

CQarnProperty* CQarnPenProperty::Clone() const {
    auto* clone = new CQarnPenProperty(1);
    clone->Copy(this);
    return clone;
}

void CQarnPenProperty::Copy(const CQarnPenProperty* source) {
    if (source == nullptr || source == this) {
        return;
    }
    reserved_ = source->reserved_;
    dashStyle_ = source->dashStyle_;
    dashCap_ = source->dashCap_;
    penType_ = source->penType_;
    alignment_ = source->alignment_;
    lineWidth_ = source->lineWidth_;
    lineStyle_ = source->lineStyle_;
    miterLimit_ = source->miterLimit_;
    lineJoin_ = source->lineJoin_;
    lineCap_ = source->lineCap_;
    SetBrush(source->brush_ ? static_cast<CQarnBasicBrushProperty*>(source->brush_->Clone())
                            : new CQarnBasicBrushProperty());
}

void CQarnPenProperty::SetLineWidth(float width) {
    lineWidth_ = Qarn::SaneLineWidth(width);
}

void CQarnPenProperty::SetBrush(CQarnBasicBrushProperty* brush) {
    // A pen always has a paint: null is ignored.
    if (brush != nullptr) {
        Qarn::AdoptOwnedBrush(brush_, brush);
    }
}

bool CQarnPenProperty::HasFullBrush() const {
    return brush_ != nullptr && brush_->IsKindOf(RUNTIME_CLASS(CQarnBrushProperty));
}

Color CQarnPenProperty::GetColor1() const {
    return brush_->GetColor1();
}
void CQarnPenProperty::SetColor1(unsigned long colorref) {
    brush_->SetColor1(colorref);
}
void CQarnPenProperty::SetColor1(const Color& color) {
    brush_->SetColor1(color);
}
Color CQarnPenProperty::GetColor2() const {
    return brush_->GetColor2();
}
void CQarnPenProperty::SetColor2(unsigned long colorref) {
    brush_->SetColor2(colorref);
}
void CQarnPenProperty::SetColor2(const Color& color) {
    brush_->SetColor2(color);
}
BYTE CQarnPenProperty::GetBrushType() const {
    return brush_->GetBrushType();
}

void CQarnPenProperty::SetBrushType(BYTE type) {
    if (type != CQarnBrushProperty::Solid && !HasFullBrush()) {
        auto* full = new CQarnBrushProperty();
        full->CQarnBasicBrushProperty::Copy(brush_);
        SetBrush(full);
    }
    brush_->SetBrushType(type);
}

BYTE CQarnPenProperty::GetLinearGradientMode() const {
    return brush_->GetLinearGradientMode();
}
void CQarnPenProperty::SetLinearGradientMode(BYTE mode) {
    brush_->SetLinearGradientMode(mode);
}
WORD CQarnPenProperty::GetHatchStyle() const {
    return brush_->GetHatchStyle();
}
void CQarnPenProperty::SetHatchStyle(WORD style) {
    brush_->SetHatchStyle(style);
}
BYTE CQarnPenProperty::GetWrapMode() const {
    return brush_->GetWrapMode();
}
void CQarnPenProperty::SetWrapMode(BYTE mode) {
    brush_->SetWrapMode(mode);
}
QString CQarnPenProperty::GetImageName() const {
    return brush_->GetImageName();
}
void CQarnPenProperty::SetImageName(const QString& name) {
    brush_->SetImageName(name);
}

// The kind is not stored. The stroke paint comes last as an embedded record, of a full brush
// when the flag (written twice) says so.
void CQarnPenProperty::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        const std::uint8_t fullBrush = HasFullBrush() ? 1 : 0;
        ar << std::uint8_t(dashStyle_) << dashCap_ << penType_ << alignment_ << lineWidth_
           << fullBrush << std::uint32_t(lineStyle_) << lineCap_ << lineJoin_ << miterLimit_
           << fullBrush;
        ar.SerializeEmbedded(*brush_);
        return;
    }
    std::uint8_t dashStyle = 0;
    std::uint8_t fullBrush = 0;
    std::uint32_t lineStyle = 0;
    std::uint8_t repeatedFlag = 0;
    ar >> dashStyle >> dashCap_ >> penType_ >> alignment_ >> lineWidth_ >> fullBrush >> lineStyle >>
        lineCap_ >> lineJoin_ >> miterLimit_ >> repeatedFlag;
    dashStyle_ = dashStyle;
    SetLineWidth(lineWidth_);
    SetQarnLineStyle(lineStyle);
    // The new paint replaces the old one only once it has been read whole.
    std::unique_ptr<CQarnBasicBrushProperty> paint(Qarn::NewBrushForFlag(fullBrush));
    ar.SerializeEmbedded(*paint);
    SetBrush(paint.release());
}
