#pragma once
// a * b / c in 64-bit arithmetic, rounded to the nearest integer (halves away from zero);
// -1 when c is 0, as the platform's MulDiv answers.

#include <cstdint>

constexpr int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    std::int64_t product = std::int64_t(a) * b;
    std::int64_t half = (c < 0 ? -std::int64_t(c) : std::int64_t(c)) / 2;
    bool negative = (product < 0) != (c < 0);
    std::int64_t magnitude = (product < 0 ? -product : product) + half;
    std::int64_t quotient = magnitude / (c < 0 ? -std::int64_t(c) : std::int64_t(c));
    return int(negative ? -quotient : quotient);
}
