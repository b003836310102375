#pragma once
// Arrow-head kinds: the graphics layer's anchor line-cap numbers plus four of the system's own.

enum ArrowType {
    ArrowTypeNone = 16,
    ArrowTypeSquare = 17,
    ArrowTypeRound = 18,
    ArrowTypeDiamond = 19,
    ArrowTypeArrow = 20,
    ArrowTypeOpen = 241,
    ArrowTypeNotched = 242,
    ArrowTypeBarbFirst = 243,
    ArrowTypeBarbSecond = 244,
};
