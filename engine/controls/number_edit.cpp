#include "controls/number_edit.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

// Whole numbers are accepted within this distance of an integer (a typed "3.0000001").
constexpr double kWholeTolerance = 1e-9;

// At most `decimals` decimals: the value equals itself rounded to that many places.
bool HasAtMostDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    return std::fabs(scaled - std::round(scaled)) <= kWholeTolerance * std::max(1.0, scaled);
}

}  // namespace

CQarnNumberEdit::CQarnNumberEdit(const QString& name, double min, double max, int decimals,
                                 QWidget* parent)
    : QLineEdit(parent), m_strName(name), m_fMin(min), m_fMax(max), m_nDecimals(decimals) {
    setAccessibleName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void CQarnNumberEdit::SetRange(double min, double max) {
    m_fMin = min;
    m_fMax = max;
}

QString CQarnNumberEdit::FormatNumber(double value) const {
    QLocale shown = locale();
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = shown.toString(value, 'f', m_nDecimals);
    const QString point = shown.decimalPoint();
    if (m_nDecimals > 0 && text.contains(point)) {
        while (text.endsWith(shown.zeroDigit())) {
            text.chop(1);
        }
        if (text.endsWith(point)) {
            text.chop(point.size());
        }
    }
    // "-0" reads oddly; a value that rounds to nothing is 0.
    if (text == shown.negativeSign() + shown.zeroDigit()) {
        text = shown.zeroDigit();
    }
    return text;
}

void CQarnNumberEdit::SetValue(double value) {
    setText(FormatNumber(value));
    setModified(false);
}

void CQarnNumberEdit::SetNoValue() {
    clear();
    setModified(false);
}

std::optional<double> CQarnNumberEdit::ReadNumber() const {
    const QString typed = text().trimmed();
    if (typed.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    double value = locale().toDouble(typed, &ok);
    if (!ok) {
        // A decimal point is understood in every locale (numbers pasted from elsewhere).
        value = QLocale::c().toDouble(typed, &ok);
    }
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> CQarnNumberEdit::GetValue() const {
    const std::optional<double> value = ReadNumber();
    if (!value || *value < m_fMin || *value > m_fMax || !HasAtMostDecimals(*value, m_nDecimals)) {
        return std::nullopt;
    }
    if (m_nDecimals == 0) {
        return std::round(*value);
    }
    return value;
}

QString CQarnNumberEdit::CheckValue() const {
    if (GetValue()) {
        return QString();
    }
    const QString from = FormatNumber(m_fMin);
    const QString to = FormatNumber(m_fMax);
    if (m_nDecimals == 0) {
        return tr("%1 must be a whole number from %2 to %3.").arg(m_strName, from, to);
    }
    const std::optional<double> value = ReadNumber();
    if (value && *value >= m_fMin && *value <= m_fMax) {
        return m_nDecimals == 1
                   ? tr("%1 takes at most one decimal.").arg(m_strName)
                   : tr("%1 takes at most %2 decimals.").arg(m_strName).arg(m_nDecimals);
    }
    return tr("%1 must be a number from %2 to %3.").arg(m_strName, from, to);
}
