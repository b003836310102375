#pragma once
// The system's default printer, as far as page sizes need it.

// The printable width and height of the default printer's current paper in whole
// millimetres; false when the system has no default printer.
bool GetDefaultPrinterPageMillimetres(int* widthMM, int* heightMM);
