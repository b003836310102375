#include <gtest/gtest.h>

#include <clocale>

#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/text_numbers.h"

TEST(TextNumbersTest, DecimalsFollowThePrecisionSettingWithoutTrailingZeros) {
    CCustomConfig* config = Qarn::GetConfig();
    const int saved = config->GetSVGPrecision();
    config->SetSVGPrecision(3);
    EXPECT_EQ(Qarn::DP(2.0f), QStringLiteral("2"));
    EXPECT_EQ(Qarn::DP(1.25f), QStringLiteral("1.25"));
    EXPECT_EQ(Qarn::DP(-3.5f), QStringLiteral("-3.5"));
    EXPECT_EQ(Qarn::DP(12.5f), QStringLiteral("12.5"));
    config->SetSVGPrecision(0);
    EXPECT_EQ(Qarn::DP(10.0f), QStringLiteral("10"));  // zeros before the point stay
    config->SetSVGPrecision(saved);
    EXPECT_EQ(Qarn::FormatDecimals(0.125, 2), QStringLiteral("0.13"));
}

TEST(TextNumbersTest, NumbersAreReadLikeTheCLibraryInAnyLocale) {
    EXPECT_DOUBLE_EQ(Qarn::Str2Double(QStringLiteral("  3.75px")), 3.75);
    EXPECT_DOUBLE_EQ(Qarn::Str2Double(QStringLiteral("abc")), 0.0);
    EXPECT_EQ(Qarn::Str2Int(QStringLiteral("-42 apples")), -42);
    EXPECT_EQ(Qarn::Str2Int(QStringLiteral("")), 0);
    EXPECT_EQ(Qarn::Str2Int(QStringLiteral("99999999999")), INT_MAX);
    // A user locale with a decimal comma changes nothing.
    const char* saved = std::setlocale(LC_NUMERIC, nullptr);
    std::string savedName = saved ? saved : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
        EXPECT_DOUBLE_EQ(Qarn::Str2Double(QStringLiteral("1.5")), 1.5);
    }
    std::setlocale(LC_NUMERIC, savedName.c_str());
}

TEST(TextNumbersTest, BlankCharactersAreAllButDigitsColonAndLetters) {
    for (char c : {'0', '9', ':', 'A', 'Z', 'a', 'z'}) {
        EXPECT_FALSE(Qarn::isBlank(c)) << c;
    }
    for (char c : {' ', '-', '.', ';', '@', '[', '`', '{', '/'}) {
        EXPECT_TRUE(Qarn::isBlank(c)) << c;
    }
    EXPECT_TRUE(Qarn::isBlank(char(0xE9)));  // bytes of 0x80 and above
}

TEST(TextNumbersTest, IndentationIsTwoSpacesALevel) {
    EXPECT_EQ(Qarn::INDENT(0), QString());
    EXPECT_EQ(Qarn::INDENT(-3), QString());
    EXPECT_EQ(Qarn::INDENT(2), QStringLiteral("    "));
    EXPECT_EQ(Qarn::INDENTFEED(1), QStringLiteral("\n  "));
}
