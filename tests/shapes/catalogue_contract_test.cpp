// What every basic catalogue kind promises, id by id, created at 200 x 120: its class and
// name, its free handles where the kind puts them, the frame's anchors, handles that stay in
// range however far they are dragged with a valid outline, hit tests through a turn and a
// flip, and a record that reads back to the same bytes.
#include <gtest/gtest.h>

#include <cstring>

#include "shapes/catalogue/n_polygon.h"
#include "shapes/catalogue/proportional_shape.h"
#include "shapes/catalogue/sun.h"
#include "shapes/catalogue_fixtures.h"
#include "shapes/catalogue_ids.h"
#include "shapes/shape_fixtures.h"

namespace {

constexpr float kX = 10;
constexpr float kY = 20;
const RectF kFrame(kX, kY, 200, 120);

// A point of the frame by fractions of its extents (negative extents count from the right).
PointF In(const RectF& frame, float u, float v) {
    return PointF(frame.X + u * frame.Width, frame.Y + v * frame.Height);
}

struct Kind {
    int shapeId;
    const char* className;
    const char* nameWord;
    // The free handles as created on kFrame.
    std::vector<PointF> handles;
    // Points by fractions of the frame: one the shape covers, one it leaves out.
    PointF inside;
    PointF outside;
};

const std::vector<Kind>& Kinds() {
    static const std::vector<Kind> kinds = {
        {18218, "CQarnShapeFixed", "Ellipse", {}, {0.5f, 0.5f}, {0.03f, 0.05f}},
        {18228, "CQarnShapeFixed", "Rectangle", {}, {0.5f, 0.5f}, {1.2f, 0.5f}},
        {18229, "CQarnShapeFixed", "RightTriangle", {}, {0.2f, 0.8f}, {0.8f, 0.2f}},
        {18238, "CQarnShapeFixed", "Heart", {}, {0.5f, 0.9f}, {0.1f, 0.9f}},
        {18213, "CQarnShapeRoundedRect", "Cross", {{30, 20}}, {0.5f, 0.5f}, {0.05f, 0.05f}},
        {18221, "CQarnShapeRoundedRect", "Hexagon", {{30, 20}}, {0.5f, 0.5f}, {0.02f, 0.05f}},
        {18222, "CQarnShapeRoundedRect", "Octagon", {{30, 20}}, {0.5f, 0.5f}, {0.02f, 0.02f}},
        {18230, "CQarnShapeRoundedRect", "RoundedRect", {{30, 20}}, {0.5f, 0.5f}, {0.01f, 0.015f}},
        {18239, "CQarnShapeRoundedRect", "Plaque", {{30, 20}}, {0.5f, 0.5f}, {0.04f, 0.05f}},
        {18216, "CQarnShapeNPolygon", "Diamond", {}, {0.5f, 0.5f}, {0.1f, 0.1f}},
        {18226, "CQarnShapeNPolygon", "Pentagon", {}, {0.5f, 0.5f}, {0.05f, 0.1f}},
        {18329, "CQarnShapeNPolygon", "NPolygon", {}, {0.5f, 0.5f}, {0.1f, 0.1f}},
        {18330, "CQarnShapeNPolygon", "NPolygon", {}, {0.5f, 0.5f}, {0.05f, 0.1f}},
        {18331, "CQarnShapeNPolygon", "NPolygon", {}, {0.5f, 0.5f}, {0.03f, 0.03f}},
        {18332, "CQarnShapeNPolygon", "NPolygon", {}, {0.5f, 0.5f}, {0.05f, 0.05f}},
        {18210, "CQarnShapeBevel", "Bevel", {{35, 20}}, {0.5f, 0.5f}, {1.2f, 0.5f}},
        {18215, "CQarnShapeCylinder", "Can", {{110, 50}}, {0.5f, 0.5f}, {0.01f, 0.02f}},
        {18217, "CQarnShapeDonut", "Ring", {{60, 50}}, {0.1f, 0.5f}, {0.5f, 0.5f}},
        {18219, "CQarnShapeFace", "Face", {{110, 110}}, {0.5f, 0.5f}, {0.03f, 0.03f}},
        {18220,
         "CQarnShapeFoldedCorner",
         "FoldedCorner",
         {{185, 140}},
         {0.5f, 0.5f},
         {0.99f, 0.99f}},
        {18223, "CQarnShapeIsoTriangle", "IsoTriangle", {{110, 20}}, {0.5f, 0.5f}, {0.1f, 0.1f}},
        {18224, "CQarnShapeNoSign", "NoSign", {{35, 80}}, {0.5f, 0.5f}, {0.344f, 0.656f}},
        {18225,
         "CQarnShapeParallelogram",
         "Parallelogram",
         {{60, 20}},
         {0.5f, 0.5f},
         {0.05f, 0.1f}},
        {18248, "CQarnShapeParallelogram", "FreeSquare", {{60, 20}}, {0.5f, 0.5f}, {0.05f, 0.05f}},
        {18231, "CQarnShapeTrapezoid", "Trapezoid", {{60, 140}}, {0.5f, 0.5f}, {0.05f, 0.95f}},
        {18247,
         "CQarnShapeTrapezoid",
         "FreeTrapezoid",
         {{60, 140}, {160, 140}},
         {0.5f, 0.5f},
         {0.05f, 0.95f}},
        {18232, "CQarnShapeMoon", "Moon", {{110, 80}}, {0.1f, 0.5f}, {0.9f, 0.5f}},
        {18237, "CQarnShapeSun", "Sun", {{60, 80}}, {0.5f, 0.5f}, {0.87f, 0.653f}},
        {18240,
         "CQarnShapeDoubleBrace",
         "DoubleBrace",
         {{10, 20 + 200.0f / 12}},
         {0, 0.5f},
         {0.5f, 0.5f}},
        {18241,
         "CQarnShapeDoubleBrace",
         "DoubleBrace",
         {{10, 20 + 200.0f / 12}},
         {1.0f / 12, 0.3f},
         {0.5f, 0.5f}},
        {18242, "CQarnShapeBracket", "Bracket", {{10, 30}}, {0, 0.5f}, {0.5f, 0.5f}},
        {18243, "CQarnShapeBracket", "Bracket", {{210, 30}}, {0, 0.5f}, {0.5f, 0.5f}},
        {18244, "CQarnShapeBrace", "Brace", {{110, 30}, {10, 80}}, {0.5f, 0.3f}, {0.25f, 0.25f}},
        {18245, "CQarnShapeBrace", "Brace", {{110, 30}, {210, 80}}, {0.5f, 0.3f}, {0.25f, 0.25f}},
        {18246,
         "CQarnShapeTriangle",
         "Triangle",
         {{10 + 200.0f / 3, 20}, {210, 100}},
         {0.44f, 0.5f},
         {0.1f, 0.1f}},
    };
    return kinds;
}

// Far beyond every edge, one after the other.
const PointF kFarAway[] = {{-1000, -1000}, {1000, 1000}, {-1000, 1000}, {1000, -1000}};

// The record's bytes after the base record: the free handle count, the handles, two reserved
// words, then the kind's own field.
struct RecordTail {
    std::int32_t count = 0;
    std::vector<PointF> handles;
    std::int32_t reserved[2] = {1, 1};
};

RecordTail ReadTail(const QByteArray& bytes, int handles, int ownBytes) {
    RecordTail tail;
    const char* at = bytes.constData() + bytes.size() - ownBytes - 8 - 8 * handles - 4;
    std::memcpy(&tail.count, at, 4);
    at += 4;
    for (int k = 0; k < handles; ++k, at += 8) {
        PointF p;
        std::memcpy(&p.X, at, 4);
        std::memcpy(&p.Y, at + 4, 4);
        tail.handles.push_back(p);
    }
    std::memcpy(tail.reserved, at, 8);
    return tail;
}

}  // namespace

