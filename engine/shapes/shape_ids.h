#pragma once
// The drawing commands that create shapes; a component keeps the command it was drawn with as
// its shape id. Which class each id makes is the shape registry's (shapes/shape_registry.h).

namespace Qarn {

// The primitives of the drawing toolbar.
constexpr int kShapeEllipse = 18053;
constexpr int kShapeRectangle = 18064;
constexpr int kShapeRoundRectangle = 18070;
constexpr int kShapeArc = 18163;
constexpr int kShapeChord = 18212;
constexpr int kShapePie = 18227;

// Auto shapes that the rectangle and ellipse commands draw, and the right triangle.
constexpr int kShapeAutoEllipse = 18218;
constexpr int kShapeAutoRectangle = 18228;
constexpr int kShapeRightTriangle = 18229;

// Banners.
constexpr int kShapeRibbon = 18296;
constexpr int kShapeCurveRibbon = 18297;
constexpr int kShapeHorizontalScroll = 18298;
constexpr int kShapeVerticalScroll = 18299;
constexpr int kShapeWave = 18300;
constexpr int kShapeDoubleWave = 18301;

}  // namespace Qarn
