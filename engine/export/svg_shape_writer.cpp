#include "export/svg_shape_writer.h"

#include <QSet>
#include <vector>

#include "core/component.h"
#include "core/rect_geometry.h"
#include "platform/graphics_path.h"
#include "platform/path_point_type.h"
#include "shapes/shape_ids.h"

namespace {

// Symbols whose outline is a single polygon of all its points.
const QSet<int>& PolygonShapeIds() {
    static const QSet<int> ids = {18210, 18214, 18221, 18225, 18231, 18246, 18248, 18251, 18253,
                                  18254, 18264, 18266, 18267, 18268, 18271, 18272, 18273, 18290,
                                  18291, 18293, 18294, 18295, 18326, 18329, 18330, 18331, 18332};
    return ids;
}

}  // namespace

QString CSvgShapeWriter::SVG_ShapeToString(const CQarnComponent& component,
                                           const GraphicsPath* path) const {
    RectF r = component.GetRectF();
    Qarn::NormalizeRectF(r);
    const int shape = component.GetShapeID();
    if (shape == Qarn::kShapeAutoEllipse || shape == Qarn::kShapeAutoRectangle) {
        const bool ellipse = shape == Qarn::kShapeAutoEllipse;
        const double values[4] = {
            ellipse ? r.X + r.Width / 2 : r.X, ellipse ? r.Y + r.Height / 2 : r.Y,
            ellipse ? r.Width / 2 : r.Width, ellipse ? r.Height / 2 : r.Height};
        static const char* const kEllipseNames[4] = {"<ellipse cx=\"", "\" cy=\"", "\" rx=\"",
                                                     "\" ry=\""};
        static const char* const kRectNames[4] = {"<rect x=\"", "\" y=\"", "\" width=\"",
                                                  "\" height=\""};
        QString text;
        text.reserve(64);
        for (int i = 0; i < 4; ++i) {
            text += QLatin1String(ellipse ? kEllipseNames[i] : kRectNames[i]);
            format_.AppendNum(text, values[i]);
        }
        text += QLatin1Char('"');
        return text;
    }
    const bool triangle = shape == Qarn::kShapeRightTriangle;
    if ((!triangle && !PolygonShapeIds().contains(shape)) || path == nullptr) {
        return QString();
    }
    const int count = path->GetPointCount();
    if (count < (triangle ? 3 : 1)) {
        return QString();
    }
    std::vector<PointF> points(static_cast<size_t>(count));
    path->GetPathPoints(points.data(), count);
    QString text = QStringLiteral("<polygon points=\"");
    const int used = triangle ? 3 : count;
    for (int i = 0; i < used; ++i) {
        format_.AppendNum(text, points[size_t(i)].X);
        text += QLatin1Char(' ');
        format_.AppendNum(text, points[size_t(i)].Y);
        if (!(triangle && i == 2)) {
            text += QLatin1Char(' ');
        }
    }
    return text + QLatin1Char('"');
}

QString CSvgShapeWriter::PathData(const GraphicsPath* path) const {
    const int count = path ? path->GetPointCount() : 0;
    QString d;
    d.reserve(12 + count * 16);
    d += QLatin1String("<path d=\"");
    std::vector<PointF> points(static_cast<size_t>(count));
    std::vector<BYTE> types(static_cast<size_t>(count));
    if (count > 0) {
        path->GetPathPoints(points.data(), count);
        path->GetPathTypes(types.data(), count);
    }
    int bezierIndex = 0;
    for (int i = 0; i < count; ++i) {
        const BYTE type = types[size_t(i)] & PathPointTypePathTypeMask;
        if (type == PathPointTypeStart) {
            d += QLatin1String("M ");
            bezierIndex = 0;
        } else if (type == PathPointTypeBezier) {
            if (bezierIndex % 3 == 0) {
                d += QLatin1String("C ");
            }
            ++bezierIndex;
        } else {
            d += QLatin1String("L ");
            bezierIndex = 0;
        }
        format_.AppendNum(d, points[size_t(i)].X);
        d += QLatin1Char(' ');
        format_.AppendNum(d, points[size_t(i)].Y);
        d += (types[size_t(i)] & PathPointTypeCloseSubpath) != 0 ? QLatin1String(" Z ")
                                                                 : QLatin1String(" ");
    }
    d += QLatin1Char('"');
    return d;
}

QString CSvgShapeWriter::SVG_PathToString(const CQarnComponent& component, const GraphicsPath* path,
                                          int tryShape) const {
    if (tryShape) {
        QString shape = SVG_ShapeToString(component, path);
        if (!shape.isEmpty()) {
            return shape;
        }
    }
    return PathData(path);
}
