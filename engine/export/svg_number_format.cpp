#include "export/svg_number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/configuration.h"
#include "core/custom_config.h"
#include "platform/matrix.h"

CSvgNumberFormat::CSvgNumberFormat() : CSvgNumberFormat(Qarn::GetConfig()->GetSVGPrecision()) {}

CSvgNumberFormat::CSvgNumberFormat(int precision)
    : precision_(std::clamp(precision, 0, kMaxPrecision)), scale_(std::pow(10.0, precision_)) {}

int CSvgNumberFormat::Format(double value, char* buffer, int size) const {
    if (!std::isfinite(value)) {
        value = 0;
    }
    const double magnitude = std::fabs(value);
    const double scaled = std::trunc(magnitude * scale_ + 0.5);
    if (precision_ > 0 && precision_ <= kMaxFastPrecision && scaled < kMaxFastScaled) {
        // Whole numbers of the last decimal: the fraction test and the digits come from the
        // same rounded integer.
        const auto units = static_cast<unsigned long long>(scaled);
        const auto whole = static_cast<unsigned long long>(scale_);
        const unsigned long long fraction = units % whole;
        char* out = buffer;
        if (value < 0 && units != 0) {
            *out++ = '-';
        }
        out = std::to_chars(out, buffer + size, units / whole).ptr;
        if (fraction > 0) {
            *out++ = '.';
            for (int digit = precision_ - 1; digit >= 0; --digit) {
                out[digit] = char('0' + fraction / kPowersOfTen[precision_ - 1 - digit] % 10);
            }
            out += precision_;
        }
        return int(out - buffer);
    }
    const double whole = std::trunc(scale_);
    const bool hasFraction = whole > 0 && std::fmod(scaled, whole) > 0;
    // Exact decimal rounding, as printf's "%.*f" gives it.
    const std::to_chars_result result = std::to_chars(
        buffer, buffer + size, value, std::chars_format::fixed, hasFraction ? precision_ : 0);
    if (result.ec != std::errc()) {
        buffer[0] = '0';
        return 1;
    }
    return int(result.ptr - buffer);
}

QString CSvgNumberFormat::Num(double value) const {
    char buffer[kBufferSize];
    return QString::fromLatin1(buffer, Format(value, buffer, kBufferSize));
}

void CSvgNumberFormat::AppendNum(QString& out, double value) const {
    char buffer[kBufferSize];
    out.append(QLatin1String(buffer, Format(value, buffer, kBufferSize)));
}

QString CSvgNumberFormat::MatrixToString(const Matrix& m, int digits, bool wrap) {
    float e[6];
    m.GetElements(e);
    QString text;
    text.reserve(16 + 6 * (digits + 6));
    if (wrap) {
        text += QLatin1String("transform=\"");
    }
    text += QLatin1String("matrix(");
    const int decimals = std::clamp(digits, 0, kMaxPrecision);
    for (int i = 0; i < 6; ++i) {
        if (i > 0) {
            text += QLatin1String(", ");
        }
        char buffer[kBufferSize];
        const std::to_chars_result result =
            std::to_chars(buffer, buffer + kBufferSize, std::isfinite(e[i]) ? double(e[i]) : 0.0,
                          std::chars_format::fixed, decimals);
        text += QLatin1String(buffer, result.ec == std::errc() ? result.ptr : buffer);
    }
    text += QLatin1Char(')');
    if (wrap) {
        text += QLatin1Char('"');
    }
    return text;
}
