#include "properties/text_outline.h"

#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "properties/font_property.h"
#include "properties/text_layout.h"

namespace {

bool SameRect(const RectF& a, const RectF& b) {
    return a.X == b.X && a.Y == b.Y && a.Width == b.Width && a.Height == b.Height;
}

// The outline exactly as the layout fills it: through a winding GraphicsPath.
GraphicsPath WindingOutline(const CQarnTextLayout& layout) {
    GraphicsPath outline(layout.GetOutline());
    outline.SetFillMode(FillModeWinding);
    return outline;
}

}  // namespace

CQarnTextOutline::Key::Key(const QString& text, const CQarnFontProperty& font, const RectF& rect,
                           BYTE xAlign, BYTE yAlign, DWORD formatFlags, BYTE trimming)
    : text(text),
      fontName(font.GetFontName()),
      fontStyle(font.GetFontStyle()),
      fontSize(font.GetFontSize()),
      rect(rect),
      xAlign(xAlign),
      yAlign(yAlign),
      formatFlags(formatFlags),
      trimming(trimming) {}

bool CQarnTextOutline::Key::operator==(const Key& other) const {
    return text == other.text && fontName == other.fontName && fontStyle == other.fontStyle &&
           fontSize == other.fontSize && SameRect(rect, other.rect) && xAlign == other.xAlign &&
           yAlign == other.yAlign && formatFlags == other.formatFlags && trimming == other.trimming;
}

CQarnTextOutline::CQarnTextOutline(Key key, const CQarnTextLayout& layout)
    : key_(std::move(key)), outline_(WindingOutline(layout)) {
    if (const RectF* clip = layout.GetClipRect()) {
        clip_ = *clip;
    }
}

void CQarnTextOutline::Draw(Graphics* graphics, const Brush* brush, bool antialias) const {
    CQarnTextLayout::FillOutline(graphics, brush, outline_, clip_ ? &*clip_ : nullptr, antialias);
}
