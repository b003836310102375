// Every shape kind of the registry, whichever branch brought it: made at 200 x 120, its
// outline, handles and anchors; its adjust handles (the free handles of parametric shapes,
// the corner of a rounded rectangle) dragged past both ends of their ranges; a
// turned and mirrored copy hit where it shows and nowhere else; its record read back and
// written again byte for byte.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <memory>
#include <numbers>

#include "core/geometry_fixtures.h"
#include "core/handle.h"
#include "platform/matrix.h"
#include "shapes/outline_checks.h"
#include "shapes/shape_base.h"
#include "shapes/shape_fixtures.h"
#include "shapes/shape_kind.h"
#include "shapes/shape_registry.h"

namespace {

using OutlineChecks::Inside;
using OutlineChecks::OutlineFault;

constexpr float kWidth = 200;
constexpr float kHeight = 120;
const RectF kFrame(100, 100, kWidth, kHeight);

// The ids that make a shape (some ids are known only by the word of their names).
std::vector<int> CreatableIds() {
    std::vector<int> ids;
    for (const int id : Qarn::GetShapeKindIDs()) {
        const CQarnShapeKind* kind = Qarn::FindShapeKind(id);
        if (kind != nullptr && kind->CanCreate()) {
            ids.push_back(id);
        }
    }
    return ids;
}

std::unique_ptr<CQarnComponent> Make(int id) {
    std::unique_ptr<CQarnComponent> shape(Qarn::CreateShape(id, kFrame));
    if (shape) {
        shape->SetFillColor(Color(0xFF80A0E0u));
        shape->SetLineColor(Color(0xFF000000u));
        shape->SetLineWidth(1);
        shape->UpdateRotateCenter();
        shape->ResetPath();
    }
    return shape;
}

std::vector<CQarnHandle> FreeHandles(const CQarnComponent& shape) {
    std::vector<CQarnHandle> handles;
    for (const CQarnHandle& h : shape.GetShownHandles()) {
        if (h.kind == QarnHandleKind::Adjust) {
            handles.push_back(h);
        }
    }
    return handles;
}

// Where a handle stands that sits within its range (and the frame); empty when it does.
std::string HandleFault(const CQarnComponent& shape, const CQarnHandle& h) {
    if (!std::isfinite(h.point.X) || !std::isfinite(h.point.Y)) {
        return "is not a point";
    }
    if (!Inside(h.point, shape.GetRectF(), 0.01f)) {
        return "leaves the frame";
    }
    if (h.constraint.IsFree()) {
        return "is not confined";
    }
    const PointF kept = h.constraint.Apply(h.point);
    if (std::fabs(kept.X - h.point.X) > 0.01f || std::fabs(kept.Y - h.point.Y) > 0.01f) {
        return "lies outside its range";
    }
    return {};
}

// The point as shown after turning the frame 30 degrees clockwise about its centre and then
// mirroring it left to right about the same centre.
PointF TurnedAndMirrored(const PointF& p, const PointF& c) {
    const double a = 30 * std::numbers::pi / 180;
    const double dx = p.X - c.X;
    const double dy = p.Y - c.Y;
    const double x = c.X + dx * std::cos(a) - dy * std::sin(a);
    const double y = c.Y + dx * std::sin(a) + dy * std::cos(a);
    return PointF(float(2 * c.X - x), float(y));
}

bool White(const QImage& image, int x, int y) {
    return !image.rect().contains(x, y) || image.pixel(x, y) == 0xFFFFFFFFu;
}

// Whether every pixel within `reach` of (x, y) is white (or drawn, when `drawn`).
bool AllAround(const QImage& image, int x, int y, int reach, bool drawn) {
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (White(image, x + dx, y + dy) == drawn) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST(CatalogueWalkTest, TheRegistryMakesEveryCatalogueKind) {
    const std::vector<int> ids = CreatableIds();
    // The star and cube at least; every kind added later is walked by the tests below.
    for (const int id : {18214, 18290, 18291, 18293, 18294, 18295, 18326}) {
        EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << id;
    }
    for (const int id : ids) {
        std::unique_ptr<CQarnComponent> shape = Make(id);
        ASSERT_NE(shape, nullptr) << id;
        EXPECT_EQ(shape->GetShapeID(), id);
        EXPECT_FALSE(shape->GetName().isEmpty()) << id;
    }
}

TEST(CatalogueWalkTest, MadeAt200By120EachKindHasAValidOutlineHandlesAndAnchors) {
    for (const int id : CreatableIds()) {
        SCOPED_TRACE(id);
        std::unique_ptr<CQarnComponent> shape = Make(id);
        ASSERT_NE(shape, nullptr);
        const RectF frame = OutlineChecks::Normalised(shape->GetRectF());
        ExpectRectNear(frame, kFrame);
        EXPECT_EQ(OutlineFault(*shape), "");

        // The frame's handles, the label's when there is one, then one per free handle.
        const std::vector<CQarnHandle> shown = shape->GetShownHandles();
        EXPECT_EQ(shape->GetHandleCount(), int(shown.size()));
        const std::vector<CQarnHandle> free = FreeHandles(*shape);
        if (dynamic_cast<CQarnShapeBase*>(shape.get()) != nullptr) {
            EXPECT_EQ(int(free.size()), shape->GetFreeHandleCount());
        }
        for (const CQarnHandle& h : free) {
            EXPECT_EQ(HandleFault(*shape, h), "") << "free handle " << h.parameter;
        }

        ASSERT_GE(shape->GetAnchorCount(), 1);
        for (int a = 1; a <= shape->GetAnchorCount(); ++a) {
            EXPECT_TRUE(Inside(shape->GetAnchorPoint(a), frame, 0.5f)) << "anchor " << a;
        }
    }
}

TEST(CatalogueWalkTest, FreeHandlesDraggedPastBothEndsStayConfinedAndTheOutlineValid) {
    const PointF far[] = {{kFrame.X - 1000, kFrame.Y - 1000},
                          {kFrame.X + kWidth + 1000, kFrame.Y + kHeight + 1000},
                          {kFrame.X - 1000, kFrame.Y + kHeight + 1000},
                          {kFrame.X + kWidth + 1000, kFrame.Y - 1000}};
    for (const int id : CreatableIds()) {
        std::unique_ptr<CQarnComponent> shape = Make(id);
        ASSERT_NE(shape, nullptr) << id;
        for (const CQarnHandle& h : FreeHandles(*shape)) {
            for (const PointF& to : far) {
                SCOPED_TRACE(testing::Message() << id << ", free handle " << h.parameter
                                                << " dragged to " << to.X << ", " << to.Y);
                EXPECT_EQ(shape->MoveHandleTo(h.number, to, 0), 1);
                // Every free handle, since one may carry another along.
                for (const CQarnHandle& after : FreeHandles(*shape)) {
                    EXPECT_EQ(HandleFault(*shape, after), "") << "free handle " << after.parameter;
                }
                EXPECT_EQ(OutlineFault(*shape), "");
            }
        }
    }
}

TEST(CatalogueWalkTest, ATurnedAndMirroredShapeIsHitWhereItShowsAndNowhereElse) {
    const PointF centre(kFrame.X + kWidth / 2, kFrame.Y + kHeight / 2);
    for (const int id : CreatableIds()) {
        SCOPED_TRACE(id);
        std::unique_ptr<CQarnComponent> plain = Make(id);
        std::unique_ptr<CQarnComponent> turned = Make(id);
        ASSERT_NE(plain, nullptr);
        turned->RotateAt(30, centre, 0);
        turned->Flip(0x10, centre, 0);

        // The same spot of the shape, wherever the turn and the mirror take it.
        int inside = 0;
        int outside = 0;
        for (float y = kFrame.Y - 20; y <= kFrame.Y + kHeight + 20; y += 5) {
            for (float x = kFrame.X - 20; x <= kFrame.X + kWidth + 20; x += 5) {
                const PointF p(x, y);
                const PointF shown = TurnedAndMirrored(p, centre);
                const bool deepInside =
                    plain->HitTest(p, 0) && plain->HitTest(PointF(x - 2, y), 0) &&
                    plain->HitTest(PointF(x + 2, y), 0) && plain->HitTest(PointF(x, y - 2), 0) &&
                    plain->HitTest(PointF(x, y + 2), 0);
                if (deepInside) {
                    ++inside;
                    EXPECT_TRUE(turned->HitTest(shown, 0.5f)) << x << ", " << y;
                } else if (!plain->HitTest(p, 3)) {
                    ++outside;
                    EXPECT_FALSE(turned->HitTest(shown, 0.5f)) << x << ", " << y;
                }
            }
        }
        EXPECT_GT(outside, 0);
        // Every point of the outline, filled or not.
        plain->ResetPath();
        GraphicsPath outline = *plain->GetPath();
        outline.Flatten();
        for (const PointF& p : outline.Points()) {
            EXPECT_TRUE(turned->HitTest(TurnedAndMirrored(p, centre), 0.5f)) << p.X << ", " << p.Y;
        }
        if (plain->GetFill()) {
            EXPECT_GT(inside, 0);
        }

        // What is drawn is hit, and what is left white is not.
        const QImage image = Render(*turned, 0, nullptr, 400, 320);
        for (int y = 2; y < image.height(); y += 4) {
            for (int x = 2; x < image.width(); x += 4) {
                const PointF at(x + 0.5f, y + 0.5f);
                if (AllAround(image, x, y, 1, true)) {
                    EXPECT_TRUE(turned->HitTest(at, 0.5f)) << "drawn at " << x << ", " << y;
                } else if (AllAround(image, x, y, 3, false)) {
                    EXPECT_FALSE(turned->HitTest(at, 0.5f)) << "white at " << x << ", " << y;
                }
            }
        }
    }
}

TEST(CatalogueWalkTest, EachRecordIsReadBackAndWrittenAgainByteForByte) {
    for (const int id : CreatableIds()) {
        SCOPED_TRACE(id);
        std::unique_ptr<CQarnComponent> shape = Make(id);
        ASSERT_NE(shape, nullptr);
        // As made, then with its handles at the far ends and turned and mirrored.
        for (int form = 0; form < 2; ++form) {
            if (form == 1) {
                for (const CQarnHandle& h : FreeHandles(*shape)) {
                    shape->MoveHandleTo(h.number, PointF(kFrame.X + 1000, kFrame.Y + 1000), 0);
                }
                shape->RotateAt(30, shape->GetCenterPointF(), 0);
                shape->Flip(0x20, shape->GetCenterPointF(), 0);
            }
            const QByteArray bytes = WriteOne(shape.get());
            std::unique_ptr<CQarnComponent> back = ReadOne<CQarnComponent>(bytes);
            ASSERT_NE(back, nullptr);
            EXPECT_EQ(back->GetRuntimeClass(), shape->GetRuntimeClass());
            EXPECT_EQ(back->GetShapeID(), id);
            EXPECT_EQ(WriteOne(back.get()), bytes) << "form " << form;
            // It draws the same outline.
            back->ResetPath();
            shape->ResetPath();
            EXPECT_EQ(back->GetPath()->Points(), shape->GetPath()->Points()) << "form " << form;
        }
    }
}
