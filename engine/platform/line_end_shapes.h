#pragma once
// What a pen with custom caps draws for a path: the figures with their open ends cut back by
// the caps' base insets, and the cap shapes placed at those ends, all in the path's
// coordinates.

#include <QPainterPath>
#include <vector>

class GraphicsPath;
class Pen;

class LineEndShapes {
public:
    LineEndShapes(const GraphicsPath& path, const Pen& pen);

    // The figures to stroke (curves flattened where a cap cuts them back).
    const QPainterPath& Line() const { return line_; }
    bool HasOpenFigures() const { return hasOpenFigures_; }
    // Cap shapes to fill with the pen's paint, and to stroke.
    const std::vector<QPainterPath>& Fills() const { return fills_; }
    const std::vector<QPainterPath>& Strokes() const { return strokes_; }

private:
    QPainterPath line_;
    bool hasOpenFigures_ = false;
    std::vector<QPainterPath> fills_;
    std::vector<QPainterPath> strokes_;
};
