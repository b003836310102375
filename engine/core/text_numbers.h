#pragma once
// Numbers as text: the coordinate format of exported text, the lenient number readers, and
// the indentation of written SVG.

#include <QString>

namespace Qarn {

// The value with the configured number of decimals ("SVG Precision"), trailing zeros and a
// trailing point removed: 12.500 becomes 12.5, 3.000 becomes 3.
QString DP(float value);
// The same rule with an explicit number of decimals.
QString FormatDecimals(double value, int decimals);

// The leading number of the text, 0 when there is none (C-library rules, always with '.' as
// the decimal point whatever the user's locale).
double Str2Double(const QString& text);
int Str2Int(const QString& text);

// False for digits, ':' and ASCII letters; true for everything else, bytes 0x80 and above
// included.
bool isBlank(char c);

// n repetitions of two spaces; INDENTFEED puts a line feed in front.
QString INDENT(int n);
QString INDENTFEED(int n);

}  // namespace Qarn
