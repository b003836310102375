#include "platform/graphics.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>

#include "platform/area_cost_bound.h"
#include "platform/area_painter.h"
#include "platform/bounded_gradient.h"
#include "platform/brush.h"
#include "platform/dc.h"
#include "platform/graphics_path.h"
#include "platform/line_end_shapes.h"
#include "platform/pen.h"
#include "platform/prepared_path.h"
#include "platform/prepared_stroke.h"
#include "platform/region.h"

struct Graphics::SavedState {
    GraphicsState id;
    Matrix world;
    Region clip;
    SmoothingMode smoothing;
    int originX;
    int originY;
};

namespace {

QPainterPath RectPath(const RectF& r) {
    QPainterPath path;
    path.addRect(QRectF(r.X, r.Y, r.Width, r.Height));
    return path;
}

}  // namespace

Graphics::Graphics(QPainter* painter) : painter_(painter) {
    Begin();
}

Graphics::Graphics(CDC* dc) : painter_(dc != nullptr ? dc->GetPainter() : nullptr) {
    Begin();
}

Graphics::Graphics(QPaintDevice* device) {
    if (device != nullptr) {
        ownPainter_ = std::make_unique<QPainter>(device);
        painter_ = ownPainter_.get();
    }
    Begin();
}

Graphics::~Graphics() {
    if (ownPainter_) {
        ownPainter_->end();
    } else if (Active()) {
        painter_->restore();
    }
}

Graphics* Graphics::FromImage(QImage* image) {
    return new Graphics(static_cast<QPaintDevice*>(image));
}

bool Graphics::Active() const {
    return painter_ != nullptr && painter_->isActive();
}

void Graphics::Begin() {
    deviceClip_ = std::make_unique<Region>();
    baseClip_ = std::make_unique<Region>();
    if (!Active()) {
        lastStatus_ = WrongState;
        return;
    }
    if (!ownPainter_) {
        painter_->save();
    }
    page_ = Matrix::FromQTransform(painter_->worldTransform());
    if (painter_->hasClipping()) {
        baseClip_ = std::make_unique<Region>(painter_->worldTransform().map(painter_->clipPath()));
    }
    painter_->setRenderHint(QPainter::Antialiasing, IsAntiAliased(smoothing_));
}

Matrix Graphics::DeviceMatrix() const {
    Matrix m = world_;
    m.Multiply(&page_, MatrixOrderAppend);
    return m;
}

void Graphics::ApplyTransform() {
    if (Active()) {
        painter_->setWorldTransform(DeviceMatrix().ToQTransform());
    }
}

void Graphics::ApplyClip() {
    if (!Active()) {
        return;
    }
    if (deviceClip_->IsInfinite() && baseClip_->IsInfinite()) {
        painter_->setClipping(false);
        return;
    }
    Region effective(*baseClip_);
    effective.Combine(*deviceClip_, CombineModeIntersect);
    // The painter takes clip paths in the current coordinates: set it with no transform.
    const QTransform current = painter_->worldTransform();
    painter_->setWorldTransform(QTransform());
    painter_->setClipPath(effective.ToQPainterPath(), Qt::ReplaceClip);
    painter_->setWorldTransform(current);
}

// Drawing.

QBrush Graphics::DeviceBrush(const Brush* brush) const {
    QBrush qbrush = brush->ToQBrush();
    if (brush->IsDeviceAligned()) {
        // Pattern space is device space shifted to the rendering origin.
        qbrush.setTransform(QTransform::fromTranslate(originX_, originY_) *
                            painter_->worldTransform().inverted());
    }
    return qbrush;
}

Status Graphics::Fill(const Brush* brush, const QPainterPath& path, const AreaCostBound* bound) {
    if (brush == nullptr) {
        return Result(InvalidParameter);
    }
    if (!Active()) {
        return Result(WrongState);
    }
    QBrush qbrush = brush->PaintsItself() ? QBrush() : DeviceBrush(brush);
    if (!OnRaster()) {
        // A vector device writes a repeating gradient once per repetition across its page.
        qbrush = Qarn::BoundedGradient(qbrush, path.controlPointRect());
    }
    const auto paint = [&](QPainter* painter, const QPainterPath& area) {
        if (brush->PaintsItself()) {
            brush->PaintArea(painter, area);
        } else {
            painter->fillPath(area, qbrush);
        }
    };
    // An area whose bound is plainly within the budget needs no measuring (which costs more
    // than filling an ordinary shape).
    if (!OnRaster() || WithinQtBudget(bound != nullptr ? *bound : AreaCostBound(path), nullptr)) {
        paint(painter_, path);
        return Result(Ok);
    }
    AreaPainter bounded(painter_, path);
    if (bounded.QtCanDraw()) {
        paint(painter_, path);
    } else {
        bounded.PaintBySpans(paint);
    }
    return Result(Ok);
}

