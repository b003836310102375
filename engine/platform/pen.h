#pragma once
// A stroke description: paint, width, dashes, caps, joins, miter limit and alignment. The
// width is in the unit of the pen (world units scale with the graphics transform).

#include <memory>
#include <vector>

#include "platform/color.h"
#include "platform/dash_style.h"
#include "platform/graphics_unit.h"
#include "platform/line_cap.h"
#include "platform/line_join.h"
#include "platform/pen_alignment.h"
#include "platform/status.h"

class Brush;
class CustomLineCap;
class QPen;

class Pen {
public:
    explicit Pen(const Color& color, float width = 1.0f, Unit unit = UnitWorld);
    // Strokes with a copy of the brush.
    explicit Pen(const Brush* brush, float width = 1.0f, Unit unit = UnitWorld);
    Pen(const Pen& other);
    Pen& operator=(const Pen& other);
    ~Pen();

    Pen* Clone() const { return new Pen(*this); }

    float GetWidth() const { return width_; }
    Status SetWidth(float width);
    Unit GetUnit() const { return unit_; }

    // The colour of a solid paint (opaque black for other paints).
    Color GetColor() const;
    // Replaces the paint by a solid colour.
    Status SetColor(const Color& color);
    const Brush* GetBrush() const { return brush_.get(); }
    // Replaces the paint by a copy of the brush; null is refused.
    Status SetBrush(const Brush* brush);

    DashStyle GetDashStyle() const { return dashStyle_; }
    // A named style; a custom pattern set before is dropped.
    Status SetDashStyle(DashStyle style);
    DashCap GetDashCap() const { return dashCap_; }
    Status SetDashCap(DashCap cap);
    // Dash and gap lengths in pen widths (positive); the style becomes custom.
    Status SetDashPattern(const float* lengths, int count);
    int GetDashPatternCount() const { return int(DashLengths().size()); }
    Status GetDashPattern(float* lengths, int count) const;
    float GetDashOffset() const { return dashOffset_; }
    Status SetDashOffset(float offset);
    // Dash and gap lengths of the current style in pen widths; empty for a solid line.
    std::vector<float> DashLengths() const;

    LineCap GetStartCap() const { return startCap_; }
    Status SetStartCap(LineCap cap);
    LineCap GetEndCap() const { return endCap_; }
    Status SetEndCap(LineCap cap);
    Status SetLineCap(LineCap startCap, LineCap endCap, DashCap dashCap);
    // Shapes drawn at the ends of open figures (copies of the caps given); the end's cap
    // becomes custom. A plain cap set afterwards drops the shape.
    Status SetCustomStartCap(const CustomLineCap* cap);
    Status SetCustomEndCap(const CustomLineCap* cap);
    const CustomLineCap* GetCustomStartCap() const { return customStart_.get(); }
    const CustomLineCap* GetCustomEndCap() const { return customEnd_.get(); }
    bool HasCustomCaps() const { return customStart_ != nullptr || customEnd_ != nullptr; }
    LineJoin GetLineJoin() const { return lineJoin_; }
    Status SetLineJoin(LineJoin join);
    // The longest miter allowed, in pen widths from inner to outer corner.
    float GetMiterLimit() const { return miterLimit_; }
    Status SetMiterLimit(float limit);
    PenAlignment GetAlignment() const { return alignment_; }
    Status SetAlignment(PenAlignment alignment);

    // Whether a stroke with the other pen covers the same area (width, unit, dashes, caps,
    // custom caps, join, miter limit, alignment); the paint may differ.
    bool StrokesLike(const Pen& other) const;

    // The Qt pen that strokes like this one. Qt has one cap style for every end: a solid
    // line takes the end cap, a dashed one the dash cap; triangle caps draw round.
    QPen ToQPen() const;
    Status GetLastStatus() const { return lastStatus_; }

private:
    Status Result(Status status) const {
        // Only a change is written: threads drawing with one pen at once only read it.
        if (lastStatus_ != status) {
            lastStatus_ = status;
        }
        return status;
    }

    std::unique_ptr<Brush> brush_;
    float width_ = 1.0f;
    Unit unit_ = UnitWorld;
    DashStyle dashStyle_ = DashStyleSolid;
    DashCap dashCap_ = DashCapFlat;
    std::vector<float> customDashes_;
    float dashOffset_ = 0.0f;
    LineCap startCap_ = LineCapFlat;
    LineCap endCap_ = LineCapFlat;
    std::shared_ptr<const CustomLineCap> customStart_;
    std::shared_ptr<const CustomLineCap> customEnd_;
    LineJoin lineJoin_ = LineJoinMiter;
    float miterLimit_ = 10.0f;
    PenAlignment alignment_ = PenAlignmentCenter;
    mutable Status lastStatus_ = Ok;
};
