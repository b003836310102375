#pragma once
// How a new area combines with an existing clip or region.

enum CombineMode {
    CombineModeReplace = 0,
    CombineModeIntersect = 1,
    CombineModeUnion = 2,
    CombineModeXor = 3,
    CombineModeExclude = 4,     // the existing area less the new one
    CombineModeComplement = 5,  // the new area less the existing one
};
