// The transform of a component and the edits that change it: rotation, flip and the rotate
// centre.
#include <cmath>

#include "core/component.h"
#include "core/conversions.h"
#include "core/rect_geometry.h"
#include "platform/graphics_path.h"
#include "platform/matrix.h"

namespace {

// The new angle in [0, 360): the sum is taken in whole millionths of a degree, truncated,
// modulo a full turn. Sums far below zero still come out non-negative.
float NormalizedSum(float angle, float old) {
    constexpr double kTurn = 360000000.0;
    double micro = std::trunc((double(angle) + double(old) + 360.0) * 1000000.0);
    if (!std::isfinite(micro)) {
        return old;
    }
    micro = std::fmod(micro, kTurn);
    if (micro < 0.0) {
        micro += kTurn;
    }
    return float(micro * 0.000001);
}

bool Near(const PointF& a, const PointF& b) {
    return std::fabs(a.X - b.X) < 0.0001f && std::fabs(a.Y - b.Y) < 0.0001f;
}

}  // namespace

float CQarnComponent::GetAppliedAngle() const {
    return float(std::trunc(double(m_fRotateAngle) + 0.5));
}

bool CQarnComponent::NeedTransform() const {
    return GetFlip() != 0 || m_fRotateAngle != 0.0f;
}

void CQarnComponent::GetTransformMatrix(Matrix& m, PointF* center) const {
    const PointF c = center != nullptr ? *center : m_ptRotateCenter;
    // Prepended in reverse: the flip acts first, then the rotation, then what m already does.
    if (m_fRotateAngle != 0.0f) {
        m.RotateAt(GetAppliedAngle(), c, MatrixOrderPrepend);
    }
    const DWORD flip = GetFlip();
    if (flip != 0) {
        const float sx = (flip & QARN_STYLE_HORIFLIP) ? -1.0f : 1.0f;
        const float sy = (flip & QARN_STYLE_VERTFLIP) ? -1.0f : 1.0f;
        Matrix mirror(sx, 0, 0, sy, c.X * (1 - sx), c.Y * (1 - sy));
        m.Multiply(&mirror, MatrixOrderPrepend);
    }
}

void CQarnComponent::TransformPoints(PointF* points, int count) const {
    if (points == nullptr || count <= 0 || !NeedTransform()) {
        return;
    }
    Matrix m;
    GetTransformMatrix(m);
    m.TransformPoints(points, count);
}

void CQarnComponent::AntiTransformPoints(PointF* points, int count) const {
    if (points == nullptr || count <= 0 || !NeedTransform()) {
        return;
    }
    Matrix m;
    GetTransformMatrix(m);
    if (m.Invert() == Ok) {
        m.TransformPoints(points, count);
    }
}

void CQarnComponent::TransformPath(Matrix* matrix) {
    if (m_pPath != nullptr && matrix != nullptr) {
        m_pPath->Transform(matrix);
    }
}

void CQarnComponent::TransformPath(RectF from, RectF to) {
    if (m_pPath == nullptr || from.Width == 0.0f || from.Height == 0.0f) {
        return;
    }
    Matrix m(1, 0, 0, 1, -from.X, -from.Y);
    m.Scale(to.Width / from.Width, to.Height / from.Height, MatrixOrderAppend);
    m.Translate(to.X, to.Y, MatrixOrderAppend);
    m_pPath->Transform(&m);
}

void CQarnComponent::MoveFrameBy(float dx, float dy, int move) {
    if (move != 0) {
        Shift(dx, dy);
    } else {
        RectF r = GetRectF();
        r.Offset(dx, dy);
        SetRectF(r);
    }
}

void CQarnComponent::RotateAt(float angle, PointF center, int move) {
    const PointF frameCenter = GetCenterPointF();
    // Where the frame's centre shows now; the frame centre itself unless the rotate centre
    // was moved away from it.
    PointF shown = frameCenter;
    TransformPoints(&shown, 1);
    m_fRotateAngle = NormalizedSum(angle, m_fRotateAngle);
    if (Near(center, frameCenter) && Near(m_ptRotateCenter, frameCenter)) {
        ResetPath();
        return;
    }
    Matrix turn;
    turn.RotateAt(angle, center);
    const PointF target = turn.Map(shown);
    MoveFrameBy(target.X - frameCenter.X, target.Y - frameCenter.Y, move);
    UpdateRotateCenter();
    ResetPath();
}

void CQarnComponent::Flip(BYTE mode, PointF axis, int) {
    const bool horizontal = (mode & QARN_STYLE_HORIFLIP) != 0;
    const bool vertical = (mode & QARN_STYLE_VERTFLIP) != 0;
    if (!horizontal && !vertical) {
        return;
    }
    if (!Near(axis, m_ptRotateCenter)) {
        PointF mirrored = m_ptRotateCenter;
        if (horizontal) {
            mirrored.X = 2 * axis.X - mirrored.X;
        }
        if (vertical) {
            mirrored.Y = 2 * axis.Y - mirrored.Y;
        }
        Shift(mirrored.X - m_ptRotateCenter.X, mirrored.Y - m_ptRotateCenter.Y);
        m_ptRotateCenter = mirrored;
    }
    // A mirror about the rotate centre turns the angle the other way: the net angle becomes
    // 360 minus the old one, about the same centre, so the frame stays where it is.
    if (horizontal != vertical) {
        m_fRotateAngle = NormalizedSum(360.0f - 2.0f * m_fRotateAngle, m_fRotateAngle);
    }
    m_dwStyle ^= (mode & (QARN_STYLE_HORIFLIP | QARN_STYLE_VERTFLIP));
    ResetPath();
}

int CQarnComponent::MoveRotateCenter(PointF center) {
    if (Near(center, m_ptRotateCenter)) {
        return 0;
    }
    // The frame point that shows at `center` stays there: the frame moves by the difference
    // between the centre and that point.
    PointF source = center;
    AntiTransformPoints(&source, 1);
    Shift(center.X - source.X, center.Y - source.Y);
    m_ptRotateCenter = center;
    ResetPath();
    return 1;
}
