// A component as SVG: a group holding its shadow, its outline elements with their paint and
// arrow heads, and its text, followed by the definitions they used.
#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>
#include <QString>
#include <memory>

#include "core/component.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/element.h"
#include "core/rect_geometry.h"
#include "export/component_svg.h"
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
    ComponentSvgWriter(CQarnComponent& c, CSvgExportContext& context, const CSvgComponentForm& form)
        : c_(c),
          context_(context),
          form_(form),
          paint_(context.Definitions(), context.Format(), &context.Pictures()),
          shapes_(context.Format()),
          format_(context.Format()) {}

    QString Write();

private:
    // The fill attributes of a brush, appended (with the definitions of referenced paint).
    // Text paints a picture through a white mask and keeps hatch cells crisp when turned.
    void Fill(CQarnBasicBrushProperty* brush, const RectF& rect, bool userSpace, int shade,
              bool text = false);
    void Element(CQarnElement& element, bool userSpace, int count);
    void Markers(CQarnArrowProperty* arrow);
    void WidenedArrowOutline(CQarnElement& element);
    void TextureClip(CQarnElement& element);
    void Shadow(CQarnShadowProperty* shadow);
    void Text(CQarnTextProperty* text, CQarnShadowProperty* shadow);
    void TextLines(CQarnTextProperty* text, CQarnBasicBrushProperty* paint, const QString& clip);
    QString TextClip(CQarnTextProperty* text);
    const Matrix* ComponentTransform() const { return c_.NeedTransform() ? &transform_ : nullptr; }

    CQarnComponent& c_;
    CSvgExportContext& context_;
    CSvgComponentForm form_;
    CSvgPaintWriter paint_;
    CSvgShapeWriter shapes_;
    CSvgNumberFormat format_;
    Matrix transform_;
    QString out_;
    QString defs_;
    QString texture_;
};

void ComponentSvgWriter::Fill(CQarnBasicBrushProperty* brush, const RectF& rect, bool userSpace,
                              int shade, bool text) {
    if (brush == nullptr) {
        out_ += QLatin1String(" fill=\"none\"");
        return;
    }
    switch (brush->GetBrushType()) {
        case CQarnBrushProperty::Hatch:
            out_ += QLatin1String(" fill=\"");
            out_ += paint_.SVG_AppendHatch(brush, &defs_, ComponentTransform());
            out_ += QLatin1String("\" fill-opacity=\"1\" fill-rule=\"evenodd\"");
            if (c_.NeedTransform()) {
                out_ += text ? QLatin1String(" shape-rendering=\"crispEdges\"")
                             : QLatin1String(" shape-rendering=\"optimizeSpeed\"");
            }
            return;
        case CQarnBrushProperty::Texture:
            texture_ = paint_.SVG_AppendTexture(brush, rect, 1, &defs_,
                                                QarnSvg::AttributeFilter(c_.GetName()));
            out_ += text ? QLatin1String(" fill=\"white\" enable-background=\"new\"")
                         : QLatin1String(" fill=\"none\"");
            return;
        case CQarnBrushProperty::PathGradient:
        case CQarnBrushProperty::LinearGradient:
            out_ += QLatin1String(" fill=\"");
            out_ += paint_.SVG_AppendGradient(brush, rect, &defs_, userSpace ? 1 : 0);
            out_ += QLatin1String("\" fill-opacity=\"1\" fill-rule=\"evenodd\"");
            return;
        default:
            out_ += QLatin1Char(' ');
            paint_.AppendFill(out_, brush->GetColor1(), shade);
            return;
    }
}

// Without markers, a stroke with arrow heads is written as the filled outline of the widened
// stroke, heads included, in the stroke's paint.
void ComponentSvgWriter::WidenedArrowOutline(CQarnElement& element) {
    CQarnPenProperty* pen = element.GetPen();
    std::unique_ptr<Pen> widening(pen->CreatePen(element.GetRectF(), 0, 100));
    if (!widening) {
        return;
    }
    element.GetArrow()->SetArrowAnchors(widening.get(), 0);
    // The line is cut back where the heads sit; its widened stroke and the heads' outlines
    // together are what the screen shows.
    const LineEndShapes ends(*element.GetPath(), *widening);
    GraphicsPath outline{ends.Line()};
    if (outline.Widen(widening.get()) != Ok) {
        return;
    }
    for (const QPainterPath& head : ends.Fills()) {
        const GraphicsPath headPath(head);
        outline.AddPath(&headPath, FALSE);
    }
    QString stroke = paint_.SVG_AddStroke(pen, element.GetRectF(), nullptr, 0, &defs_);
    QString fill = stroke.section(QLatin1Char(' '), 0, 1);  // stroke="..." stroke-opacity="..."
    fill.replace(QLatin1String("stroke"), QLatin1String("fill"));
    out_ += shapes_.PathData(&outline);
    out_ += QLatin1String(" stroke=\"none\" ");
    out_ += fill;
    out_ += QLatin1String(" fill-rule=\"nonzero\"/>\n");
}

