#pragma once
// A drop shadow: the component's outline again, painted with the shadow's own brush and
// placed by one of sixteen styles (offset, enlarged, reduced or laid down) plus a user offset.

#include <QString>

#include "core/shadow_facet.h"
#include "platform/color.h"
#include "platform/matrix.h"
#include "platform/rect_f.h"
#include "properties/property.h"
#include "properties/property_kinds.h"

class CQarnBasicBrushProperty;

class CQarnShadowProperty : public CQarnProperty, public CQarnShadowFacet {
    QARN_DECLARE_SERIAL(CQarnShadowProperty)

public:
    static constexpr int kStyleCount = 16;

    // The argument is not a kind; every shadow is of kind 6008.
    explicit CQarnShadowProperty(int unused = 0);
    ~CQarnShadowProperty() override;
    CQarnShadowProperty(const CQarnShadowProperty&) = delete;

    CQarnProperty* Clone() const override;
    // Style, offsets and a clone of the brush.
    virtual void Copy(const CQarnShadowProperty* source);

    CQarnBasicBrushProperty* GetBrushProperty() const override { return m_pBrush; }
    // Takes ownership (count 1) and releases the old brush.
    void SetBrushProperty(CQarnBasicBrushProperty* brush);

    DWORD GetStyle() const { return m_dwStyle; }
    void SetStyle(DWORD style) { m_dwStyle = style; }
    int GetXOffset() const { return m_nXOffset; }
    void SetXOffset(int offset) { m_nXOffset = offset; }
    int GetYOffset() const { return m_nYOffset; }
    void SetYOffset(int offset) { m_nYOffset = offset; }

    // Paint, forwarded to the brush.
    virtual Color GetColor1() const;
    virtual void SetColor1(unsigned long colorref);
    virtual void SetColor1(const Color& color);
    virtual Color GetColor2() const;
    virtual void SetColor2(unsigned long colorref);
    virtual void SetColor2(const Color& color);
    virtual BYTE GetBrushType() const;
    virtual void SetBrushType(BYTE type);
    virtual BYTE GetLinearGradientMode() const;
    virtual void SetLinearGradientMode(BYTE mode);
    virtual WORD GetHatchStyle() const;
    virtual void SetHatchStyle(WORD style);
    virtual BYTE GetWrapMode() const;
    virtual void SetWrapMode(BYTE mode);
    virtual QString GetImageName() const;
    virtual void SetImageName(const QString& name);

    // Prepends the shadow's placement for a component on rectangle r to m.
    void GetTransformMatrix(Matrix& m, const RectF& r) const override;
    // The bounds of r's corners under that placement.
    RectF GetBoundRect(const RectF& r) const override;

    void Serialize(CArchive& ar) override;

private:
    CQarnBasicBrushProperty* m_pBrush = nullptr;
    float m_fUnused = 1.0f;
    DWORD m_dwStyle = 0;
    int m_nXOffset = 0;
    int m_nYOffset = 0;
};
