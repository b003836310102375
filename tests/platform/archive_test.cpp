#include <gtest/gtest.h>

#include "platform/archive.h"
#include "platform/archive_exception.h"

namespace {

QByteArray Stored(const std::function<void(CArchive&)>& write) {
    QByteArray bytes;
    CArchive ar(CArchive::store, &bytes);
    write(ar);
    return bytes;
}

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

}  // namespace

TEST(ArchiveTest, PrimitivesAreLittleEndianWithoutPadding) {
    QByteArray bytes = Stored([](CArchive& ar) {
        ar << std::uint8_t(0xAB) << std::uint16_t(0x1234) << std::int32_t(-2) << 1.5f;
    });
    EXPECT_EQ(bytes, Hex("ab3412feffffff0000c03f"));

    CArchive in(CArchive::load, &bytes);
    std::uint8_t b = 0;
    std::uint16_t w = 0;
    std::int32_t i = 0;
    float f = 0;
    in >> b >> w >> i >> f;
    EXPECT_EQ(b, 0xAB);
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(i, -2);
    EXPECT_EQ(f, 1.5f);
    EXPECT_TRUE(in.AtEnd());
}

TEST(ArchiveTest, StringsUseTheUnicodeFormWithThreeLengthForms) {
    EXPECT_EQ(Stored([](CArchive& ar) { ar << QString(); }), Hex("fffeff00"));
    EXPECT_EQ(Stored([](CArchive& ar) { ar << QStringLiteral("Ab"); }), Hex("fffeff0241006200"));

    QString longName(300, QLatin1Char('x'));
    QByteArray bytes = Stored([&](CArchive& ar) { ar << longName; });
    EXPECT_EQ(bytes.left(6), Hex("fffeffff2c01"));
    EXPECT_EQ(bytes.size(), 6 + 600);

    QString huge(0x10000, QLatin1Char('y'));
    QByteArray hugeBytes = Stored([&](CArchive& ar) { ar << huge; });
    EXPECT_EQ(hugeBytes.left(10), Hex("fffeffffffff00000100"));

    for (const QString& s : {longName, huge, QStringLiteral("Grüße €")}) {
        QByteArray round = Stored([&](CArchive& ar) { ar << s; });
        CArchive in(CArchive::load, &round);
        QString back;
        in >> back;
        EXPECT_EQ(back, s);
    }
}

TEST(ArchiveTest, StringLengthFormsSwitchAt255AndAt0xFFFE) {
    struct Case {
        int length;
        const char* prefix;
    };
    const Case cases[] = {
        {254, "fffefffe"},
        {255, "fffeffffff00"},
        {0xFFFD, "fffefffffdff"},
        {0xFFFE,
         "fffeffffffff"
         "feff0000"},
    };
    for (const Case& c : cases) {
        const QString text(c.length, QChar(u'\u00e9'));
        QByteArray bytes = Stored([&](CArchive& ar) { ar << text; });
        const QByteArray prefix = Hex(c.prefix);
        EXPECT_EQ(bytes.left(prefix.size()).toHex(), prefix.toHex()) << c.length;
        EXPECT_EQ(bytes.size(), prefix.size() + 2 * c.length);
        EXPECT_EQ(bytes.mid(prefix.size(), 2), Hex("e900"));
        CArchive in(CArchive::load, &bytes);
        QString back;
        in >> back;
        EXPECT_EQ(back, text);
        EXPECT_TRUE(in.AtEnd());
    }
    // The single-byte form has the same length prefixes.
    QByteArray ansi = Hex("ff2c01") + QByteArray(300, 'a');
    CArchive in(CArchive::load, &ansi);
    QString back;
    in >> back;
    EXPECT_EQ(back, QString(300, QLatin1Char('a')));
}

TEST(ArchiveTest, SingleByteStringsAreReadInTheAnsiCodePage) {
    QByteArray bytes = Hex("034180e9");  // "A", euro sign, e acute
    CArchive in(CArchive::load, &bytes);
    QString s;
    in >> s;
    EXPECT_EQ(s, QString::fromUtf8("A€é"));
}

TEST(ArchiveTest, CountsSwitchToThirtyTwoBitsAtFFFF) {
    EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteCount(0xFFFE); }), Hex("feff"));
    QByteArray bytes = Stored([](CArchive& ar) { ar.WriteCount(0xFFFF); });
    EXPECT_EQ(bytes, Hex("ffffffff0000"));
    CArchive in(CArchive::load, &bytes);
    EXPECT_EQ(in.ReadCount(), 0xFFFFu);
}

TEST(ArchiveTest, TruncatedDataFailsWithTheOffset) {
    QByteArray bytes = Hex("01020304ff");
    CArchive in(CArchive::load, &bytes);
    std::uint32_t v = 0;
    in >> v;
    try {
        in >> v;
        FAIL() << "reading past the end must fail";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.Offset(), 4);
        EXPECT_TRUE(e.Message().contains(QStringLiteral("at byte 4")));
    }
}

TEST(ArchiveTest, AStringLongerThanTheDataFailsWithoutAllocatingIt) {
    // Claims 0x7FFFFFFF UTF-16 characters with four bytes left.
    QByteArray bytes = Hex("fffeffffffffffffff7f41004200");
    CArchive in(CArchive::load, &bytes);
    QString s;
    EXPECT_THROW(in >> s, CArchiveException);
}
