#pragma once
// The shape ids of the basic catalogue kinds.

#include <vector>

inline const std::vector<int>& BasicCatalogueIds() {
    static const std::vector<int> ids = {
        18218, 18228, 18229, 18238,                // fixed shapes
        18213, 18221, 18222, 18230, 18239,         // rounded-rectangle family
        18216, 18226, 18329, 18330, 18331, 18332,  // regular polygons
        18210, 18215, 18217, 18219, 18220, 18223, 18224, 18225, 18248, 18231,
        18247, 18232, 18237, 18240, 18241, 18242, 18243, 18244, 18245, 18246};
    return ids;
}
