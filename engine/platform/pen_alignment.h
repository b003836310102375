#pragma once
// Where a stroke lies relative to the outline: centred on it, or inside a closed figure.

enum PenAlignment {
    PenAlignmentCenter = 0,
    PenAlignmentInset = 1,
};
