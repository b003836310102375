#pragma once
// How two segments of a stroke meet.

enum LineJoin {
    LineJoinMiter = 0,  // sharp, clipped at the miter limit
    LineJoinBevel = 1,
    LineJoinRound = 2,
    LineJoinMiterClipped = 3,  // sharp, bevelled beyond the miter limit
};
