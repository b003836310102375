#pragma once
// The figures of a banner ribbon, straight or curved: a front panel in the middle, and on
// each side an end that hangs lower behind it, cut with a swallow-tail notch on its outer
// edge, joined to the panel by a darker fold. The pieces meet edge to edge without
// overlapping, so the outline has no holes under either fill rule.
//
// Measures are in the frame's (u, v) lengths (shapes/catalogue/mirrored_frame.h). A curved
// ribbon bends every horizontal edge into a parabola that leaves the middle where it is and
// lets the ends sink by the sag.

#include "shapes/catalogue/mirrored_frame.h"
#include "shapes/shape_base.h"

class CQarnRibbonOutline {
public:
    struct Measures {
        // How far the panel starts in from either end of the ribbon.
        float inset = 0;
        // How much lower the ends hang than the panel.
        float drop = 0;
        // The height of the ribbon band before it is curved.
        float band = 0;
        // How far the curve lets the ribbon's outer ends sink below its middle (0: straight).
        float sag = 0;
    };
    // The shade of the folds.
    static constexpr int kFoldShade = 80;

    CQarnRibbonOutline(const CQarnMirroredFrame& frame, const Measures& measures);

    // Left end, right end, left fold, right fold, panel.
    void Build(CQarnShapeBase::Figures& figures) const;

private:
    // How far an edge sinks at u.
    float Sink(float u) const;
    // Along the edge that runs at `base` (before sinking) from the pen to u.
    void EdgeTo(GraphicsPath& path, PointF& pen, float u, float base) const;
    // The end and its fold on one side; `mirror` builds the right-hand side.
    void BuildEnd(GraphicsPath& end, bool mirror) const;
    void BuildFold(GraphicsPath& fold, bool mirror) const;
    void BuildPanel(GraphicsPath& panel) const;

    const CQarnMirroredFrame& m_Frame;
    Measures m_Measures;
    // The width of the fold and the depth of the notch.
    float m_fFold = 0;
    float m_fNotch = 0;
};
