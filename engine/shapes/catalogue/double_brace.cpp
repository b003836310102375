#include "shapes/catalogue/double_brace.h"

#include <algorithm>
#include <cmath>

#include "core/clone_as.h"
#include "shapes/catalogue/frame_axes.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeDoubleBrace, CQarnShapeBase, 0)

namespace {

constexpr int kDoubleBracket = 18240;
constexpr int kDoubleBrace = 18241;

// The pair is drawn as lines around what they enclose.
void AsLines(CQarnShapeDoubleBrace& pair) {
    pair.SetFill(false);
}

[[maybe_unused]] const bool kDoubleBraces =
    Qarn::RegisterShapeKind<CQarnShapeDoubleBrace>(kDoubleBracket, "", &AsLines) &&
    Qarn::RegisterShapeKind<CQarnShapeDoubleBrace>(kDoubleBrace, "", &AsLines);

// The left bracket of a frame h high: quarter circles of radius r round its corners.
void AddLeftBracket(GraphicsPath& path, float h, float r) {
    path.AddArc(RectF(0, 0, 2 * r, 2 * r), 270, -90);
    path.AddArc(RectF(0, h - 2 * r, 2 * r, 2 * r), 180, -90);
}

// The left brace: its ends 2r in from the left edge, its upright r in, its tip on the left
// edge half way down.
void AddLeftBrace(GraphicsPath& path, float h, float r) {
    const float d = 2 * r;
    path.AddArc(RectF(r, 0, d, d), 270, -90);
    path.AddArc(RectF(-r, h / 2 - d, d, d), 0, 90);
    path.AddArc(RectF(-r, h / 2, d, d), 270, 90);
    path.AddArc(RectF(r, h - d, d, d), 180, -90);
}

}  // namespace

CQarnShapeDoubleBrace::CQarnShapeDoubleBrace() : CQarnProportionalShape(kDefaultRatio) {}

CQarnShapeDoubleBrace::CQarnShapeDoubleBrace(const RectF& rect)
    : CQarnProportionalShape(rect, kDefaultRatio) {
    PlaceHandle();
}

CQarnComponent* CQarnShapeDoubleBrace::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

bool CQarnShapeDoubleBrace::AlongLeftEdge() const {
    const RectF r = GetRectF();
    return std::fabs(r.Width) >= std::fabs(r.Height);
}

float CQarnShapeDoubleBrace::LargestRadius() const {
    const CQarnFrameAxes axes(GetRectF());
    // A bracket's two curves meet half way; a brace has four curves down its side and two
    // across it. A shape not yet given its id keeps the brace's room.
    const float parts = GetShapeID() == kDoubleBracket ? 2.0f : 4.0f;
    return std::min(axes.Width(), axes.Height()) / parts;
}

float CQarnShapeDoubleBrace::Radius() const {
    const CQarnFrameAxes axes(GetRectF());
    const PointF handle = GetFreeHandle(0);
    const float offset = AlongLeftEdge() ? axes.InwardY(handle.Y) : axes.InwardX(handle.X);
    return std::clamp(offset, 0.0f, LargestRadius());
}

CQarnHandleConstraint CQarnShapeDoubleBrace::GetFreeHandleConstraint(int) const {
    const CQarnFrameAxes axes(GetRectF());
    const float largest = LargestRadius();
    return AlongLeftEdge() ? axes.Confine(0, 0, 0, largest) : axes.Confine(0, 0, largest, 0);
}

double CQarnShapeDoubleBrace::RatioAt(PointF framePoint) const {
    const CQarnFrameAxes axes(GetRectF());
    const double longer = std::max(axes.Width(), axes.Height());
    const double offset = AlongLeftEdge() ? axes.InwardY(framePoint.Y) : axes.InwardX(framePoint.X);
    return longer > 0 ? std::fabs(offset) / longer : 0.0;
}

PointF CQarnShapeDoubleBrace::HandleAt(double ratio) const {
    const CQarnFrameAxes axes(GetRectF());
    const double longer = std::max(axes.Width(), axes.Height());
    const float offset = float(std::clamp(ratio * longer, 0.0, double(LargestRadius())));
    return AlongLeftEdge() ? axes.At(0, offset) : axes.At(offset, 0);
}

void CQarnShapeDoubleBrace::BuildFigures(Figures& figures) const {
    const CQarnFrameAxes axes(GetRectF());
    const float w = axes.Width();
    const float h = axes.Height();
    const float r = Radius();
    // The left one, then the same mirrored onto the right edge, each its own open figure.
    GraphicsPath left;
    if (GetShapeID() == kDoubleBracket) {
        AddLeftBracket(left, h, r);
    } else {
        AddLeftBrace(left, h, r);
    }
    GraphicsPath right(left);
    const Matrix mirror(-1, 0, 0, 1, w, 0);
    right.Transform(&mirror);
    GraphicsPath& pair = figures.emplace_back().path;
    pair.AddPath(&left, FALSE);
    pair.AddPath(&right, FALSE);
    const Matrix toFrame = axes.ToFrame();
    pair.Transform(&toFrame);
}
