#pragma once
// An ordered list of components: a layer's contents, a selection, the members of an action.

#include <QList>

class CQarnComponent;

using ComponentList = QList<CQarnComponent*>;
