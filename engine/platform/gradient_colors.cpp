#include "platform/gradient_colors.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kGamma = 2.2;
constexpr int kGammaStops = 32;

double Mix(double a, double b, double t) {
    return a + (b - a) * t;
}

BYTE Channel(double value) {
    return BYTE(std::clamp(std::lround(value), 0L, 255L));
}

double ToLinear(BYTE channel) {
    return std::pow(channel / 255.0, kGamma);
}

BYTE FromLinear(double value) {
    return Channel(std::pow(std::clamp(value, 0.0, 1.0), 1.0 / kGamma) * 255.0);
}

}  // namespace

Color GradientColors::Blend(const Color& from, const Color& to, double t, bool gamma) {
    t = std::clamp(t, 0.0, 1.0);
    const BYTE alpha = Channel(Mix(from.GetA(), to.GetA(), t));
    if (!gamma) {
        return Color(alpha, Channel(Mix(from.GetR(), to.GetR(), t)),
                     Channel(Mix(from.GetG(), to.GetG(), t)),
                     Channel(Mix(from.GetB(), to.GetB(), t)));
    }
    return Color(alpha, FromLinear(Mix(ToLinear(from.GetR()), ToLinear(to.GetR()), t)),
                 FromLinear(Mix(ToLinear(from.GetG()), ToLinear(to.GetG()), t)),
                 FromLinear(Mix(ToLinear(from.GetB()), ToLinear(to.GetB()), t)));
}

QGradientStops GradientColors::Stops(const Color& from, const Color& to, bool gamma) {
    QGradientStops stops;
    const int count = gamma ? kGammaStops : 1;
    for (int i = 0; i <= count; ++i) {
        const double t = double(i) / count;
        stops.append({t, Blend(from, to, t, gamma).ToQColor()});
    }
    return stops;
}
