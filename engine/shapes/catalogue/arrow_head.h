#pragma once
// The heads of the block arrows: one set of head styles that every arrow kind of the
// catalogue draws with. A head is described in a frame of its own: a runs back from the tip
// along the arrow (0 at the tip), b runs across it. Its profile is the outline from where the
// shaft's +b edge meets the head, round the tip, to where the -b edge meets it, so a kind only
// strings profiles and shaft edges together (CQarnArrowOutline places them).

#include <vector>

#include "platform/point_f.h"

class CQarnArrowHead {
public:
    // The styles, in the numbering the arrow kinds store.
    enum Style {
        kTriangle = 0,     // a triangle as wide as the arrow
        kNotchedTail = 1,  // the triangle; the tail of a one-headed arrow is notched
        kOpen = 2,         // an open V, the shaft running into its point
        kSweptBack = 3,    // a triangle whose barbs sweep back past the shaft
        kDiamond = 4,      // a diamond the shaft runs into
        kRound = 5,        // a pointed arch, its sides bulging outward
        kSquare = 6,       // square shoulders before a pointed tip
        kBarbFirst = 7,    // one barb, on the +b side
        kBarbSecond = 8,   // one barb, on the -b side
    };
    static constexpr int kStyleCount = 9;

    // A head of the style (an unknown one draws as the triangle), `length` from tip to back,
    // `halfWidth` from the axis to a barb, on a shaft `shaftHalf` from the axis to its edges.
    // Negative measures count as 0; the shaft is never wider than the head.
    CQarnArrowHead(int style, float length, float halfWidth, float shaftHalf);

    // The outline from the +b join round the tip to the -b join; without length or width, the
    // shaft's flat end.
    std::vector<PointF> Profile() const;

    // The end of a shaft without a head: flat, or notched `notch` deep.
    static std::vector<PointF> Tail(float shaftHalf, float notch = 0.0f);

private:
    std::vector<PointF> Outline() const;
    std::vector<PointF> Open() const;
    std::vector<PointF> Round() const;
    // The profile of one side (+b), from the join to the tip, mirrored for the other side.
    static std::vector<PointF> Mirrored(const std::vector<PointF>& plusSide);

    int m_nStyle;
    float m_fLength;
    float m_fHalfWidth;
    float m_fShaftHalf;
};
