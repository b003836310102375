#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/gradient.h"
#include "properties/pen_property.h"
#include "properties/property_value.h"

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

// The record of an object written in place, as its holder embeds it.
QByteArray Record(CObject& object) {
    QByteArray bytes;
    CArchive out(CArchive::store, &bytes);
    out.SerializeEmbedded(object);
    return bytes;
}

void ReadRecord(QByteArray bytes, CObject& object) {
    CArchive in(CArchive::load, &bytes);
    in.SerializeEmbedded(object);
    EXPECT_TRUE(in.AtEnd()) << in.BytesLeft() << " bytes left unread";
}

// A gradient list as written at the start of an archive: the class by name, then by index.
QByteArray GradientList(std::initializer_list<const char*> colours) {
    QByteArray bytes = Hex("0000");
    bytes[0] = char(colours.size());
    bool first = true;
    for (const char* colour : colours) {
        bytes += first ? Hex("ffff00000d00") + QByteArray("CQarnGradient") : Hex("0180");
        bytes += Hex("00000000") + Hex(colour);
        first = false;
    }
    return bytes;
}

// Every cut of a record fails with an archive error, never anything worse.
void ExpectEveryCutFails(const QByteArray& full, const std::function<CObject*()>& make) {
    for (qsizetype length = 0; length < full.size(); ++length) {
        QByteArray part = full.left(length);
        CArchive in(CArchive::load, &part);
        std::unique_ptr<CObject> target(make());
        EXPECT_THROW(in.SerializeEmbedded(*target), CArchiveException) << "length " << length;
    }
}

}  // namespace

TEST(PropertyRecordTest, AGradientIsItsPositionAndItsColourAlphaFirst) {
    CQarnGradient g(0.5f, Color(0x80FF0010u));
    EXPECT_EQ(Record(g).toHex(), QByteArray("0000003f80ff0010"));
    CQarnGradient back;
    ReadRecord(Record(g), back);
    EXPECT_TRUE(back.Equal(g));
}

TEST(PropertyRecordTest, APlainBrushIsItsColourEntriesAndComesBackUnderItsOwnKind) {
    CQarnBasicBrushProperty brush(QARN_PROP_TEXTTOOL);
    brush.SetColor(Color(0x11223344u), 0);
    brush.SetColor(Color(0xFF00FF00u), 2);  // appends a white entry and sets a third
    EXPECT_EQ(Record(brush).toHex(), GradientList({"11223344", "ffffffff", "ff00ff00"}).toHex());

    CQarnBasicBrushProperty back(QARN_PROP_TEXTTOOL);
    ReadRecord(Record(brush), back);
    EXPECT_EQ(back.Equal(&brush), 1);

    // Reading replaces the entries a brush had; the kind is the class's own.
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        out.WriteObject(&brush);
    }
    CArchive in(CArchive::load, &bytes);
    std::unique_ptr<CQarnBasicBrushProperty> object(in.ReadObjectOf<CQarnBasicBrushProperty>());
    EXPECT_EQ(object->GetId(), QARN_PROP_BASICBRUSH);
    EXPECT_EQ(object->GetColorCount(), 3);
    EXPECT_EQ(object->GetColor(2).GetValue(), 0xFF00FF00u);
}

TEST(PropertyRecordTest, AFullBrushAddsTwentyNineBytesAndTheImageNameAfterItsEntries) {
    CQarnBrushProperty brush;
    EXPECT_EQ(Record(brush).toHex(),
              (GradientList({"ffffffdc", "ff000000"}) + Hex("ff000000"
                                                            "00"
                                                            "00000000"
                                                            "fffeff00"
                                                            "01000000"
                                                            "0000000000000000"
                                                            "0000"
                                                            "00"
                                                            "00"
                                                            "00000000"))
                  .toHex());

    brush.SetBrushType(CQarnBrushProperty::Texture);
    brush.SetImageName(QStringLiteral("a.png"));
    brush.SetStyle(0x403);
    brush.SetHatchStyle(7);
    brush.SetWrapMode(4);
    brush.SetReserved(1.5f, 2.5f);
    const QByteArray bytes = Record(brush);
    const QByteArray tail =
        Hex("ff000000"
            "02"
            "00000000"
            "fffeff0561002e0070006e006700"
            "03040000"
            "0000c03f"
            "00002040"
            "0700"
            "04"
            "00"
            "00000000");
    EXPECT_EQ(bytes.size(), GradientList({"ffffffdc", "ff000000"}).size() + 29 + 4 + 10);
    EXPECT_EQ(bytes.right(tail.size()).toHex(), tail.toHex());

    CQarnBrushProperty back;
    back.SetBrushType(CQarnBrushProperty::Hatch);
    ReadRecord(bytes, back);
    EXPECT_EQ(back.Eqaul(&brush), 1);
    EXPECT_FLOAT_EQ(back.GetReserved1(), 1.5f);
    EXPECT_FLOAT_EQ(back.GetReserved2(), 2.5f);
    EXPECT_EQ(back.GetId(), QARN_PROP_BRUSH);
    ExpectEveryCutFails(bytes, [] { return new CQarnBrushProperty(); });
}

