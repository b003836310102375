#include "controls/compound_line_items.h"

#include <QCoreApplication>
#include <QPainter>

#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "properties/pen_property.h"

namespace {

// Wide enough for the inner lines to show apart.
constexpr float kSampleWidth = 9.0f;

}  // namespace

void CQarnCompoundLineItems::PaintItem(QPainter& painter, const QRectF& cell, int index) const {
    Graphics graphics(&painter);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    // The pen strokes the sample as it strokes a line of the drawing, inner lines and all.
    CQarnPenProperty pen;
    pen.SetLineWidth(kSampleWidth);
    pen.SetQarnLineStyle(static_cast<unsigned long>(index));
    pen.SetColor1(Color::FromQColor(Qarn::SampleInk(painter)));
    const float y = float(cell.center().y());
    GraphicsPath path;
    path.AddLine(float(cell.left()) + 2.0f, y, float(cell.right()) - 2.0f, y);
    RectF bounds(float(cell.left()) + 2.0f, y, float(cell.width()) - 4.0f, 0.0f);
    pen.DrawPath(&graphics, &path, bounds, nullptr, 100, 0, nullptr);
}

QString CQarnCompoundLineItems::GetItemName(int index) const {
    static const char* const kNames[kCount] = {
        QT_TRANSLATE_NOOP("CQarnCompoundLineItems", "Single"),
        QT_TRANSLATE_NOOP("CQarnCompoundLineItems", "Double"),
        QT_TRANSLATE_NOOP("CQarnCompoundLineItems", "Double, wide gap"),
        QT_TRANSLATE_NOOP("CQarnCompoundLineItems", "Triple"),
        QT_TRANSLATE_NOOP("CQarnCompoundLineItems", "Triple, heavy centre"),
    };
    if (index < 0 || index >= kCount) {
        return QString();
    }
    return QCoreApplication::translate("CQarnCompoundLineItems", kNames[index]);
}
