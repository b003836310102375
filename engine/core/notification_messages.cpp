#include "core/notification_messages.h"

#include "platform/window_messages.h"

namespace {

UINT Register(const char* name) {
    return RegisterWindowMessage(QString::fromLatin1(name));
}

}  // namespace

const UINT QARN_WM_PAGEINFO_UPDATED = Register("QARN_WM_PAGEINFO_UPDATED");
const UINT QARN_WM_LAYERINFO_UPDATED = Register("QARN_WM_LAYERINFO_UPDATED");
const UINT QARN_WM_CURRENTVIEW_UPDATED = Register("QARN_WM_CURRENTVIEW_UPDATED");
const UINT QARN_WM_ADD_LAYER = Register("QARN_WM_ADD_LAYER");
const UINT QARN_WM_DEL_LAYER = Register("QARN_WM_DEL_LAYER");
const UINT QARN_WM_MOVE_LAYER = Register("QARN_WM_MOVE_LAYER");
const UINT QARN_WM_SVGEXPORT_UPDATED = Register("QARN_WM_SVGEXPORT_UPDATED");
const UINT QRN_PROPERTYCHANGE = Register("QARN_COMP_PROPERTY_CHANGE");
const UINT QRN_SELECTIONCHANGE = Register("QARN_SELECTION_CHANGE");
const UINT QRN_ADDED = Register("QARN_OBJECT_ADDED");
const UINT QRN_REMOVED = Register("QARN_OBJECT_REMOVED");
const UINT QRN_PAGESIZECHANGE = Register("QARN_PAGESIZE_CHANGE");
const UINT QRN_PAGECHANGE = Register("QARN_PAGE_CHANGE");
const UINT QRN_PAGEADDED = Register("QARN_PAGE_ADDED");
const UINT QRN_PAGEREMOVED = Register("QARN_PAGE_REMOVED");
// The registered strings are the system's own, misspellings included ("FOCUSEOBJECT",
// "SELCANCLE"): other programs register the same names.
const UINT QRN_UPDATE_FOCUS = Register("QARN_FOCUSEOBJECT_CHANGE");
const UINT QRN_RULERPOINT = Register("QARN_RULERDLG_POINT_CHANGE");
const UINT QRN_MOUSEMOVE = Register("QARN_MOUSEMOVE");
// Registered so that its identifier is taken, as it always was; nothing sends it.
[[maybe_unused]] static const UINT kInvalidate = Register("QARN_INVALIDATE");
const UINT QRN_ACTIVATEVIEW = Register("QARN_ACTIVATE_VIEW");
const UINT QRN_DEACTIVATEVIEW = Register("QARN_DEACTIVATE_VIEW");
const UINT QRN_COMPONENT_REPAINTED = Register("QARN_COMPONENT_REPAINTED");
const UINT QRN_SELECT_TOOL = Register("QARN_SELECT_QARNTOOL");
const UINT QRN_SELECT_SHAPE = Register("QARN_SELECT_SHAPES");
const UINT QARN_ZOOM_RATIOCHANGE = Register("QARN_ZOOM_RATIOCHANGE");
const UINT WELL_SELCHANGED = Register("QARN_WELL_SELCHANGE");
const UINT WELL_DROPDOWN = Register("QARN_WELL_DROPDOWN");
const UINT WELL_CLOSEUP = Register("QARN_WELL_CLOSEUP");
const UINT WELL_SELENDOK = Register("QARN_WELL_SELOK");
const UINT WELL_SELENDCANCEL = Register("QARN_WELL_SELCANCLE");
const UINT CPW_SELCHANGED = Register("QARN_COLORWELL_SELCHANGE");
const UINT UM_Do = Register("UndoManager:Do");
const UINT UM_Undo = Register("UndoManager:Undo");
const UINT UM_Redo = Register("UndoManager:Redo");
