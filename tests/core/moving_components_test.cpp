// Asking whether a component moves along answers from the list asked about, whatever scopes are
// open, for short and long lists alike.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/moving_components.h"
#include "shapes/rect.h"

namespace {

std::vector<std::unique_ptr<CQarnRect>> Boxes(int count) {
    std::vector<std::unique_ptr<CQarnRect>> boxes;
    boxes.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        boxes.push_back(std::make_unique<CQarnRect>(RectF(float(i), 0, 5, 5)));
    }
    return boxes;
}

}  // namespace

TEST(MovingComponents, MembershipIsThatOfTheListAskedAboutInEveryScope) {
    const auto boxes = Boxes(100);
    ComponentList many;    // long enough to be looked up through a set
    ComponentList others;  // long too, disjoint from `many`
    ComponentList few;     // walked
    for (int i = 0; i < 100; ++i) {
        (i < 60 ? many : others).append(boxes[size_t(i)].get());
    }
    few.append(boxes[70].get());
    const auto expectLists = [&] {
        EXPECT_TRUE(CMovingComponents::Contains(&many, boxes[0].get()));
        EXPECT_TRUE(CMovingComponents::Contains(&many, boxes[59].get()));
        EXPECT_FALSE(CMovingComponents::Contains(&many, boxes[60].get()));
        EXPECT_TRUE(CMovingComponents::Contains(&others, boxes[99].get()));
        EXPECT_FALSE(CMovingComponents::Contains(&others, boxes[1].get()));
        EXPECT_TRUE(CMovingComponents::Contains(&few, boxes[70].get()));
        EXPECT_FALSE(CMovingComponents::Contains(&few, boxes[71].get()));
        EXPECT_FALSE(CMovingComponents::Contains(nullptr, boxes[0].get()));
    };
    expectLists();  // no scope open: every list is walked
    {
        const CMovingComponents outer(many);
        expectLists();
        {
            const CMovingComponents inner(others);
            const CMovingComponents small(few);
            expectLists();
        }
        expectLists();
    }
    expectLists();
}
