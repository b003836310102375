#pragma once
// Documents name the fonts of the platform they were made on (Arial, Times New Roman, Courier
// New). Each is drawn with an installed font of the same metrics, so that lines break where
// they always broke; an unknown face falls back to a family that is surely there.

#include <QFont>
#include <QString>

#include "platform/win_types.h"

class CFontMapper {
public:
    // The installed family used for the face name.
    static QString MapFamily(const QString& face);
    // A font of that face, size in points and style bits (1 bold, 2 italic, 4 underline,
    // 8 strikeout).
    static QFont CreateFont(const QString& face, float points, BYTE style);
    // Whether the face (after mapping) is really installed rather than a fallback.
    static bool IsInstalled(const QString& face);
};
