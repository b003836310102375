#pragma once
// Writing and reading one shape record, and the measures the shape tests compare.

#include <gtest/gtest.h>

#include <QByteArray>
#include <memory>

#include "core/component.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/graphics_path.h"
#include "platform/matrix.h"

inline QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

inline QByteArray WriteOne(CQarnComponent* c) {
    QByteArray bytes;
    CArchive out(CArchive::store, &bytes);
    out.WriteObject(c);
    return bytes;
}

// The object read back from the bytes, of the class the bytes name.
template <class T>
std::unique_ptr<T> ReadOne(QByteArray bytes) {
    CArchive in(CArchive::load, &bytes);
    CObject* object = in.ReadObject(RUNTIME_CLASS(CQarnComponent));
    EXPECT_TRUE(in.AtEnd());
    T* typed = dynamic_cast<T*>(object);
    EXPECT_NE(typed, nullptr);
    if (typed == nullptr) {
        delete object;
    }
    return std::unique_ptr<T>(typed);
}

// The bounds of the outline as built, untransformed.
inline RectF OutlineBounds(CQarnComponent& c) {
    c.ResetPath();
    RectF bounds;
    if (c.GetPath() != nullptr) {
        c.GetPath()->GetBounds(&bounds);
    }
    return bounds;
}

inline void ExpectRectNear(const RectF& actual, const RectF& expected, float tolerance = 0.01f) {
    EXPECT_NEAR(actual.X, expected.X, tolerance);
    EXPECT_NEAR(actual.Y, expected.Y, tolerance);
    EXPECT_NEAR(actual.Width, expected.Width, tolerance);
    EXPECT_NEAR(actual.Height, expected.Height, tolerance);
}

inline void ExpectPointNear(const PointF& actual, const PointF& expected, float tolerance = 0.01f) {
    EXPECT_NEAR(actual.X, expected.X, tolerance);
    EXPECT_NEAR(actual.Y, expected.Y, tolerance);
}

// A stand-in parent group: only whether there is one is asked.
inline CQarnGroup* SomeGroup() {
    static int storage = 0;
    return reinterpret_cast<CQarnGroup*>(&storage);
}
