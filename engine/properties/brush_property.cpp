#include "properties/brush_property.h"

#include <QImage>

#include "core/value_archive.h"
#include "platform/image_file.h"
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

// A picture is read only when its name names a regular file that decodes as an image; any
// other name (a FIFO, a device, a document, an empty name) paints nothing, once asked.
QImage* CQarnBrushProperty::GetImage() {
    if (!image_ && !imageTried_ && !imageName_.isEmpty()) {
        imageTried_ = true;
        auto loaded = std::make_unique<QImage>();
        if (ImageFile::Load(imageName_, loaded.get(), nullptr)) {
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

// After the colour entries: a colour kept for the record's layout (opaque black), the type,
// four reserved bytes, the image name, the style word, the two stored floats, the hatch style
// or gradient mode, the wrap mode and five more reserved bytes.
void CQarnBrushProperty::Serialize(CArchive& ar) {
    CQarnBasicBrushProperty::Serialize(ar);
    if (ar.IsStoring()) {
        ar << Color(Color::Black) << brushType_ << std::uint32_t(0) << imageName_
           << std::uint32_t(style_) << reserved1_ << reserved2_ << std::uint16_t(hatchOrMode_)
           << wrapMode_ << std::uint8_t(0) << std::uint32_t(0);
        return;
    }
    Color unused;
    std::uint32_t reservedWord = 0;
    QString imageName;
    std::uint32_t style = 0;
    std::uint16_t hatchOrMode = 0;
    std::uint8_t reservedByte = 0;
    ar >> unused >> brushType_ >> reservedWord >> imageName >> style >> reserved1_ >> reserved2_ >>
        hatchOrMode >> wrapMode_ >> reservedByte >> reservedWord;
    SetImageName(imageName);
    style_ = style;
    hatchOrMode_ = hatchOrMode;
}
