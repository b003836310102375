#pragma once
// The colours the user took lately in any colour well or picker, the latest first, for the
// "Recent colours" row. One list for the whole program.

#include <QList>

#include "platform/color.h"

class CQarnRecentColors {
public:
    static constexpr int kMaxCount = 8;

    // Puts the colour first (moving it up when it is there already).
    static void Add(const Color& color);
    static QList<Color> Get();
    static void Clear();
};
