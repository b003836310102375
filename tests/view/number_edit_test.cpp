// Number fields: shown and read in the user's locale, refused with a clear message, never
// clamped; a refusing dialog names the field and brings it into view.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <QVBoxLayout>

#include "controls/dialog.h"
#include "controls/form_rows.h"
#include "controls/number_edit.h"
#include "controls_fixtures.h"

TEST(NumberEditTest, NumbersFollowTheLocaleOnScreen) {
    CQarnNumberEdit edit(QStringLiteral("Width"), 0, 100000, 2);
    edit.setLocale(QLocale(QLocale::German, QLocale::Germany));
    edit.SetValue(1234.5);
    EXPECT_EQ(edit.text(), QStringLiteral("1234,5")) << "no thousands separator, decimal comma";
    edit.SetValue(2.0);
    EXPECT_EQ(edit.text(), QStringLiteral("2"));
    edit.setText(QStringLiteral("3,25"));
    EXPECT_EQ(edit.GetValue(), 3.25);
    // A decimal point is understood as well (numbers pasted from elsewhere).
    edit.setText(QStringLiteral("3.25"));
    EXPECT_EQ(edit.GetValue(), 3.25);

    edit.setLocale(QLocale::c());
    edit.SetValue(-0.001);
    EXPECT_EQ(edit.text(), QStringLiteral("0")) << "a value that rounds away is 0, not -0";
}

TEST(NumberEditTest, ValuesOutOfRangeOrNotNumbersAreRefusedNotClamped) {
    CQarnNumberEdit edit(QStringLiteral("Opacity"), 0, 100, 0);
    edit.setLocale(QLocale::c());
    edit.setText(QStringLiteral("150"));
    EXPECT_FALSE(edit.GetValue());
    EXPECT_EQ(edit.CheckValue(), QStringLiteral("Opacity must be a whole number from 0 to 100."));
    EXPECT_EQ(edit.text(), QStringLiteral("150"));
    edit.setText(QStringLiteral("12.5"));
    EXPECT_FALSE(edit.GetValue()) << "a whole number is wanted";
    edit.setText(QString());
    EXPECT_FALSE(edit.CheckValue().isEmpty());
    edit.setText(QStringLiteral(" 42 "));
    EXPECT_EQ(edit.GetValue(), 42.0);
    EXPECT_TRUE(edit.CheckValue().isEmpty());
    edit.setText(QStringLiteral("nan"));
    EXPECT_FALSE(edit.GetValue());
    edit.setText(QStringLiteral("1e400"));
    EXPECT_FALSE(edit.GetValue());

    CQarnNumberEdit width(QStringLiteral("Width"), 0, 10, 2);
    width.setLocale(QLocale::c());
    width.setText(QStringLiteral("1.234"));
    EXPECT_EQ(width.CheckValue(), QStringLiteral("Width takes at most 2 decimals."));
    width.setText(QStringLiteral("-1"));
    EXPECT_EQ(width.CheckValue(), QStringLiteral("Width must be a number from 0 to 10."));
}

namespace {

// A dialog with one field on each of two pages.
class TwoPageDialog : public CQarnDialog {
public:
    TwoPageDialog() : CQarnDialog(QStringLiteral("Test"), nullptr) {
        auto* layout = new QVBoxLayout(this);
        tabs = new QTabWidget(this);
        for (int i = 0; i < 2; ++i) {
            auto* page = new QWidget(tabs);
            auto* form = new QFormLayout(page);
            fields[i] = new CQarnNumberEdit(QStringLiteral("Field %1").arg(i + 1), 1, 9, 0, page);
            fields[i]->SetValue(5);
            Qarn::AddFormRow(form, QStringLiteral("&Field:"), fields[i]);
            tabs->addTab(page, QStringLiteral("Page %1").arg(i + 1));
            CheckOnAccept(fields[i]);
        }
        layout->addWidget(tabs);
        layout->addWidget(CreateButtons());
    }
    QTabWidget* tabs;
    CQarnNumberEdit* fields[2];
};

}  // namespace

TEST(NumberEditTest, ADialogRefusesTheFirstBadFieldAndShowsItsPage) {
    WarningCatcher catcher;
    TwoPageDialog dialog;
    EXPECT_EQ(dialog.fields[0]->accessibleName(), QStringLiteral("Field 1"));
    dialog.fields[1]->setText(QStringLiteral("12"));
    PressEnter(dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(catcher.warnings,
              QStringList{QStringLiteral("Field 2 must be a whole number from 1 to 9.")});
    EXPECT_EQ(dialog.tabs->currentIndex(), 1);
    EXPECT_EQ(dialog.focusWidget(), dialog.fields[1]);

    // A disabled field is not the user's to correct and is not checked.
    dialog.fields[1]->setEnabled(false);
    PressEnter(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(FormRowsTest, LabelsGiveTheirFieldsAMnemonicAndAName) {
    EXPECT_EQ(Qarn::PlainLabelText(QStringLiteral("&Size && Position:")),
              QStringLiteral("Size & Position"));
    QWidget page;
    auto* form = new QFormLayout(&page);
    auto* field = new QLineEdit(&page);
    QLabel* label = Qarn::AddFormRow(form, QStringLiteral("&Width:"), field);
    EXPECT_EQ(label->buddy(), field);
    EXPECT_EQ(field->accessibleName(), QStringLiteral("Width"));
}
