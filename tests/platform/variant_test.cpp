#include <gtest/gtest.h>

#include <cmath>

#include "platform/variant.h"

namespace {

CVariant Converted(const CVariant& v, VARTYPE vt, HRESULT expected = S_OK) {
    CVariant out;
    EXPECT_EQ(v.ChangeType(vt, &out), expected) << "to type " << vt;
    return out;
}

HRESULT ErrorOf(const CVariant& v, VARTYPE vt) {
    CVariant out = CVariant(QStringLiteral("untouched"));
    HRESULT hr = v.ChangeType(vt, &out);
    if (FAILED(hr)) {
        EXPECT_EQ(out, CVariant(QStringLiteral("untouched"))) << "a failure changed the result";
    }
    return hr;
}

}  // namespace

TEST(VariantTest, EachKindKeepsItsTypeCodeAndValueAndCopiesAreIndependent) {
    EXPECT_EQ(CVariant().vt(), VT_EMPTY);
    EXPECT_EQ(CVariant::Null().vt(), VT_NULL);
    EXPECT_EQ(CVariant(std::int16_t(-3)).GetI2(), -3);
    EXPECT_EQ(CVariant(-70000).vt(), VT_I4);
    EXPECT_EQ(CVariant(1.5f).vt(), VT_R4);
    EXPECT_EQ(CVariant(1.5).vt(), VT_R8);
    EXPECT_EQ(CVariant::Date(2.0).vt(), VT_DATE);
    EXPECT_EQ(CVariant("text").vt(), VT_BSTR);
    EXPECT_EQ(CVariant(true).GetBool(), VARIANT_TRUE);
    EXPECT_EQ(CVariant(false).GetBool(), VARIANT_FALSE);
    EXPECT_EQ(CVariant(BYTE(200)).GetUI1(), 200);
    EXPECT_EQ(CVariant(5).GetR8(), 0.0);  // another kind reads as zero

    CVariant original(QStringLiteral("abc"));
    CVariant copy = original;
    original = CVariant(QStringLiteral("changed"));
    EXPECT_EQ(copy.GetBSTR(), QStringLiteral("abc"));
    EXPECT_NE(CVariant(1), CVariant(std::int16_t(1)));  // the kind counts
    EXPECT_EQ(CVariant(std::nan("")), CVariant(std::nan("")));
}

TEST(VariantTest, NumbersBecomeIntegersRoundingHalvesToEvenWithinTheTargetRange) {
    EXPECT_EQ(Converted(CVariant(2.5), VT_I4).GetI4(), 2);
    EXPECT_EQ(Converted(CVariant(3.5), VT_I4).GetI4(), 4);
    EXPECT_EQ(Converted(CVariant(-2.5f), VT_I2).GetI2(), -2);
    EXPECT_EQ(Converted(CVariant(2.6), VT_UI1).GetUI1(), 3);
    EXPECT_EQ(Converted(CVariant(32767.4), VT_I2).GetI2(), 32767);
    EXPECT_EQ(Converted(CVariant(-32768.5), VT_I2).GetI2(), -32768);
    EXPECT_EQ(ErrorOf(CVariant(32767.5), VT_I2), DISP_E_OVERFLOW);
    EXPECT_EQ(ErrorOf(CVariant(40000), VT_I2), DISP_E_OVERFLOW);
    EXPECT_EQ(ErrorOf(CVariant(-1), VT_UI1), DISP_E_OVERFLOW);
    EXPECT_EQ(ErrorOf(CVariant(255.5), VT_UI1), DISP_E_OVERFLOW);
    EXPECT_EQ(ErrorOf(CVariant(3e9), VT_I4), DISP_E_OVERFLOW);
    EXPECT_EQ(ErrorOf(CVariant(std::nan("")), VT_I4), DISP_E_OVERFLOW);
    EXPECT_EQ(Converted(CVariant(BYTE(255)), VT_I2).GetI2(), 255);
    EXPECT_EQ(Converted(CVariant::Date(1.75), VT_I4).GetI4(), 2);
}

