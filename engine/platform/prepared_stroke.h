#pragma once
// What stroking a path with a pen takes, made once for the pen's geometry (its width, dashes,
// caps, joins and custom caps, not its paint): the figures to stroke (their open ends cut back
// for custom caps), the outline of their stroke, and the shapes of the custom caps.
//
// Qt strokes a pen wider than a pixel by filling its outline, and filling the outline made here
// gives the very same pixels; only dashes along curves are laid out by Qt's painter in its own
// way, so those are still stroked by Qt (their outline serves the cost bound). A pen at most a
// pixel wide is stroked by Qt's line drawing and needs no outline: outlines are made only for
// the scale they are asked for (Covers). Nothing in it changes after it is made, so several
// threads may draw it at once.

#include <memory>
#include <optional>
#include <vector>

class QPainterPath;
class QPen;

#include "platform/graphics_path.h"
#include "platform/pen.h"
#include "platform/prepared_path.h"

class PreparedStroke {
public:
    // One stroke: its figures, whether they are all closed, and its outline when one was made.
    struct Part {
        PreparedPath line;
        bool closedFigures = false;
        // The stroke's outline at the pen's width (twice the width for a pen inset in closed
        // figures), filled with the winding rule.
        std::optional<PreparedPath> outline;
        // Whether filling the outline gives the pixels of Qt's stroke.
        bool outlineIsQtStroke = false;
    };

    // For drawing at `pixelsPerUnit` device pixels per unit of the path (0: at any scale).
    PreparedStroke(const GraphicsPath& path, const Pen& pen, float pixelsPerUnit);

    // Whether it serves stroking that path with that pen.
    bool IsFor(const GraphicsPath& path, const Pen& pen) const;
    // Whether it serves stroking its path with that pen.
    bool StrokesWith(const Pen& pen) const { return m_Pen.StrokesLike(pen); }
    // Whether it holds every outline drawing at that scale needs.
    bool Covers(float pixelsPerUnit) const;

    const GraphicsPath& Source() const { return m_Path; }
    bool HasCustomCaps() const { return m_Pen.HasCustomCaps(); }
    // The figures stroked with the pen.
    const Part& Line() const { return *m_pLine; }
    // The cap shapes filled with the pen's paint, and those stroked with CapPen.
    const std::vector<PreparedPath>& CapFills() const { return m_CapFills; }
    const std::vector<Part>& CapStrokes() const { return m_CapStrokes; }
    // The pen's geometry with flat caps and no dashes: what outlines of caps are drawn with.
    static Pen PlainPen(const Pen& pen);
    // Whether filling the outline of the line's stroke gives the pixels of Qt's own stroke: not
    // for dashes along curves (Qt lays them out its own way) nor for figures of one straight
    // segment (Qt draws those with a line rasteriser of its own).
    static bool FillingOutlineIsQtStroke(const QPainterPath& line, const QPen& pen);

private:
    // The part for the figures stroked with the pen, with an outline unless the pen is thin.
    static std::unique_ptr<Part> MakePart(const QPainterPath& line, bool closedFigures,
                                          const Pen& pen, float pixelsPerUnit);
    static bool IsThin(const Pen& pen, bool closedFigures, float pixelsPerUnit);
    bool PartCovers(const Part& part, const Pen& pen, float pixelsPerUnit) const;

    GraphicsPath m_Path;
    Pen m_Pen;
    std::unique_ptr<Part> m_pLine;
    std::vector<PreparedPath> m_CapFills;
    std::vector<Part> m_CapStrokes;
};
