// The conversions between the kinds of a variant, with the platform's rules: numbers convert
// to integers rounding half to even and fail with an overflow outside the target's range; a
// boolean is -1 or 0 as a number, and any non-zero number is true; text is read and written in
// the C locale; empty converts to zero, false or the empty text, null to nothing but null.
#include <QDate>
#include <QRegularExpression>
#include <cfloat>
#include <cmath>

#include "platform/variant.h"

namespace {

constexpr int kSecondsPerDay = 86400;

QDate DateBase() {
    return QDate(1899, 12, 30);
}

// A decimal number with an optional fraction and exponent, blanks around it allowed.
bool ParseNumber(const QString& text, double* value) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!pattern.match(text).hasMatch()) {
        return false;
    }
    // A number beyond the double range comes back infinite (too large) or zero (too small),
    // which the conversions then report or keep.
    bool representable = false;
    *value = text.trimmed().toDouble(&representable);
    return true;
}

// "yyyy-MM-dd", "yyyy-MM-dd hh:mm[:ss]" (or with a T) or "hh:mm[:ss]".
bool ParseDate(const QString& text, DATE* value) {
    static const QRegularExpression full(QStringLiteral(
        "^\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[ T](\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?\\s*$"));
    static const QRegularExpression timeOnly(
        QStringLiteral("^\\s*(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*$"));
    QDate date = DateBase();
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (auto m = full.match(text); m.hasMatch()) {
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        hour = m.captured(4).toInt();
        minute = m.captured(5).toInt();
        second = m.captured(6).toInt();
    } else if (auto t = timeOnly.match(text); t.hasMatch()) {
        hour = t.captured(1).toInt();
        minute = t.captured(2).toInt();
        second = t.captured(3).toInt();
    } else {
        return false;
    }
    if (!date.isValid() || hour > 23 || minute > 59 || second > 59) {
        return false;
    }
    const double days = double(DateBase().daysTo(date));
    const double fraction = double(hour * 3600 + minute * 60 + second) / kSecondsPerDay;
    // Before the base day the fraction still counts forward within that day.
    *value = days >= 0 ? days + fraction : days - fraction;
    return true;
}

bool InDateRange(double value) {
    return value > CVariant::kMinDate - 1.0 && value < CVariant::kMaxDate + 1.0;
}

QString FormatDate(DATE value) {
    double days = std::trunc(value);
    auto seconds = std::llround(std::fabs(value - days) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        seconds = 0;
        days += value >= 0 ? 1 : -1;
    }
    const QDate date = DateBase().addDays(qint64(days));
    const QString time = QStringLiteral("%1:%2:%3")
                             .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                             .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                             .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    QString day = date.toString(QStringLiteral("yyyy-MM-dd"));
    if (seconds == 0) {
        return day;
    }
    return days == 0 ? time : day + QLatin1Char(' ') + time;
}

}  // namespace

HRESULT CVariant::ChangeType(VARTYPE target) {
    return ChangeType(target, this);
}

HRESULT CVariant::ChangeType(VARTYPE target, CVariant* result) const {
    if (!CanHold(target) || !CanHold(vt_)) {
        return DISP_E_BADVARTYPE;
    }
    if (target == vt_) {
        *result = *this;
        return S_OK;
    }
    switch (target) {
        case VT_EMPTY:
            if (vt_ == VT_NULL) {
                return DISP_E_TYPEMISMATCH;
            }
            *result = CVariant();
            return S_OK;
        case VT_NULL:
            *result = Null();
            return S_OK;
        default:
            break;
    }
    if (vt_ == VT_NULL) {
        return DISP_E_TYPEMISMATCH;
    }
    switch (target) {
        case VT_I2:
        case VT_I4:
        case VT_UI1:
            return ToInteger(target, result);
        case VT_R4:
        case VT_R8:
        case VT_DATE:
            return ToReal(target, result);
        case VT_BOOL:
            return ToBool(result);
        default:
            return ToText(result);
    }
}

