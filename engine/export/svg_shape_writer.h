#pragma once
// Outlines as SVG: the basic shapes (ellipse, rectangle, right triangle and the polygonal
// symbols) by the component's shape id, and any other outline as a path.

#include <QString>

#include "export/svg_number_format.h"

class CQarnComponent;
class GraphicsPath;

class CSvgShapeWriter {
public:
    explicit CSvgShapeWriter(const CSvgNumberFormat& format) : format_(format) {}

    // The shape element of the component's kind, or an empty string when it is drawn as a
    // path. The element is left open (no "/>") so paint attributes can follow.
    QString SVG_ShapeToString(const CQarnComponent& component, const GraphicsPath* path) const;
    // The shape string when `tryShape` and the kind has one, else `<path d="..."`.
    QString SVG_PathToString(const CQarnComponent& component, const GraphicsPath* path,
                             int tryShape) const;
    // `<path d="..."` of the path's figures.
    QString PathData(const GraphicsPath* path) const;

private:
    CSvgNumberFormat format_;
};
