#pragma once
// Text that goes into SVG markup: element content and attribute values are escaped so that
// any name or text gives well-formed XML; picture names are turned into id-safe words.

#include <QString>

namespace QarnSvg {

// "&", "<" and ">" as entities, in that order (element content).
QString HtmlFilter(const QString& text);
// As HtmlFilter, plus quotes, so the text can stand inside an attribute value.
QString AttributeFilter(const QString& text);
// "_", "\", "/" and " " become ".".
QString NameStrFilter(const QString& name);
// Characters XML 1.0 does not allow at all (most control characters) are dropped.
QString DropInvalidXmlCharacters(const QString& text);

}  // namespace QarnSvg