TEST(CatalogueContractTest, TheTableHoldsEveryBasicKind) {
    std::vector<int> listed;
    for (const Kind& kind : Kinds()) {
        listed.push_back(kind.shapeId);
    }
    std::vector<int> ids = BasicCatalogueIds();
    std::sort(listed.begin(), listed.end());
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(listed, ids);
}

TEST(CatalogueContractTest, EachIdMakesItsClassNamedAndWithItsHandlesInPlace) {
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.shapeId);
        auto shape = MakeKind(kind.shapeId, kFrame);
        ASSERT_NE(shape, nullptr);
        EXPECT_STREQ(shape->GetRuntimeClass()->m_lpszClassName, kind.className);
        EXPECT_EQ(shape->GetShapeID(), kind.shapeId);
        shape->SetID(7);
        EXPECT_EQ(shape->GetName(), QStringLiteral("%1-7").arg(QLatin1String(kind.nameWord)));
        // The frame's eight handles, then the free handles as adjust handles.
        const int count = int(kind.handles.size());
        EXPECT_EQ(shape->GetFreeHandleCount(), count);
        EXPECT_EQ(shape->GetHandleCount(), 8 + count);
        for (int k = 0; k < count; ++k) {
            EXPECT_EQ(FreeHandleNumber(*shape, k), 9 + k);
            const std::optional<CQarnHandle> h = shape->FindHandle(9 + k);
            ASSERT_TRUE(h.has_value());
            EXPECT_EQ(h->kind, QarnHandleKind::Adjust);
            EXPECT_EQ(h->cursor, QarnHandleCursor::Adjust);
            ExpectPointNear(h->point, kind.handles[size_t(k)]);
            // Where the kind puts a handle is within where it may be dragged.
            ExpectPointNear(h->constraint.Apply(h->point), h->point);
        }
        // The frame's anchors: the middles of the sides (as the frame lies, so a mirrored
        // frame has its right side on the left) and the centre, turned with the shape.
        const RectF frame = shape->GetRectF();
        const PointF anchors[5] = {In(frame, 0.5f, 0), In(frame, 1, 0.5f), In(frame, 0.5f, 1),
                                   In(frame, 0, 0.5f), In(frame, 0.5f, 0.5f)};
        ASSERT_EQ(shape->GetAnchorCount(), 5);
        for (int i = 0; i < 5; ++i) {
            ExpectPointNear(shape->GetAnchorPoint(i + 1), anchors[i]);
        }
        shape->UpdateRotateCenter();
        shape->RotateAt(90, shape->GetCenterPointF(), 1);
        for (int i = 0; i < 5; ++i) {
            // A quarter turn clockwise about the centre (110, 80).
            const PointF turned(110 - (anchors[i].Y - 80), 80 + (anchors[i].X - 110));
            ExpectPointNear(shape->GetAnchorPoint(i + 1), turned);
        }
        EXPECT_EQ(shape->GetAnchorDirection(1), 2);
    }
}

