#include "platform/prepared_stroke.h"

#include <QPainterPathStroker>
#include <QPen>

#include "platform/line_end_shapes.h"

namespace {

bool HasCurves(const QPainterPath& path) {
    for (int i = 0; i < path.elementCount(); ++i) {
        if (path.elementAt(i).type == QPainterPath::CurveToElement) {
            return true;
        }
    }
    return false;
}

// Whether a figure is one straight segment: Qt draws such lines with a line rasteriser of its
// own, whose edges differ a level here and there from the filled outline.
bool HasSingleSegmentFigure(const QPainterPath& path) {
    int segments = 0;
    bool curved = false;
    const auto single = [&] { return segments == 1 && !curved; };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::ElementType type = path.elementAt(i).type;
        if (type == QPainterPath::MoveToElement) {
            if (single()) {
                return true;
            }
            segments = 0;
            curved = false;
        } else if (type == QPainterPath::LineToElement) {
            ++segments;
        } else if (type == QPainterPath::CurveToElement) {
            ++segments;
            curved = true;
        }
    }
    return single();
}

// The width the stroke really has: an inset pen strokes closed figures at twice its width,
// clipped to their inside.
float StrokeWidth(const Pen& pen, bool closedFigures) {
    const bool inset =
        pen.GetAlignment() == PenAlignmentInset && closedFigures && pen.GetWidth() > 0.0f;
    return inset ? pen.GetWidth() * 2.0f : pen.GetWidth();
}

}  // namespace

PreparedStroke::PreparedStroke(const GraphicsPath& path, const Pen& pen, float pixelsPerUnit)
    : m_Path(path), m_Pen(pen) {
    if (!pen.HasCustomCaps()) {
        m_pLine = MakePart(path.ToQPainterPath(), path.AllFiguresClosed(), pen, pixelsPerUnit);
        return;
    }
    const LineEndShapes ends(path, pen);
    m_pLine = MakePart(ends.Line(), !ends.HasOpenFigures(), pen, pixelsPerUnit);
    for (const QPainterPath& cap : ends.Fills()) {
        m_CapFills.emplace_back(cap, true);
    }
    const Pen plain = PlainPen(pen);
    for (const QPainterPath& cap : ends.Strokes()) {
        m_CapStrokes.push_back(std::move(*MakePart(cap, false, plain, pixelsPerUnit)));
    }
}

bool PreparedStroke::FillingOutlineIsQtStroke(const QPainterPath& line, const QPen& pen) {
    return (pen.style() == Qt::SolidLine || !HasCurves(line)) && !HasSingleSegmentFigure(line);
}

Pen PreparedStroke::PlainPen(const Pen& pen) {
    Pen plain(pen);
    plain.SetLineCap(LineCapFlat, LineCapFlat, DashCapFlat);
    plain.SetDashStyle(DashStyleSolid);
    return plain;
}

bool PreparedStroke::IsThin(const Pen& pen, bool closedFigures, float pixelsPerUnit) {
    return pixelsPerUnit > 0.0f && StrokeWidth(pen, closedFigures) * pixelsPerUnit <= 1.0f;
}

std::unique_ptr<PreparedStroke::Part> PreparedStroke::MakePart(const QPainterPath& line,
                                                               bool closedFigures, const Pen& pen,
                                                               float pixelsPerUnit) {
    auto part = std::make_unique<Part>(
        Part{PreparedPath(line, closedFigures), closedFigures, std::nullopt, false});
    const float width = StrokeWidth(pen, closedFigures);
    if (width <= 0.0f || IsThin(pen, closedFigures, pixelsPerUnit)) {
        return part;
    }
    QPen qpen = pen.ToQPen();
    qpen.setWidthF(width);
    QPainterPathStroker stroker(qpen);
    part->outline.emplace(stroker.createStroke(line), true);
    part->outlineIsQtStroke = FillingOutlineIsQtStroke(line, qpen);
    return part;
}

bool PreparedStroke::IsFor(const GraphicsPath& path, const Pen& pen) const {
    return m_Pen.StrokesLike(pen) && m_Path.SameAs(path);
}

bool PreparedStroke::PartCovers(const Part& part, const Pen& pen, float pixelsPerUnit) const {
    return part.outline.has_value() || StrokeWidth(pen, part.closedFigures) <= 0.0f ||
           IsThin(pen, part.closedFigures, pixelsPerUnit);
}

bool PreparedStroke::Covers(float pixelsPerUnit) const {
    if (!PartCovers(*m_pLine, m_Pen, pixelsPerUnit)) {
        return false;
    }
    const Pen plain = PlainPen(m_Pen);
    for (const Part& part : m_CapStrokes) {
        if (!PartCovers(part, plain, pixelsPerUnit)) {
            return false;
        }
    }
    return true;
}
