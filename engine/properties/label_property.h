#pragma once
// A label: a block of text with its own rectangle, font and colour, placed beside its
// component and dragged by the component's label handle.

#include <QString>

#include "core/label_facet.h"
#include "platform/color.h"
#include "platform/crect.h"
#include "platform/rect_f.h"
#include "properties/property.h"
#include "properties/property_kinds.h"

class CDC;
class CQarnFontProperty;

class CQarnLabelProperty : public CQarnProperty, public CQarnLabelFacet {
    QARN_DECLARE_SERIAL(CQarnLabelProperty)

public:
    CQarnLabelProperty();
    explicit CQarnLabelProperty(unsigned int kind);
    // A label on that rectangle, made at least 50 wide and 24 high about its centre.
    explicit CQarnLabelProperty(const RectF& rect);
    ~CQarnLabelProperty() override;
    CQarnLabelProperty(const CQarnLabelProperty&) = delete;

    CQarnProperty* Clone() const override;
    // All fields, with a clone of the font.
    virtual void Copy(const CQarnLabelProperty* source);

    CQarnFontProperty* GetFont() const { return m_pFont; }
    const QString& GetText() const { return m_strText; }
    void SetText(const QString& text) { m_strText = text; }
    const Color& GetColor() const { return m_Color; }
    void SetColor(const Color& color) { m_Color = color; }
    RectF GetRectF() const override { return m_rect; }
    void SetRectF(const RectF& rect) override { m_rect = rect; }
    RectF GetLastRect() const { return m_lastRect; }
    // Keeps the rectangle as it was when a drag began.
    void UpdateLastRect() override { m_lastRect = m_rect; }
    PointF GetCenterPointF() const override;
    // The integer rectangle the label covers.
    CRect GetBoundRect() const override;
    // The text in the label's font and colour, laid out in its rectangle.
    void Draw(Graphics* graphics) override;
    // The rectangle as dotted inverting feedback while the label is dragged.
    void DrawOutline(CDC* dc);

    BYTE GetStringTrimming() const { return m_nTrimming; }
    void SetStringTrimming(BYTE trimming) { m_nTrimming = trimming; }
    BYTE GetStringFormat() const { return m_nFormatFlags; }
    void SetStringFormat(BYTE flags) { m_nFormatFlags = flags; }
    BYTE GetXAlignment() const { return m_nXAlign; }
    void SetXAlignment(BYTE alignment) { m_nXAlign = alignment; }
    BYTE GetYAlignment() const { return m_nYAlign; }
    void SetYAlignment(BYTE alignment) { m_nYAlign = alignment; }

    void Serialize(CArchive& ar) override;

private:
    void Init();

    DWORD m_dwReserved1 = 0;
    CQarnFontProperty* m_pFont = nullptr;
    Color m_Color = Color(Color::Black);
    DWORD m_dwReserved2 = 0;
    QString m_strText = QStringLiteral("Label");
    RectF m_rect;
    RectF m_lastRect;
    BYTE m_nTrimming = 0;
    BYTE m_nFormatFlags = 1;
    BYTE m_nXAlign = 1;
    BYTE m_nYAlign = 0;
};