HRESULT CVariant::ToInteger(VARTYPE target, CVariant* result) const {
    double value = 0.0;
    if (vt_ == VT_BSTR) {
        if (!ParseNumber(text_, &value)) {
            return DISP_E_TYPEMISMATCH;
        }
    } else if (vt_ == VT_BOOL && target == VT_UI1) {
        // True is all bits set, which as a byte is 255.
        *result = CVariant(BYTE(integer_ & 0xFF));
        return S_OK;
    } else {
        value = AsDouble();
    }
    double low = -2147483648.0;
    double high = 2147483647.0;
    if (target == VT_I2) {
        low = -32768.0;
        high = 32767.0;
    } else if (target == VT_UI1) {
        low = 0.0;
        high = 255.0;
    }
    // Halves round to the even neighbour, so the range reaches half a unit past each end on
    // the side where that rounding stays inside.
    if (std::isnan(value) || value < low - 0.5 || value >= high + 0.5) {
        return DISP_E_OVERFLOW;
    }
    const double rounded = std::nearbyint(value);
    if (rounded < low || rounded > high) {
        return DISP_E_OVERFLOW;
    }
    if (target == VT_I2) {
        *result = CVariant(std::int16_t(rounded));
    } else if (target == VT_I4) {
        *result = CVariant(std::int32_t(rounded));
    } else {
        *result = CVariant(BYTE(rounded));
    }
    return S_OK;
}

HRESULT CVariant::ToReal(VARTYPE target, CVariant* result) const {
    double value = 0.0;
    if (vt_ == VT_BSTR) {
        const bool parsed = target == VT_DATE ? ParseDate(text_, &value) : false;
        if (!parsed && !ParseNumber(text_, &value)) {
            return DISP_E_TYPEMISMATCH;
        }
        if (!std::isfinite(value)) {
            return DISP_E_OVERFLOW;
        }
    } else {
        value = AsDouble();
    }
    if (target == VT_R4) {
        if (std::fabs(value) > double(FLT_MAX)) {
            return DISP_E_OVERFLOW;
        }
        *result = CVariant(float(value));
    } else if (target == VT_R8) {
        *result = CVariant(value);
    } else {
        if (!InDateRange(value)) {
            return DISP_E_OVERFLOW;
        }
        *result = Date(value);
    }
    return S_OK;
}

HRESULT CVariant::ToBool(CVariant* result) const {
    if (vt_ != VT_BSTR) {
        *result = CVariant(AsDouble() != 0.0);
        return S_OK;
    }
    const QString word = text_.trimmed();
    for (const char* yes : {"true", "#true#"}) {
        if (word.compare(QLatin1String(yes), Qt::CaseInsensitive) == 0) {
            *result = CVariant(true);
            return S_OK;
        }
    }
    for (const char* no : {"false", "#false#"}) {
        if (word.compare(QLatin1String(no), Qt::CaseInsensitive) == 0) {
            *result = CVariant(false);
            return S_OK;
        }
    }
    double value = 0.0;
    if (!ParseNumber(text_, &value)) {
        return DISP_E_TYPEMISMATCH;
    }
    *result = CVariant(value != 0.0);
    return S_OK;
}

HRESULT CVariant::ToText(CVariant* result) const {
    switch (vt_) {
        case VT_EMPTY:
            *result = CVariant(QString());
            return S_OK;
        case VT_R4:
            *result = CVariant(QString::asprintf("%.7G", real_));
            return S_OK;
        case VT_R8:
            *result = CVariant(QString::asprintf("%.15G", real_));
            return S_OK;
        case VT_DATE:
            // A date read from a file may hold any double; only real days have a text.
            if (!InDateRange(real_)) {
                return DISP_E_OVERFLOW;
            }
            *result = CVariant(FormatDate(real_));
            return S_OK;
        default:
            // Integers, bytes and booleans (as -1 or 0) in decimal.
            *result = CVariant(QString::number(integer_));
            return S_OK;
    }
}
