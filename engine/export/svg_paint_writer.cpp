#include "export/svg_paint_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/conversions.h"
#include "export/svg_definitions.h"
#include "export/svg_picture_folder.h"
#include "export/svg_text_filters.h"
#include "platform/hatch_brush.h"
#include "platform/matrix.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"

namespace {

void AppendHex2(QString& out, int byte) {
    static const char kDigits[] = "0123456789ABCDEF";
    out += QLatin1Char(kDigits[(byte >> 4) & 0xF]);
    out += QLatin1Char(kDigits[byte & 0xF]);
}

void AddDefinition(QString* defs, const QString& text) {
    if (defs != nullptr) {
        defs->append(text);
    }
}

}  // namespace

CSvgPaintWriter::CSvgPaintWriter(CSvgDefinitions& definitions, const CSvgNumberFormat& format,
                                 CSvgPictureFolder* pictures)
    : definitions_(definitions), format_(format), pictures_(pictures) {}

QString CSvgPaintWriter::Rgb(const Color& color) {
    QString out;
    AppendRgb(out, color.GetR(), color.GetG(), color.GetB());
    return out;
}

void CSvgPaintWriter::AppendRgb(QString& out, int red, int green, int blue) {
    char buffer[48] = "rgb(";
    char* end = std::to_chars(buffer + 4, buffer + 16, red).ptr;
    *end++ = ',';
    end = std::to_chars(end, end + 12, green).ptr;
    *end++ = ',';
    end = std::to_chars(end, end + 12, blue).ptr;
    *end++ = ')';
    out += QLatin1String(buffer, end);
}

QString CSvgPaintWriter::ColourBytes(const Color& first, const Color& second) {
    QString out;
    out.reserve(16);
    for (const Color& c : {first, second}) {
        AppendHex2(out, c.GetR());
        AppendHex2(out, c.GetG());
        AppendHex2(out, c.GetB());
        AppendHex2(out, c.GetA());
    }
    return out;
}

QString CSvgPaintWriter::ArrowName(ArrowType type) {
    switch (type) {
        case ArrowTypeSquare:
            return QStringLiteral("Square");
        case ArrowTypeRound:
            return QStringLiteral("Round");
        case ArrowTypeDiamond:
            return QStringLiteral("Dimond");
        case ArrowTypeArrow:
            return QStringLiteral("Arrow");
        case ArrowTypeOpen:
            return QStringLiteral("Open");
        case ArrowTypeNotched:
            return QStringLiteral("Stealth");
        case ArrowTypeBarbFirst:
            return QStringLiteral("UpStealth");
        case ArrowTypeBarbSecond:
            return QStringLiteral("LowStealth");
        default:
            return QString();
    }
}

QString CSvgPaintWriter::SVG_AddFill(const Color& color, int percent) const {
    QString out;
    AppendFill(out, color, percent);
    return out;
}

void CSvgPaintWriter::AppendFill(QString& out, const Color& color, int percent) const {
    out += QLatin1String("fill=\"");
    AppendRgb(out, color.GetR() * percent / 100, color.GetG() * percent / 100,
              color.GetB() * percent / 100);
    out += QLatin1String("\" fill-opacity=\"");
    format_.AppendNum(out, color.GetA() / 255.0);
    out += QLatin1String("\" fill-rule=\"evenodd\"");
}

// Dash lengths in line widths: butt caps use the pattern as drawn, square and round caps
// grow each dash by the cap, so their dashes are written shorter and their gaps longer.
void CSvgPaintWriter::AppendDashArray(QString& out, const CQarnPenProperty* pen) const {
    struct Pattern {
        int count;
        double factors[6];
    };
    static const Pattern kButt[4] = {
        {2, {3, 1}}, {2, {1, 1}}, {4, {3, 1, 1, 1}}, {6, {3, 1, 1, 1, 1, 1}}};
    static const Pattern kCapped[4] = {
        {2, {2, 2}}, {2, {0, 2}}, {4, {2, 2, 0, 2}}, {6, {2, 2, 0, 2, 0, 2}}};
    const int style = pen->GetDashStyle();
    if (style < 1 || style > 4) {
        return;
    }
    const Pattern& pattern = (pen->GetLineCap() == 0 ? kButt : kCapped)[style - 1];
    const double w = pen->GetLineWidth();
    out += QLatin1String("stroke-dasharray=\"");
    for (int i = 0; i < pattern.count; ++i) {
        if (i > 0) {
            out += QLatin1String(", ");
        }
        format_.AppendNum(out, pattern.factors[i] * w);
    }
    out += QLatin1String("\" ");
}

