#pragma once
// How a component's outline is stroked: width, dashes, caps, joins, miter limit, alignment,
// the compound line style, and the stroke's paint, a brush of its own whose colour 1 is the
// line colour.

#include <QString>

#include "platform/color.h"
#include "properties/property.h"
#include "properties/property_kinds.h"

#include <memory>
#include <vector>

class Brush;
class CQarnArrowProperty;
class CQarnBasicBrushProperty;
class Graphics;
class GraphicsPath;
class Pen;
class PreparedStroke;
struct RectF;
template <typename Form>
class KeptForm;

class CQarnPenProperty : public CQarnProperty {
    QARN_DECLARE_SERIAL(CQarnPenProperty)

public:
    // The argument is not a kind; every pen is of kind 6002.
    explicit CQarnPenProperty(int unused = 1);
    ~CQarnPenProperty() override;
    CQarnPenProperty(const CQarnPenProperty&) = delete;

    CQarnProperty* Clone() const override;
    // Every field, and a clone of the source's stroke brush in place of this pen's.
    virtual void Copy(const CQarnPenProperty* source);

    // The stroke paint, owned by the pen with a count of 1.
    CQarnBasicBrushProperty* GetBrush() const { return brush_; }
    // Takes ownership of the brush (its count becomes 1) and releases the old one; null is
    // ignored, so the pen always has a paint.
    void SetBrush(CQarnBasicBrushProperty* brush);
    // True when the stroke paint is a full brush rather than a plain colour.
    bool HasFullBrush() const;

    virtual Color GetColor1() const;
    virtual void SetColor1(unsigned long colorref);
    virtual void SetColor1(const Color& color);
    virtual Color GetColor2() const;
    virtual void SetColor2(unsigned long colorref);
    virtual void SetColor2(const Color& color);
    virtual BYTE GetBrushType() const;
    // A paint kind other than solid turns a plain colour paint into a full brush first.
    virtual void SetBrushType(BYTE type);
    virtual BYTE GetLinearGradientMode() const;
    virtual void SetLinearGradientMode(BYTE mode);
    virtual WORD GetHatchStyle() const;
    virtual void SetHatchStyle(WORD style);
    virtual BYTE GetWrapMode() const;
    virtual void SetWrapMode(BYTE mode);
    virtual QString GetImageName() const;
    virtual void SetImageName(const QString& name);

    float GetLineWidth() const { return lineWidth_; }
    // Within the line-width bounds (drawing_limits.h).
    void SetLineWidth(float width);
    unsigned short GetDashStyle() const { return dashStyle_; }
    void SetDashStyle(unsigned short style) { dashStyle_ = style; }
    BYTE GetDashCap() const { return dashCap_; }
    void SetDashCap(BYTE cap) { dashCap_ = cap; }
    BYTE GetLineCap() const { return lineCap_; }
    void SetLineCap(BYTE cap) { lineCap_ = cap; }
    BYTE GetPenType() const { return penType_; }
    void SetPenType(BYTE type) { penType_ = type; }
    BYTE GetPenAlignment() const { return alignment_; }
    void SetPenAlignment(BYTE alignment) { alignment_ = alignment; }
    BYTE GetLineJoin() const { return lineJoin_; }
    void SetLineJoin(BYTE join) { lineJoin_ = join; }
    BYTE GetMeterLimit() const { return miterLimit_; }
    void SetMeterLimit(BYTE limit) { miterLimit_ = limit; }
    // Five compound styles; any value is kept modulo 5.
    unsigned long GetQarnLineStyle() const { return lineStyle_; }
    void SetQarnLineStyle(unsigned long style) { lineStyle_ = DWORD(style % 5); }
    DWORD GetReserved() const { return reserved_; }

    void Serialize(CArchive& ar) override;

    // Stroking. Pens and brushes made here belong to the caller.
    // A pen of the colour with this pen's width, dashes, alignment, join and miter limit; flat
    // caps.
    virtual Pen* CreatePen(const Color& color);
    // A pen of colour 1 with the line cap at both ends and on the dashes; the paint is
    // applied by DrawPath (the rectangle, mode and brightness are not used here).
    virtual Pen* CreatePen(RectF rect, unsigned long mode, int brightness);
    // The stroke paint's brush for the rectangle.
    virtual Brush* CreateBrush(RectF* rect, unsigned long mode, int brightness);
    // The pens of the compound line style, in drawing order: the base pen, then the white and
    // coloured inner lines.
    std::vector<std::unique_ptr<Pen>> CreateLineStylePens(const Pen& base) const;
    // Strokes the path with every pen of the line style, each painted with the paint (the
    // stroke paint when none is given) made for the bounds grown by the stroke. The base pen's
    // stroke is taken from `kept` while it fits the path and pen, and kept there when made.
    void DrawPath(Graphics* graphics, GraphicsPath* path, RectF& bounds, CQarnArrowProperty* arrows,
                  int brightness, unsigned long mode, CQarnBasicBrushProperty* paint,
                  const KeptForm<PreparedStroke>* kept = nullptr);

private:
    DWORD reserved_ = 0;
    CQarnBasicBrushProperty* brush_ = nullptr;
    unsigned short dashStyle_ = 0;
    BYTE dashCap_ = 0;
    BYTE penType_ = 0;
    BYTE alignment_ = 0;
    float lineWidth_ = 1.0f;
    DWORD lineStyle_ = 0;
    BYTE miterLimit_ = 10;
    BYTE lineJoin_ = 1;
    BYTE lineCap_ = 0;
};
