#include <gtest/gtest.h>

#include <QSet>
#include <limits>
#include <vector>

#include "core/component.h"
#include "core/property_ids.h"
#include "core/property_table.h"
#include "platform/variant.h"
#include "properties/arrow_property.h"
#include "properties/property_value.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"

namespace P = QarnPropId;
using Row = CQarnPropertyTable::Row;

namespace {

// Ids that only polys and connectors keep; a plain component reads them as 0.
bool KeptByPolysOrConnectors(UINT id) {
    return id == P::PolyStyle || id == P::PolyStyleBit8 || id == P::ConnectorType ||
           id == P::ConnectorToEdge;
}

// A value of the row's type that differs from `current` and lies in the row's range.
CVariant AnotherValue(const Row& row, const CVariant& current) {
    const auto next = [&row](std::int64_t v) {
        return v + 3 > row.range.max ? std::int64_t(row.range.min) : v + 3;
    };
    switch (row.type) {
        case VT_BOOL:
            return CVariant(current.GetBool() == VARIANT_FALSE);
        case VT_BSTR:
            return CVariant(current.GetBSTR() + QStringLiteral("x"));
        case VT_R4:
            return CVariant(current.GetR4() + 7.0f);
        case VT_I4:
            return CVariant(std::int32_t(next(current.GetI4())));
        default:
            return CVariant(BYTE(next(current.GetUI1())));
    }
}

// A component with every property the table reaches: pen, fill, arrow heads, shadow, text.
class PropertyTableTest : public ::testing::Test {
protected:
    PropertyTableTest() : c(RectF(10, 20, 30, 40)) {
        c.AddProperty(new CQarnArrowProperty());
        c.AddProperty(new CQarnShadowProperty());
        c.AddProperty(new CQarnTextProperty());
    }

    std::vector<CVariant> AllValues() {
        std::vector<CVariant> values;
        for (const Row& row : CQarnPropertyTable::Rows()) {
            values.push_back(c.GetPropValue(row.id));
        }
        return values;
    }

    CQarnComponent c;
};

}  // namespace

TEST(PropertyTableLookupTest, EachIdHasOneNamedRowAndPropertyKindsHaveNone) {
    QSet<QString> names;
    for (const Row& row : CQarnPropertyTable::Rows()) {
        EXPECT_EQ(CQarnPropertyTable::Find(row.id), &row) << "id " << row.id;
        const QString name = QString::fromUtf8(row.name);
        EXPECT_FALSE(name.isEmpty()) << "id " << row.id;
        EXPECT_FALSE(names.contains(name)) << "id " << row.id << " repeats " << row.name;
        names.insert(name);
        if (row.IsInteger()) {
            EXPECT_LE(row.range.min, row.range.max) << "id " << row.id;
        }
    }
    for (UINT id : {0u, 105u, 200u, 305u, 6002u, 7000u, 0xFFFFFFFFu}) {
        EXPECT_EQ(CQarnPropertyTable::Find(id), nullptr) << "id " << id;
    }
}

TEST(PropertyTableLookupTest, ConvertValidatesWithoutAComponent) {
    const Row* style = CQarnPropertyTable::Find(P::FontStyle);
    ASSERT_NE(style, nullptr);
    CVariant out(std::int32_t(-5));
    EXPECT_EQ(style->Convert(CVariant("3"), &out), S_OK);
    EXPECT_EQ(out, CVariant(3));
    EXPECT_EQ(style->Convert(CVariant(256), &out), DISP_E_OVERFLOW);
    EXPECT_EQ(style->Convert(CVariant(-1), &out), DISP_E_OVERFLOW);
    EXPECT_EQ(style->Convert(CVariant("bold"), &out), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(out, CVariant(3));  // a refused value leaves the result alone

    const Row* dash = CQarnPropertyTable::Find(P::DashStyle);
    ASSERT_NE(dash, nullptr);
    EXPECT_EQ(dash->Convert(CVariant(65535), &out), S_OK);
    EXPECT_EQ(dash->Convert(CVariant(65536), &out), DISP_E_OVERFLOW);
    const Row* width = CQarnPropertyTable::Find(P::LineWidth);
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->Convert(CVariant(2), &out), S_OK);
    EXPECT_EQ(out, CVariant(2.0f));
    EXPECT_TRUE(CQarnPropertyTable::Find(P::FlipMode)->IsReadOnly());
    EXPECT_FALSE(CQarnPropertyTable::Find(P::Text)->IsReadOnly());
}