void ComponentSvgWriter::Markers(CQarnArrowProperty* arrow) {
    if (arrow->GetStartArrow() != ArrowTypeNone) {
        out_ += QLatin1String(" marker-start=\"");
        out_ +=
            paint_.SVG_AppendArrow(0, arrow->GetStartArrow(), arrow->GetStartArrowSize(), &defs_);
        out_ += QLatin1Char('"');
    }
    if (arrow->GetEndArrow() != ArrowTypeNone) {
        out_ += QLatin1String(" marker-end=\"");
        out_ += paint_.SVG_AppendArrow(1, arrow->GetEndArrow(), arrow->GetEndArrowSize(), &defs_);
        out_ += QLatin1Char('"');
    }
}

// A picture fill is painted by its filter inside the element's outline. The clip ids are
// spelled "Cilp" as in every SVG file the system has written; readers may look them up.
void ComponentSvgWriter::TextureClip(CQarnElement& element) {
    const QString clip = QStringLiteral("_Cilp-%1_").arg(QarnSvg::AttributeFilter(c_.GetName()));
    if (context_.Definitions().Add(clip)) {
        defs_ += QStringLiteral("<clipPath id=\"%1\">\n  %2/>\n</clipPath>\n")
                     .arg(clip, shapes_.PathData(element.GetPath()));
    }
    out_ += QStringLiteral("<g clip-path=\"url(#%1)\" filter=\"url(#%2)\"/>\n").arg(clip, texture_);
    texture_.clear();
}

void ComponentSvgWriter::Element(CQarnElement& element, bool userSpace, int count) {
    CQarnArrowProperty* arrow = element.GetArrow();
    const bool stroked = element.HasFlag(CQarnElement::kDrawLine) && element.GetPen() != nullptr;
    const bool closed = element.HasFlag(CQarnElement::kClosed);
    const bool heads =
        stroked && !closed && arrow != nullptr &&
        (arrow->GetStartArrow() != ArrowTypeNone || arrow->GetEndArrow() != ArrowTypeNone);
    const bool markers = Qarn::GetConfig()->m_nUseSVGAnchor != 0;
    const bool filled = element.HasFlag(CQarnElement::kFill);
    const bool widen = heads && !markers;
    if (filled || !widen) {
        out_ += shapes_.SVG_PathToString(c_, element.GetPath(),
                                         count == 1 && form_.basicShapes ? 1 : 0);
        if (filled) {
            Fill(element.GetBrush(), element.GetRectF(), userSpace, element.GetShade());
        } else {
            out_ += QLatin1String(" fill=\"none\"");
        }
        if (stroked && !widen) {
            out_ += QLatin1Char(' ');
            paint_.AppendStroke(out_, element.GetPen(), element.GetRectF(), nullptr,
                                userSpace ? 1 : 0, &defs_);
            if (heads) {
                Markers(arrow);
            }
        } else {
            out_ += QLatin1String(" stroke=\"none\"");
        }
        // A shaded plain colour is written scaled; other paint is shaded by a filter. The
        // page shades fills only, so unfilled elements keep their stroke as it is.
        CQarnBasicBrushProperty* brush = element.GetBrush();
        if (filled && brush != nullptr && element.GetShade() != 100 &&
            brush->GetBrushType() != CQarnBrushProperty::Solid) {
            out_ += QLatin1String(" filter=\"");
            out_ += paint_.SVG_AppendGrayScaleFilter(element.GetShade(), &defs_);
            out_ += QLatin1Char('"');
        }
        out_ += QLatin1String("/>\n");
    }
    if (widen) {
        WidenedArrowOutline(element);
    }
    if (!texture_.isEmpty()) {
        TextureClip(element);
    }
}

