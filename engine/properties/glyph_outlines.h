#pragma once
// The outlines of glyphs, made once per font and glyph for the whole program: a text laid out
// for the first time takes its glyphs' outlines from here instead of asking the font engine
// (which runs the font's hinting program) for every glyph of every text. Any thread may ask.

#include <QPainterPath>

class QRawFont;

namespace Qarn {

// The outline of glyph `index` of the font, at the font's pixel size, as
// QRawFont::pathForGlyph gives it.
QPainterPath GlyphOutline(const QRawFont& font, quint32 index);

}  // namespace Qarn
