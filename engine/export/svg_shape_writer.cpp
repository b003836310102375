#include "export/svg_shape_writer.h"

#include <QSet>
#include <vector>

#include "core/component.h"
#include "core/rect_geometry.h"
#include "platform/graphics_path.h"
#include "platform/path_point_type.h"

namespace {

// Symbols whose outline is a single polygon of all its points.
const QSet<int>& PolygonShapeIds() {
    static const QSet<int> ids = {18210, 18214, 18221, 18225, 18231, 18246, 18248, 18251, 18253,
                                  18254, 18264, 18266, 18267, 18268, 18271, 18272, 18273, 18290,
                                  18291, 18293, 18294, 18295, 18326, 18329, 18330, 18331, 18332};
    return ids;
}

constexpr int kEllipse = 18218;
constexpr int kRectangle = 18228;
constexpr int kRightTriangle = 18229;

}  // namespace

QString CSvgShapeWriter::SVG_ShapeToString(const CQarnComponent& component,
                                           const GraphicsPath* path) const {
    RectF r = component.GetRectF();
    Qarn::NormalizeRectF(r);
    const int shape = component.GetShapeID();
    if (shape == kEllipse) {
        return QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"")
            .arg(format_.Num(r.X + r.Width / 2), format_.Num(r.Y + r.Height / 2),
                 format_.Num(r.Width / 2), format_.Num(r.Height / 2));
    }
    if (shape == kRectangle) {
        return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
            .arg(format_.Num(r.X), format_.Num(r.Y), format_.Num(r.Width), format_.Num(r.Height));
    }
    const bool triangle = shape == kRightTriangle;
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
        text += format_.Num(points[size_t(i)].X) + QLatin1Char(' ') +
                format_.Num(points[size_t(i)].Y) +
                (triangle && i == 2 ? QString() : QStringLiteral(" "));
    }
    return text + QLatin1Char('"');
}

QString CSvgShapeWriter::PathData(const GraphicsPath* path) const {
    QString d = QStringLiteral("<path d=\"");
    const int count = path ? path->GetPointCount() : 0;
    std::vector<PointF> points(static_cast<size_t>(count));
    std::vector<BYTE> types(static_cast<size_t>(count));
    if (count > 0) {
        path->GetPathPoints(points.data(), count);
        path->GetPathTypes(types.data(), count);
    }
    int bezierIndex = 0;
    for (int i = 0; i < count; ++i) {
        const BYTE type = types[size_t(i)] & PathPointTypePathTypeMask;
        const bool closes = (types[size_t(i)] & PathPointTypeCloseSubpath) != 0;
        const QString xy =
            format_.Num(points[size_t(i)].X) + QLatin1Char(' ') + format_.Num(points[size_t(i)].Y);
        QString piece;
        if (type == PathPointTypeStart) {
            piece = QStringLiteral("M ") + xy;
            bezierIndex = 0;
        } else if (type == PathPointTypeBezier) {
            piece = (bezierIndex % 3 == 0 ? QStringLiteral("C ") : QString()) + xy;
            ++bezierIndex;
        } else {
            piece = QStringLiteral("L ") + xy;
            bezierIndex = 0;
        }
        d += piece + (closes ? QStringLiteral(" Z ") : QStringLiteral(" "));
    }
    return d + QLatin1Char('"');
}

QString CSvgShapeWriter::SVG_PathToString(const CQarnComponent& component, const GraphicsPath* path,
                                          int tryShape) const {
    if (tryShape) {
        const QString shape = SVG_ShapeToString(component, path);
        if (!shape.isEmpty()) {
            return shape;
        }
    }
    return PathData(path);
}