QString CSvgPaintWriter::SVG_AddStroke(const CQarnPenProperty* pen, const RectF& rect,
                                       CQarnBasicBrushProperty* paint, int userSpace,
                                       QString* defs) {
    QString out;
    AppendStroke(out, pen, rect, paint, userSpace, defs);
    return out;
}

void CSvgPaintWriter::AppendStroke(QString& out, const CQarnPenProperty* pen, const RectF& rect,
                                   CQarnBasicBrushProperty* paint, int userSpace, QString* defs) {
    static const char* const kCaps[] = {"butt", "square", "round"};
    static const char* const kJoins[] = {"miter", "bevel", "round", "miter"};
    CQarnBasicBrushProperty* brush = paint ? paint : pen->GetBrush();
    out += QLatin1String("stroke=\"");
    const BYTE kind = brush->GetBrushType();
    if (kind == CQarnBrushProperty::Hatch) {
        out += SVG_AppendHatch(brush, defs, nullptr);
        out += QLatin1String("\" stroke-opacity=\"1");
    } else if (kind == CQarnBrushProperty::PathGradient ||
               kind == CQarnBrushProperty::LinearGradient) {
        out += SVG_AppendGradient(brush, rect, defs, userSpace);
        out += QLatin1String("\" stroke-opacity=\"1");
    } else {
        // Solid paint; a picture has no stroke form and strokes in its first colour.
        const Color colour = brush->GetColor1();
        AppendRgb(out, colour.GetR(), colour.GetG(), colour.GetB());
        out += QLatin1String("\" stroke-opacity=\"");
        format_.AppendNum(out, colour.GetA() / 255.0);
    }
    out += QLatin1String("\" stroke-width=\"");
    format_.AppendNum(out, pen->GetLineWidth());
    out += QLatin1String("\" ");
    AppendDashArray(out, pen);
    out += QLatin1String("stroke-linecap=\"");
    out += QLatin1String(kCaps[std::min<BYTE>(pen->GetLineCap(), 2)]);
    out += QLatin1String("\" stroke-linejoin=\"");
    out += QLatin1String(kJoins[std::min<BYTE>(pen->GetLineJoin(), 3)]);
    out += QLatin1String("\" stroke-miterlimit=\"");
    out += QString::number(pen->GetMeterLimit());
    out += QLatin1Char('"');
}

QString CSvgPaintWriter::Stop(const char* offset, const Color& color) const {
    return QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\" stop-opacity=\"%3\"/>\n")
        .arg(QLatin1String(offset), Rgb(color), Opacity(color.GetA()));
}