void ComponentSvgWriter::Shadow(CQarnShadowProperty* shadow) {
    GraphicsPath outline;
    c_.CreatePath(outline, nullptr, PathMode::All);
    if (outline.IsEmpty()) {
        return;
    }
    Matrix placement;
    shadow->GetTransformMatrix(placement, c_.GetRectF());
    outline.Transform(&placement);
    RectF area = shadow->GetBoundRect(c_.GetRectF());
    out_ += shapes_.PathData(&outline);
    Fill(shadow->GetBrushProperty(), area, false, 100);
    if (c_.GetDrawLine() && c_.GetPenProperty() != nullptr) {
        out_ += QLatin1Char(' ');
        paint_.AppendStroke(out_, c_.GetPenProperty(), area, shadow->GetBrushProperty(), 0, &defs_);
    } else {
        out_ += QLatin1String(" stroke=\"none\"");
    }
    out_ += QLatin1String("/>\n");
}

// The page clips text to its text rectangle (unless the text's format says not to), so the
// SVG does the same; the component's outline would hide the text of lines and cut the
// corners of text in ellipses that the page shows.
QString ComponentSvgWriter::TextClip(CQarnTextProperty* text) {
    if ((text->GetStringFormat() & CQarnTextProperty::NoClip) != 0) {
        return QString();
    }
    RectF frame = c_.GetTextPosition();
    Qarn::NormalizeRectF(frame);
    const QString id = QStringLiteral("_Cilp-%1-Text_").arg(QarnSvg::AttributeFilter(c_.GetName()));
    if (context_.Definitions().Add(id)) {
        GraphicsPath box;
        box.AddRectangle(frame);
        defs_ += QStringLiteral("<clipPath id=\"%1\">\n  %2/>\n</clipPath>\n")
                     .arg(id, shapes_.PathData(&box));
    }
    return CSvgDefinitions::Reference(id);
}

void ComponentSvgWriter::TextLines(CQarnTextProperty* text, CQarnBasicBrushProperty* paint,
                                   const QString& clip) {
    const BYTE style = text->GetFontStyle();
    const bool vertical = text->GetVertical();
    out_ += QLatin1String("<g");
    if (!clip.isEmpty()) {
        out_ += QLatin1String(" clip-path=\"") + clip + QLatin1Char('"');
    }
    Fill(paint ? paint : text->GetBrush(), c_.GetRectF(), false, 100, true);
    out_ += QLatin1String(" stroke=\"none\" writing-mode=\"");
    out_ += vertical ? QLatin1String("tb-rl")
                     : (text->GetRightToLeft() ? QLatin1String("rl-tb") : QLatin1String("lr-tb"));
    out_ += QLatin1String("\" font-family=\"");
    out_ += QarnSvg::AttributeFilter(text->GetFontName());
    // Sizes are in document units (1/100 inch), so the point size is written in those units.
    out_ += QLatin1String("\" font-size=\"");
    format_.AppendNum(out_, text->GetFontSize() * 100.0 / 72.0);
    out_ += QLatin1String("\" ");
    if (style & CQarnFontProperty::Bold) {
        out_ += QLatin1String("font-weight=\"bold\" ");
    }
    if (style & CQarnFontProperty::Italic) {
        out_ += QLatin1String("font-style=\"italic\" ");
    }
    out_ += QLatin1String("text-anchor=\"middle\" xml:space=\"preserve\">\n");
    QLatin1String decoration("");
    const bool under = (style & CQarnFontProperty::Underline) != 0;
    const bool through = (style & CQarnFontProperty::Strikeout) != 0;
    if (under && through) {
        decoration = QLatin1String("text-decoration=\"underline line-through\" ");
    } else if (under) {
        decoration = QLatin1String("text-decoration=\"underline\" ");
    } else if (through) {
        decoration = QLatin1String("text-decoration=\"line-through\" ");
    }
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
        out_ += QLatin1String("  <text x=\"");
        format_.AppendNum(out_, box.X + box.Width / 2);
        out_ += QLatin1String("\" y=\"");
        format_.AppendNum(out_, y);
        out_ += QLatin1String("\" ");
        out_ += decoration;
        out_ += QLatin1String("textLength=\"");
        format_.AppendNum(out_, vertical ? box.Height : box.Width);
        out_ += QLatin1String("\">");
        out_ += QarnSvg::HtmlFilter(words);
        out_ += QLatin1String("</text>\n");
    }
    out_ += QLatin1String("</g>\n");
    if (!texture_.isEmpty()) {
        out_ += QStringLiteral("<g filter=\"url(#%1)\"/>\n").arg(texture_);
        texture_.clear();
    }
}

