#include "platform/matrix.h"

#include <QTransform>
#include <cmath>

Matrix::Matrix(float m11, float m12, float m21, float m22, float dx, float dy)
    : m_{m11, m12, m21, m22, dx, dy} {}

Matrix::Matrix(const RectF& rect, const PointF* destination) {
    if (rect.Width == 0.0f || rect.Height == 0.0f || destination == nullptr) {
        return;
    }
    const PointF& topLeft = destination[0];
    const PointF& topRight = destination[1];
    const PointF& bottomLeft = destination[2];
    float m11 = (topRight.X - topLeft.X) / rect.Width;
    float m12 = (topRight.Y - topLeft.Y) / rect.Width;
    float m21 = (bottomLeft.X - topLeft.X) / rect.Height;
    float m22 = (bottomLeft.Y - topLeft.Y) / rect.Height;
    SetElements(m11, m12, m21, m22, topLeft.X - rect.X * m11 - rect.Y * m21,
                topLeft.Y - rect.X * m12 - rect.Y * m22);
}

void Matrix::Reset() {
    SetElements(1, 0, 0, 1, 0, 0);
}

Status Matrix::SetElements(float m11, float m12, float m21, float m22, float dx, float dy) {
    m_[0] = m11;
    m_[1] = m12;
    m_[2] = m21;
    m_[3] = m22;
    m_[4] = dx;
    m_[5] = dy;
    return Ok;
}

Status Matrix::GetElements(float* m) const {
    if (m == nullptr) {
        return InvalidParameter;
    }
    for (int i = 0; i < 6; ++i) {
        m[i] = m_[i];
    }
    return Ok;
}

void Matrix::SetProduct(const float* a, const float* b) {
    float r[6];
    r[0] = a[0] * b[0] + a[1] * b[2];
    r[1] = a[0] * b[1] + a[1] * b[3];
    r[2] = a[2] * b[0] + a[3] * b[2];
    r[3] = a[2] * b[1] + a[3] * b[3];
    r[4] = a[4] * b[0] + a[5] * b[2] + b[4];
    r[5] = a[4] * b[1] + a[5] * b[3] + b[5];
    for (int i = 0; i < 6; ++i) {
        m_[i] = r[i];
    }
}

void Matrix::Combine(const Matrix& op, MatrixOrder order) {
    float self[6];
    GetElements(self);
    if (order == MatrixOrderPrepend) {
        SetProduct(op.m_, self);
    } else {
        SetProduct(self, op.m_);
    }
}

Status Matrix::Multiply(const Matrix* other, MatrixOrder order) {
    if (other == nullptr) {
        return InvalidParameter;
    }
    Combine(*other, order);
    return Ok;
}

Status Matrix::Translate(float dx, float dy, MatrixOrder order) {
    Combine(Matrix(1, 0, 0, 1, dx, dy), order);
    return Ok;
}

Status Matrix::Scale(float sx, float sy, MatrixOrder order) {
    Combine(Matrix(sx, 0, 0, sy, 0, 0), order);
    return Ok;
}

Status Matrix::Rotate(float degrees, MatrixOrder order) {
    double radians = double(degrees) * M_PI / 180.0;
    double c = std::cos(radians);
    double s = std::sin(radians);
    // Whole quarter turns come out exact, so that a rotated rectangle keeps integral corners.
    if (std::fabs(c) < 1e-7) {
        c = 0.0;
    }
    if (std::fabs(s) < 1e-7) {
        s = 0.0;
    }
    Combine(Matrix(float(c), float(s), float(-s), float(c), 0, 0), order);
    return Ok;
}

Status Matrix::RotateAt(float degrees, const PointF& center, MatrixOrder order) {
    Matrix op(1, 0, 0, 1, -center.X, -center.Y);
    op.Rotate(degrees, MatrixOrderAppend);
    op.Translate(center.X, center.Y, MatrixOrderAppend);
    Combine(op, order);
    return Ok;
}

Status Matrix::Shear(float shearX, float shearY, MatrixOrder order) {
    Combine(Matrix(1, shearY, shearX, 1, 0, 0), order);
    return Ok;
}

Status Matrix::Invert() {
    double det = double(m_[0]) * m_[3] - double(m_[1]) * m_[2];
    if (det == 0.0 || !std::isfinite(det)) {
        return InvalidParameter;
    }
    double i11 = m_[3] / det;
    double i12 = -m_[1] / det;
    double i21 = -m_[2] / det;
    double i22 = m_[0] / det;
    double idx = -(m_[4] * i11 + m_[5] * i21);
    double idy = -(m_[4] * i12 + m_[5] * i22);
    SetElements(float(i11), float(i12), float(i21), float(i22), float(idx), float(idy));
    return Ok;
}

PointF Matrix::Map(const PointF& p) const {
    return {p.X * m_[0] + p.Y * m_[2] + m_[4], p.X * m_[1] + p.Y * m_[3] + m_[5]};
}

Status Matrix::TransformPoints(PointF* points, int count) const {
    if (points == nullptr || count < 0) {
        return InvalidParameter;
    }
    for (int i = 0; i < count; ++i) {
        points[i] = Map(points[i]);
    }
    return Ok;
}

Status Matrix::TransformPoints(Point* points, int count) const {
    if (points == nullptr || count < 0) {
        return InvalidParameter;
    }
    for (int i = 0; i < count; ++i) {
        PointF p = Map(PointF(float(points[i].X), float(points[i].Y)));
        points[i] = Point(int(std::lround(p.X)), int(std::lround(p.Y)));
    }
    return Ok;
}

Status Matrix::TransformVectors(PointF* points, int count) const {
    if (points == nullptr || count < 0) {
        return InvalidParameter;
    }
    for (int i = 0; i < count; ++i) {
        PointF p = points[i];
        points[i] = PointF(p.X * m_[0] + p.Y * m_[2], p.X * m_[1] + p.Y * m_[3]);
    }
    return Ok;
}

bool Matrix::IsIdentity() const {
    return m_[0] == 1.0f && m_[1] == 0.0f && m_[2] == 0.0f && m_[3] == 1.0f && m_[4] == 0.0f &&
           m_[5] == 0.0f;
}

bool Matrix::IsInvertible() const {
    double det = double(m_[0]) * m_[3] - double(m_[1]) * m_[2];
    return det != 0.0 && std::isfinite(det);
}

bool Matrix::Equals(const Matrix& other) const {
    for (int i = 0; i < 6; ++i) {
        if (m_[i] != other.m_[i]) {
            return false;
        }
    }
    return true;
}

QTransform Matrix::ToQTransform() const {
    return QTransform(m_[0], m_[1], m_[2], m_[3], m_[4], m_[5]);
}

Matrix Matrix::FromQTransform(const QTransform& t) {
    return Matrix(float(t.m11()), float(t.m12()), float(t.m21()), float(t.m22()), float(t.dx()),
                  float(t.dy()));
}
