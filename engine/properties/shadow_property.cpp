#include "properties/shadow_property.h"

#include "core/drawing_limits.h"
#include "core/rect_geometry.h"
#include "platform/archive.h"
#include "properties/brush_property.h"
#include "properties/embedded_brush.h"

QARN_IMPLEMENT_SERIAL(CQarnShadowProperty, CQarnProperty, 0)

namespace {

// Scales by (sx, sy) about p, prepended so that it acts before what m already does.
void ScaleAbout(Matrix& m, float sx, float sy, PointF p) {
    m.Translate(p.X, p.Y);
    m.Scale(sx, sy);
    m.Translate(-p.X, -p.Y);
}

}  // namespace

CQarnShadowProperty::CQarnShadowProperty(int) : CQarnProperty(QARN_PROP_SHADOW) {
    auto* brush = new CQarnBasicBrushProperty();
    brush->SetColor1(Color(0x80000000u));
    SetBrushProperty(brush);
}

CQarnShadowProperty::~CQarnShadowProperty() {
    if (m_pBrush != nullptr) {
        m_pBrush->Remove();
    }
}

CQarnProperty* CQarnShadowProperty::Clone() const {
    auto* clone = new CQarnShadowProperty();
    clone->Copy(this);
    return clone;
}

void CQarnShadowProperty::Copy(const CQarnShadowProperty* source) {
    if (source == nullptr || source == this) {
        return;
    }
    m_dwStyle = source->m_dwStyle;
    m_nXOffset = source->m_nXOffset;
    m_nYOffset = source->m_nYOffset;
    SetBrushProperty(static_cast<CQarnBasicBrushProperty*>(source->m_pBrush->Clone()));
}

void CQarnShadowProperty::SetBrushProperty(CQarnBasicBrushProperty* brush) {
    Qarn::AdoptOwnedBrush(m_pBrush, brush);
}

Color CQarnShadowProperty::GetColor1() const {
    return m_pBrush->GetColor1();
}
void CQarnShadowProperty::SetColor1(unsigned long colorref) {
    m_pBrush->SetColor1(colorref);
}
void CQarnShadowProperty::SetColor1(const Color& color) {
    m_pBrush->SetColor1(color);
}
Color CQarnShadowProperty::GetColor2() const {
    return m_pBrush->GetColor2();
}
void CQarnShadowProperty::SetColor2(unsigned long colorref) {
    m_pBrush->SetColor2(colorref);
}
void CQarnShadowProperty::SetColor2(const Color& color) {
    m_pBrush->SetColor2(color);
}
BYTE CQarnShadowProperty::GetBrushType() const {
    return m_pBrush->GetBrushType();
}
void CQarnShadowProperty::SetBrushType(BYTE type) {
    m_pBrush->SetBrushType(type);
}
BYTE CQarnShadowProperty::GetLinearGradientMode() const {
    return m_pBrush->GetLinearGradientMode();
}
void CQarnShadowProperty::SetLinearGradientMode(BYTE mode) {
    m_pBrush->SetLinearGradientMode(mode);
}
WORD CQarnShadowProperty::GetHatchStyle() const {
    return m_pBrush->GetHatchStyle();
}
void CQarnShadowProperty::SetHatchStyle(WORD style) {
    m_pBrush->SetHatchStyle(style);
}
BYTE CQarnShadowProperty::GetWrapMode() const {
    return m_pBrush->GetWrapMode();
}
void CQarnShadowProperty::SetWrapMode(BYTE mode) {
    m_pBrush->SetWrapMode(mode);
}
QString CQarnShadowProperty::GetImageName() const {
    return m_pBrush->GetImageName();
}
void CQarnShadowProperty::SetImageName(const QString& name) {
    m_pBrush->SetImageName(name);
}

// Styles 0-3 offset the shadow; 4-11 offset it, then enlarge (1.2) or reduce (0.8) it about a
// corner; 12-15 lay it down about the bottom-left corner, the offsets giving its length and
// slant instead of a translation.
void CQarnShadowProperty::GetTransformMatrix(Matrix& m, const RectF& r) const {
    struct Placement {
        float dx;
        float dy;
        float scale;
        int cornerX;  // 0 left, 1 right
        int cornerY;  // 0 top, 1 bottom
    };
    static const Placement kPlacements[12] = {
        {5, 5, 1, 0, 0},    {-5, 5, 1, 0, 0},    {5, -5, 1, 0, 0},    {-5, -5, 1, 0, 0},
        {5, 5, 1.2f, 0, 0}, {-5, 5, 1.2f, 1, 0}, {5, -5, 1.2f, 0, 1}, {-5, -5, 1.2f, 1, 1},
        {5, 5, 0.8f, 1, 1}, {-5, 5, 0.8f, 0, 1}, {5, -5, 0.8f, 1, 0}, {-5, -5, 0.8f, 0, 0},
    };
    const float ox = float(m_nXOffset);
    const float oy = float(m_nYOffset);
    if (m_dwStyle < 12) {
        const Placement& p = kPlacements[m_dwStyle];
        if (p.scale != 1.0f) {
            const PointF corner(r.X + p.cornerX * r.Width, r.Y + p.cornerY * r.Height);
            ScaleAbout(m, p.scale, p.scale, corner);
        }
        m.Translate(p.dx + ox, p.dy + oy);
        return;
    }
    if (m_dwStyle < 16) {
        RectF n = r;
        Qarn::NormalizeRectF(n);
        const PointF bottomLeft(n.X, n.Y + n.Height);
        const float sy = (oy + 100.0f) * 0.005f;
        const float sx = (ox + 100.0f) * 0.005f;
        const bool below = m_dwStyle >= 14;
        const bool positiveShear = m_dwStyle == 13 || m_dwStyle == 15;
        m.Translate(bottomLeft.X, bottomLeft.Y);
        m.Scale(1.0f, below ? -sy : sy);
        m.Shear(positiveShear ? sx : -sx, 0.0f);
        m.Translate(-bottomLeft.X, -bottomLeft.Y);
    }
}

RectF CQarnShadowProperty::GetBoundRect(const RectF& r) const {
    Matrix m;
    GetTransformMatrix(m, r);
    RectF bounds = r;
    Qarn::TransformRect(bounds, &m);
    return bounds;
}

void CQarnShadowProperty::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << std::uint32_t(m_dwStyle) << std::int32_t(m_nXOffset) << std::int32_t(m_nYOffset)
           << std::int32_t(0) << std::int32_t(0);
        Qarn::StoreEmbeddedBrush(ar, m_pBrush);
        return;
    }
    std::uint32_t style = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t reserved = 0;
    ar >> style >> x >> y >> reserved >> reserved;
    m_dwStyle = style;
    m_nXOffset = Qarn::SaneCoordinate(int(x));
    m_nYOffset = Qarn::SaneCoordinate(int(y));
    SetBrushProperty(Qarn::LoadEmbeddedBrush(ar));
}
