#pragma once
// The kinds by which a component finds its properties (and by which defaults are kept).

#include "platform/win_types.h"

enum : UINT {
    QARN_PROP_BASICBRUSH = 6000,  // plain colour inside other properties; the page background
    QARN_PROP_BRUSH = 6001,       // fill
    QARN_PROP_PEN = 6002,         // stroke
    QARN_PROP_ARROW = 6003,       // arrow heads of an open line
    QARN_PROP_TEXT = 6004,        // text and font
    QARN_PROP_TEXTTOOL = 6005,    // looked up by the text tools; no class is made under it
    QARN_PROP_LABEL = 6006,
    QARN_PROP_PERSP = 6007,
    QARN_PROP_SHADOW = 6008,
    QARN_PROP_TIP = 6009,
};
