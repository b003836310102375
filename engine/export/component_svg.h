#pragma once
// A component's SVG text: a group holding its shadow, its outline elements with their paint
// and arrow heads, and its text, followed by the definitions they used. Components write it
// through their ExportToSVG; kinds that differ in form say how here.

#include <QString>

class CQarnComponent;

// How a kind's SVG differs from the plain component's.
struct CSvgComponentForm {
    // The shadow in a group of its own, "<name>-shdw" (symbols' instances).
    bool shadowGroup = false;
    // A single element may be written as the basic shape its shape id names (a rectangle, an
    // ellipse, a polygon); off for kinds whose outline the shape id does not describe.
    bool basicShapes = true;
};

namespace QarnSvg {

// Appends the component's SVG text to *out, in the export running now (or in one of its own,
// keeping the text as the component's SVG text); `folder` is where pictures are saved.
void ExportComponent(CQarnComponent& component, QString* out, QString* folder,
                     const CSvgComponentForm& form);

}  // namespace QarnSvg