QString CSvgPaintWriter::SVG_AppendGradient(CQarnBasicBrushProperty* brush, const RectF& rect,
                                            QString* defs, int userSpace) {
    const BYTE kind = brush->GetBrushType();
    if (kind != CQarnBrushProperty::PathGradient && kind != CQarnBrushProperty::LinearGradient) {
        return QStringLiteral("none");
    }
    const Color c1 = brush->GetColor1();
    const Color c2 = brush->GetColor2();
    const int left = Qarn::TruncateToInt(rect.X);
    const int top = Qarn::TruncateToInt(rect.Y);
    const int right = Qarn::TruncateToInt(rect.X + rect.Width);
    const int bottom = Qarn::TruncateToInt(rect.Y + rect.Height);
    const QString suffix =
        userSpace ? QStringLiteral("-%1-%2-%3-%4").arg(left).arg(top).arg(right).arg(bottom)
                  : QStringLiteral("NA");
    const bool linear = kind == CQarnBrushProperty::LinearGradient;
    const int variant = linear ? brush->GetLinearGradientMode() : (brush->GetToCenter() ? 1 : 0);
    const QString id =
        QStringLiteral("_%1%2%3%4_")
            .arg(linear ? QStringLiteral("GradL") : QStringLiteral("GradR"), ColourBytes(c1, c2))
            .arg(variant)
            .arg(suffix);
    if (definitions_.Add(id)) {
        QString text;
        if (linear) {
            static const int kBox[4][4] = {{0, 0, 1, 0}, {0, 0, 0, 1}, {0, 0, 1, 1}, {1, 0, 0, 1}};
            const int mode = std::min(variant, 3);
            QString attributes;
            if (userSpace) {
                const int user[4][4] = {{left, top, right, top},
                                        {left, top, left, bottom},
                                        {left, top, right, bottom},
                                        {right, top, left, bottom}};
                attributes = QStringLiteral(
                                 "gradientUnits=\"userSpaceOnUse\" x1=\"%1\" y1=\"%2\" "
                                 "x2=\"%3\" y2=\"%4\"")
                                 .arg(user[mode][0])
                                 .arg(user[mode][1])
                                 .arg(user[mode][2])
                                 .arg(user[mode][3]);
            } else {
                attributes = QStringLiteral("x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"")
                                 .arg(kBox[mode][0])
                                 .arg(kBox[mode][1])
                                 .arg(kBox[mode][2])
                                 .arg(kBox[mode][3]);
            }
            text = QStringLiteral("<linearGradient id=\"%1\" %2>\n").arg(id, attributes) +
                   Stop("0", c1) + Stop("100", c2) + QStringLiteral("</linearGradient>\n");
        } else {
            const bool toCenter = brush->GetToCenter();
            QString attributes;
            if (userSpace) {
                const double cx = rect.X + rect.Width / 2.0;
                const double cy = rect.Y + rect.Height / 2.0;
                const double hx = std::fabs(rect.Width / 2.0);
                const double hy = std::fabs(rect.Height / 2.0);
                const double r = std::max(hx, hy);
                const double sx = r > 0 ? hx / r : 1.0;
                const double sy = r > 0 ? hy / r : 1.0;
                attributes =
                    QStringLiteral(
                        " gradientUnits=\"userSpaceOnUse\" gradientTransform=\"translate(%1, "
                        "%2) scale(%3,%4)\" cx=\"%5\" cy=\"%6\" r=\"%7\"")
                        .arg(format_.Num((1 - sx) * cx), format_.Num((1 - sy) * cy),
                             format_.Num(sx), format_.Num(sy), format_.Num(cx), format_.Num(cy),
                             format_.Num(r));
            }
            text = QStringLiteral("<radialGradient id=\"%1\"%2>\n").arg(id, attributes) +
                   Stop("0", toCenter ? c2 : c1) + Stop("100", toCenter ? c1 : c2) +
                   QStringLiteral("</radialGradient>\n");
        }
        AddDefinition(defs, text);
    }
    return CSvgDefinitions::Reference(id);
}

QString CSvgPaintWriter::SVG_AppendHatch(CQarnBasicBrushProperty* brush, QString* defs,
                                         const Matrix* transform) {
    struct Line {
        int x1, y1, x2, y2;
    };
    const WORD style = brush->GetHatchStyle();
    QList<Line> lines;
    double width = 2.0;
    switch (style) {
        case 0:
            lines = {{0, 0, 8, 0}};
            break;
        case 1:
            lines = {{0, 0, 0, 8}};
            break;
        case 2:
            lines = {{0, 0, 8, 8}};
            width = 0.5;
            break;
        case 3:
            lines = {{0, 8, 8, 0}};
            width = 0.5;
            break;
        case 4:
            lines = {{0, 0, 8, 0}, {8, 0, 8, 8}};
            break;
        case 5:
            lines = {{0, 0, 8, 8}, {0, 8, 8, 0}};
            width = 0.5;
            break;
        default:
            break;
    }
    const Color fore = brush->GetColor1();
    const Color back = brush->GetColor2();
    QString id = QLatin1String("_Hatch") + ColourBytes(fore, back) + QString::number(style);
    QString transformPart;
    if (transform != nullptr && !transform->IsIdentity()) {
        const QString matrix = CSvgNumberFormat::MatrixToString(*transform, 9, false);
        transformPart = QStringLiteral(" patternTransform=\"%1\"").arg(matrix);
        id += QLatin1Char('-');
        for (QChar c : matrix) {
            if (c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-')) {
                id += c;
            }
        }
    }
    id += QLatin1Char('_');
    if (definitions_.Add(id)) {
        QString text = QStringLiteral(
                           "<pattern id=\"%1\"%2 patternUnits=\"userSpaceOnUse\" width=\"8\" "
                           "height=\"8\" viewBox=\"0 0 8 8\">\n")
                           .arg(id, transformPart);
        text += QStringLiteral(
                    "<rect x=\"0\" y=\"0\" width=\"8\" height=\"8\" fill=\"%1\" "
                    "fill-opacity=\"%2\"/>\n")
                    .arg(Rgb(back), Opacity(back.GetA()));
        if (lines.isEmpty() && style < 53) {
            // The other styles are their 8 x 8 bitmaps: one run of foreground cells per row.
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8;) {
                    if (!HatchBrush::IsForeground(style, x, y)) {
                        ++x;
                        continue;
                    }
                    int end = x;
                    while (end < 8 && HatchBrush::IsForeground(style, end, y)) {
                        ++end;
                    }
                    text += QStringLiteral(
                                "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" "
                                "fill=\"%4\" fill-opacity=\"%5\"/>\n")
                                .arg(x)
                                .arg(y)
                                .arg(end - x)
                                .arg(Rgb(fore), Opacity(fore.GetA()));
                    x = end;
                }
            }
        }
        for (const Line& l : lines) {
            text += QStringLiteral(
                        "<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                        "stroke-opacity=\"%6\" stroke-width=\"%7\"/>\n")
                        .arg(l.x1)
                        .arg(l.y1)
                        .arg(l.x2)
                        .arg(l.y2)
                        .arg(Rgb(fore), Opacity(fore.GetA()), format_.Num(width));
        }
        text += QStringLiteral("</pattern>\n");
        AddDefinition(defs, text);
    }
    return CSvgDefinitions::Reference(id);
}

