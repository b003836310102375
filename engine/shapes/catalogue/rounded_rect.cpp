#include "shapes/catalogue/rounded_rect.h"

#include "core/clone_as.h"
#include "shapes/catalogue/frame_axes.h"
#include "shapes/catalogue/inset_handle.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeRoundedRect, CQarnShapeBase, 0)

namespace {

constexpr int kCross = 18213;
constexpr int kHexagon = 18221;
constexpr int kOctagon = 18222;
constexpr int kRoundedRect = 18230;
constexpr int kPlaque = 18239;

[[maybe_unused]] const bool kRoundedRects =
    Qarn::RegisterShapeKind<CQarnShapeRoundedRect>(kCross, "Cross") &&
    Qarn::RegisterShapeKind<CQarnShapeRoundedRect>(kHexagon, "Hexagon") &&
    Qarn::RegisterShapeKind<CQarnShapeRoundedRect>(kOctagon, "Octagon") &&
    Qarn::RegisterShapeKind<CQarnShapeRoundedRect>(kRoundedRect, "RoundedRect") &&
    Qarn::RegisterShapeKind<CQarnShapeRoundedRect>(kPlaque, "Plaque");

// The frame of positive extents w by h with each corner replaced by a quarter circle of
// radius d, clockwise from the top-left; the path's lines join the arcs along the sides. The
// rounded rectangle's arcs bulge outwards, the plaque's bend in about the corners.
void AddCornerArcs(GraphicsPath& path, float w, float h, float d, bool concave) {
    const float dd = 2 * d;
    if (concave) {
        // Quarter circles about the corners themselves, bending inwards.
        path.AddArc(RectF(-d, -d, dd, dd), 90, -90);
        path.AddArc(RectF(w - d, -d, dd, dd), 180, -90);
        path.AddArc(RectF(w - d, h - d, dd, dd), 270, -90);
        path.AddArc(RectF(-d, h - d, dd, dd), 0, -90);
    } else {
        path.AddArc(RectF(0, 0, dd, dd), 180, 90);
        path.AddArc(RectF(w - dd, 0, dd, dd), 270, 90);
        path.AddArc(RectF(w - dd, h - dd, dd, dd), 0, 90);
        path.AddArc(RectF(0, h - dd, dd, dd), 90, 90);
    }
    path.CloseFigure();
}

}  // namespace

CQarnShapeRoundedRect::CQarnShapeRoundedRect() : CQarnProportionalShape(kDefaultRatio) {}

CQarnShapeRoundedRect::CQarnShapeRoundedRect(const RectF& rect)
    : CQarnProportionalShape(rect, kDefaultRatio) {
    PlaceHandle();
}

CQarnComponent* CQarnShapeRoundedRect::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeRoundedRect::GetFreeHandleConstraint(int) const {
    return CQarnInsetHandle::Constraint(GetRectF());
}

double CQarnShapeRoundedRect::RatioAt(PointF framePoint) const {
    return CQarnInsetHandle::Ratio(GetRectF(), framePoint);
}

PointF CQarnShapeRoundedRect::HandleAt(double ratio) const {
    return CQarnInsetHandle::Place(GetRectF(), ratio);
}

void CQarnShapeRoundedRect::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float x = r.X;
    const float y = r.Y;
    const float w = r.Width;
    const float h = r.Height;
    const float d = CQarnInsetHandle::Inset(r, GetFreeHandle(0));
    const float sx = w >= 0 ? 1.0f : -1.0f;
    const float sy = h >= 0 ? 1.0f : -1.0f;
    const float dx = sx * d;
    const float dy = sy * d;
    GraphicsPath& path = figures.emplace_back().path;
    switch (GetShapeID()) {
        case kCross: {
            const PointF plus[12] = {
                {x + dx, y},         {x + w - dx, y},     {x + w - dx, y + dy},
                {x + w, y + dy},     {x + w, y + h - dy}, {x + w - dx, y + h - dy},
                {x + w - dx, y + h}, {x + dx, y + h},     {x + dx, y + h - dy},
                {x, y + h - dy},     {x, y + dy},         {x + dx, y + dy}};
            path.AddPolygon(plus, 12);
            break;
        }
        case kHexagon: {
            const PointF hexagon[6] = {{x + dx, y},         {x + w - dx, y}, {x + w, y + h / 2},
                                       {x + w - dx, y + h}, {x + dx, y + h}, {x, y + h / 2}};
            path.AddPolygon(hexagon, 6);
            break;
        }
        case kOctagon: {
            const PointF octagon[8] = {{x + dx, y},         {x + w - dx, y},     {x + w, y + dy},
                                       {x + w, y + h - dy}, {x + w - dx, y + h}, {x + dx, y + h},
                                       {x, y + h - dy},     {x, y + dy}};
            path.AddPolygon(octagon, 8);
            break;
        }
        case kRoundedRect:
        case kPlaque: {
            // Built for positive extents and mirrored onto the frame, so a mirrored frame
            // shows the same figure.
            const CQarnFrameAxes axes(r);
            AddCornerArcs(path, axes.Width(), axes.Height(), d, GetShapeID() == kPlaque);
            const Matrix toFrame = axes.ToFrame();
            path.Transform(&toFrame);
            break;
        }
        default:
            figures.pop_back();
            break;
    }
}
