#pragma once
// The programs' reaction to an instance whose symbol is found nowhere: the message box
// "Autoshape template file missing!". Opening a drawing may report many instances at once;
// they share one box, shown once the current work is done.

class CQarnAutoShape;

namespace Qarn {

// Install with Qarn::SetTemplateMissingReporter (shapes/template_missing_report.h).
void ShowTemplateMissingMessage(CQarnAutoShape* shape);
// How many boxes have been asked for since the program started.
int GetTemplateMissingMessageCount();

}  // namespace Qarn