QString CSvgPaintWriter::SVG_AppendArrow(int isEnd, ArrowType type, int size, QString* defs) {
    const QString name = ArrowName(type);
    if (name.isEmpty()) {
        return QString();
    }
    const QString id = QStringLiteral("_%1%2%3_")
                           .arg(isEnd ? QStringLiteral("End-") : QStringLiteral("Start-"), name)
                           .arg(size);
    if (definitions_.Add(id)) {
        const int s = std::max(size, 1);
        // The stub of the head is as wide as the line: half a line width above and below the
        // centre line, in head units (one unit is the arrow size in line widths).
        const double h = 0.5 / s;
        const QString a = format_.Num(1 - h);
        const QString b = format_.Num(1 + h);
        double boxWidth = 3;
        double boxHeight = 2;
        QString drawing;
        auto path = [](const QString& d) { return QStringLiteral("<path d=\"%1\"/>").arg(d); };
        switch (type) {
            case ArrowTypeSquare:
                boxWidth = 2;
                drawing = QStringLiteral("<rect x=\"0\" y=\"0\" width=\"2\" height=\"2\"/>");
                break;
            case ArrowTypeRound:
                boxWidth = 2;
                drawing = QStringLiteral("<circle cx=\"1\" cy=\"1\" r=\"1\"/>");
                break;
            case ArrowTypeArrow:
                boxWidth = 2;
                boxHeight = 1.6;
                drawing = path(isEnd ? QStringLiteral("M 0 0 L 2 0.8 L 0 1.6 z")
                                     : QStringLiteral("M 2 0 L 0 0.8 L 2 1.6 z"));
                break;
            case ArrowTypeDiamond:
                drawing =
                    path(isEnd ? QStringLiteral("M 0 %1 L 1 2 L 3 1 L 1 0 L 0 %2 z").arg(a, b)
                               : QStringLiteral("M 3 %1 L 2 2 L 0 1 L 2 0 L 3 %2 z").arg(a, b));
                break;
            case ArrowTypeNotched:
                drawing =
                    path(isEnd ? QStringLiteral("M 1 %1 L 0 2 L 3 1 L 0 0 L 1 %2 z").arg(a, b)
                               : QStringLiteral("M 2 %1 L 3 2 L 0 1 L 3 0 L 2 %2 z").arg(a, b));
                break;
            case ArrowTypeBarbFirst:
                drawing = path(isEnd ? QStringLiteral("M 1 %1 L 1 %2 L 0 2 L 3 1 z").arg(a, b)
                                     : QStringLiteral("M 2 %1 L 2 %2 L 3 0 L 0 1 z").arg(a, b));
                break;
            case ArrowTypeBarbSecond:
                drawing = path(isEnd ? QStringLiteral("M 1 %1 L 1 %2 L 0 0 L 3 1 z").arg(a, b)
                                     : QStringLiteral("M 2 %1 L 2 %2 L 3 2 L 0 1 z").arg(a, b));
                break;
            case ArrowTypeOpen: {
                // The open head's outline, tip at the right end of a box 2 long and as high as
                // the head is wide.
                const double r3 = std::sqrt(3.0);
                const double half = 2.0 / r3;
                const double u[9] = {-2, -3 * r3 * h, -2, -2, 0, -2, -2, -3 * r3 * h, -2};
                const double v[9] = {h, h, half - 1.5 * h, half, 0, -half, 1.5 * h - half, -h, -h};
                boxWidth = 2;
                boxHeight = 2 * half;
                QString d;
                for (int i = 0; i < 9; ++i) {
                    const double x = isEnd ? u[i] + 2 : -u[i];
                    d += QStringLiteral("%1 %2 %3 ")
                             .arg(i == 0 ? QStringLiteral("M") : QStringLiteral("L"),
                                  format_.Num(x), format_.Num(v[i] + half));
                }
                drawing = path(d + QLatin1Char('z'));
                break;
            }
            default:
                return QString();
        }
        const double refX = isEnd ? boxWidth : 0.0;
        AddDefinition(defs,
                      QStringLiteral("<marker id=\"%1\" viewBox=\"0 0 %2 %3\" refX=\"%4\" "
                                     "refY=\"%5\" markerUnits=\"strokeWidth\" "
                                     "orient=\"auto\" markerWidth=\"%6\" markerHeight=\"%7\">"
                                     "%8</marker>\n")
                          .arg(id, format_.Num(boxWidth), format_.Num(boxHeight), format_.Num(refX),
                               format_.Num(boxHeight / 2), format_.Num(boxWidth * s),
                               format_.Num(boxHeight * s), drawing));
    }
    return CSvgDefinitions::Reference(id);
}