bool Graphics::OnRaster() const {
    return Active() && painter_->paintEngine() != nullptr &&
           painter_->paintEngine()->type() == QPaintEngine::Raster;
}

bool Graphics::WithinQtBudget(const AreaCostBound& area, const AreaCostBound* clip) const {
    const QTransform toDevice = painter_->deviceTransform();
    const double cost = area.QtCostAtMost(toDevice) + (clip ? clip->QtCostAtMost(toDevice) : 0.0);
    return cost <= std::min(AreaPainter::kQtBudget, AreaPainter::Budget());
}

float Graphics::PixelsPerUnit() const {
    if (!Active()) {
        return 0.0f;
    }
    const QTransform t = painter_->deviceTransform();
    return float(std::sqrt(
        std::max(t.m11() * t.m11() + t.m12() * t.m12(), t.m21() * t.m21() + t.m22() * t.m22())));
}

bool Graphics::IsThinForQt(const QPen& pen) const {
    // Qt strokes a pen of at most one device pixel line by line, at a cost linear in the
    // pixels, unless the transform shears an anti-aliased line.
    const QTransform t = painter_->deviceTransform();
    const qreal scale = std::sqrt(
        std::max(t.m11() * t.m11() + t.m12() * t.m12(), t.m21() * t.m21() + t.m22() * t.m22()));
    const bool shears = t.m12() != 0.0 || t.m21() != 0.0;
    return pen.widthF() * scale <= 1.0 &&
           (!shears || !painter_->testRenderHint(QPainter::Antialiasing));
}

Status Graphics::Stroke(const Pen* pen, const QPainterPath& path, bool closedFigures,
                        const PreparedPath* line, const PreparedPath* outline, bool exact) {
    if (pen == nullptr) {
        return Result(InvalidParameter);
    }
    if (!Active()) {
        return Result(WrongState);
    }
    const Brush* paint = pen->GetBrush();
    const bool inset =
        pen->GetAlignment() == PenAlignmentInset && closedFigures && pen->GetWidth() > 0.0f;
    // Whether the stroke's outline is plainly cheap for Qt (with the figures as clip, inset),
    // from the bounds prepared with them or made now.
    const auto cheap = [&](const QPainterPath& area) {
        const AreaCostBound areaBound =
            outline != nullptr ? outline->CostBound() : AreaCostBound(area);
        if (!inset) {
            return WithinQtBudget(areaBound, nullptr);
        }
        const AreaCostBound clipBound = line != nullptr ? line->CostBound() : AreaCostBound(path);
        return WithinQtBudget(areaBound, &clipBound);
    };
    QPen qpen = pen->ToQPen();
    if (paint != nullptr && !paint->PaintsItself() && paint->IsDeviceAligned()) {
        qpen.setBrush(DeviceBrush(paint));
    }
    if (paint != nullptr && paint->PaintsItself()) {
        // A paint Qt cannot stroke with fills the outline of the stroke instead; an inset one
        // a stroke twice as wide inside the figure.
        Pen wide(*pen);
        if (inset) {
            wide.SetWidth(pen->GetWidth() * 2.0f);
        }
        const QPainterPath area =
            outline != nullptr ? outline->Copy() : GraphicsPath::StrokeOutline(path, wide);
        const auto cover = [&](QPainter* painter, const QPainterPath& covered) {
            paint->PaintArea(painter, covered);
        };
        if (!cheap(area)) {
            AreaPainter bounded(painter_, area, inset ? &path : nullptr);
            if (!bounded.QtCanDraw()) {
                bounded.PaintBySpans(cover);
                return Result(Ok);
            }
        }
        painter_->save();
        if (inset) {
            painter_->setClipPath(path, Qt::IntersectClip);
        }
        paint->PaintArea(painter_, area);
        painter_->restore();
        return Result(Ok);
    }
    if (inset) {
        qpen.setWidthF(qpen.widthF() * 2.0);
    }
    if (!OnRaster()) {
        const double reach = qpen.widthF() * std::max(1.0, qpen.miterLimit()) + 1.0;
        qpen.setBrush(Qarn::BoundedGradient(
            qpen.brush(), path.controlPointRect().adjusted(-reach, -reach, reach, reach)));
    }
    if (OnRaster() && !IsThinForQt(qpen)) {
        // Qt fills the outline of a wide stroke like any area: a long tangled line costs what
        // a tangled area costs, and is bounded the same way. Filling that outline here is what
        // Qt's stroke would do, but for dashes along curves, which Qt lays out its own way.
        QPainterPathStroker stroker(qpen);
        const QPainterPath area = outline != nullptr ? outline->Copy() : stroker.createStroke(path);
        if (outline == nullptr) {
            exact = PreparedStroke::FillingOutlineIsQtStroke(path, qpen);
        }
        if (!cheap(area)) {
            AreaPainter bounded(painter_, area, inset ? &path : nullptr);
            if (!bounded.QtCanDraw()) {
                const QBrush qbrush = qpen.brush();
                bounded.PaintBySpans([&](QPainter* painter, const QPainterPath& covered) {
                    painter->fillPath(covered, qbrush);
                });
                return Result(Ok);
            }
        }
        if (exact) {
            if (inset) {
                painter_->save();
                painter_->setClipPath(path, Qt::IntersectClip);
                painter_->fillPath(area, qpen.brush());
                painter_->restore();
            } else {
                painter_->fillPath(area, qpen.brush());
            }
            return Result(Ok);
        }
    }
    if (inset) {
        // Inside the figure only: a stroke twice as wide, clipped to the interior.
        painter_->save();
        painter_->setClipPath(path, Qt::IntersectClip);
        painter_->strokePath(path, qpen);
        painter_->restore();
        return Result(Ok);
    }
    painter_->strokePath(path, qpen);
    return Result(Ok);
}

