#pragma once
// One 32-bit ARGB word: alpha in the top byte, then red, green, blue. The default colour is
// opaque black, as in the graphics layer.

#include "platform/win_types.h"

class QColor;

class Color {
public:
    enum : ARGB {
        Black = 0xFF000000u,
        White = 0xFFFFFFFFu,
        Transparent = 0x00FFFFFFu,
        Red = 0xFFFF0000u,
        Gray = 0xFF808080u,
    };

    constexpr Color() = default;
    constexpr Color(ARGB argb) : argb_(argb) {}  // NOLINT: the word converts implicitly
    constexpr Color(BYTE r, BYTE g, BYTE b) : argb_(MakeARGB(255, r, g, b)) {}
    constexpr Color(BYTE a, BYTE r, BYTE g, BYTE b) : argb_(MakeARGB(a, r, g, b)) {}

    static constexpr ARGB MakeARGB(BYTE a, BYTE r, BYTE g, BYTE b) {
        return (ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b);
    }

    constexpr BYTE GetA() const { return BYTE(argb_ >> 24); }
    constexpr BYTE GetR() const { return BYTE(argb_ >> 16); }
    constexpr BYTE GetG() const { return BYTE(argb_ >> 8); }
    constexpr BYTE GetB() const { return BYTE(argb_); }
    constexpr BYTE GetAlpha() const { return GetA(); }
    constexpr BYTE GetRed() const { return GetR(); }
    constexpr BYTE GetGreen() const { return GetG(); }
    constexpr BYTE GetBlue() const { return GetB(); }
    constexpr ARGB GetValue() const { return argb_; }
    void SetValue(ARGB argb) { argb_ = argb; }

    // A colour reference has no alpha: it becomes opaque here and loses alpha on the way back.
    void SetFromCOLORREF(COLORREF ref) {
        argb_ = MakeARGB(255, GetRValue(ref), GetGValue(ref), GetBValue(ref));
    }
    constexpr COLORREF ToCOLORREF() const { return RGB(GetR(), GetG(), GetB()); }
    static constexpr Color FromCOLORREF(COLORREF ref) {
        return Color(255, GetRValue(ref), GetGValue(ref), GetBValue(ref));
    }

    QColor ToQColor() const;
    static Color FromQColor(const QColor& c);

private:
    ARGB argb_ = Black;
};