TEST_F(PropertyTableTest, EveryAttributeReadsBackWhatWasWrittenInItsType) {
    for (const Row& row : CQarnPropertyTable::Rows()) {
        const CVariant before = c.GetPropValue(row.id);
        EXPECT_EQ(before.vt(), row.type) << "id " << row.id;
        const CVariant wanted = AnotherValue(row, before);
        ASSERT_NE(wanted, before) << "id " << row.id;
        EXPECT_EQ(c.SetPropValue(wanted, row.id), S_OK) << "id " << row.id;
        if (row.IsReadOnly() || KeptByPolysOrConnectors(row.id)) {
            EXPECT_EQ(c.GetPropValue(row.id), before) << "id " << row.id;
        } else {
            EXPECT_EQ(c.GetPropValue(row.id), wanted) << "id " << row.id;
        }
    }
}

TEST_F(PropertyTableTest, ValuesOutsideTheRangeOrTypeAreRefusedAndChangeNothing) {
    const auto refuse = [this](const CVariant& value, const Row& row, HRESULT code) {
        const std::vector<CVariant> before = AllValues();
        EXPECT_EQ(c.SetPropValue(value, row.id), code) << "id " << row.id;
        EXPECT_EQ(AllValues(), before) << "id " << row.id;
    };
    int narrow = 0;
    for (const Row& row : CQarnPropertyTable::Rows()) {
        if (row.type != VT_BSTR) {
            refuse(CVariant("not a value"), row, DISP_E_TYPEMISMATCH);
        }
        if (!row.IsInteger()) {
            continue;
        }
        if (row.range.max < std::numeric_limits<std::int32_t>::max()) {
            refuse(CVariant(row.range.max + 1), row, DISP_E_OVERFLOW);
            narrow += row.type == VT_I4 ? 1 : 0;
        }
        if (row.range.min > std::numeric_limits<std::int32_t>::min()) {
            refuse(CVariant(row.range.min - 1), row, DISP_E_OVERFLOW);
        }
    }
    // Alpha, pen type, dash style, font style and the two alignments travel as 32-bit
    // integers but keep narrower fields.
    EXPECT_GE(narrow, 6);
}

TEST_F(PropertyTableTest, ARangeIsKeptAlsoWhileThePropertyIsMissing) {
    c.RemoveProperty(QARN_PROP_TEXT);
    c.RemoveProperty(QARN_PROP_PEN);
    EXPECT_EQ(c.SetPropValue(CVariant(300), P::FontStyle), DISP_E_OVERFLOW);
    EXPECT_EQ(c.SetPropValue(CVariant(-1), P::TextAlign), DISP_E_OVERFLOW);
    EXPECT_EQ(c.SetPropValue(CVariant(256), P::PenType), DISP_E_OVERFLOW);
    EXPECT_EQ(c.SetPropValue(CVariant(3), P::FontStyle), S_OK);
    EXPECT_EQ(c.GetPropValue(P::FontStyle), CVariant(0));
}

TEST_F(PropertyTableTest, AttributeIdsAreNotShadowedByUserValuesUnderThem) {
    auto* user = new CQarnPropertyValue(P::FontSize, QStringLiteral("size"), CVariant(99));
    c.AddProperty(user);
    EXPECT_EQ(c.GetPropValue(P::FontSize), CVariant(12));
    EXPECT_EQ(c.SetPropValue(CVariant(20), P::FontSize), S_OK);
    EXPECT_FLOAT_EQ(c.GetTextProperty()->GetFontSize(), 20.0f);
    EXPECT_EQ(user->GetValue(), CVariant(99));
}

TEST(PropertyTextFallbackTest, AComponentWithoutTextReportsAPlainStyleAndNoFormatFlags) {
    CQarnComponent bare(RectF(0, 0, 10, 10));
    EXPECT_EQ(bare.GetPropValue(P::FontStyle), CVariant(0));
    EXPECT_EQ(bare.GetPropValue(P::StringFormat), CVariant(0));
    EXPECT_EQ(bare.GetPropValue(P::FontSize), CVariant(12));

    // Copying those values onto a text keeps it as plain as a new one.
    CQarnComponent texted(RectF(0, 0, 10, 10));
    auto* text = new CQarnTextProperty();
    texted.AddProperty(text);
    for (UINT id : {UINT(P::FontStyle), UINT(P::StringFormat)}) {
        EXPECT_EQ(texted.SetPropValue(bare.GetPropValue(id), id), S_OK);
    }
    EXPECT_EQ(text->GetFontStyle(), 0);
    EXPECT_EQ(text->GetStringFormat(), 0u);
}