TEST(PropertyRecordTest, APenStoresItsFieldsAFlagTwiceAndItsPaintInPlace) {
    CQarnPenProperty pen;
    EXPECT_EQ(Record(pen).toHex(), (Hex("00"
                                        "00"
                                        "00"
                                        "00"
                                        "0000803f"
                                        "00"
                                        "00000000"
                                        "00"
                                        "01"
                                        "0a"
                                        "00") +
                                    GradientList({"ff000000"}))
                                       .toHex());

    pen.SetDashStyle(3);
    pen.SetDashCap(2);
    pen.SetPenType(9);
    pen.SetPenAlignment(1);
    pen.SetLineWidth(2.5f);
    pen.SetQarnLineStyle(4);
    pen.SetLineCap(2);
    pen.SetLineJoin(3);
    pen.SetMeterLimit(20);
    pen.SetBrushType(CQarnBrushProperty::Hatch);
    pen.SetHatchStyle(5);
    const QByteArray bytes = Record(pen);
    // Fields, the flag, the line style, cap, join, miter limit and the flag again.
    EXPECT_EQ(bytes.left(17).toHex(), QByteArray("03020901"
                                                 "00002040"
                                                 "01"
                                                 "04000000"
                                                 "020314"
                                                 "01"));
    EXPECT_EQ(bytes.mid(17, 2), Hex("0100"));  // then the paint, which kept its one entry

    CQarnPenProperty back;
    ReadRecord(bytes, back);
    EXPECT_EQ(back.GetDashStyle(), 3);
    EXPECT_EQ(back.GetDashCap(), 2);
    EXPECT_EQ(back.GetPenType(), 9);
    EXPECT_EQ(back.GetPenAlignment(), 1);
    EXPECT_FLOAT_EQ(back.GetLineWidth(), 2.5f);
    EXPECT_EQ(back.GetQarnLineStyle(), 4u);
    EXPECT_EQ(back.GetLineCap(), 2);
    EXPECT_EQ(back.GetLineJoin(), 3);
    EXPECT_EQ(back.GetMeterLimit(), 20);
    ASSERT_TRUE(back.HasFullBrush());
    EXPECT_EQ(back.GetBrush()->GetRefCount(), 1);
    EXPECT_EQ(back.GetHatchStyle(), 5);
    EXPECT_EQ(back.GetBrushType(), CQarnBrushProperty::Hatch);
    EXPECT_EQ(Record(back), bytes);
    ExpectEveryCutFails(bytes, [] { return new CQarnPenProperty(); });
}

TEST(PropertyRecordTest, APenFlaggedForAFullBrushGetsOneEvenWhenItIsSolid) {
    CQarnBrushProperty solid;
    QByteArray bytes = Hex("00000000"
                           "0000803f"
                           "01"
                           "07000000"
                           "00"
                           "01"
                           "0a"
                           "01") +
                       Record(solid);
    CQarnPenProperty pen;
    ReadRecord(bytes, pen);
    EXPECT_TRUE(pen.HasFullBrush());
    EXPECT_EQ(pen.GetBrushType(), CQarnBrushProperty::Solid);
    EXPECT_EQ(pen.GetQarnLineStyle(), 2u);  // a stored 7 is kept modulo 5
    EXPECT_EQ(pen.GetColor1().GetValue(), 0xFFFFFFDCu);

    // A failed paint leaves the pen with the paint it had.
    QByteArray cut = bytes.left(bytes.size() - 3);
    CQarnPenProperty kept;
    kept.SetColor1(Color(0xFF123456u));
    CArchive in(CArchive::load, &cut);
    EXPECT_THROW(in.SerializeEmbedded(kept), CArchiveException);
    EXPECT_FALSE(kept.HasFullBrush());
    EXPECT_EQ(kept.GetColor1().GetValue(), 0xFF123456u);
}

