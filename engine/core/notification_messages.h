#pragma once
// The registered messages by which the library tells the programs about changes. Each
// identifier is given out once, when the library is loaded, from its registered string.

#include <cstdint>

#include "platform/win_types.h"

class CQarnComponent;

extern const UINT QARN_WM_PAGEINFO_UPDATED;
extern const UINT QARN_WM_LAYERINFO_UPDATED;
extern const UINT QARN_WM_CURRENTVIEW_UPDATED;
extern const UINT QARN_WM_ADD_LAYER;
extern const UINT QARN_WM_DEL_LAYER;
extern const UINT QARN_WM_MOVE_LAYER;
extern const UINT QARN_WM_SVGEXPORT_UPDATED;
extern const UINT QRN_PROPERTYCHANGE;
extern const UINT QRN_SELECTIONCHANGE;
extern const UINT QRN_ADDED;
extern const UINT QRN_REMOVED;
extern const UINT QRN_PAGESIZECHANGE;
extern const UINT QRN_PAGECHANGE;
extern const UINT QRN_PAGEADDED;
extern const UINT QRN_PAGEREMOVED;
extern const UINT QRN_UPDATE_FOCUS;
// What QRN_UPDATE_FOCUS points to: the connector whose end is aimed and the document point.
// The connector is held as a pointer, never squeezed into a 32-bit field.
struct CQarnFocusRecord {
    CQarnComponent* connector = nullptr;
    std::int32_t x = 0;
    std::int32_t y = 0;
};
extern const UINT QRN_RULERPOINT;
extern const UINT QRN_MOUSEMOVE;
extern const UINT QRN_ACTIVATEVIEW;
extern const UINT QRN_DEACTIVATEVIEW;
extern const UINT QRN_COMPONENT_REPAINTED;
extern const UINT QRN_SELECT_TOOL;
extern const UINT QRN_SELECT_SHAPE;
extern const UINT QARN_ZOOM_RATIOCHANGE;
extern const UINT WELL_SELCHANGED;
extern const UINT WELL_DROPDOWN;
extern const UINT WELL_CLOSEUP;
extern const UINT WELL_SELENDOK;
extern const UINT WELL_SELENDCANCEL;
extern const UINT CPW_SELCHANGED;
// Notification codes of the undo manager (not sent as messages).
extern const UINT UM_Do;
extern const UINT UM_Undo;
extern const UINT UM_Redo;
