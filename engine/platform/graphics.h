#pragma once
// A drawing surface in the manner of the graphics layer the drawing code was written for,
// over a Qt painter: paths filled and stroked with brushes and pens, a world transform,
// saved states, a clip combined from rectangles, paths and regions, smoothing, a rendering
// origin for device-aligned patterns, images and text. It draws on anything Qt paints on: an
// image, a widget, a PDF writer or a printer.
//
// The clip is kept in device coordinates, as the graphics layer keeps it: changing the world
// transform afterwards does not move it. A painter handed in keeps its own transform as the
// page mapping beneath the world transform, and its own clip as the outer limit.

#include <memory>
#include <vector>

#include "platform/color.h"
#include "platform/combine_mode.h"
#include "platform/fill_mode.h"
#include "platform/matrix.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"
#include "platform/smoothing_mode.h"
#include "platform/status.h"
#include "platform/win_types.h"

class AreaCostBound;
class Brush;
class CDC;
class PreparedPath;
class PreparedStroke;
class QBrush;
class QPen;
class GraphicsPath;
class Pen;
class QFont;
class QImage;
class QPaintDevice;
class QPainter;
class QPainterPath;
class QString;
class Region;

using GraphicsState = unsigned int;
using GraphicsContainer = unsigned int;

class Graphics {
public:
    // Draws with the painter; its state is restored when the graphics is destroyed.
    explicit Graphics(QPainter* painter);
    // Draws on the device context's painter.
    explicit Graphics(CDC* dc);
    // Opens a painter of its own on the device (image, widget, PDF writer, printer).
    explicit Graphics(QPaintDevice* device);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    static Graphics* FromImage(QImage* image);

    QPainter* GetPainter() const { return painter_; }
    Status GetLastStatus() const { return lastStatus_; }

    // Drawing.
    Status FillPath(const Brush* brush, const GraphicsPath* path);
    Status DrawPath(const Pen* pen, const GraphicsPath* path);
    // The same drawing from forms made beforehand, with the same pixels: a prepared path
    // skips measuring the cost of plainly cheap areas, a prepared stroke its outline. A
    // stroke prepared for another path or pen geometry is drawn from its path as usual.
    Status FillPath(const Brush* brush, const PreparedPath& path);
    Status DrawPath(const Pen* pen, const PreparedStroke& stroke);
    // Device pixels per world unit along the longer axis of the mapping (what decides whether a
    // pen is stroked as thin lines); 0 without a painter.
    float PixelsPerUnit() const;
    // Whether the painter draws on a raster (an image, a widget) rather than a vector device
    // (PDF, print).
    bool OnRaster() const;
    // Whether what is drawn is drawn once only (an export): forms made for drawing are then
    // not worth keeping for the next time.
    bool DrawsOnce() const { return drawsOnce_; }
    void SetDrawsOnce(bool once) { drawsOnce_ = once; }
    Status FillRectangle(const Brush* brush, const RectF& rect);
    Status DrawRectangle(const Pen* pen, const RectF& rect);
    Status FillEllipse(const Brush* brush, const RectF& rect);
    Status DrawEllipse(const Pen* pen, const RectF& rect);
    Status DrawLine(const Pen* pen, const PointF& from, const PointF& to);
    Status DrawLine(const Pen* pen, float x1, float y1, float x2, float y2);
    Status DrawLines(const Pen* pen, const PointF* points, int count);
    Status FillPolygon(const Brush* brush, const PointF* points, int count,
                       FillMode fillMode = FillModeAlternate);
    Status DrawPolygon(const Pen* pen, const PointF* points, int count);
    Status FillRegion(const Brush* brush, const Region* region);
    // Fills the whole surface (inside the clip) with the colour.
    Status Clear(const Color& color);
    Status DrawImage(const QImage* image, const RectF& destination);
    Status DrawImage(const QImage* image, const RectF& destination, const RectF& source);
    // The text laid out in the rectangle with Qt alignment flags.
    Status DrawString(const QString& text, const QFont& font, const RectF& layout, int flags,
                      const Brush* brush);