QString CSvgPaintWriter::SVG_AppendOpacityFilter(int percent, QString* defs) {
    const QString value = format_.Num(percent / 100.0);
    const QString id = QStringLiteral("_FilterOpacity%1_").arg(value);
    if (definitions_.Add(id)) {
        AddDefinition(defs, QStringLiteral("<filter id=\"%1\" x=\"-10%\" y=\"-10%\" width=\"120%\" "
                                           "height=\"120%\"><feComponentTransfer><feFuncA "
                                           "type=\"linear\" slope=\"%2\"/></feComponentTransfer>"
                                           "</filter>\n")
                                .arg(id, value));
    }
    return CSvgDefinitions::Reference(id);
}

QString CSvgPaintWriter::SVG_AppendGrayScaleFilter(int percent, QString* defs) {
    const QString value = format_.Num(percent / 100.0);
    const QString id = QStringLiteral("_FilterGrayScale%1_").arg(value);
    if (definitions_.Add(id)) {
        AddDefinition(defs, QStringLiteral("<filter id=\"%1\" x=\"-10%\" y=\"-10%\" width=\"120%\" "
                                           "height=\"120%\"><feColorMatrix type=\"matrix\" "
                                           "values=\"%2 0 0 0 0 0 %2 0 0 0 0 0 %2 0 0 0 0 0 1 0\"/>"
                                           "</filter>\n")
                                .arg(id, value));
    }
    return CSvgDefinitions::Reference(id);
}

