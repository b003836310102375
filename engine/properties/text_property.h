#pragma once
// The text drawn inside a component: the string, its alignment and layout flags, the font it
// inherits, a colour brush (a plain colour, or a full brush for hatched, textured or gradient
// text), and a cache of its measured lines used for caret placement and growing boxes.

#include <QList>
#include <QString>
#include <memory>

#include "core/text_facet.h"
#include "platform/color.h"
#include "platform/crect.h"
#include "platform/kept_form.h"
#include "platform/rect_f.h"
#include "properties/char_range.h"
#include "properties/font_property.h"

class CDC;
class CQarnBasicBrushProperty;
class CQarnComponent;
class CQarnTextLayout;
class CQarnTextOutline;

class CQarnTextProperty : public CQarnFontProperty, public CQarnTextFacet {
    QARN_DECLARE_SERIAL(CQarnTextProperty)

public:
    // String format flags kept by the text.
    enum : DWORD { RightToLeft = 0x1, Vertical = 0x2, NoWrap = 0x1000, NoClip = 0x4000 };
    // Alignments.
    enum : BYTE { Near = 0, Center = 1, Far = 2 };

    CQarnTextProperty();
    ~CQarnTextProperty() override;
    CQarnTextProperty(const CQarnTextProperty&) = delete;

    CQarnProperty* Clone() const override;
    // Text, font, format, alignment and flags, a clone of the colour brush; the measured layout
    // is not copied.
    void Copy(const CQarnFontProperty* source) override;

    const QString& GetText() const { return m_strText; }
    void SetText(const QString& text);
    void SetFontName(const QString& name) override;
    void SetFontStyle(unsigned char style) override;
    void SetFontSize(float points) override;

    DWORD GetStringFormat() const { return m_dwFormatFlags; }
    void SetStringFormat(DWORD flags);
    bool GetRightToLeft() const { return (m_dwFormatFlags & RightToLeft) != 0; }
    void SetRightToLeft(bool on) { SetFormatBit(RightToLeft, on); }
    bool GetVertical() const { return (m_dwFormatFlags & Vertical) != 0; }
    void SetVertical(bool on) { SetFormatBit(Vertical, on); }
    bool GetNoWrap() const { return (m_dwFormatFlags & NoWrap) != 0; }
    void SetNoWrap(bool on) { SetFormatBit(NoWrap, on); }
    BYTE GetStringTrimming() const { return m_nTrimming; }
    void SetStringTrimming(BYTE trimming);
    BYTE GetXAlignment() const { return m_nXAlign; }
    void SetXAlignment(BYTE alignment);
    BYTE GetYAlignment() const { return m_nYAlign; }
    void SetYAlignment(BYTE alignment);
    bool GetGrowWithSizing() const { return (m_dwTextFlags & 1) != 0; }
    void SetGrowWithSizing(bool on) {
        m_dwTextFlags = on ? (m_dwTextFlags | 1) : (m_dwTextFlags & ~1u);
    }

    // Colour i of the colour brush as a colour reference (0x00BBGGRR).
    COLORREF GetColor(int index) const;
    void SetColor(const Color& color, int index);
    void SetColor(const unsigned long& colorref, int index);
    CQarnBasicBrushProperty* GetBrush() const { return m_pBrush; }
    // Takes ownership (count 1) and releases the old colour brush.
    void SetBrush(CQarnBasicBrushProperty* brush);

    // The measured layout.
    bool IsLayoutValid() const { return m_bLayoutValid; }
    void InvalidateLayout() { m_bLayoutValid = false; }
    // 1 + the number of line feeds.
    int GetNumPara() const;
    int GetBoxCount() const { return int(m_Boxes.size()); }
    const QList<RectF>& GetTextBoxes() const { return m_Boxes; }
    const QList<CQarnCharRange>& GetCharRanges() const { return m_Ranges; }
    RectF GetPosition() const { return m_rcPosition; }
    void SetPosition(const RectF& r) { m_rcPosition = r; }
    // Stores a measured layout and marks it valid.
    void SetLayout(const QList<RectF>& boxes, const QList<CQarnCharRange>& ranges);

    // Measures the text laid out in r into the position; when the layout is not valid, also
    // finds its lines (clipped or not), one character range per line without its leading
    // blanks and trailing blanks and line ends, and each range's box. Measuring does not
    // depend on the view: sizes are document units on every device.
    void UpdateBounds(CView* view, RectF r);
    // The same for the component's text rectangle.
    void UpdateBounds(CQarnComponent* component);
    // The box the text takes in r; an empty box at the centre of r for an empty text.
    RectF GetBoundRect(Graphics* graphics, const RectF& r) const;
    // The width and the height of that box in whole units.
    int TextLen(CDC* dc, const RectF& r) const;
    int MaxHeight(CDC* dc, const RectF& r) const;
    // A box around r that holds the text, measured in r grown by 1000 on every side
    // (direction 0), sideways only (1) or up and down only (2).
    CRect FitContent(CView* view, const RectF& r, int direction) const;
    // The layout this text gets in r, as it is drawn and measured.
    std::unique_ptr<CQarnTextLayout> CreateLayout(const RectF& r, DWORD extraFlags = 0) const;

    // The text laid out in r and painted with `paint`, else with the colour brush. The glyph
    // outline is kept for the next drawing of the same text in the same place.
    void Draw(Graphics* graphics, const RectF& r, CQarnBasicBrushProperty* paint) override;
    // Readies the colour brush's paint.
    void PrepareForDrawing() override;

    void Serialize(CArchive& ar) override;

private:
    void SetFormatBit(DWORD bit, bool on);

    bool m_bLayoutValid = false;
    int m_nParaCount = 1;
    QList<RectF> m_Boxes;
    QList<CQarnCharRange> m_Ranges;
    RectF m_rcPosition;
    DWORD m_dwTextFlags = 0;
    QString m_strText = QStringLiteral("Text");
    DWORD m_dwFormatFlags = 0;
    BYTE m_nTrimming = 0;
    BYTE m_nXAlign = Center;
    BYTE m_nYAlign = Center;
    CQarnBasicBrushProperty* m_pBrush = nullptr;
    KeptForm<CQarnTextOutline> m_Outline;
};
