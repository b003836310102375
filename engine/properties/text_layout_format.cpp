#include "properties/text_layout_format.h"

#include <QPaintDevice>
#include <QPainter>

#include "platform/brush.h"
#include "platform/graphics.h"
#include "properties/font_property.h"

namespace Qarn {

namespace {

constexpr DWORD kRightToLeft = 0x1;
constexpr DWORD kVertical = 0x2;
constexpr DWORD kNoWrap = 0x1000;
constexpr DWORD kNoClip = 0x4000;
constexpr double kUnitsPerInch = 100.0;

}  // namespace

int TextLayoutFlags(BYTE xAlign, BYTE yAlign, DWORD formatFlags) {
    const bool rightToLeft = (formatFlags & kRightToLeft) != 0;
    int flags = 0;
    switch (xAlign) {
        case 0:
            flags |= rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
            break;
        case 2:
            flags |= rightToLeft ? Qt::AlignLeft : Qt::AlignRight;
            break;
        default:
            flags |= Qt::AlignHCenter;
            break;
    }
    switch (yAlign) {
        case 0:
            flags |= Qt::AlignTop;
            break;
        case 2:
            flags |= Qt::AlignBottom;
            break;
        default:
            flags |= Qt::AlignVCenter;
            break;
    }
    if ((formatFlags & kNoWrap) == 0) {
        flags |= Qt::TextWordWrap;
    }
    return flags;
}

QFont FontForDocumentUnits(const CQarnFontProperty& font, const Graphics* graphics) {
    QFont qfont = font.CreateQFont();
    // A point is 1/72 inch and a document unit 1/100 inch; the painter turns point sizes into
    // its own units by its device's resolution, so the size is given relative to it.
    double dpi = 96.0;
    if (graphics != nullptr && graphics->GetPainter() != nullptr &&
        graphics->GetPainter()->device() != nullptr) {
        dpi = graphics->GetPainter()->device()->logicalDpiY();
    }
    qfont.setPointSizeF(std::max(0.01, double(font.GetFontSize()) * kUnitsPerInch / dpi));
    return qfont;
}

void DrawLaidOutText(Graphics* graphics, const QString& text, const QFont& font, const RectF& r,
                     int flags, DWORD formatFlags, const Brush* brush) {
    if (graphics == nullptr || brush == nullptr || text.isEmpty()) {
        return;
    }
    const GraphicsState state = graphics->Save();
    if ((formatFlags & kNoClip) == 0) {
        graphics->IntersectClip(r);
    }
    if ((formatFlags & kVertical) != 0) {
        // Vertical lines run top to bottom: lay the text out in the turned rectangle.
        const PointF centre(r.X + r.Width / 2, r.Y + r.Height / 2);
        graphics->TranslateTransform(centre.X, centre.Y);
        graphics->RotateTransform(90);
        const RectF turned(-r.Height / 2, -r.Width / 2, r.Height, r.Width);
        graphics->DrawString(text, font, turned, flags, brush);
    } else {
        graphics->DrawString(text, font, r, flags, brush);
    }
    graphics->Restore(state);
}

}  // namespace Qarn
