// A component as SVG: a group holding its shadow, its outline elements with their paint and
// arrow heads, and its text, followed by the definitions they used.
#include <QString>
#include <memory>

#include "core/component.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/element.h"
#include "core/rect_geometry.h"
#include "export/svg_export_context.h"
#include "export/svg_paint_writer.h"
#include "export/svg_shape_writer.h"
#include "export/svg_text_filters.h"
#include "platform/graphics_path.h"
#include "platform/line_end_shapes.h"
#include "platform/matrix.h"
#include "platform/pen.h"
#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/char_range.h"
#include "properties/font_property.h"
#include "properties/pen_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "shapes/group.h"

namespace {

class ComponentSvgWriter {
public:
    ComponentSvgWriter(CQarnComponent& c, CSvgExportContext& context)
        : c_(c),
          context_(context),
          paint_(context.Definitions(), context.Format()),
          shapes_(context.Format()),
          format_(context.Format()) {}

    QString Write();

private:
    // The fill attributes of a brush (with the caller's defs for referenced paint).
    QString Fill(CQarnBasicBrushProperty* brush, const RectF& rect, bool userSpace, int shade);
    QString Element(CQarnElement& element, bool userSpace, int count);
    QString WidenedArrowOutline(CQarnElement& element);
    QString Shadow(CQarnShadowProperty* shadow);
    QString Text(CQarnTextProperty* text, CQarnShadowProperty* shadow);
    const Matrix* ComponentTransform() const { return c_.NeedTransform() ? &transform_ : nullptr; }