TEST(CatalogueContractTest, TheOutlineAtTheStartIsValidAndWithinTheFrame) {
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.shapeId);
        auto shape = MakeKind(kind.shapeId, kFrame);
        ASSERT_NE(shape, nullptr);
        EXPECT_FALSE(FlatFigures(*shape).empty());
        EXPECT_TRUE(AllFinite(*shape));
        EXPECT_FALSE(CrossesItself(*shape));
        EXPECT_TRUE(WithinFrame(*shape, 0.5f)) << BuiltBounds(*shape).X;
    }
}

TEST(CatalogueContractTest, FreeHandlesDraggedBeyondEveryEdgeStayInRangeAndKeepTheOutlineValid) {
    for (const Kind& kind : Kinds()) {
        auto shape = MakeKind(kind.shapeId, kFrame);
        ASSERT_NE(shape, nullptr);
        shape->UpdateRotateCenter();
        for (int k = 0; k < int(kind.handles.size()); ++k) {
            for (const PointF& target : kFarAway) {
                SCOPED_TRACE(testing::Message() << kind.shapeId << " handle " << k << " to "
                                                << target.X << ", " << target.Y);
                const int number = FreeHandleNumber(*shape, k);
                EXPECT_EQ(shape->MoveHandleTo(number, target, 0), 1);
                const PointF p = shape->GetFreeHandle(k);
                // At the end of its range: within the frame, and as the kind confines it.
                EXPECT_GE(p.X, kX - 1e-3f);
                EXPECT_LE(p.X, kX + 200 + 1e-3f);
                EXPECT_GE(p.Y, kY - 1e-3f);
                EXPECT_LE(p.Y, kY + 120 + 1e-3f);
                ExpectPointNear(shape->FindHandle(number)->constraint.Apply(p), p, 1e-3f);
                EXPECT_TRUE(AllFinite(*shape));
                EXPECT_FALSE(CrossesItself(*shape));
                EXPECT_TRUE(WithinFrame(*shape, 0.5f));
                EXPECT_FALSE(FlatFigures(*shape).empty());
            }
        }
    }
}

