#include "platform/image_attributes.h"

#include <QImage>
#include <algorithm>
#include <cmath>

Status ImageAttributes::SetColorMatrix(const ColorMatrix* matrix) {
    if (matrix == nullptr) {
        return InvalidParameter;
    }
    for (const auto& row : matrix->m) {
        for (float value : row) {
            if (!std::isfinite(value)) {
                return InvalidParameter;
            }
        }
    }
    matrix_ = *matrix;
    return Ok;
}

Status ImageAttributes::ClearColorMatrix() {
    matrix_.reset();
    return Ok;
}

QImage ImageAttributes::Apply(const QImage& image) const {
    if (!matrix_ || image.isNull()) {
        return image;
    }
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const auto& m = matrix_->m;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = line[x];
            const float in[5] = {qRed(pixel) / 255.0f, qGreen(pixel) / 255.0f,
                                 qBlue(pixel) / 255.0f, qAlpha(pixel) / 255.0f, 1.0f};
            int out[4];
            for (int column = 0; column < 4; ++column) {
                float sum = 0.0f;
                for (int row = 0; row < 5; ++row) {
                    sum += in[row] * m[row][column];
                }
                out[column] = int(std::lround(std::clamp(sum, 0.0f, 1.0f) * 255.0f));
            }
            line[x] = qRgba(out[0], out[1], out[2], out[3]);
        }
    }
    return result;
}
