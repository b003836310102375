#include <gtest/gtest.h>

#include "core/conversions.h"
#include "core/value_archive.h"

TEST(ConversionsTest, FloatToIntegerTruncatesTowardZero) {
    CRect r = Qarn::cast(RectF(-0.5f, 2.7f, 1.0f, 1.0f));
    EXPECT_EQ(r, CRect(0, 2, 0, 3));
    EXPECT_EQ(Qarn::cast(PointF(-1.9f, 1.9f)), CPoint(-1, 1));
    RectF back = Qarn::cast(CRect(1, 2, -3, 8));
    EXPECT_TRUE(back.Equals(RectF(1, 2, -4, 6)));
    PointF p = Qarn::cast(POINT{-7, 9});
    EXPECT_EQ(p.X, -7.0f);
    EXPECT_EQ(p.Y, 9.0f);
}

TEST(ConversionsTest, PointsCompareWithinOneTenThousandth) {
    EXPECT_TRUE(PointF(1.0f, 1.0f) == PointF(1.00009f, 0.99991f));
    EXPECT_FALSE(PointF(0.0f, 0.0f) == PointF(0.0001f, 0.0f));
    EXPECT_TRUE(PointF(0.0f, 0.0f) != PointF(0.0f, 0.00011f));
    // Rectangles compare exactly.
    EXPECT_FALSE(RectF(0, 0, 1, 1) == RectF(0, 0, 1.00001f, 1));
    EXPECT_TRUE(Color(0x11223344u) == Color(0x11223344u));
}

TEST(ConversionsTest, ColourWordsAndAlpha) {
    Color c(0xFF102030u);
    Qarn::SetA(c, 0x40);
    EXPECT_EQ(Qarn::ColorToDWORD(c), 0x40102030u);
    DWORD d = 0x01020304u;
    EXPECT_EQ(Qarn::DWORDToColor(d).GetValue(), 0x01020304u);
}

TEST(ConversionsTest, ArrowPickerIndexesMapBothWays) {
    const ArrowType expected[] = {ArrowTypeNone,    ArrowTypeArrow,     ArrowTypeOpen,
                                  ArrowTypeNotched, ArrowTypeDiamond,   ArrowTypeRound,
                                  ArrowTypeSquare,  ArrowTypeBarbFirst, ArrowTypeBarbSecond};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(Qarn::Index2ArrowType(i), expected[i]);
        EXPECT_EQ(Qarn::ArrowType2Index(expected[i]), i);
    }
    EXPECT_EQ(Qarn::Index2ArrowType(9), ArrowTypeNone);
    EXPECT_EQ(Qarn::Index2ArrowType(-1), ArrowTypeNone);
    EXPECT_EQ(Qarn::ArrowType2Index(ArrowType(0)), 0);
}

TEST(ConversionsTest, ValueTypesHaveTheirArchiveForms) {
    QByteArray bytes;
    {
        CArchive ar(CArchive::store, &bytes);
        ar << Color(0x80, 0xFF, 0, 0) << PointF(1.0f, -2.0f) << RectF(0, 0, 1, 2);
    }
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("80ff0000"));  // alpha first
    EXPECT_EQ(bytes.size(), 4 + 8 + 16);
    CArchive in(CArchive::load, &bytes);
    Color c;
    PointF p;
    RectF r;
    in >> c >> p >> r;
    EXPECT_EQ(c.GetValue(), 0x80FF0000u);
    EXPECT_EQ(p.Y, -2.0f);
    EXPECT_TRUE(r.Equals(RectF(0, 0, 1, 2)));
}

TEST(ConversionsTest, CopyMatrixCopiesAllSixElements) {
    Matrix from(1, 2, 3, 4, 5, 6);
    Matrix to;
    Qarn::CopyMatrix(from, &to);
    EXPECT_TRUE(to.Equals(from));
    Qarn::CopyMatrix(from, nullptr);  // tolerated
}

TEST(ConversionsTest, HugeAndUndefinedCoordinatesAreHeldInRange) {
    EXPECT_EQ(Qarn::TruncateToInt(1e30), Qarn::kMaxCoordinate);
    EXPECT_EQ(Qarn::TruncateToInt(-1e30), -Qarn::kMaxCoordinate);
    EXPECT_EQ(Qarn::TruncateToInt(std::nan("")), 0);
    CRect r = Qarn::cast(RectF(-3e38f, 0, 3.4e38f, 1));
    EXPECT_EQ(r.left, -Qarn::kMaxCoordinate);
    EXPECT_GT(r.Width(), 0);
    EXPECT_EQ(CRect(-2000000000, 0, 2000000000, 1).Width(), 0x7FFFFFFF);
}
