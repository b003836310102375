#pragma once
// Colour blending shared by the gradient brushes.

#include <QGradientStops>

#include "platform/color.h"

class GradientColors {
public:
    // The colour a fraction t (0..1) of the way from `from` to `to`, blended in the colour
    // values or, with gamma, in linear light.
    static Color Blend(const Color& from, const Color& to, double t, bool gamma);
    // Stops from `from` at 0 to `to` at 1; with gamma, enough stops between to follow the
    // linear-light curve.
    static QGradientStops Stops(const Color& from, const Color& to, bool gamma);
};
