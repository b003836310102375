#include <gtest/gtest.h>

#include "core/component.h"
#include "core/layer.h"
#include "core/layer_places.h"

namespace {

// Two layers of components numbered by their ids.
class LayerPlacesTest : public ::testing::Test {
protected:
    LayerPlacesTest() {
        for (int i = 0; i < 6; ++i) {
            auto* c = new CQarnComponent();
            c->SetID(UINT(i));
            (i < 4 ? lower : upper).AddTail(c);
            all.append(c);
        }
    }

    CQarnLayer lower;
    CQarnLayer upper;
    ComponentList all;
};

}  // namespace

TEST_F(LayerPlacesTest, ComponentsTakenOutInAnyOrderComeBackWhereTheyWere) {
    const ComponentList lowerBefore = lower.GetList();
    const ComponentList upperBefore = upper.GetList();
    // Out of layer order, across both layers, with a repeat and a stranger.
    CQarnComponent stranger;
    const ComponentList leaving{all[3], all[5], all[0], all[3], &stranger, all[2]};
    ComponentList found;
    std::vector<Qarn::LayerPlace> places;
    Qarn::FindLayerPlaces(leaving, found, places);
    ASSERT_EQ(found, (ComponentList{all[3], all[5], all[0], all[2]}));
    EXPECT_EQ(places[0].index, 3);
    EXPECT_EQ(places[1].layer, &upper);
    EXPECT_EQ(places[1].index, 1);

    Qarn::UnlinkFromLayers(found, places);
    EXPECT_EQ(lower.GetList(), ComponentList{all[1]});
    EXPECT_EQ(upper.GetList(), ComponentList{all[4]});
    Qarn::RelinkIntoLayers(found, places);
    EXPECT_EQ(lower.GetList(), lowerBefore);
    EXPECT_EQ(upper.GetList(), upperBefore);
    EXPECT_EQ(all[5]->GetLayer(), &upper);
}