TEST(VariantTest, BooleansAreMinusOneOrZeroAsNumbersAndAnyNonZeroNumberIsTrue) {
    EXPECT_EQ(Converted(CVariant(true), VT_I4).GetI4(), -1);
    EXPECT_EQ(Converted(CVariant(true), VT_R4).GetR4(), -1.0f);
    EXPECT_EQ(Converted(CVariant(true), VT_UI1).GetUI1(), 255);
    EXPECT_EQ(Converted(CVariant(false), VT_I2).GetI2(), 0);
    EXPECT_EQ(Converted(CVariant(7), VT_BOOL).GetBool(), VARIANT_TRUE);
    EXPECT_EQ(Converted(CVariant(0.0), VT_BOOL).GetBool(), VARIANT_FALSE);
    EXPECT_EQ(Converted(CVariant(0.001f), VT_BOOL).GetBool(), VARIANT_TRUE);
    EXPECT_EQ(Converted(CVariant(true), VT_BSTR).GetBSTR(), QStringLiteral("-1"));
    EXPECT_EQ(Converted(CVariant(false), VT_BSTR).GetBSTR(), QStringLiteral("0"));
    EXPECT_EQ(Converted(CVariant("True"), VT_BOOL).GetBool(), VARIANT_TRUE);
    EXPECT_EQ(Converted(CVariant(" false "), VT_BOOL).GetBool(), VARIANT_FALSE);
    EXPECT_EQ(Converted(CVariant("#TRUE#"), VT_BOOL).GetBool(), VARIANT_TRUE);
    EXPECT_EQ(Converted(CVariant("-1"), VT_BOOL).GetBool(), VARIANT_TRUE);
    EXPECT_EQ(Converted(CVariant("0"), VT_BOOL).GetBool(), VARIANT_FALSE);
    EXPECT_EQ(ErrorOf(CVariant("yes please"), VT_BOOL), DISP_E_TYPEMISMATCH);
}

