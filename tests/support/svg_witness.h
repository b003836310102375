#pragma once
// Outside witnesses of an SVG file: xmllint finds it well-formed and rsvg-convert renders it.
// When a tool is not installed its check is left out (the CI image has both).

#include <QString>

// Records a test failure naming the file when a witness refuses it.
void ExpectSvgWitnessesAccept(const QString& path);
