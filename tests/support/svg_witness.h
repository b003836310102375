#pragma once
// Outside witnesses of an SVG file: xmllint finds it well-formed and rsvg-convert renders it.
// When a tool is not installed its check is left out (the CI image has both).

#include <QImage>
#include <QString>

// Records a test failure naming the file when a witness refuses it.
void ExpectSvgWitnessesAccept(const QString& path);

// Where rsvg-convert is installed; empty when it is not (the comparing tests then skip).
QString RsvgConvertPath();
// rsvg-convert's rendering of the SVG on white, written beside it; a null image (and a test
// failure naming the file) when it cannot render it.
QImage RenderWithRsvg(const QString& svgPath);
