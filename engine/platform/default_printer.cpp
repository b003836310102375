#include "platform/default_printer.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

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
