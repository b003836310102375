#pragma once
// Which element outlines CreatePath appends: all of them, those joined into the filled
// outline, or those kept apart from it (the eyes of a face, the flap of a folded corner).
// Built from the named modes or from the plain numbers 0, 1 and 2; any other number takes no
// element.

class PathMode {
public:
    // Implicit on purpose: a call written with the numbers keeps compiling and means the same.
    constexpr PathMode(int number) noexcept : m_number(number) {}

    static const PathMode All;
    static const PathMode Joined;
    static const PathMode Apart;

    constexpr int GetNumber() const noexcept { return m_number; }
    // Whether an element goes into the path, by whether it is kept apart.
    constexpr bool Takes(bool keptApart) const noexcept {
        return m_number == 0 || (m_number == 1 && !keptApart) || (m_number == 2 && keptApart);
    }
    friend constexpr bool operator==(PathMode, PathMode) noexcept = default;

private:
    int m_number;
};

inline constexpr PathMode PathMode::All{0};
inline constexpr PathMode PathMode::Joined{1};
inline constexpr PathMode PathMode::Apart{2};
