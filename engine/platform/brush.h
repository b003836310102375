#pragma once
// The paint of fills and strokes, as the drawing code describes it. Each kind turns itself
// into a Qt brush when something is drawn with it.

#include "platform/brush_type.h"
#include "platform/status.h"

class QBrush;
class QPainter;
class QPainterPath;

class Brush {
public:
    virtual ~Brush() = default;
    Brush& operator=(const Brush&) = delete;

    BrushType GetType() const { return type_; }
    virtual Brush* Clone() const = 0;
    // The Qt brush that paints like this one in the coordinates being drawn in.
    virtual QBrush ToQBrush() const = 0;
    // Patterns fixed to the device: they ignore the world transform and start at the
    // rendering origin of the graphics they are drawn with.
    virtual bool IsDeviceAligned() const { return false; }
    // Paints Qt has no brush for (path gradients, clamped textures) paint an area themselves,
    // in the painter's current coordinates and within its clip.
    virtual bool PaintsItself() const { return false; }
    virtual void PaintArea(QPainter* /*painter*/, const QPainterPath& /*area*/) const {}
    Status GetLastStatus() const { return lastStatus_; }

protected:
    explicit Brush(BrushType type) : type_(type) {}
    Brush(const Brush&) = default;

    Status lastStatus_ = Ok;

private:
    BrushType type_;
};
