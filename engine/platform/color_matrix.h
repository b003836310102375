#pragma once
// A 5x5 colour matrix of the graphics layer: a pixel's (r, g, b, a, 1) as a row vector, each
// channel from 0 to 1, times the matrix gives the new pixel.

struct ColorMatrix {
    float m[5][5];

    static ColorMatrix Identity() {
        ColorMatrix matrix{};
        for (int i = 0; i < 5; ++i) {
            matrix.m[i][i] = 1.0f;
        }
        return matrix;
    }
};
