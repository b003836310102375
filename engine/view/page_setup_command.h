#pragma once
// File > Page Setup of a drawing: the "Page Setup" sheet over the view's document; OK records
// the page size and margins as one undoable step, Cancel changes nothing.

class CQarnEditView;
class QWidget;

namespace Qarn {

// Shows the sheet; true when OK changed the page (an undo step was recorded).
bool OnPageSetup(CQarnEditView* view, QWidget* parent);

}  // namespace Qarn
