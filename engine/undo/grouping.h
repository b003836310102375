#pragma once
// The group command: an empty group is added ("Add a group", 8023) and the selected
// components move into it, so that one undo step takes the group away again and redo brings
// it back over the same members.

#include "core/component_list.h"
#include "undo/action_site.h"

class CQarnGroup;

namespace Qarn {

// Groups the selected components that are not inside a group already (those of the current
// layer only unless `crossLayer`); at least two are needed. The group becomes the selection.
// Null, and nothing recorded, when there is nothing to group.
CQarnGroup* GroupComponents(CActionSite site, const ComponentList& selection, bool crossLayer);

}  // namespace Qarn
