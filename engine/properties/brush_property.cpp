#include "properties/brush_property.h"

#include <QImage>

#include "properties/blend_data.h"

QARN_IMPLEMENT_SERIAL(CQarnBrushProperty, CQarnBasicBrushProperty, 0)

CQarnBrushProperty::CQarnBrushProperty() : CQarnBrushProperty(QARN_PROP_BRUSH) {}

CQarnBrushProperty::CQarnBrushProperty(unsigned int kind) : CQarnBasicBrushProperty(kind) {
    SetColor(Color(0xFFFFFFDCu), 0);
    SetColor(Color(Color::Black), 1);
}

CQarnBrushProperty::~CQarnBrushProperty() {
    qDeleteAll(blends_);
}

CQarnProperty* CQarnBrushProperty::Clone() const {
    auto* clone = new CQarnBrushProperty(GetId());
    clone->Copy(this);
    return clone;
}

void CQarnBrushProperty::Copy(const CQarnBasicBrushProperty* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnBasicBrushProperty::Copy(source);
    SetBrushType(source->GetBrushType());
    SetColor1(source->GetColor1());
    SetColor2(source->GetColor2());
    SetHatchStyle(source->GetHatchStyle());
    SetWrapMode(source->GetWrapMode());
    SetImageName(source->GetImageName());
    SetStyle(source->GetStyle());
}

int CQarnBrushProperty::Eqaul(const CQarnBrushProperty* other) const {
    if (other == nullptr) {
        return 0;
    }
    bool same = brushType_ == other->brushType_ && hatchOrMode_ == other->hatchOrMode_ &&
                wrapMode_ == other->wrapMode_ && style_ == other->style_ &&
                imageName_ == other->imageName_;
    return same && Equal(other) ? 1 : 0;
}

void CQarnBrushProperty::SetImageName(const QString& name) {
    imageName_ = name;
    ClearImage();
}

QImage* CQarnBrushProperty::GetImage() {
    if (!image_ && !imageTried_ && !imageName_.isEmpty()) {
        imageTried_ = true;
        auto loaded = std::make_unique<QImage>(imageName_);
        if (!loaded->isNull()) {
            image_ = std::move(loaded);
        }
    }
    return image_.get();
}

void CQarnBrushProperty::ClearImage() {
    image_.reset();
    imageTried_ = false;
}

void CQarnBrushProperty::SetBlendBit(DWORD bit, bool on) {
    constexpr DWORD kBlendBits =
        StyleBlendBell | StyleBlendTriangle | StyleBlend | StyleBlendColors;
    if (on) {
        style_ = (style_ & ~kBlendBits) | bit;
    } else {
        style_ &= ~bit;
    }
}

void CQarnBrushProperty::Serialize(CArchive& ar) {
    CQarnBasicBrushProperty::Serialize(ar);
}
