#pragma once
// The system's default printer, as far as page sizes need it.

#include "platform/cpoint.h"

// The printable width and height of the default printer's current paper in whole
// millimetres; false when the system has no default printer.
bool GetDefaultPrinterPageMillimetres(int* widthMM, int* heightMM);

namespace Qarn {

// The default printer's printable area in document units (1/100 inch); an empty size without
// a printer. The programs install it as the document's page-size provider.
CSize GetPrinterPageSize();

}  // namespace Qarn
