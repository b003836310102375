#include "support/image_difference.h"

#include <algorithm>
#include <cstdlib>

ImageDifference CompareImages(const QImage& a, const QImage& b, int threshold) {
    ImageDifference d;
    if (a.size() != b.size() || a.isNull()) {
        return d;
    }
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 far = 0;
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int dr = std::abs(qRed(p[col]) - qRed(q[col]));
            const int dg = std::abs(qGreen(p[col]) - qGreen(q[col]));
            const int db = std::abs(qBlue(p[col]) - qBlue(q[col]));
            total += dr + dg + db;
            far += std::max({dr, dg, db}) > threshold ? 1 : 0;
        }
    }
    const double pixels = double(x.width()) * x.height();
    d.share = far / pixels;
    d.mean = total / (pixels * 3);
    return d;
}
