#pragma once
// The size a new document gives its pages. The model does not ask the printer system itself:
// the program hands in a provider at start-up (the default printer's printable area), and
// without one a page is 500 by 500 document units.

#include "platform/cpoint.h"

namespace Qarn {

using PageSizeProvider = CSize (*)();

// Installs the provider; null restores the fixed 500 by 500.
void SetDefaultPageSizeProvider(PageSizeProvider provider);
// The provider's answer, or 500 by 500 without a provider (or when it answers an empty size).
CSize GetDefaultPageSize();

}  // namespace Qarn
