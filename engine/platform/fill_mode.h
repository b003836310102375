#pragma once
// How a path's interior is decided where figures overlap or cross themselves.

enum FillMode {
    FillModeAlternate = 0,  // even-odd
    FillModeWinding = 1,    // non-zero winding
};
