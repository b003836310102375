#pragma once
// Taking many components out of their layers and putting them back where they were, in one
// pass over each layer: a component's place is its layer and its 0-based index there before
// any of them left. Putting back merges them into what their layers hold by then, which is
// what the layers held after they left (an undo history guarantees it).

#include <vector>

#include "core/component_list.h"

class CQarnLayer;

namespace Qarn {

struct LayerPlace {
    CQarnLayer* layer = nullptr;
    int index = -1;
};

// The place of each component in the list that lies in a layer of its own (GetLayer) whose
// list holds it; components that do not are left out of both lists. Duplicates count once.
void FindLayerPlaces(const ComponentList& components, ComponentList& found,
                     std::vector<LayerPlace>& places);
// Unlinks the components from their layers (their layer field stays as it was).
void UnlinkFromLayers(const ComponentList& components, const std::vector<LayerPlace>& places);
// Links the components back at their places; each one's layer field is set to its layer.
void RelinkIntoLayers(const ComponentList& components, const std::vector<LayerPlace>& places);

}  // namespace Qarn