void ComponentSvgWriter::Text(CQarnTextProperty* text, CQarnShadowProperty* shadow) {
    if (!text->IsLayoutValid()) {
        text->UpdateBounds(&c_);
    }
    if (text->GetBoxCount() == 0) {
        return;
    }
    const QString clip = TextClip(text);
    // As on the page, the text of an unfilled component with a shadow casts one: the same
    // lines once more, placed by the shadow and in its colour.
    if (shadow != nullptr && c_.GetDrawShadow() && !c_.GetFill() &&
        shadow->GetBrushProperty() != nullptr) {
        Matrix placement;
        shadow->GetTransformMatrix(placement, c_.GetRectF());
        out_ += QLatin1String("<g ") + CSvgNumberFormat::MatrixToString(placement, 9, true) +
                QLatin1String(">\n");
        TextLines(text, shadow->GetBrushProperty(), clip);
        out_ += QLatin1String("</g>\n");
    }
    TextLines(text, nullptr, clip);
}

QString ComponentSvgWriter::Write() {
    CQarnTextProperty* text = c_.GetTextProperty();
    if (!c_.GetFill() && !c_.GetDrawLine() && text == nullptr) {
        return QString();
    }
    out_.reserve(1024);
    out_ += QLatin1String("<g id=\"") + QarnSvg::AttributeFilter(c_.GetName()) + QLatin1Char('"');
    if (c_.NeedTransform()) {
        c_.GetTransformMatrix(transform_);
        out_ += QLatin1Char(' ') + CSvgNumberFormat::MatrixToString(transform_, 9, true);
    }
    out_ += QLatin1String(">\n");
    CQarnShadowProperty* shadow = c_.GetShadowProperty();
    if (shadow != nullptr && c_.GetDrawShadow()) {
        if (form_.shadowGroup) {
            out_ += QLatin1String("<g id=\"") + QarnSvg::AttributeFilter(c_.GetName()) +
                    QLatin1String("-shdw\">\n");
        }
        Shadow(shadow);
        if (form_.shadowGroup) {
            out_ += QLatin1String("</g>\n");
        }
    }
    if (c_.GetElementCount() == 0) {
        c_.ResetPath();
    }
    c_.InitElements(0);
    const int count = c_.GetElementCount();
    for (int i = 0; i < count; ++i) {
        if (CQarnElement* element = c_.GetElement(i)) {
            if (!element->GetPath()->IsEmpty()) {
                Element(*element, count > 1, count);
            }
        }
    }
    if (text != nullptr && c_.GetDrawText()) {
        Text(text, shadow);
    }
    if (!defs_.isEmpty()) {
        out_ += QLatin1String("<defs>\n") + defs_ + QLatin1String("</defs>\n");
    }
    out_ += QLatin1String("</g>\n");
    return out_;
}

}  // namespace

namespace QarnSvg {

void ExportComponent(CQarnComponent& component, QString* out, QString* folder,
                     const CSvgComponentForm& form) {
    if (out == nullptr || component.IsKindOf(RUNTIME_CLASS(CQarnGroup))) {
        return;
    }
    std::unique_ptr<CSvgExportContext> own;
    CSvgExportContext* context = CSvgExportContext::Current();
    if (context == nullptr) {
        own = std::make_unique<CSvgExportContext>(folder ? *folder : QString());
        context = own.get();
    }
    ComponentSvgWriter writer(component, *context, form);
    const QString text = writer.Write();
    // A component exported on its own keeps its text; in a document export the file holds it,
    // and keeping a second copy of every component's text would double the export's memory.
    component.SetSVGText(own ? text : QString());
    out->append(text);
}

}  // namespace QarnSvg

void CQarnComponent::ExportToSVG(QString* out, QString* folder) {
    QarnSvg::ExportComponent(*this, out, folder, CSvgComponentForm());
}

void CQarnComponent::ExportToSVG(QIODevice* file) {
    if (file == nullptr) {
        return;
    }
    QString folder;
    if (auto* named = qobject_cast<QFileDevice*>(file)) {
        folder = QFileInfo(named->fileName()).absolutePath() + QLatin1Char('/');
    }
    QString text;
    ExportToSVG(&text, &folder);
    file->write(text.toUtf8());
}