Status Graphics::StrokePrepared(const Pen* pen, const PreparedPath& line, bool closedFigures,
                                const PreparedPath* outline, bool exact) {
    return Stroke(pen, line.Copy(), closedFigures, &line, outline, exact);
}

Status Graphics::FillPath(const Brush* brush, const GraphicsPath* path) {
    if (path == nullptr) {
        return Result(InvalidParameter);
    }
    return Fill(brush, path->ToQPainterPath());
}

Status Graphics::DrawPath(const Pen* pen, const GraphicsPath* path) {
    if (path == nullptr) {
        return Result(InvalidParameter);
    }
    if (pen != nullptr && pen->HasCustomCaps()) {
        const LineEndShapes ends(*path, *pen);
        Status status = Stroke(pen, ends.Line(), !ends.HasOpenFigures());
        for (const QPainterPath& cap : ends.Fills()) {
            if (status == Ok) {
                status = Fill(pen->GetBrush(), cap);
            }
        }
        for (const QPainterPath& cap : ends.Strokes()) {
            if (status == Ok) {
                Pen plain(*pen);
                plain.SetLineCap(LineCapFlat, LineCapFlat, DashCapFlat);
                plain.SetDashStyle(DashStyleSolid);
                status = Stroke(&plain, cap, false);
            }
        }
        return status;
    }
    return Stroke(pen, path->ToQPainterPath(), path->AllFiguresClosed());
}

Status Graphics::FillPath(const Brush* brush, const PreparedPath& path) {
    return Fill(brush, path.Copy(), &path.CostBound());
}

Status Graphics::DrawPath(const Pen* pen, const PreparedStroke& stroke) {
    if (pen == nullptr) {
        return Result(InvalidParameter);
    }
    if (!stroke.StrokesWith(*pen)) {
        return DrawPath(pen, &stroke.Source());
    }
    const auto strokePart = [&](const Pen* with, const PreparedStroke::Part& part) {
        return StrokePrepared(with, part.line, part.closedFigures,
                              part.outline ? &*part.outline : nullptr, part.outlineIsQtStroke);
    };
    Status status = strokePart(pen, stroke.Line());
    for (const PreparedPath& cap : stroke.CapFills()) {
        if (status == Ok) {
            status = Fill(pen->GetBrush(), cap.Copy(), &cap.CostBound());
        }
    }
    if (!stroke.CapStrokes().empty()) {
        const Pen plain = PreparedStroke::PlainPen(*pen);
        for (const PreparedStroke::Part& cap : stroke.CapStrokes()) {
            if (status == Ok) {
                status = strokePart(&plain, cap);
            }
        }
    }
    return status;
}

Status Graphics::FillRectangle(const Brush* brush, const RectF& rect) {
    return Fill(brush, RectPath(rect));
}

