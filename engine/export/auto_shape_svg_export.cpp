// An instance of a symbol as SVG: the component's form, its elements being those of the
// template, with the shadow in a group of its own.
#include "export/component_svg.h"
#include "shapes/auto_shape.h"

void CQarnAutoShape::ExportToSVG(QString* out, QString* folder) {
    CSvgComponentForm form;
    form.shadowGroup = true;
    // The instance's shape id says nothing of the template's outline.
    form.basicShapes = false;
    QarnSvg::ExportComponent(*this, out, folder, form);
}
