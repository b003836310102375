#pragma once
// Text laid out in a rectangle the way documents expect it: lines broken at words (inside a
// word when it is longer than a line) and at line feeds, a sixth of an em of padding at either
// end of a line, horizontal and vertical alignment, right-to-left and vertical text, no-wrap,
// and clipping to the rectangle. Drawing, measuring and the per-line character ranges all read
// the one layout, so what is measured is what is drawn.
//
// Sizes are in document units (1/100 inch) whatever the device: a 12 point font is 16.67
// units high on screen, in print and in every measurement.

#include <QList>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

#include "platform/rect_f.h"
#include "platform/win_types.h"
#include "properties/char_range.h"

class Brush;
class CQarnFontProperty;
class Graphics;
class QFont;
class PreparedPath;
class QColor;
class QPainterPath;
class QTransform;
class QTextLayout;
class QTextLine;
class QTextOption;

class CQarnTextLayout {
public:
    // String format flags the layout reads.
    enum : DWORD { RightToLeft = 0x1, Vertical = 0x2, NoWrap = 0x1000, NoClip = 0x4000 };

    // Lays out the text in r (normalised here). A zero width does not wrap; a zero height
    // does not clip vertically. A trimming other than 0 shows only whole lines; the
    // ellipsis trimmings (3 to 5) end the last line shown with an ellipsis when text is cut off.
    CQarnTextLayout(const QString& text, const CQarnFontProperty& font, const RectF& r, BYTE xAlign,
                    BYTE yAlign, DWORD formatFlags, BYTE trimming);
    ~CQarnTextLayout();
    CQarnTextLayout(const CQarnTextLayout&) = delete;
    CQarnTextLayout& operator=(const CQarnTextLayout&) = delete;

    // Every line of the text, whether it shows in the rectangle or not.
    int GetLineCount() const;
    // The lines that show: all of them with the no-clip flag.
    int GetShownLineCount() const;
    // The characters of line `index` as laid out: its spaces and the line feed that ends it
    // included.
    CQarnCharRange GetLineRange(int index) const;
    // The box of the shown lines (all lines when `allLines`), padding included; an empty box
    // at the centre of the rectangle when there is no text.
    RectF GetBoundRect(bool allLines) const;
    // The box of `length` characters of line `index` from `first` (a zero-width box where the
    // caret stands when the range is empty).
    RectF MeasureRange(int index, int first, int length) const;
    // The shown glyphs, underlines and strike-outs as one winding outline in document units.
    QPainterPath GetOutline() const;
    // Fills the outline with the brush, clipped to the rectangle unless the no-clip flag is
    // set, with smooth edges or crisp ones.
    void Draw(Graphics* graphics, const Brush* brush, bool antialias) const;
    // The shown glyphs as text in one colour, clipped as Draw clips: on a vector device (PDF)
    // the text stays text, with its font embedded, which readers can search and copy. The
    // glyphs have the shapes GetOutline gives.
    void DrawAsText(Graphics* graphics, const QColor& color) const;
    // The rectangle drawing clips to; null with the no-clip flag.
    const RectF* GetClipRect() const;
    // What Draw does with an outline made beforehand (from GetOutline, winding).
    static void FillOutline(Graphics* graphics, const Brush* brush, const PreparedPath& outline,
                            const RectF* clip, bool antialias);

private:
    // Lines run across the "flow" rectangle; for vertical text it is the rectangle turned a
    // quarter about its centre.
    RectF ToDocument(const RectF& flowBox) const;
    // From the layout's pixels to the document.
    QTransform ToDocument() const;
    // A box `r` of the layout (in its pixels) in the flow.
    QRectF FromLayout(const QRectF& r) const;
    bool IsShown(int index) const;
    // Each shown line (in its shortened form when cut) with its underline and strike-out
    // rectangles, in layout pixels.
    void ForEachShownLine(
        const std::function<void(const QTextLine& shown, const QList<QRectF>& rules)>& visit) const;
    double Padding() const;
    void MarkCutText(const QFont& font, const QTextOption& option, BYTE across, double room);

    QString text_;
    RectF rect_;
    RectF flow_;
    DWORD formatFlags_;
    BYTE trimming_;
    // The font's size in document units, and layout pixels per document unit.
    double pixelSize_ = 0;
    double scale_ = 1;
    std::unique_ptr<QTextLayout> layout_;
    // The last line shown, shortened with an ellipsis, and its index (-1 when none is).
    std::unique_ptr<QTextLayout> cut_;
    int cutIndex_ = -1;
};
