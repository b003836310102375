#include "export/svg_number_format.h"

#include <cmath>

#include "core/configuration.h"
#include "core/custom_config.h"
#include "platform/matrix.h"

CSvgNumberFormat::CSvgNumberFormat() : CSvgNumberFormat(Qarn::GetConfig()->GetSVGPrecision()) {}

QString CSvgNumberFormat::Num(double value) const {
    const double scale = std::pow(10.0, precision_);
    const double scaled = std::trunc(std::fabs(value) * scale + 0.5);
    const double whole = std::trunc(scale);
    const bool hasFraction = whole > 0 && std::fmod(scaled, whole) > 0;
    return QString::number(value, 'f', hasFraction ? precision_ : 0);
}

QString CSvgNumberFormat::MatrixToString(const Matrix& m, int digits, bool wrap) {
    float e[6];
    m.GetElements(e);
    QString text = QStringLiteral("matrix(%1, %2, %3, %4, %5, %6)")
                       .arg(double(e[0]), 0, 'f', digits)
                       .arg(double(e[1]), 0, 'f', digits)
                       .arg(double(e[2]), 0, 'f', digits)
                       .arg(double(e[3]), 0, 'f', digits)
                       .arg(double(e[4]), 0, 'f', digits)
                       .arg(double(e[5]), 0, 'f', digits);
    return wrap ? QStringLiteral("transform=\"%1\"").arg(text) : text;
}
