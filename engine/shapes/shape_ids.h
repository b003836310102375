#pragma once
// The drawing commands that create the primitive shapes; a component keeps the command it was
// drawn with as its shape id.

namespace Qarn {

constexpr int kShapeEllipse = 18053;
constexpr int kShapeRectangle = 18064;
constexpr int kShapeRoundRectangle = 18070;
constexpr int kShapeArc = 18163;
constexpr int kShapeChord = 18212;
constexpr int kShapePie = 18227;

}  // namespace Qarn
