#include "export/image_opacity.h"

#include <QImage>

bool Qarn::IsOpaque(const QImage& image) {
    if (!image.hasAlphaChannel()) {
        return true;
    }
    const bool thirtyTwoBit = image.format() == QImage::Format_ARGB32 ||
                              image.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage pixels = thirtyTwoBit ? image : image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(row[x]) != 255) {
                return false;
            }
        }
    }
    return true;
}
