#pragma once
// Walks over many components are bound by the memory they read, not by the arithmetic: each
// component's fields, its properties and its outline (the element list, the element, its
// points) lie in separate blocks, and reading them one after the other waits on each in turn.
// A walk calls this before each component, so that the blocks of the components a few places
// ahead are already on their way when their turn comes.

#include "core/component_list.h"

namespace Qarn {

// What a walk reads of each component beyond its own fields.
enum class FetchParts { Fields, Properties, PropertiesAndOutline };

// Asks for what the walk will read of the components ahead of `index`, each stage for the
// component whose earlier stage made its blocks known.
void FetchAhead(const ComponentList& components, qsizetype index, FetchParts parts);

}  // namespace Qarn
