#include <gtest/gtest.h>

#include <memory>

#include "core/element.h"
#include "core/geometry_fixtures.h"
#include "core/move_flags.h"
#include "core/path_mode.h"
#include "platform/graphics_path.h"

namespace {

// A component of two elements: a square joined into the outline and a triangle kept apart.
class TwoPartComponent : public CQarnComponent {
public:
    explicit TwoPartComponent(const RectF& r) : CQarnComponent(r) {}

    BOOL CreateElements(RectF* rect) override {
        CQarnComponent::CreateElements(rect);
        const RectF r = rect != nullptr ? *rect : GetRectF();
        GetElement(0)->GetPath()->AddRectangle(r);
        auto apart = std::make_unique<CQarnElement>();
        const PointF corners[3] = {{r.X, r.Y}, {r.X + 5, r.Y}, {r.X, r.Y + 5}};
        apart->GetPath()->AddPolygon(corners, 3);
        apart->SetFlag(CQarnElement::kApart, true);
        AddElement(std::move(apart));
        return TRUE;
    }
};

int PointsOf(CQarnComponent& c, PathMode mode) {
    GraphicsPath path;
    c.CreatePath(path, nullptr, mode);
    return path.GetPointCount();
}

}  // namespace

TEST(MoveFlagsTest, NamesAndNumbersAreTheSameFlagsAndCombineBitByBit) {
    EXPECT_EQ(MoveFlags(5), MoveFlags::Invalidate | MoveFlags::Members);
    EXPECT_EQ(MoveFlags(0x102), MoveFlags::Outline | MoveFlags::KeepRatio);
    EXPECT_EQ(kMoveMembers.GetBits(), 4u);

    const MoveFlags five = 5;
    EXPECT_TRUE(five.Has(MoveFlags::Invalidate | MoveFlags::Members));
    // Every bit asked for must be set; asking for nothing is no test at all.
    EXPECT_FALSE(five.Has(MoveFlags::Invalidate | MoveFlags::Outline));
    EXPECT_FALSE(five.Has(MoveFlags()));
    EXPECT_EQ(five.Without(MoveFlags::Members), MoveFlags::Invalidate);
    EXPECT_EQ(five & ~MoveFlags::Members, MoveFlags(1));
    EXPECT_EQ(five ^ MoveFlags(7), MoveFlags::Outline);
    EXPECT_TRUE(bool(five & 4));
    EXPECT_FALSE(bool(five & 2));
    MoveFlags built;
    built |= MoveFlags::Outline;
    built |= 0x100;
    EXPECT_EQ(built.GetBits(), 0x102u);
    built &= MoveFlags::KeepRatio;
    EXPECT_EQ(built, MoveFlags::KeepRatio);
    // Bits no flag names travel unchanged.
    EXPECT_EQ(MoveFlags(0x80000001u).Without(MoveFlags::Invalidate).GetBits(), 0x80000000u);
}

TEST(MoveFlagsTest, AMoveWrittenWithNumbersActsAsWithNames) {
    struct Case {
        MoveFlags flags;
        int invalidated;
        int outlines;
    };
    const Case cases[] = {{0, 0, 0},
                          {2, 0, 1},
                          {3, 1, 0},
                          {MoveFlags::Invalidate, 1, 0},
                          {MoveFlags::Outline, 0, 1},
                          {MoveFlags::Members, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags.GetBits());
        RecordedDoc views;
        TestBox& box = *views.Place(std::make_unique<TestBox>(RectF(0, 0, 40, 20)));
        ASSERT_EQ(box.MoveTo(RectF(5, 5, 40, 20), c.flags), 1);
        ASSERT_EQ(box.MoveHandleTo(5, PointF(60, 40), c.flags), 1);
        EXPECT_EQ(views.link.invalidated.size(), 2 * c.invalidated);
        EXPECT_EQ(views.link.outlines.size(), 2 * c.outlines);
    }
}

TEST(PathModeTest, ModesTakeAllJoinedOrApartElements) {
    TwoPartComponent c(RectF(0, 0, 20, 20));
    c.ResetPath();
    EXPECT_EQ(PointsOf(c, PathMode::All), 7);
    EXPECT_EQ(PointsOf(c, PathMode::Joined), 4);
    EXPECT_EQ(PointsOf(c, PathMode::Apart), 3);
    // The numbers callers wrote before the names mean the same; others take nothing.
    EXPECT_EQ(PointsOf(c, 0), 7);
    EXPECT_EQ(PointsOf(c, 1), 4);
    EXPECT_EQ(PointsOf(c, 2), 3);
    EXPECT_EQ(PointsOf(c, 3), 0);
    EXPECT_EQ(PointsOf(c, -1), 0);
    EXPECT_EQ(PathMode(2), PathMode::Apart);
    EXPECT_EQ(PathMode::Joined.GetNumber(), 1);
}
