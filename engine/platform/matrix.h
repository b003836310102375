#pragma once
// 3x2 affine matrix of the graphics layer. Points are row vectors multiplied on the left:
// (x, y) maps to (x*m11 + y*m21 + dx, x*m12 + y*m22 + dy). "Prepend" applies the new
// operation before the existing ones, "append" after them, as the drawing code expects.

#include "platform/point_f.h"
#include "platform/rect_f.h"
#include "platform/status.h"

class QTransform;

enum MatrixOrder { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };

class Matrix {
public:
    Matrix() = default;
    Matrix(float m11, float m12, float m21, float m22, float dx, float dy);
    // The matrix that maps the rectangle onto the parallelogram whose top-left, top-right and
    // bottom-left corners are the three destination points.
    Matrix(const RectF& rect, const PointF* destination);

    Matrix* Clone() const { return new Matrix(*this); }
    void Reset();
    Status SetElements(float m11, float m12, float m21, float m22, float dx, float dy);
    Status GetElements(float* m) const;  // six values: m11, m12, m21, m22, dx, dy
    float OffsetX() const { return m_[4]; }
    float OffsetY() const { return m_[5]; }
    float M11() const { return m_[0]; }
    float M12() const { return m_[1]; }
    float M21() const { return m_[2]; }
    float M22() const { return m_[3]; }

    Status Multiply(const Matrix* other, MatrixOrder order = MatrixOrderPrepend);
    Status Translate(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status Scale(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    // Clockwise on screen (y grows downwards) for positive degrees.
    Status Rotate(float degrees, MatrixOrder order = MatrixOrderPrepend);
    Status RotateAt(float degrees, const PointF& center, MatrixOrder order = MatrixOrderPrepend);
    Status Shear(float shearX, float shearY, MatrixOrder order = MatrixOrderPrepend);
    Status Invert();

    Status TransformPoints(PointF* points, int count = 1) const;
    Status TransformPoints(Point* points, int count = 1) const;
    Status TransformVectors(PointF* points, int count = 1) const;
    PointF Map(const PointF& p) const;

    bool IsIdentity() const;
    bool IsInvertible() const;
    bool Equals(const Matrix& other) const;

    QTransform ToQTransform() const;
    static Matrix FromQTransform(const QTransform& t);

private:
    // Replaces this matrix by a*b (apply a, then b).
    void SetProduct(const float* a, const float* b);
    void Combine(const Matrix& op, MatrixOrder order);

    float m_[6] = {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
};
