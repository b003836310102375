#pragma once
// How numbers are written into SVG: with the configured number of decimals when the value has
// a fraction at that precision, else as a whole number ("12.50" and "12" with two decimals).

#include <QString>

class Matrix;

class CSvgNumberFormat {
public:
    // Uses the "SVG Precision" setting.
    CSvgNumberFormat();
    explicit CSvgNumberFormat(int precision) : precision_(precision < 0 ? 0 : precision) {}

    int Precision() const { return precision_; }
    // The value with the precision when it has a fraction at that precision, else none.
    // Negative values follow the same rule as positive ones.
    QString Num(double value) const;
    static QString Int(int value) { return QString::number(value); }
    // matrix(m11, m12, m21, m22, dx, dy) with `digits` decimals each; with `wrap` inside
    // transform="...".
    static QString MatrixToString(const Matrix& m, int digits, bool wrap);

private:
    int precision_;
};