    CQarnComponent& c_;
    CSvgExportContext& context_;
    CSvgPaintWriter paint_;
    CSvgShapeWriter shapes_;
    CSvgNumberFormat format_;
    Matrix transform_;
    QString defs_;
    QString texture_;
};

QString ComponentSvgWriter::Fill(CQarnBasicBrushProperty* brush, const RectF& rect, bool userSpace,
                                 int shade) {
    if (brush == nullptr) {
        return QStringLiteral(" fill=\"none\"");
    }
    switch (brush->GetBrushType()) {
        case CQarnBrushProperty::Hatch:
            return QStringLiteral(" fill=\"%1\" fill-opacity=\"1\" fill-rule=\"evenodd\"%2")
                .arg(paint_.SVG_AppendHatch(brush, &defs_, ComponentTransform()),
                     c_.NeedTransform() ? QStringLiteral(" shape-rendering=\"optimizeSpeed\"")
                                        : QString());
        case CQarnBrushProperty::Texture:
            texture_ = paint_.SVG_AppendTexture(brush, rect, 1, &defs_,
                                                QarnSvg::AttributeFilter(c_.GetName()));
            return QStringLiteral(" fill=\"none\"");
        case CQarnBrushProperty::PathGradient:
        case CQarnBrushProperty::LinearGradient:
            return QStringLiteral(" fill=\"%1\" fill-opacity=\"1\" fill-rule=\"evenodd\"")
                .arg(paint_.SVG_AppendGradient(brush, rect, &defs_, userSpace ? 1 : 0));
        default:
            return QLatin1Char(' ') + paint_.SVG_AddFill(brush->GetColor1(), shade);
    }
}

// Without markers, a stroke with arrow heads is written as the filled outline of the widened
// stroke, heads included, in the stroke's paint.
QString ComponentSvgWriter::WidenedArrowOutline(CQarnElement& element) {
    CQarnPenProperty* pen = element.GetPen();
    std::unique_ptr<Pen> widening(pen->CreatePen(element.GetRectF(), 0, 100));
    if (!widening) {
        return QString();
    }
    element.GetArrow()->SetArrowAnchors(widening.get(), 0);
    // The line is cut back where the heads sit; its widened stroke and the heads' outlines
    // together are what the screen shows.
    const LineEndShapes ends(*element.GetPath(), *widening);
    GraphicsPath outline{ends.Line()};
    if (outline.Widen(widening.get()) != Ok) {
        return QString();
    }
    for (const QPainterPath& head : ends.Fills()) {
        const GraphicsPath headPath(head);
        outline.AddPath(&headPath, FALSE);
    }
    QString stroke = paint_.SVG_AddStroke(pen, element.GetRectF(), nullptr, 0, &defs_);
    QString fill = stroke.section(QLatin1Char(' '), 0, 1);  // stroke="..." stroke-opacity="..."
    fill.replace(QStringLiteral("stroke"), QStringLiteral("fill"));
    return shapes_.PathData(&outline) + QStringLiteral(" stroke=\"none\" ") + fill +
           QStringLiteral(" fill-rule=\"nonzero\"/>\n");
}

QString ComponentSvgWriter::Element(CQarnElement& element, bool userSpace, int count) {
    CQarnArrowProperty* arrow = element.GetArrow();
    const bool stroked = element.HasFlag(CQarnElement::kDrawLine) && element.GetPen() != nullptr;
    const bool closed = element.HasFlag(CQarnElement::kClosed);
    const bool heads =
        stroked && !closed && arrow != nullptr &&
        (arrow->GetStartArrow() != ArrowTypeNone || arrow->GetEndArrow() != ArrowTypeNone);
    const bool markers = Qarn::GetConfig()->m_nUseSVGAnchor != 0;
    const bool filled = element.HasFlag(CQarnElement::kFill);
    const bool widen = heads && !markers;
    QString text;
    if (filled || !widen) {
        text += shapes_.SVG_PathToString(c_, element.GetPath(), count == 1 ? 1 : 0);
        text += filled ? Fill(element.GetBrush(), element.GetRectF(), userSpace, element.GetShade())
                       : QStringLiteral(" fill=\"none\"");
        if (stroked && !widen) {
            text += QLatin1Char(' ') + paint_.SVG_AddStroke(element.GetPen(), element.GetRectF(),
                                                            nullptr, userSpace ? 1 : 0, &defs_);
            if (heads && arrow->GetStartArrow() != ArrowTypeNone) {
                text += QStringLiteral(" marker-start=\"%1\"")
                            .arg(paint_.SVG_AppendArrow(0, arrow->GetStartArrow(),
                                                        arrow->GetStartArrowSize(), &defs_));
            }
            if (heads && arrow->GetEndArrow() != ArrowTypeNone) {
                text += QStringLiteral(" marker-end=\"%1\"")
                            .arg(paint_.SVG_AppendArrow(1, arrow->GetEndArrow(),
                                                        arrow->GetEndArrowSize(), &defs_));
            }
        } else {
            text += QStringLiteral(" stroke=\"none\"");
        }
        text += QStringLiteral("/>\n");
    }
    if (widen) {
        text += WidenedArrowOutline(element);
    }
    if (!texture_.isEmpty()) {
        const QString clip =
            QStringLiteral("_Cilp-%1_").arg(QarnSvg::AttributeFilter(c_.GetName()));
        if (context_.Definitions().Add(clip)) {
            defs_ += QStringLiteral("<clipPath id=\"%1\">\n  %2/>\n</clipPath>\n")
                         .arg(clip, shapes_.PathData(element.GetPath()));
        }
        text +=
            QStringLiteral("<g clip-path=\"url(#%1)\" filter=\"url(#%2)\"/>\n").arg(clip, texture_);
        texture_.clear();
    }
    return text;
}

QString ComponentSvgWriter::Shadow(CQarnShadowProperty* shadow) {
    GraphicsPath outline;
    c_.CreatePath(outline, nullptr, 0);
    if (outline.IsEmpty()) {
        return QString();
    }
    Matrix placement;
    shadow->GetTransformMatrix(placement, c_.GetRectF());
    outline.Transform(&placement);
    RectF area = shadow->GetBoundRect(c_.GetRectF());
    QString text = shapes_.PathData(&outline) + Fill(shadow->GetBrushProperty(), area, false, 100);
    if (c_.GetDrawLine() && c_.GetPenProperty() != nullptr) {
        text += QLatin1Char(' ') + paint_.SVG_AddStroke(c_.GetPenProperty(), area,
                                                        shadow->GetBrushProperty(), 0, &defs_);
    } else {
        text += QStringLiteral(" stroke=\"none\"");
    }
    return text + QStringLiteral("/>\n");
}

QString ComponentSvgWriter::Text(CQarnTextProperty* text, CQarnShadowProperty*) {
    if (!text->IsLayoutValid()) {
        text->UpdateBounds(&c_);
    }
    if (text->GetBoxCount() == 0) {
        return QString();
    }
    const BYTE style = text->GetFontStyle();
    const bool vertical = text->GetVertical();
    const QString mode =
        vertical ? QStringLiteral("tb-rl")
                 : (text->GetRightToLeft() ? QStringLiteral("rl-tb") : QStringLiteral("lr-tb"));
    // Sizes are in document units (1/100 inch), so the point size is written in those units.
    const QString size = format_.Num(text->GetFontSize() * 100.0 / 72.0);
    QString header =
        QStringLiteral(
            "<g%1 stroke=\"none\" writing-mode=\"%2\" font-family=\"%3\" "
            "font-size=\"%4\" %5%6text-anchor=\"middle\" "
            "xml:space=\"preserve\">\n")
            .arg(Fill(text->GetBrush(), c_.GetRectF(), false, 100), mode,
                 QarnSvg::AttributeFilter(text->GetFontName()), size,
                 (style & CQarnFontProperty::Bold) ? QStringLiteral("font-weight=\"bold\" ")
                                                   : QString(),
                 (style & CQarnFontProperty::Italic) ? QStringLiteral("font-style=\"italic\" ")
                                                     : QString());
    QString decoration;
    const bool under = (style & CQarnFontProperty::Underline) != 0;
    const bool through = (style & CQarnFontProperty::Strikeout) != 0;
    if (under || through) {
        decoration = QStringLiteral("text-decoration=\"%1\" ")
                         .arg(under && through ? QStringLiteral("underline line-through")
                                               : (under ? QStringLiteral("underline")
                                                        : QStringLiteral("line-through")));
    }
    QString body;
    const QList<RectF>& boxes = text->GetTextBoxes();
    const QList<CQarnCharRange>& ranges = text->GetCharRanges();
    for (qsizetype i = 0; i < boxes.size() && i < ranges.size(); ++i) {
        const RectF& box = boxes[i];
        if (box.Width == 0 || box.Height == 0) {
            continue;
        }
        const QString words = text->GetText().mid(ranges[i].first, ranges[i].length);
        const float y = vertical ? box.Y + box.Height / 2 : box.Y + 0.8f * box.Height;
        // textLength is a length: the measured width of the line (a character count would
        // squeeze or stretch the line to that many units).
        body +=
            QStringLiteral("  <text x=\"%1\" y=\"%2\" %3textLength=\"%4\">%5</text>\n")
                .arg(format_.Num(box.X + box.Width / 2), format_.Num(y), decoration,
                     format_.Num(vertical ? box.Height : box.Width), QarnSvg::HtmlFilter(words));
    }
    QString tail;
    if (!texture_.isEmpty()) {
        tail = QStringLiteral("<g filter=\"url(#%1)\"/>\n").arg(texture_);
        texture_.clear();
    }
    return header + body + QStringLiteral("</g>\n") + tail;
}

QString ComponentSvgWriter::Write() {
    CQarnTextProperty* text = c_.GetTextProperty();
    if (!c_.GetFill() && !c_.GetDrawLine() && text == nullptr) {
        return QString();
    }
    QString transform;
    if (c_.NeedTransform()) {
        c_.GetTransformMatrix(transform_);
        transform = QLatin1Char(' ') + CSvgNumberFormat::MatrixToString(transform_, 9, true);
    }
    QString out =
        QStringLiteral("<g id=\"%1\"%2>\n").arg(QarnSvg::AttributeFilter(c_.GetName()), transform);
    CQarnShadowProperty* shadow = c_.GetShadowProperty();
    if (shadow != nullptr && c_.GetDrawShadow()) {
        out += Shadow(shadow);
    }
    if (c_.GetElementCount() == 0) {
        c_.ResetPath();
    }
    c_.InitElements(0);
    const int count = c_.GetElementCount();
    for (int i = 0; i < count; ++i) {
        if (CQarnElement* element = c_.GetElement(i)) {
            if (!element->GetPath()->IsEmpty()) {
                out += Element(*element, count > 1, count);
            }
        }
    }
    if (text != nullptr && c_.GetDrawText()) {
        out += Text(text, shadow);
    }
    if (!defs_.isEmpty()) {
        out += QStringLiteral("<defs>\n") + defs_ + QStringLiteral("</defs>\n");
    }
    return out + QStringLiteral("</g>\n");
}

}  // namespace

void CQarnComponent::ExportToSVG(QString* out, QString* folder) {
    if (out == nullptr || IsKindOf(RUNTIME_CLASS(CQarnGroup))) {
        return;
    }
    std::unique_ptr<CSvgExportContext> own;
    CSvgExportContext* context = CSvgExportContext::Current();
    if (context == nullptr) {
        own = std::make_unique<CSvgExportContext>(folder ? *folder : QString());
        context = own.get();
    }
    ComponentSvgWriter writer(*this, *context);
    const QString text = writer.Write();
    m_strSVG = text;
    out->append(text);
}