QString CSvgPaintWriter::SVG_AppendImage(const QString& name, const CSize& size, QString* defs) {
    const QString id = QStringLiteral("_IMAGE-%1_").arg(QarnSvg::NameStrFilter(name));
    if (definitions_.Add(id)) {
        AddDefinition(defs, QStringLiteral("<image id=\"%1\" width=\"%2\" height=\"%3\" "
                                           "xlink:href=\"%4\"/>\n")
                                .arg(QarnSvg::AttributeFilter(id))
                                .arg(size.cx)
                                .arg(size.cy)
                                .arg(QarnSvg::AttributeFilter(name)));
    }
    return QLatin1Char('#') + QarnSvg::AttributeFilter(id);
}

QString CSvgPaintWriter::SVG_AppendTexture(CQarnBasicBrushProperty* brush, const RectF& rect,
                                           int clipped, QString* defs,
                                           const QString& componentName) {
    const QString picture = brush->GetImageName();
    CSvgPictureFolder where(QString(), false);
    CSvgPictureFolder* pictures = pictures_ ? pictures_ : &where;
    // Only a picture that is an image file gets a fill (as on the page).
    const QSize size = pictures->Size(picture);
    if (!size.isValid()) {
        return QString();
    }
    const BYTE wrap = brush->GetWrapMode();
    const bool stretch = brush->GetStretch();
    QString form;
    QString image;
    const QString href = QarnSvg::AttributeFilter(pictures->Reference(picture));
    // The page scales a stretched picture to the rectangle whatever the wrap mode, and tiles
    // the flipping wrap modes too; their flips have no SVG form and are tiled plainly.
    if (wrap > 4) {
        return QString();
    }
    if (wrap != 4 && !stretch) {
        form = QStringLiteral("Tile");
        image = QStringLiteral("<feImage width=\"%1\" height=\"%2\" xlink:href=\"%3\"/><feTile/>")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(href);
    } else if (wrap == 4 && !stretch) {
        form = QStringLiteral("Center");
        image = QStringLiteral(
                    "<feImage x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                    "xlink:href=\"%5\"/>")
                    .arg(format_.Num(rect.X + (rect.Width - size.width()) / 2.0),
                         format_.Num(rect.Y + (rect.Height - size.height()) / 2.0))
                    .arg(size.width())
                    .arg(size.height())
                    .arg(href);
    } else {
        form = QStringLiteral("Stretch");
        image = QStringLiteral(
                    "<feImage x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                    "preserveAspectRatio=\"none\" xlink:href=\"%5\"/>")
                    .arg(format_.Num(rect.X), format_.Num(rect.Y), format_.Num(rect.Width),
                         format_.Num(rect.Height), href);
    }
    const QString id = QStringLiteral("_%1-%2%3Filter-%4_")
                           .arg(componentName, form, clipped ? QStringLiteral("InClip") : QString(),
                                QarnSvg::NameStrFilter(picture));
    if (definitions_.Add(id)) {
        QString text =
            QStringLiteral(
                "<filter id=\"%1\" filterUnits=\"userSpaceOnUse\" x=\"%2\" "
                "y=\"%3\" width=\"%4\" height=\"%5\">")
                .arg(QarnSvg::AttributeFilter(id), format_.Num(rect.X), format_.Num(rect.Y),
                     format_.Num(rect.Width), format_.Num(rect.Height)) +
            image;
        if (clipped) {
            text += QStringLiteral(
                "<feComposite in2=\"BackgroundImage\" operator=\"in\" "
                "result=\"comp\"/>");
        }
        const BYTE alpha = brush->GetColor1().GetA();
        if (alpha != 255) {
            text += QStringLiteral(
                        "<feComponentTransfer><feFuncA type=\"linear\" slope=\"%1\"/>"
                        "</feComponentTransfer>")
                        .arg(Opacity(alpha));
        }
        AddDefinition(defs, text + QStringLiteral("</filter>\n"));
    }
    return QarnSvg::AttributeFilter(id);
}