Status Graphics::DrawRectangle(const Pen* pen, const RectF& rect) {
    GraphicsPath path;
    path.AddRectangle(rect);
    return DrawPath(pen, &path);
}

Status Graphics::FillEllipse(const Brush* brush, const RectF& rect) {
    GraphicsPath path;
    path.AddEllipse(rect);
    return FillPath(brush, &path);
}

Status Graphics::DrawEllipse(const Pen* pen, const RectF& rect) {
    GraphicsPath path;
    path.AddEllipse(rect);
    return DrawPath(pen, &path);
}

Status Graphics::DrawLine(const Pen* pen, const PointF& from, const PointF& to) {
    GraphicsPath path;
    path.AddLine(from, to);
    return DrawPath(pen, &path);
}

Status Graphics::DrawLine(const Pen* pen, float x1, float y1, float x2, float y2) {
    return DrawLine(pen, PointF(x1, y1), PointF(x2, y2));
}

Status Graphics::DrawLines(const Pen* pen, const PointF* points, int count) {
    GraphicsPath path;
    if (path.AddLines(points, count) != Ok) {
        return Result(InvalidParameter);
    }
    return DrawPath(pen, &path);
}

Status Graphics::FillPolygon(const Brush* brush, const PointF* points, int count,
                             FillMode fillMode) {
    GraphicsPath path(fillMode);
    if (path.AddPolygon(points, count) != Ok) {
        return Result(InvalidParameter);
    }
    return FillPath(brush, &path);
}

Status Graphics::DrawPolygon(const Pen* pen, const PointF* points, int count) {
    GraphicsPath path;
    if (path.AddPolygon(points, count) != Ok) {
        return Result(InvalidParameter);
    }
    return DrawPath(pen, &path);
}

Status Graphics::FillRegion(const Brush* brush, const Region* region) {
    if (region == nullptr) {
        return Result(InvalidParameter);
    }
    return Fill(brush, region->ToQPainterPath());
}

Status Graphics::Clear(const Color& color) {
    if (!Active()) {
        return Result(WrongState);
    }
    painter_->save();
    painter_->setWorldTransform(QTransform());
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
    QPaintDevice* device = painter_->device();
    painter_->fillRect(QRectF(0, 0, device->width(), device->height()), color.ToQColor());
    painter_->restore();
    return Result(Ok);
}

Status Graphics::DrawImage(const QImage* image, const RectF& destination) {
    if (image == nullptr || image->isNull()) {
        return Result(InvalidParameter);
    }
    return DrawImage(image, destination,
                     RectF(0, 0, float(image->width()), float(image->height())));
}

Status Graphics::DrawImage(const QImage* image, const RectF& destination, const RectF& source) {
    if (image == nullptr || image->isNull()) {
        return Result(InvalidParameter);
    }
    if (!Active()) {
        return Result(WrongState);
    }
    painter_->drawImage(QRectF(destination.X, destination.Y, destination.Width, destination.Height),
                        *image, QRectF(source.X, source.Y, source.Width, source.Height));
    return Result(Ok);
}

Status Graphics::DrawString(const QString& text, const QFont& font, const RectF& layout, int flags,
                            const Brush* brush) {
    if (brush == nullptr) {
        return Result(InvalidParameter);
    }
    if (!Active()) {
        return Result(WrongState);
    }
    painter_->save();
    painter_->setFont(font);
    painter_->setPen(QPen(brush->ToQBrush(), 0));
    painter_->drawText(QRectF(layout.X, layout.Y, layout.Width, layout.Height), flags, text);
    painter_->restore();
    return Result(Ok);
}

// World transform.

Status Graphics::SetTransform(const Matrix* matrix) {
    if (matrix == nullptr) {
        return Result(InvalidParameter);
    }
    world_ = *matrix;
    ApplyTransform();
    return Result(Ok);
}

Status Graphics::GetTransform(Matrix* matrix) const {
    if (matrix == nullptr) {
        return Result(InvalidParameter);
    }
    *matrix = world_;
    return Result(Ok);
}

Matrix Graphics::GetTransform() const {
    return world_;
}

Status Graphics::ResetTransform() {
    world_.Reset();
    ApplyTransform();
    return Result(Ok);
}

Status Graphics::MultiplyTransform(const Matrix* matrix, MatrixOrder order) {
    if (matrix == nullptr) {
        return Result(InvalidParameter);
    }
    world_.Multiply(matrix, order);
    ApplyTransform();
    return Result(Ok);
}

