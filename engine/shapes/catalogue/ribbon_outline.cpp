#include "shapes/catalogue/ribbon_outline.h"

#include <algorithm>

CQarnRibbonOutline::CQarnRibbonOutline(const CQarnMirroredFrame& frame, const Measures& measures)
    : m_Frame(frame), m_Measures(measures) {
    const float half = frame.Width() / 2;
    // The fold takes half the end's width, but never reaches past the middle.
    m_fFold = std::max(0.0f, std::min(measures.inset / 2, half - measures.inset));
    m_fNotch = measures.inset / 2;
}

float CQarnRibbonOutline::Sink(float u) const {
    const float half = m_Frame.Width() / 2;
    if (m_Measures.sag == 0.0f || half <= 0.0f) {
        return 0.0f;
    }
    const float t = (u - half) / half;
    return m_Measures.sag * t * t;
}

void CQarnRibbonOutline::EdgeTo(GraphicsPath& path, PointF& pen, float u, float base) const {
    const PointF end(u, base + Sink(u));
    if (m_Measures.sag == 0.0f) {
        m_Frame.LineTo(path, pen, end);
        return;
    }
    // A parabola is a quadratic Bezier: its control point is where the tangents at both ends
    // meet; the cubic with the same curve stands two thirds of the way towards it.
    const float half = m_Frame.Width() / 2;
    const float slope = 2 * m_Measures.sag * (pen.X - half) / (half * half);
    const PointF q((pen.X + u) / 2, pen.Y + slope * (u - pen.X) / 2);
    const PointF c1(pen.X + 2 * (q.X - pen.X) / 3, pen.Y + 2 * (q.Y - pen.Y) / 3);
    const PointF c2(end.X + 2 * (q.X - end.X) / 3, end.Y + 2 * (q.Y - end.Y) / 3);
    m_Frame.BezierTo(path, pen, c1, c2, end);
}

void CQarnRibbonOutline::BuildEnd(GraphicsPath& end, bool mirror) const {
    const float w = m_Frame.Width();
    const auto side = [mirror, w](float u) { return mirror ? w - u : u; };
    const float a = m_Measures.inset;
    const float top = m_Measures.drop;
    const float bottom = m_Measures.band;
    const float panelBottom = m_Measures.band - m_Measures.drop;
    end.StartFigure();
    PointF pen(side(0), top + Sink(side(0)));
    // Along its top to the panel, down the panel's side, the fold's diagonal, back along the
    // bottom, and in to the notch.
    EdgeTo(end, pen, side(a), top);
    m_Frame.LineTo(end, pen, PointF(side(a), panelBottom + Sink(side(a))));
    const float foldEnd = side(a + m_fFold);
    m_Frame.LineTo(end, pen, PointF(foldEnd, bottom + Sink(foldEnd)));
    // The bottom passes exactly through the corner under the panel's side, where the fold's
    // diagonal starts.
    EdgeTo(end, pen, side(a), bottom);
    EdgeTo(end, pen, side(0), bottom);
    const float notch = side(m_fNotch);
    m_Frame.LineTo(end, pen, PointF(notch, (top + bottom) / 2 + Sink(notch)));
    end.CloseFigure();
}

void CQarnRibbonOutline::BuildFold(GraphicsPath& fold, bool mirror) const {
    const float w = m_Frame.Width();
    const auto side = [mirror, w](float u) { return mirror ? w - u : u; };
    const float panelBottom = m_Measures.band - m_Measures.drop;
    const float from = side(m_Measures.inset);
    const float to = side(m_Measures.inset + m_fFold);
    fold.StartFigure();
    PointF pen(from, panelBottom + Sink(from));
    EdgeTo(fold, pen, to, panelBottom);
    m_Frame.LineTo(fold, pen, PointF(to, m_Measures.band + Sink(to)));
    fold.CloseFigure();
}

void CQarnRibbonOutline::BuildPanel(GraphicsPath& panel) const {
    const float left = m_Measures.inset;
    const float right = m_Frame.Width() - m_Measures.inset;
    const float bottom = m_Measures.band - m_Measures.drop;
    panel.StartFigure();
    PointF pen(left, Sink(left));
    EdgeTo(panel, pen, right, 0);
    m_Frame.LineTo(panel, pen, PointF(right, bottom + Sink(right)));
    EdgeTo(panel, pen, left, bottom);
    panel.CloseFigure();
}

void CQarnRibbonOutline::Build(CQarnShapeBase::Figures& figures) const {
    BuildEnd(figures.emplace_back().path, false);
    BuildEnd(figures.emplace_back().path, true);
    for (const bool mirror : {false, true}) {
        CQarnShapeBase::Figure& fold = figures.emplace_back();
        BuildFold(fold.path, mirror);
        fold.shade = kFoldShade;
    }
    BuildPanel(figures.emplace_back().path);
}
