#pragma once
// The style word of a component: one bit per switch. Bits 21 and 27 to 31 mean nothing and
// are kept as they are by every setter.

#include "platform/win_types.h"

enum : DWORD {
    QARN_STYLE_DRAWLINE = 0x1,
    QARN_STYLE_FILL = 0x2,
    QARN_STYLE_DRAWTEXT = 0x4,
    QARN_STYLE_LOCK = 0x8,
    QARN_STYLE_HORIFLIP = 0x10,
    QARN_STYLE_VERTFLIP = 0x20,
    QARN_STYLE_LWFIX_Z = 0x40,
    QARN_STYLE_LWFIX_S = 0x80,
    QARN_STYLE_FIXW = 0x100,
    QARN_STYLE_FIXH = 0x200,
    QARN_STYLE_NOROTATE = 0x400,
    QARN_STYLE_NOMOVE = 0x800,
    QARN_STYLE_NOFLIP = 0x1000,
    QARN_STYLE_LAYOUT = 0x2000,
    QARN_STYLE_CLOSED = 0x4000,
    QARN_STYLE_LOCKRATIO = 0x8000,
    QARN_STYLE_NOEDIT = 0x10000,
    QARN_STYLE_ANCHORANYWHERE = 0x20000,
    QARN_STYLE_FILLWINDING = 0x40000,
    QARN_STYLE_ANCHORONPATH = 0x80000,
    QARN_STYLE_SHOWSHADE = 0x100000,
    QARN_STYLE_FILLWITHPEN = 0x1000000,
    QARN_STYLE_NOTUSEPARENT = 0x2000000,
};

// Bits that never had a constant name of their own.
constexpr DWORD kStyleTipUseName = 0x400000;
constexpr DWORD kStyleInvisible = 0x800000;
constexpr DWORD kStyleHideLabel = 0x4000000;

// The style of a component made by the default constructor and of one made from a rectangle.
constexpr DWORD kDefaultComponentStyle = 0x500007;
constexpr DWORD kDefaultRectComponentStyle = 0x504007;