Status Graphics::TranslateTransform(float dx, float dy, MatrixOrder order) {
    world_.Translate(dx, dy, order);
    ApplyTransform();
    return Result(Ok);
}

Status Graphics::ScaleTransform(float sx, float sy, MatrixOrder order) {
    world_.Scale(sx, sy, order);
    ApplyTransform();
    return Result(Ok);
}

Status Graphics::RotateTransform(float degrees, MatrixOrder order) {
    world_.Rotate(degrees, order);
    ApplyTransform();
    return Result(Ok);
}

// Saved states.

GraphicsState Graphics::Save() {
    GraphicsState id = nextState_++;
    saved_.push_back(SavedState{id, world_, *deviceClip_, smoothing_, originX_, originY_});
    return id;
}

Status Graphics::Restore(GraphicsState state) {
    auto found = std::find_if(saved_.begin(), saved_.end(),
                              [state](const SavedState& s) { return s.id == state; });
    if (found == saved_.end()) {
        return Result(InvalidParameter);
    }
    world_ = found->world;
    *deviceClip_ = found->clip;
    originX_ = found->originX;
    originY_ = found->originY;
    SetSmoothingMode(found->smoothing);
    saved_.erase(found, saved_.end());
    ApplyTransform();
    ApplyClip();
    return Result(Ok);
}

GraphicsContainer Graphics::BeginContainer() {
    return Save();
}

Status Graphics::EndContainer(GraphicsContainer container) {
    return Restore(container);
}

// Clip.

Status Graphics::CombineClip(const Region& deviceArea, CombineMode mode) {
    if (deviceClip_->Combine(deviceArea, mode) != Ok) {
        return Result(InvalidParameter);
    }
    ApplyClip();
    return Result(Ok);
}

Status Graphics::SetClip(const RectF& rect, CombineMode mode) {
    Region area(rect);
    Matrix toDevice = DeviceMatrix();
    area.Transform(&toDevice);
    return CombineClip(area, mode);
}

Status Graphics::SetClip(const GraphicsPath* path, CombineMode mode) {
    if (path == nullptr) {
        return Result(InvalidParameter);
    }
    Region area(path);
    Matrix toDevice = DeviceMatrix();
    area.Transform(&toDevice);
    return CombineClip(area, mode);
}

Status Graphics::SetClip(const Region* region, CombineMode mode) {
    if (region == nullptr) {
        return Result(InvalidParameter);
    }
    Region area(*region);
    Matrix toDevice = DeviceMatrix();
    area.Transform(&toDevice);
    return CombineClip(area, mode);
}

Status Graphics::ResetClip() {
    deviceClip_->MakeInfinite();
    ApplyClip();
    return Result(Ok);
}

Status Graphics::GetClip(Region* region) const {
    if (region == nullptr) {
        return Result(InvalidParameter);
    }
    *region = *deviceClip_;
    Matrix back = DeviceMatrix();
    if (back.Invert() != Ok) {
        return Result(GenericError);
    }
    region->Transform(&back);
    return Result(Ok);
}

Status Graphics::GetClipBounds(RectF* bounds) const {
    if (bounds == nullptr) {
        return Result(InvalidParameter);
    }
    Region clip;
    Status status = GetClip(&clip);
    if (status != Ok) {
        return status;
    }
    return Result(clip.GetBounds(bounds));
}

BOOL Graphics::IsClipEmpty() const {
    Region effective(*baseClip_);
    effective.Combine(*deviceClip_, CombineModeIntersect);
    return effective.IsEmpty();
}

BOOL Graphics::IsVisible(const PointF& point) const {
    PointF device = DeviceMatrix().Map(point);
    return deviceClip_->IsVisible(device) && baseClip_->IsVisible(device) ? TRUE : FALSE;
}

Status Graphics::SetSmoothingMode(SmoothingMode mode) {
    if (mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias8x8) {
        return Result(InvalidParameter);
    }
    smoothing_ = mode;
    if (Active()) {
        painter_->setRenderHint(QPainter::Antialiasing, IsAntiAliased(mode));
    }
    return Result(Ok);
}

Status Graphics::SetRenderingOrigin(int x, int y) {
    originX_ = x;
    originY_ = y;
    return Result(Ok);
}

Status Graphics::GetRenderingOrigin(int* x, int* y) const {
    if (x == nullptr || y == nullptr) {
        return Result(InvalidParameter);
    }
    *x = originX_;
    *y = originY_;
    return Result(Ok);
}
