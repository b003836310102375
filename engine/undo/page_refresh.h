#pragma once
// What every page and layer action does after a change: the views redraw (update hint 0) and
// the document announces the change, which the message adapter relays to the panes.

#include "core/doc_listener.h"

class CQarnCanvas;
class CQarnDoc;

namespace Qarn {

void RefreshPages(CQarnDoc* doc, CQarnCanvas* page, PageChange change);

}  // namespace Qarn
