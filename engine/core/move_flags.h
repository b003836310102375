#pragma once
// The flags of MoveTo, MoveHandleTo and the point moves. A flags value is built from the
// named flags or from the plain numbers callers have always passed (MoveTo(r, 5)), and the
// two mean the same.

#include "platform/win_types.h"

class MoveFlags {
public:
    constexpr MoveFlags() noexcept = default;
    // Implicit on purpose: a call written with the numbers keeps compiling and means the same.
    constexpr MoveFlags(DWORD bits) noexcept : m_bits(bits) {}

    // Redraw the component where it was and where it is.
    static const MoveFlags Invalidate;
    // Without Invalidate: ask the active view for the component's outline (drag feedback).
    static const MoveFlags Outline;
    // Groups: move the members with the frame.
    static const MoveFlags Members;
    // Sizing keeps the aspect ratio.
    static const MoveFlags KeepRatio;
    // A sizing drag is in progress: the rotate centre stays until the drag ends. Tools pass it;
    // the model never asks the interface whether a drag is going on.
    static const MoveFlags Sizing;

    constexpr DWORD GetBits() const noexcept { return m_bits; }
    // Whether every bit of `flags` is set.
    constexpr bool Has(MoveFlags flags) const noexcept {
        return flags.m_bits != 0 && (m_bits & flags.m_bits) == flags.m_bits;
    }
    constexpr MoveFlags Without(MoveFlags flags) const noexcept {
        return MoveFlags(m_bits & ~flags.m_bits);
    }
    constexpr explicit operator bool() const noexcept { return m_bits != 0; }

    constexpr MoveFlags& operator|=(MoveFlags other) noexcept {
        m_bits |= other.m_bits;
        return *this;
    }
    constexpr MoveFlags& operator&=(MoveFlags other) noexcept {
        m_bits &= other.m_bits;
        return *this;
    }
    friend constexpr bool operator==(MoveFlags, MoveFlags) noexcept = default;

private:
    DWORD m_bits = 0;
};

inline constexpr MoveFlags MoveFlags::Invalidate{0x1};
inline constexpr MoveFlags MoveFlags::Outline{0x2};
inline constexpr MoveFlags MoveFlags::Members{0x4};
inline constexpr MoveFlags MoveFlags::KeepRatio{0x100};
inline constexpr MoveFlags MoveFlags::Sizing{0x200};

constexpr MoveFlags operator|(MoveFlags a, MoveFlags b) noexcept {
    return MoveFlags(a.GetBits() | b.GetBits());
}
constexpr MoveFlags operator&(MoveFlags a, MoveFlags b) noexcept {
    return MoveFlags(a.GetBits() & b.GetBits());
}
constexpr MoveFlags operator^(MoveFlags a, MoveFlags b) noexcept {
    return MoveFlags(a.GetBits() ^ b.GetBits());
}
constexpr MoveFlags operator~(MoveFlags a) noexcept {
    return MoveFlags(~a.GetBits());
}

// The same flags under their first names.
inline constexpr MoveFlags kMoveInvalidate = MoveFlags::Invalidate;
inline constexpr MoveFlags kMoveOutline = MoveFlags::Outline;
inline constexpr MoveFlags kMoveMembers = MoveFlags::Members;
inline constexpr MoveFlags kMoveKeepRatio = MoveFlags::KeepRatio;
inline constexpr MoveFlags kMoveSizing = MoveFlags::Sizing;
