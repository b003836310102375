#pragma once
// A gradient from a centre point out to the boundary of a closed path: the centre colour at
// the centre, the surround colour on the boundary, blended along every ray between them.
// Nothing is painted outside the path. Qt has no such brush, so the area is painted here as
// nested copies of the path shrunk towards the centre, one per step of colour.

#include <vector>

#include "platform/brush.h"
#include "platform/color.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"
#include "platform/win_types.h"

class GraphicsPath;

class PathGradientBrush : public Brush {
public:
    // Over the path's figures; the centre starts at the centre of its bounds.
    explicit PathGradientBrush(const GraphicsPath* path);
    // Over the closed polygon.
    PathGradientBrush(const PointF* points, int count);

    Brush* Clone() const override { return new PathGradientBrush(*this); }
    // A radial approximation for callers that need a Qt brush (exact for an ellipse centred in
    // its bounds).
    QBrush ToQBrush() const override;
    bool PaintsItself() const override { return true; }
    void PaintArea(QPainter* painter, const QPainterPath& area) const override;

    Status GetCenterColor(Color* color) const;
    Status SetCenterColor(const Color& color);
    Color GetCenterColor() const { return center_; }
    // Only one surround colour is kept: the first of those given.
    Status SetSurroundColors(const Color* colors, int* count);
    Color GetSurroundColor() const { return surround_; }
    Status GetCenterPoint(PointF* point) const;
    Status SetCenterPoint(const PointF& point);
    Status GetRectangle(RectF* rect) const;
    Status SetGammaCorrection(BOOL on);
    BOOL GetGammaCorrection() const { return gamma_; }

private:
    PathGradientBrush(const PathGradientBrush&) = default;
    void TakeBounds();

    // The boundary as closed polygons in the brush's coordinates.
    std::vector<std::vector<PointF>> figures_;
    RectF bounds_;
    PointF centerPoint_;
    Color center_ = Color(Color::White);
    Color surround_ = Color(Color::White);
    BOOL gamma_ = FALSE;
};
