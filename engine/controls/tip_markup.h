#pragma once
// The mark-up a component's tip text may carry, and the tooltip's contents. Tip texts may
// use <b>, <i>, <u> (bold, italic, underlined), <br> (a line break) and
// <font color="#RRGGBB">...</font> (or a colour name); line feeds break lines too. Anything
// else is shown as the characters it is, so a tip can never inject other mark-up.

#include <QString>

class CCustomConfig;
class CQarnComponent;

namespace Qarn {

// The tip text as rich text (HTML) for display.
QString TipMarkupToHtml(const QString& markup);
// The tip text without its mark-up (for assistive technology and plain displays).
QString TipMarkupToPlainText(const QString& markup);
// What the tooltip over the component shows, as rich text: its name in bold (when the
// configuration shows names and the component's tip uses its name), its tip text, and its
// position (when the configuration shows positions). Empty when the component carries no tip
// property or tips in views are off.
QString ComposeComponentTip(CQarnComponent& component, const CCustomConfig& config);

}  // namespace Qarn
