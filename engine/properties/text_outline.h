#pragma once
// A text's glyph outline as drawn, kept with what it was laid out from (the text, the font,
// the rectangle, the alignment, the format flags and the trimming), so that drawing the same
// text again fills the outline instead of laying the text out and building its glyphs anew.
// Nothing in it changes after it is made, so several threads may draw it at once.

#include <QString>
#include <optional>

#include "platform/prepared_path.h"
#include "platform/rect_f.h"
#include "platform/win_types.h"

class Brush;
class CQarnFontProperty;
class CQarnTextLayout;
class Graphics;

class CQarnTextOutline {
public:
    // What a layout is made from; two equal keys lay out alike.
    struct Key {
        QString text;
        QString fontName;
        BYTE fontStyle = 0;
        float fontSize = 0.0f;
        RectF rect;
        BYTE xAlign = 0;
        BYTE yAlign = 0;
        DWORD formatFlags = 0;
        BYTE trimming = 0;

        Key(const QString& text, const CQarnFontProperty& font, const RectF& rect, BYTE xAlign,
            BYTE yAlign, DWORD formatFlags, BYTE trimming);
        bool operator==(const Key& other) const;
    };

    CQarnTextOutline(Key key, const CQarnTextLayout& layout);

    bool IsFor(const Key& key) const { return key_ == key; }
    // Fills the outline with the brush, clipped to the layout's rectangle unless the layout
    // does not clip, with smooth edges or crisp ones: what CQarnTextLayout::Draw draws.
    void Draw(Graphics* graphics, const Brush* brush, bool antialias) const;

private:
    Key key_;
    PreparedPath outline_;
    std::optional<RectF> clip_;
};
