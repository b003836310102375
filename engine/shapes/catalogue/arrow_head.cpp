#include "shapes/catalogue/arrow_head.h"

#include <algorithm>
#include <cmath>

namespace {

// Points along the bulging side of a round head.
constexpr int kRoundSteps = 8;
// How thick the arms of an open head are, along the arrow, as a part of its length.
constexpr float kOpenArm = 0.3f;

float NotNegative(float v) {
    return std::isfinite(v) ? std::max(v, 0.0f) : 0.0f;
}

}  // namespace

CQarnArrowHead::CQarnArrowHead(int style, float length, float halfWidth, float shaftHalf)
    : m_nStyle(style >= 0 && style < kStyleCount ? style : kTriangle),
      m_fLength(NotNegative(length)),
      m_fHalfWidth(NotNegative(halfWidth)),
      m_fShaftHalf(std::min(NotNegative(shaftHalf), NotNegative(halfWidth))) {}

std::vector<PointF> CQarnArrowHead::Tail(float shaftHalf, float notch) {
    const float t = NotNegative(shaftHalf);
    const float n = NotNegative(notch);
    if (n > 0.0f && t > 0.0f) {
        return {PointF(0, t), PointF(n, 0), PointF(0, -t)};
    }
    return {PointF(0, t), PointF(0, -t)};
}

std::vector<PointF> CQarnArrowHead::Mirrored(const std::vector<PointF>& plusSide) {
    std::vector<PointF> profile = plusSide;
    for (auto it = plusSide.rbegin() + 1; it != plusSide.rend(); ++it) {
        profile.emplace_back(it->X, -it->Y);
    }
    return profile;
}

std::vector<PointF> CQarnArrowHead::Profile() const {
    std::vector<PointF> profile = Outline();
    // A shaft as wide as the head meets it at its barbs.
    profile.erase(std::unique(profile.begin(), profile.end(),
                              [](const PointF& a, const PointF& b) { return a.Equals(b); }),
                  profile.end());
    return profile;
}

std::vector<PointF> CQarnArrowHead::Outline() const {
    const float L = m_fLength;
    const float B = m_fHalfWidth;
    const float t = m_fShaftHalf;
    if (L <= 0.0f || B <= 0.0f) {
        return Tail(t);
    }
    switch (m_nStyle) {
        case kOpen:
            return Open();
        case kSweptBack:
            // The back edge runs from the barb to the axis two thirds of the way back; the
            // shaft meets it where it is as high as the shaft.
            return Mirrored({PointF(2 * L / 3 + L / 3 * (t / B), t), PointF(L, B), PointF(0, 0)});
        case kDiamond:
            // Widest two thirds back; the back edges close towards the axis at the back.
            return Mirrored({PointF(L - L / 3 * (t / B), t), PointF(2 * L / 3, B), PointF(0, 0)});
        case kRound:
            return Round();
        case kSquare:
            return Mirrored({PointF(L, t), PointF(L, B), PointF(L / 2, B), PointF(0, 0)});
        case kBarbFirst:
            // The triangle with its -b barb cut away along the shaft's edge.
            return {PointF(L, t), PointF(L, B), PointF(0, 0), PointF(L * t / B, -t)};
        case kBarbSecond:
            return {PointF(L * t / B, t), PointF(0, 0), PointF(L, -B), PointF(L, -t)};
        default:  // the triangle, also below a notched tail
            return Mirrored({PointF(L, t), PointF(L, B), PointF(0, 0)});
    }
}

std::vector<PointF> CQarnArrowHead::Open() const {
    const float L = m_fLength;
    const float B = m_fHalfWidth;
    const float t = m_fShaftHalf;
    // The inner edge of an arm is its outer edge moved back by a part of the head's length.
    const float d = kOpenArm * L;
    const float innerBack = B * (L - d) / L;
    if (t >= innerBack) {
        // The shaft is as wide as the opening: the V fills up into the triangle.
        return Mirrored({PointF(L, t), PointF(L, B), PointF(0, 0)});
    }
    return Mirrored({PointF(d + L * t / B, t), PointF(L, innerBack), PointF(L, B), PointF(0, 0)});
}

std::vector<PointF> CQarnArrowHead::Round() const {
    const float L = m_fLength;
    const float B = m_fHalfWidth;
    // b = B (1 - s^2) with s = 1 - a / L: full width at the back, pointed at the tip.
    std::vector<PointF> side = {PointF(L, m_fShaftHalf), PointF(L, B)};
    for (int k = 1; k <= kRoundSteps; ++k) {
        const float s = float(k) / kRoundSteps;
        side.emplace_back(L * (1 - s), B * (1 - s * s));
    }
    return Mirrored(side);
}