    // World transform: from the coordinates drawn in to the device.
    Status SetTransform(const Matrix* matrix);
    Status GetTransform(Matrix* matrix) const;
    Matrix GetTransform() const;
    Status ResetTransform();
    Status MultiplyTransform(const Matrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(float degrees, MatrixOrder order = MatrixOrderPrepend);

    // Saved states: transform, clip, smoothing and rendering origin. Restoring a state also
    // drops every state saved after it.
    GraphicsState Save();
    Status Restore(GraphicsState state);
    GraphicsContainer BeginContainer();
    Status EndContainer(GraphicsContainer container);

    // Clip, given in world coordinates.
    Status SetClip(const RectF& rect, CombineMode mode = CombineModeReplace);
    Status SetClip(const GraphicsPath* path, CombineMode mode = CombineModeReplace);
    Status SetClip(const Region* region, CombineMode mode = CombineModeReplace);
    Status IntersectClip(const RectF& rect) { return SetClip(rect, CombineModeIntersect); }
    Status IntersectClip(const Region* region) { return SetClip(region, CombineModeIntersect); }
    Status ExcludeClip(const RectF& rect) { return SetClip(rect, CombineModeExclude); }
    Status ExcludeClip(const Region* region) { return SetClip(region, CombineModeExclude); }
    Status ResetClip();
    // The clip in world coordinates (infinite when none is set).
    Status GetClip(Region* region) const;
    Status GetClipBounds(RectF* bounds) const;
    BOOL IsClipEmpty() const;
    BOOL IsVisible(const PointF& point) const;

    SmoothingMode GetSmoothingMode() const { return smoothing_; }
    Status SetSmoothingMode(SmoothingMode mode);
    // Where device-aligned patterns start, in device pixels.
    Status SetRenderingOrigin(int x, int y);
    Status GetRenderingOrigin(int* x, int* y) const;

private:
    struct SavedState;

    void Begin();
    bool Active() const;
    void ApplyTransform();
    void ApplyClip();
    // World coordinates to device coordinates.
    Matrix DeviceMatrix() const;
    Status CombineClip(const Region& deviceArea, CombineMode mode);
    // Fills and strokes cost at most what AreaPainter allows, however tangled the path; an
    // area whose cost bound is given and plainly within Qt's budget is not measured.
    Status Fill(const Brush* brush, const QPainterPath& path, const AreaCostBound* bound = nullptr);
    // Whether the area (and clip) plainly cost Qt no more than AreaPainter allows it.
    bool WithinQtBudget(const AreaCostBound& area, const AreaCostBound* clip) const;
    // The Qt brush of a paint; a device-aligned pattern starts at the rendering origin.
    QBrush DeviceBrush(const Brush* brush) const;
    // Whether Qt strokes the pen as thin lines (at a cost linear in their pixels).
    bool IsThinForQt(const QPen& pen) const;
    // `outline`, when given, is the stroke's outline at its width (twice the width when inset),
    // and `exact` says whether filling it gives Qt's stroke pixels.
    Status Stroke(const Pen* pen, const QPainterPath& path, bool closedFigures,
                  const PreparedPath* line = nullptr, const PreparedPath* outline = nullptr,
                  bool exact = false);
    // A part of a prepared stroke (PreparedStroke::Part): its figures and their outline.
    Status StrokePrepared(const Pen* pen, const PreparedPath& line, bool closedFigures,
                          const PreparedPath* outline, bool exact);
    Status Result(Status status) const { return lastStatus_ = status; }

    // The painter's own mapping when the graphics began (a view's zoom, for example): the world
    // transform applies on top of it, and "device" coordinates are those it produces.
    Matrix page_;
    Matrix world_;
    QPainter* painter_ = nullptr;
    std::unique_ptr<QPainter> ownPainter_;
    // The clip the painter had when the graphics began; every clip stays within it.
    std::unique_ptr<Region> baseClip_;
    std::unique_ptr<Region> deviceClip_;
    SmoothingMode smoothing_ = SmoothingModeDefault;
    int originX_ = 0;
    int originY_ = 0;
    std::vector<SavedState> saved_;
    GraphicsState nextState_ = 1;
    mutable Status lastStatus_ = Ok;
    bool drawsOnce_ = false;
};