TEST(PropertyRecordTest, AnArrowRecordIsFourBytesAndEightTrailingZeroBytes) {
    CQarnArrowProperty arrow;
    arrow.SetStartArrowSize(3);
    arrow.SetEndArrowSize(5);
    arrow.SetStartArrow(ArrowTypeArrow);
    arrow.SetEndArrow(ArrowTypeNotched);
    EXPECT_EQ(Record(arrow).toHex(), QByteArray("030514f20000000000000000"));

    CQarnArrowProperty back;
    ReadRecord(Hex("0102f3100102030405060708"), back);  // the trailing words are skipped
    EXPECT_EQ(back.GetStartArrowSize(), 1);
    EXPECT_EQ(back.GetEndArrowSize(), 2);
    EXPECT_EQ(back.GetStartArrow(), ArrowTypeBarbFirst);
    EXPECT_EQ(back.GetEndArrow(), ArrowTypeNone);
    ExpectEveryCutFails(Record(arrow), [] { return new CQarnArrowProperty(); });
}

TEST(PropertyRecordTest, UserValuesStoreKindNameTypeAndTheValueInTheFormOfItsType) {
    struct Case {
        CVariant value;
        const char* payload;  // type code and value
    };
    const Case cases[] = {
        {CVariant(std::int16_t(-2)), "0200feff"},
        {CVariant(0x01020304), "03000403020104030201"},
        {CVariant(1.5f), "04000000c03f"},
        {CVariant(-2.0), "050000000000000000c0"},
        {CVariant::Date(1.0), "0700000000000000f03f"},
        {CVariant("hi"), "0800fffeff0268006900"},
        {CVariant(true), "0b00ffff"},
        {CVariant(false), "0b000000"},
        {CVariant(BYTE(0xAB)), "1100ab"},
        {CVariant::Null(), "0100"},
    };
    for (const Case& c : cases) {
        CQarnPropertyValue value(7001, QStringLiteral("N"), c.value);
        const QByteArray bytes = Record(value);
        EXPECT_EQ(bytes.toHex(), (Hex("591b0000"
                                      "fffeff014e00") +
                                  Hex(c.payload))
                                     .toHex())
            << "type " << c.value.vt();
        CQarnPropertyValue back;
        ReadRecord(bytes, back);
        EXPECT_EQ(back.GetId(), 7001u);
        EXPECT_EQ(back.GetName(), QStringLiteral("N"));
        EXPECT_EQ(back.GetValue(), c.value) << "type " << c.value.vt();
        ExpectEveryCutFails(bytes, [] { return new CQarnPropertyValue(); });
    }
    // An empty value has no form of its own: it is stored by its type alone and read as null.
    CQarnPropertyValue empty(1, QString(), CVariant());
    EXPECT_EQ(Record(empty).right(2).toHex(), QByteArray("0000"));
    CQarnPropertyValue back;
    ReadRecord(Record(empty), back);
    EXPECT_TRUE(back.GetValue().IsNull());
}

TEST(PropertyRecordTest, UserValuesKeepTheSecondIntegerAndReadOtherTypesAsNullWithoutPayload) {
    CQarnPropertyValue twice;
    ReadRecord(Hex("01000000"
                   "fffeff00"
                   "0300"
                   "01000000"
                   "02000000"),
               twice);
    EXPECT_EQ(twice.GetValue(), CVariant(2));

    for (std::uint16_t vt : {0, 1, 6, 9, 10, 12, 13, 14, 15, 16, 18, 0xFFFF}) {
        QByteArray bytes = Hex("01000000"
                               "fffeff00") +
                           Hex("0000") + Hex("abcd");
        bytes[8] = char(vt & 0xFF);
        bytes[9] = char(vt >> 8);
        CArchive in(CArchive::load, &bytes);
        CQarnPropertyValue value(0, QString(), CVariant(5));
        in.SerializeEmbedded(value);
        EXPECT_TRUE(value.GetValue().IsNull()) << "type " << vt;
        EXPECT_EQ(in.BytesLeft(), 2) << "type " << vt << " read a payload";
    }
}

TEST(PropertyRecordTest, AUserValueClonesWithItsNameAndValue) {
    CQarnPropertyValue value(7002, QStringLiteral("weight"), CVariant(2.5));
    std::unique_ptr<CQarnProperty> clone(value.Clone());
    auto* copy = dynamic_cast<CQarnPropertyValue*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetId(), 7002u);
    EXPECT_EQ(copy->GetName(), QStringLiteral("weight"));
    EXPECT_EQ(copy->GetValue(), CVariant(2.5));
    EXPECT_EQ(copy->GetRefCount(), 0);
    CQarnPropertyValue fresh;
    EXPECT_EQ(fresh.GetId(), 0u);
    EXPECT_TRUE(fresh.GetValue().IsNull());
}
