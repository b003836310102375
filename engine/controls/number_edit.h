#pragma once
// A field for one number, shown and read in the user's locale (decimal comma where the user
// writes one). Nothing typed is clamped or blocked: the dialog asks CheckValue() on OK and
// refuses the whole dialog with its message, so the user sees what is wrong.

#include <QLineEdit>
#include <optional>

class CQarnNumberEdit : public QLineEdit {
    Q_OBJECT

public:
    // `name` names the field in messages and for assistive technology ("Width"); values run
    // from `min` to `max` with at most `decimals` decimals (0: whole numbers).
    CQarnNumberEdit(const QString& name, double min, double max, int decimals,
                    QWidget* parent = nullptr);

    const QString& GetName() const { return m_strName; }
    double GetMinimum() const { return m_fMin; }
    double GetMaximum() const { return m_fMax; }
    int GetDecimals() const { return m_nDecimals; }
    void SetRange(double min, double max);

    // Shows the value in the widget's locale, without trailing zeros, and clears the modified
    // flag.
    void SetValue(double value);
    // Shows an empty field (a value several objects do not share).
    void SetNoValue();
    // The number typed when it reads as one (in the user's locale, or with a decimal point);
    // the range is not checked here.
    std::optional<double> ReadNumber() const;
    // The number typed, when it is a number within the range with at most the decimals
    // allowed; empty otherwise.
    std::optional<double> GetValue() const;
    // Empty when the field holds an acceptable value, else the message that says what is
    // wanted ("Width must be a number from 1 to 100000.").
    QString CheckValue() const;

    // A number as the field shows it.
    QString FormatNumber(double value) const;

private:
    QString m_strName;
    double m_fMin;
    double m_fMax;
    int m_nDecimals;
};
