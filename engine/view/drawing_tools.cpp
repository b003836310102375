// The drawing tools registered at start-up, in the programs' order.
#include "view/command_ids.h"
#include "view/tool.h"
#include "view/tools/auto_shape_tool.h"
#include "view/tools/connector_tool.h"
#include "view/tools/edit_poly_tool.h"
#include "view/tools/magnifier_tool.h"
#include "view/tools/pan_tool.h"
#include "view/tools/perspective_tool.h"
#include "view/tools/point_tool.h"
#include "view/tools/poly_tool.h"
#include "view/tools/rotate_tool.h"
#include "view/tools/shape_tool.h"
#include "view/tools/text_tool.h"
#include "view/tools/zoom_tool.h"

namespace {

template <class Tool, class... Args>
void Add(UINT id, Args... args) {
    // Only an exact registration counts: another tool may serve the id as well.
    if (Qarn::FindTool(id) == nullptr || Qarn::FindTool(id)->GetID() != id) {
        Qarn::AddTool(new Tool(args...));
    }
}

}  // namespace

namespace Qarn {

void RegisterDrawingTools() {
    using namespace QarnCmd;
    // Connectors: three arrow-head styles of each kind.
    for (UINT first :
         {ToolConnectorDirect, ToolConnector, ToolConnectorCurved, ToolConnectorRounded}) {
        for (UINT i = 0; i < 3; ++i) {
            Add<CConnectorTool>(first + i, first + i);
        }
    }
    Add<CEditPolyTool>(CEditPolyTool::kEditPointID);
    for (UINT id : {ToolLine, ToolPolygon, ToolArrow, ToolScribble, ToolCurve, ToolClosedCurve,
                    ToolPolyline}) {
        Add<CPolyTool>(id, id);
    }
    Add<CPointTool>(CPointTool::kPointToolID, CPointTool::kPointToolID);
    Add<CPointTool>(CPointTool::kAnchorPointToolID, CPointTool::kAnchorPointToolID);
    Add<CRotateTool>(CRotateTool::kRotateToolID);
    Add<CZoomTool>(CZoomTool::kZoomInID);
    Add<CTextTool>(CTextTool::kTextToolID, CTextTool::kTextToolID);
    Add<CTextTool>(CTextTool::kRichTextToolID, CTextTool::kRichTextToolID);
    Add<CPanTool>(CPanTool::kPanToolID);
    Add<CPerspectiveTool>(CPerspectiveTool::kPerspectiveToolID);
    Add<CAutoShapeTool>(CAutoShapeTool::kAutoShapeToolID);
    Add<CShapeTool>(CShapeTool::kShapeToolID, CShapeTool::kShapeToolID);
    Add<CMagnifierTool>(CMagnifierTool::kMagnifierToolID);
}

}  // namespace Qarn
