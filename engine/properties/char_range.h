#pragma once
// A run of characters of a text: the index of its first character and how many follow.

struct CQarnCharRange {
    int first = 0;
    int length = 0;
};
