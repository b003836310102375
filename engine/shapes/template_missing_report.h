#pragma once
// What happens when an instance placed in a document finds its symbol nowhere: neither
// installed nor among the document's copies. Telling the user is the interface's business;
// the programs install the reaction (a message box) and the model only reports. Without one
// nothing is shown; the instance remembers it (CQarnAutoShape::IsTemplateMissing).

class CQarnAutoShape;

namespace Qarn {

// The text the programs show.
inline constexpr const char* kTemplateMissingMessage = "Autoshape template file missing!";

using TemplateMissingReporter = void (*)(CQarnAutoShape* shape);

// Installs the reaction (null for none) and returns the one before.
TemplateMissingReporter SetTemplateMissingReporter(TemplateMissingReporter reporter);
// Called once per Initialize that finds no template.
void ReportTemplateMissing(CQarnAutoShape* shape);

}  // namespace Qarn
