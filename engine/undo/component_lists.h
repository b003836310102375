#pragma once
// The lists of components an action works on, built from a selection.

#include <QSet>

#include "core/component_list.h"

class CQarnDoc;

namespace Qarn {

// Each component through its AddToList (a group brings its members, nested ones first, and
// then itself), without repeats and without nulls.
ComponentList ExpandComponents(const ComponentList& components);
// The connectors resting on components of a list, and those resting on them in turn, that are
// not in the list themselves. The caller gathers what the search starts from in its own walk
// of the list: `pending`, the components that have connections, and `known`, the connectors.
ComponentList AttachedConnectors(ComponentList pending, QSet<const CQarnComponent*> known);
// The components of the list that lie in the document: an action never takes hold of a
// component that another action has already taken out (a stale selection).
ComponentList InDocument(CQarnDoc* doc, const ComponentList& components);

}  // namespace Qarn

namespace Qarn {

// The connectors of the list first, then the rest, each in list order. Taking components out
// in that order lets the connectors go before the shapes they rest on, so that their
// connections are kept rather than dropped.
ComponentList ConnectorsFirst(const ComponentList& components);

}  // namespace Qarn