TEST(CatalogueContractTest, ATurnedAndMirroredShapeIsHitWhereItShows) {
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.shapeId);
        auto shape = MakeKind(kind.shapeId, kFrame);
        ASSERT_NE(shape, nullptr);
        const RectF frame = shape->GetRectF();
        shape->UpdateRotateCenter();
        shape->RotateAt(30, shape->GetCenterPointF(), 1);
        shape->Flip(QARN_STYLE_HORIFLIP, shape->GetRotateCenter(), 0);
        PointF inside = In(frame, kind.inside.X, kind.inside.Y);
        PointF outside = In(frame, kind.outside.X, kind.outside.Y);
        shape->TransformPoints(&inside, 1);
        shape->TransformPoints(&outside, 1);
        EXPECT_TRUE(shape->HitTest(inside, 0.5f));
        EXPECT_FALSE(shape->HitTest(outside, 0.5f));
    }
}

TEST(CatalogueContractTest, TheRecordReadsBackToTheSameBytesAndOutline) {
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.shapeId);
        auto shape = MakeKind(kind.shapeId, kFrame);
        ASSERT_NE(shape, nullptr);
        shape->UpdateRotateCenter();
        // Handles off their defaults, so the record must carry them.
        for (int k = 0; k < shape->GetFreeHandleCount(); ++k) {
            shape->MoveHandleTo(FreeHandleNumber(*shape, k), PointF(60, 60), 0);
        }
        const QByteArray bytes = WriteOne(shape.get());
        auto back = ReadOne<CQarnShapeBase>(bytes);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->GetShapeID(), kind.shapeId);
        EXPECT_EQ(WriteOne(back.get()), bytes);
        back->ResetPath();
        shape->ResetPath();
        const std::vector<PointF>& read = back->GetPath()->Points();
        const std::vector<PointF>& written = shape->GetPath()->Points();
        ASSERT_EQ(read.size(), written.size());
        for (size_t i = 0; i < read.size(); ++i) {
            EXPECT_TRUE(read[i].Equals(written[i]));
        }

        // After the base record: every free handle the kind keeps, two zero words, and the
        // kind's own field.
        int ownBytes = 0;
        if (dynamic_cast<CQarnShapeNPolygon*>(shape.get()) != nullptr ||
            dynamic_cast<CQarnShapeSun*>(shape.get()) != nullptr) {
            ownBytes = 4;
        } else if (dynamic_cast<CQarnProportionalShape*>(shape.get()) != nullptr) {
            ownBytes = 8;
        }
        // The plain trapezoid keeps its second handle too.
        const int kept = kind.shapeId == 18231 ? 2 : int(kind.handles.size());
        const RecordTail tail = ReadTail(bytes, kept, ownBytes);
        EXPECT_EQ(tail.count, kept);
        for (int k = 0; k < kept; ++k) {
            ExpectPointNear(tail.handles[size_t(k)], shape->GetFreeHandle(k), 0);
        }
        EXPECT_EQ(tail.reserved[0], 0);
        EXPECT_EQ(tail.reserved[1], 0);
    }
}

TEST(CatalogueContractTest, AFrameWithoutExtentDrawsNoNonsense) {
    // The shape tool starts every shape on a frame of one unit, and a frame may be flat.
    for (const RectF& frame : {RectF(5, 5, 0, 0), RectF(5, 5, 1, 1), RectF(5, 5, 0, 40),
                               RectF(5, 5, 40, 0), RectF(5, 5, -1, 1)}) {
        for (const Kind& kind : Kinds()) {
            SCOPED_TRACE(testing::Message()
                         << kind.shapeId << " on " << frame.Width << " x " << frame.Height);
            auto shape = MakeKind(kind.shapeId, frame);
            ASSERT_NE(shape, nullptr);
            EXPECT_TRUE(AllFinite(*shape));
            shape->UpdateRotateCenter();
            for (int k = 0; k < shape->GetFreeHandleCount(); ++k) {
                shape->MoveHandleTo(FreeHandleNumber(*shape, k), PointF(50, 50), 0);
            }
            EXPECT_TRUE(AllFinite(*shape));
            EXPECT_TRUE(shape->MoveTo(RectF(0, 0, 80, 60), 0) == 1);
            EXPECT_TRUE(AllFinite(*shape));
            EXPECT_TRUE(WithinFrame(*shape, 0.5f));
        }
    }
}
