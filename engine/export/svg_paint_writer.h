#pragma once
// Paint as SVG: fill and stroke attributes, and the definitions they refer to (gradients,
// hatch patterns, arrow markers, filters, pictures, textures). A definition is added to the
// caller's defs text the first time its id is used in an export and referred to afterwards.

#include <QString>

#include "core/arrow_type.h"
#include "export/svg_number_format.h"
#include "platform/color.h"
#include "platform/cpoint.h"
#include "platform/rect_f.h"

class CQarnBasicBrushProperty;
class CQarnPenProperty;
class CSvgDefinitions;
class CSvgPictureFolder;
class Matrix;

class CSvgPaintWriter {
public:
    // Pictures are referred to through `pictures` when given, else where they lie.
    CSvgPaintWriter(CSvgDefinitions& definitions, const CSvgNumberFormat& format,
                    CSvgPictureFolder* pictures = nullptr);

    // fill="rgb(r,g,b)" fill-opacity="a" fill-rule="evenodd", the colour scaled by percent.
    QString SVG_AddFill(const Color& color, int percent) const;
    // The stroke attributes of the pen; `paint` replaces the pen's own brush when given.
    QString SVG_AddStroke(const CQarnPenProperty* pen, const RectF& rect,
                          CQarnBasicBrushProperty* paint, int userSpace, QString* defs);
    // A reference to the brush's gradient (kinds 3 and 4), "none" for other kinds.
    QString SVG_AppendGradient(CQarnBasicBrushProperty* brush, const RectF& rect, QString* defs,
                               int userSpace);
    // A reference to the 8 x 8 hatch pattern of the brush; `transform` rotates or flips it.
    QString SVG_AppendHatch(CQarnBasicBrushProperty* brush, QString* defs, const Matrix* transform);
    QString SVG_AppendArrow(int isEnd, ArrowType type, int size, QString* defs);
    QString SVG_AppendOpacityFilter(int percent, QString* defs);
    QString SVG_AppendGrayScaleFilter(int percent, QString* defs);
    QString SVG_AppendImage(const QString& name, const CSize& size, QString* defs);
    // The filter that paints a picture fill over the rectangle (tiled, centred or stretched by
    // the brush's wrap mode and stretch flag); empty when the combination has no SVG form or
    // the picture cannot be read.
    QString SVG_AppendTexture(CQarnBasicBrushProperty* brush, const RectF& rect, int clipped,
                              QString* defs, const QString& componentName);

    // "rgb(r,g,b)" of a colour.
    static QString Rgb(const Color& color);
    static void AppendRgb(QString& out, int red, int green, int blue);
    // The fill and stroke attributes appended to `out`, without strings of their own.
    void AppendFill(QString& out, const Color& color, int percent) const;
    void AppendStroke(QString& out, const CQarnPenProperty* pen, const RectF& rect,
                      CQarnBasicBrushProperty* paint, int userSpace, QString* defs);
    // The 8 colour bytes of an id: red, green, blue, alpha of colour 1, then of colour 2.
    static QString ColourBytes(const Color& first, const Color& second);
    // The head's name in marker ids.
    static QString ArrowName(ArrowType type);

private:
    QString Opacity(BYTE alpha) const { return format_.Num(alpha / 255.0); }
    QString Stop(const char* offset, const Color& color) const;
    void AppendDashArray(QString& out, const CQarnPenProperty* pen) const;

    CSvgDefinitions& definitions_;
    CSvgNumberFormat format_;
    CSvgPictureFolder* pictures_;
};
