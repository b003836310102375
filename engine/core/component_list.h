#pragma once
// An ordered list of components: a layer's contents, a selection, the members of an action.

#include <QList>

class CQarnComponent;

using ComponentList = QList<CQarnComponent*>;

// A place in a layer's list: the 1-based position of an element, 0 for none.
using POSITION = int;
