#pragma once
// How numbers are written into SVG: with the configured number of decimals when the value has
// a fraction at that precision, else as a whole number ("12.50" and "12" with two decimals).

#include <QString>

class Matrix;

class CSvgNumberFormat {
public:
    // Uses the "SVG Precision" setting.
    CSvgNumberFormat();
    explicit CSvgNumberFormat(int precision);

    int Precision() const { return precision_; }
    // The value with the precision when it has a fraction at that precision, else none.
    // Negative values follow the same rule as positive ones.
    QString Num(double value) const;
    // The same text appended to `out`, without a string of its own.
    void AppendNum(QString& out, double value) const;
    static QString Int(int value) { return QString::number(value); }
    // matrix(m11, m12, m21, m22, dx, dy) with `digits` decimals each; with `wrap` inside
    // transform="...".
    static QString MatrixToString(const Matrix& m, int digits, bool wrap);

private:
    // Room for any double in fixed notation with up to the precision's decimals.
    // Decimals beyond a double's digits say nothing; they are capped so any value fits.
    static constexpr int kMaxPrecision = 20;
    static constexpr int kBufferSize = 309 + 2 + kMaxPrecision + 8;
    // Values whose last decimal fits a 64-bit integer are written from that integer.
    static constexpr int kMaxFastPrecision = 9;
    static constexpr double kMaxFastScaled = 1e17;
    static constexpr unsigned long long kPowersOfTen[kMaxFastPrecision] = {
        1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
    int Format(double value, char* buffer, int size) const;

    int precision_;
    double scale_;
};
