#pragma once
// What the editing feedback keeps of a component between redraws: the picture under it and
// the picture of it. Dropped whenever the component moves or is invalidated.

#include <QImage>

struct CQarnEffectCache {
    QImage background;
    QImage foreground;
};