TEST(VariantTest, TextIsReadAndWrittenInTheCLocale) {
    EXPECT_EQ(Converted(CVariant(" 42 "), VT_I4).GetI4(), 42);
    EXPECT_EQ(Converted(CVariant("-1.5e2"), VT_R8).GetR8(), -150.0);
    EXPECT_EQ(Converted(CVariant(".25"), VT_R4).GetR4(), 0.25f);
    EXPECT_EQ(Converted(CVariant("2.5"), VT_I4).GetI4(), 2);
    EXPECT_EQ(Converted(CVariant("1e-999"), VT_R8).GetR8(), 0.0);
    EXPECT_EQ(ErrorOf(CVariant("1e999"), VT_R8), DISP_E_OVERFLOW);
    EXPECT_EQ(ErrorOf(CVariant("70000"), VT_I2), DISP_E_OVERFLOW);
    for (const char* bad : {"", "abc", "1,5", "1.2.3", "nan", "inf", "0x10", "12abc"}) {
        EXPECT_EQ(ErrorOf(CVariant(bad), VT_I4), DISP_E_TYPEMISMATCH) << bad;
        EXPECT_EQ(ErrorOf(CVariant(bad), VT_R8), DISP_E_TYPEMISMATCH) << bad;
    }

    EXPECT_EQ(Converted(CVariant(0.1f), VT_BSTR).GetBSTR(), QStringLiteral("0.1"));
    EXPECT_EQ(Converted(CVariant(1.0 / 3), VT_BSTR).GetBSTR(), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(Converted(CVariant(1e20), VT_BSTR).GetBSTR(), QStringLiteral("1E+20"));
    EXPECT_EQ(Converted(CVariant(-7), VT_BSTR).GetBSTR(), QStringLiteral("-7"));
    EXPECT_EQ(Converted(CVariant(BYTE(9)), VT_BSTR).GetBSTR(), QStringLiteral("9"));
}

TEST(VariantTest, EmptyConvertsToNeutralValuesAndNullOnlyToNull) {
    EXPECT_EQ(Converted(CVariant(), VT_I4), CVariant(0));
    EXPECT_EQ(Converted(CVariant(), VT_R4), CVariant(0.0f));
    EXPECT_EQ(Converted(CVariant(), VT_BOOL), CVariant(false));
    EXPECT_EQ(Converted(CVariant(), VT_BSTR), CVariant(QString()));
    EXPECT_EQ(Converted(CVariant(), VT_NULL).vt(), VT_NULL);
    EXPECT_EQ(Converted(CVariant(5), VT_EMPTY).vt(), VT_EMPTY);
    EXPECT_EQ(Converted(CVariant("x"), VT_NULL).vt(), VT_NULL);
    EXPECT_EQ(Converted(CVariant::Null(), VT_NULL).vt(), VT_NULL);
    EXPECT_EQ(ErrorOf(CVariant::Null(), VT_EMPTY), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(ErrorOf(CVariant::Null(), VT_I4), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(ErrorOf(CVariant::Null(), VT_BSTR), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(ErrorOf(CVariant(1), VT_CY), DISP_E_BADVARTYPE);
    EXPECT_EQ(ErrorOf(CVariant(1), 99), DISP_E_BADVARTYPE);

    CVariant inPlace(QStringLiteral("12"));
    EXPECT_EQ(inPlace.ChangeType(VT_UI1), S_OK);
    EXPECT_EQ(inPlace, CVariant(BYTE(12)));
    CVariant kept(QStringLiteral("oops"));
    EXPECT_EQ(kept.ChangeType(VT_I4), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(kept, CVariant(QStringLiteral("oops")));
}

TEST(VariantTest, FloatsAndDatesStayWithinTheirRanges) {
    EXPECT_EQ(ErrorOf(CVariant(1e39), VT_R4), DISP_E_OVERFLOW);
    EXPECT_EQ(Converted(CVariant(1e38), VT_R4).GetR4(), 1e38f);
    EXPECT_EQ(Converted(CVariant(0.5f), VT_R8).GetR8(), 0.5);
    EXPECT_EQ(Converted(CVariant(36526), VT_DATE), CVariant::Date(36526.0));
    EXPECT_EQ(Converted(CVariant(true), VT_DATE), CVariant::Date(-1.0));
    EXPECT_EQ(ErrorOf(CVariant(3e6), VT_DATE), DISP_E_OVERFLOW);
    EXPECT_EQ(ErrorOf(CVariant(-700000), VT_DATE), DISP_E_OVERFLOW);
    EXPECT_EQ(Converted(CVariant::Date(2.5), VT_R8).GetR8(), 2.5);
}

TEST(VariantTest, DatesTravelAsIsoTextBothWays) {
    struct Case {
        DATE value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "1899-12-30"},
        {36526.0, "2000-01-01"},
        {36526.5, "2000-01-01 12:00:00"},
        {0.25, "06:00:00"},
        {-1.25, "1899-12-29 06:00:00"},
        {CVariant::kMinDate, "0100-01-01"},
        {CVariant::kMaxDate, "9999-12-31"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Converted(CVariant::Date(c.value), VT_BSTR).GetBSTR(), QLatin1String(c.text));
        EXPECT_EQ(Converted(CVariant(c.text), VT_DATE), CVariant::Date(c.value)) << c.text;
    }
    EXPECT_EQ(Converted(CVariant("2000-01-01T18:00"), VT_DATE), CVariant::Date(36526.75));
    EXPECT_EQ(Converted(CVariant("40000"), VT_DATE), CVariant::Date(40000.0));
    EXPECT_EQ(ErrorOf(CVariant("2000-02-30"), VT_DATE), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(ErrorOf(CVariant("2000-01-01 24:00"), VT_DATE), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(ErrorOf(CVariant("yesterday"), VT_DATE), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(ErrorOf(CVariant::Date(1e300), VT_BSTR), DISP_E_OVERFLOW);
    EXPECT_EQ(ErrorOf(CVariant::Date(std::nan("")), VT_BSTR), DISP_E_OVERFLOW);
}
