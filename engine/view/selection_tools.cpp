// The selection tools registered at start-up.
#include "view/circle_select_tool.h"
#include "view/command_ids.h"
#include "view/poly_select_tool.h"
#include "view/select_tool.h"

namespace Qarn {

void RegisterSelectionTools() {
    if (FindTool(QarnCmd::ToolCircleSelect) == nullptr) {
        AddTool(new CCircleSelectTool());
    }
    if (FindTool(QarnCmd::ToolPolySelect) == nullptr) {
        AddTool(new CPolySelectTool());
    }
    if (FindTool(CQarnTool::kSelectTool) == nullptr) {
        AddTool(new CSelectTool());
    }
}

}  // namespace Qarn
