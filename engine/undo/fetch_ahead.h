#pragma once
// Moving many components is bound by the memory it reads, not by the arithmetic: each
// component's frame, outline (the element list, the element, its points) and properties lie
// in separate blocks, and reading them one after the other waits on each in turn. A walk that
// moves the components calls this before each one, so that the blocks of the components a few
// places ahead are already on their way when their turn comes.

#include "core/component_list.h"

namespace Qarn {

// Asks for what moving the components ahead of `index` will read, each stage for the
// component whose earlier stage made its blocks known.
void FetchAheadOfMove(const ComponentList& components, qsizetype index);

}  // namespace Qarn
