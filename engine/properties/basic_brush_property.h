#pragma once
// A plain colour paint: the colour entries of a brush with none of the fill kinds. Used inside
// pens, texts and shadows and as the page background. The kind-specific accessors are inert
// here and come alive in CQarnBrushProperty.

#include <QList>
#include <QString>

#include "platform/color.h"
#include "properties/property.h"
#include "properties/property_kinds.h"

class Brush;
class CQarnGradient;
class Graphics;
class PreparedPath;
class GraphicsPath;
class QImage;
struct RectF;

class CQarnBasicBrushProperty : public CQarnProperty {
    QARN_DECLARE_SERIAL(CQarnBasicBrushProperty)

public:
    CQarnBasicBrushProperty();
    explicit CQarnBasicBrushProperty(unsigned int kind);
    CQarnBasicBrushProperty(const CQarnBasicBrushProperty& other);
    ~CQarnBasicBrushProperty() override;

    CQarnProperty* Clone() const override;
    virtual void Copy(const CQarnBasicBrushProperty* source);

    // Colour entries: -1 is opaque black; an index past the end reads the last entry below it.
    Color GetColor(int index) const;
    // Appends white entries until the index exists, then sets it.
    void SetColor(const Color& color, int index);
    // Only for an existing entry: red, green and blue from the colour reference, alpha kept.
    void SetColor(unsigned long colorref, int index);
    int GetColorCount() const { return int(gradients_.size()); }
    const QList<CQarnGradient*>& GetGradients() const { return gradients_; }
    void ClearGradients();
    // 1 when both have the same entries (colour and position, in order), else 0.
    int Equal(const CQarnBasicBrushProperty* other) const;

    virtual Color GetColor1() const { return GetColor(0); }
    virtual void SetColor1(unsigned long colorref) { SetColor(colorref, 0); }
    virtual void SetColor1(const Color& color) { SetColor(color, 0); }
    virtual Color GetColor2() const { return GetColor(1); }
    virtual void SetColor2(unsigned long colorref) { SetColor(colorref, 1); }
    virtual void SetColor2(const Color& color) { SetColor(color, 1); }

    virtual QImage* GetImage() { return nullptr; }
    virtual void ClearImage() {}
    virtual BYTE GetBrushType() const { return 0; }
    virtual void SetBrushType(BYTE) {}
    virtual BYTE GetLinearGradientMode() const { return 0; }
    virtual void SetLinearGradientMode(BYTE) {}
    virtual WORD GetHatchStyle() const { return 0; }
    virtual void SetHatchStyle(WORD) {}
    virtual BYTE GetWrapMode() const { return 0; }
    virtual void SetWrapMode(BYTE) {}
    virtual QString GetImageName() const { return QString(); }
    virtual void SetImageName(const QString&) {}

    // Alpha of colour 1 only.
    virtual BYTE GetAlpha() const;
    virtual void SetAlpha(BYTE alpha);

    virtual bool GetToCenter() const { return false; }
    virtual void SetToCenter(bool) {}
    virtual bool GetStretch() const { return true; }
    virtual void SetStretch(bool) {}
    virtual DWORD GetStyle() const { return 0; }
    virtual void SetStyle(DWORD) {}
    virtual bool GetBlendBell() const { return false; }
    virtual void SetBlendBell(bool) {}
    virtual bool GetBlendTriangle() const { return false; }
    virtual void SetBlendTriangle(bool) {}
    virtual bool GetBlend() const { return false; }
    virtual void SetBlend(bool) {}
    virtual bool GetBlendColors() const { return false; }
    virtual void SetBlendColors(bool) {}

    void Serialize(CArchive& ar) override;

    // Paint. The colour mode: 1 opaque grey, 2 opaque red, 3 translucent black, 4 the colour
    // inverted (alpha kept), anything else the colour itself. The brightness is a percentage
    // (clamped to 0..100) that darkens red, green and blue.
    // A new brush for the rectangle (and path), owned by the caller: what MakeBrush gives once
    // the paint is ready to draw (PrepareForDrawing).
    virtual Brush* CreateBrush(RectF rect, GraphicsPath* path, int mode, int brightness);
    // Fills the path with a brush made for the rectangle (the path's bounds when none is given).
    virtual void FillPath(Graphics* graphics, GraphicsPath* path, RectF* rect, int brightness,
                          int mode);

    // Drawing in two steps. PrepareForDrawing (on the thread that owns the document) gets the
    // paint ready: a picture is read. After it, MakeBrush and FillArea only read the paint, so
    // any number of threads may draw with it at once.
    virtual void PrepareForDrawing() {}
    // The brush CreateBrush gives; null for a picture not read yet (or not readable).
    virtual Brush* MakeBrush(RectF rect, const GraphicsPath* path, int mode, int brightness) const;
    // What FillPath draws, from the path made ready for drawing when one is given (made from
    // `path`).
    void FillArea(Graphics* graphics, const GraphicsPath& path, const PreparedPath* prepared,
                  const RectF* rect, int brightness, int mode) const;
    // The colour drawn for a colour in a colour mode.
    static Color ModeColor(const Color& color, int mode);
    static Color Brighten(const Color& color, int brightness);

protected:
    QList<CQarnGradient*> gradients_;
};
