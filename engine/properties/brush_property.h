#pragma once
// The fill of a component: solid, hatch, texture (picture file), path gradient or linear
// gradient, with the stretch, to-centre and blend settings of its style word.

#include <QList>
#include <QString>
#include <memory>

#include "properties/basic_brush_property.h"

class CQarnBlendData;
class QImage;

class CQarnBrushProperty : public CQarnBasicBrushProperty {
    QARN_DECLARE_SERIAL(CQarnBrushProperty)

public:
    // Brush types.
    enum : BYTE { Solid = 0, Hatch = 1, Texture = 2, PathGradient = 3, LinearGradient = 4 };
    // Bits of the style word.
    enum : DWORD {
        StyleStretch = 0x1,
        StyleToCenter = 0x2,
        StyleBlendBell = 0x100,
        StyleBlendTriangle = 0x200,
        StyleBlend = 0x400,
        StyleBlendColors = 0x800,
    };

    CQarnBrushProperty();
    explicit CQarnBrushProperty(unsigned int kind);
    ~CQarnBrushProperty() override;

    CQarnProperty* Clone() const override;
    // Takes everything through the source's own accessors, so a plain colour brush copies as
    // a solid brush.
    void Copy(const CQarnBasicBrushProperty* source) override;
    // Equal when type, hatch/gradient field, wrap mode, style word and image name agree and the
    // colour entries are equal.
    int Eqaul(const CQarnBrushProperty* other) const;

    BYTE GetBrushType() const override { return brushType_; }
    void SetBrushType(BYTE type) override { brushType_ = type; }
    // One field serves as hatch style, as linear gradient mode and as the brush sub-type.
    WORD GetHatchStyle() const override { return hatchOrMode_; }
    void SetHatchStyle(WORD style) override { hatchOrMode_ = style; }
    BYTE GetLinearGradientMode() const override { return BYTE(hatchOrMode_); }
    void SetLinearGradientMode(BYTE mode) override { hatchOrMode_ = mode; }
    WORD GetQarnBrushType() const { return hatchOrMode_; }
    void SetQarnBrushType(WORD subType) { hatchOrMode_ = subType; }
    BYTE GetWrapMode() const override { return wrapMode_; }
    void SetWrapMode(BYTE mode) override { wrapMode_ = mode; }

    QString GetImageName() const override { return imageName_; }
    // A new name drops the picture loaded for the old one.
    void SetImageName(const QString& name) override;
    // The picture named by the image name, loaded on first use; null when it cannot be loaded.
    QImage* GetImage() override;
    void ClearImage() override;

    DWORD GetStyle() const override { return style_; }
    void SetStyle(DWORD style) override { style_ = style; }
    bool GetStretch() const override { return (style_ & StyleStretch) != 0; }
    void SetStretch(bool on) override { SetStyleBit(StyleStretch, on); }
    bool GetToCenter() const override { return (style_ & StyleToCenter) != 0; }
    void SetToCenter(bool on) override { SetStyleBit(StyleToCenter, on); }
    bool GetBlendBell() const override { return (style_ & StyleBlendBell) != 0; }
    void SetBlendBell(bool on) override { SetBlendBit(StyleBlendBell, on); }
    bool GetBlendTriangle() const override { return (style_ & StyleBlendTriangle) != 0; }
    void SetBlendTriangle(bool on) override { SetBlendBit(StyleBlendTriangle, on); }
    bool GetBlend() const override { return (style_ & StyleBlend) != 0; }
    void SetBlend(bool on) override { SetBlendBit(StyleBlend, on); }
    bool GetBlendColors() const override { return (style_ & StyleBlendColors) != 0; }
    void SetBlendColors(bool on) override { SetBlendBit(StyleBlendColors, on); }

    // The two stored values of the record that nothing else reads.
    float GetReserved1() const { return reserved1_; }
    float GetReserved2() const { return reserved2_; }
    void SetReserved(float first, float second) {
        reserved1_ = first;
        reserved2_ = second;
    }
    const QList<CQarnBlendData*>& GetBlendList() const { return blends_; }
    void AddBlend(CQarnBlendData* blend) { blends_.append(blend); }

    void Serialize(CArchive& ar) override;

    // Paint of every kind. Colour modes 1 to 3 paint in their plain colours; mode 4 inverts
    // and the brightness darkens both colours of hatches, textures and linear gradients; a
    // path gradient keeps its stored colours. A picture that cannot be loaded gives no brush.
    // In the compatible look a path gradient is painted over the ellipse inscribed in the
    // rectangle, and FillPath first paints its outer colour where the path leaves that ellipse.
    Brush* MakeBrush(RectF rect, const GraphicsPath* path, int mode, int brightness) const override;
    // Reads the picture of a texture (once).
    void PrepareForDrawing() override;
    // The colour a path gradient ends in: colour 2 running to its edge, colour 1 to its centre.
    Color GetOuterColor() const { return GetToCenter() ? GetColor1() : GetColor2(); }

private:
    void SetStyleBit(DWORD bit, bool on) { style_ = on ? (style_ | bit) : (style_ & ~bit); }
    // The four blend bits exclude each other: setting one clears the other three.
    void SetBlendBit(DWORD bit, bool on);

    DWORD style_ = StyleStretch;
    BYTE brushType_ = Solid;
    WORD hatchOrMode_ = 0;
    BYTE wrapMode_ = 0;
    QString imageName_;
    std::unique_ptr<QImage> image_;
    bool imageTried_ = false;
    float reserved1_ = 0.0f;
    float reserved2_ = 0.0f;
    QList<CQarnBlendData*> blends_;
};
