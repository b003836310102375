#pragma once
// The layout of text in a rectangle as the graphics surface draws it: alignment, wrapping,
// direction and the font scaled to document units.

#include <QFont>

#include "platform/rect_f.h"
#include "platform/win_types.h"

class Brush;
class Graphics;
class CQarnFontProperty;

namespace Qarn {

// Qt alignment and wrap flags for the horizontal and vertical alignment (0 near, 1 centre,
// 2 far) and the string format flags (right-to-left swaps near and far; no-wrap keeps lines).
int TextLayoutFlags(BYTE xAlign, BYTE yAlign, DWORD formatFlags);
// The font at its size in points, for drawing in document units (1/100 inch) on the surface.
QFont FontForDocumentUnits(const CQarnFontProperty& font, const Graphics* graphics);
// Draws the text with the brush in r, turned a quarter for vertical text; nothing shows
// outside r unless the no-clip flag is set.
void DrawLaidOutText(Graphics* graphics, const QString& text, const QFont& font, const RectF& r,
                     int flags, DWORD formatFlags, const Brush* brush);

}  // namespace Qarn
