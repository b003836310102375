#include "core/text_numbers.h"

#include <locale.h>
#include <climits>
#include <clocale>
#include <cstdlib>

#include "core/configuration.h"
#include "core/custom_config.h"
#include "platform/ansi_code_page.h"

namespace Qarn {

namespace {

// Numbers in files and exports always use the C locale's decimal point.
locale_t CLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

QString FormatDecimals(double value, int decimals) {
    if (decimals < 0) {
        decimals = 0;
    }
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
    }
    return text;
}

QString DP(float value) {
    return FormatDecimals(double(value), GetConfig()->GetSVGPrecision());
}

double Str2Double(const QString& text) {
    QByteArray bytes = AnsiCodePage::Encode(text);
    return strtod_l(bytes.constData(), nullptr, CLocale());
}

int Str2Int(const QString& text) {
    QByteArray bytes = AnsiCodePage::Encode(text);
    long long value = strtoll_l(bytes.constData(), nullptr, 10, CLocale());
    // Out-of-range text saturates instead of wrapping.
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return int(value);
}

bool isBlank(char c) {
    auto s = static_cast<signed char>(c);
    bool word = (s >= '0' && s <= ':') || (s >= 'A' && s <= 'Z') || (s >= 'a' && s <= 'z');
    return !word;
}

QString INDENT(int n) {
    return n < 1 ? QString() : QString(2 * n, QLatin1Char(' '));
}

QString INDENTFEED(int n) {
    return QLatin1Char('\n') + INDENT(n);
}

}  // namespace Qarn
