#include "view/default_printer.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "platform/mul_div.h"

bool GetDefaultPrinterPageMillimetres(int* widthMM, int* heightMM) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    // The printable area, as the printer reports its drawable size.
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    if (area.isEmpty()) {
        return false;
    }
    if (widthMM != nullptr) {
        *widthMM = int(std::trunc(area.width()));
    }
    if (heightMM != nullptr) {
        *heightMM = int(std::trunc(area.height()));
    }
    return true;
}

namespace Qarn {

CSize GetPrinterPageSize() {
    int widthMM = 0;
    int heightMM = 0;
    if (!GetDefaultPrinterPageMillimetres(&widthMM, &heightMM)) {
        return CSize();
    }
    return CSize(MulDiv(widthMM, 1000, 254), MulDiv(heightMM, 1000, 254));
}

}  // namespace Qarn
