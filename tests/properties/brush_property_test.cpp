#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "platform/archive.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/gradient.h"

TEST(BasicBrushTest, ColoursByIndexFallBackToTheNearestLowerEntry) {
    CQarnBasicBrushProperty basic;
    EXPECT_EQ(basic.GetId(), 6000u);
    EXPECT_EQ(basic.GetColorCount(), 1);
    EXPECT_EQ(basic.GetColor1().GetValue(), 0xFF000000u);

    CQarnBrushProperty brush;
    EXPECT_EQ(brush.GetColor(-1).GetValue(), 0xFF000000u);
    EXPECT_EQ(brush.GetColor(0).GetValue(), 0xFFFFFFDCu);
    EXPECT_EQ(brush.GetColor(5).GetValue(), brush.GetColor2().GetValue());
    brush.SetColor(Color(0xFF112233u), 3);
    ASSERT_EQ(brush.GetColorCount(), 4);
    EXPECT_EQ(brush.GetColor(2).GetValue(), 0xFFFFFFFFu);  // appended white
    EXPECT_EQ(brush.GetColor(3).GetValue(), 0xFF112233u);
}

TEST(BasicBrushTest, ColourReferencesKeepTheEntrysAlphaAndNeedAnEntry) {
    CQarnBasicBrushProperty brush;
    brush.SetColor(Color(0x7F000000u), 0);
    brush.SetColor1(static_cast<unsigned long>(RGB(0x10, 0x20, 0x30)));
    EXPECT_EQ(brush.GetColor1().GetValue(), 0x7F102030u);
    brush.SetColor2(static_cast<unsigned long>(RGB(1, 2, 3)));  // no second entry: ignored
    EXPECT_EQ(brush.GetColorCount(), 1);
    brush.SetAlpha(0x33);
    EXPECT_EQ(brush.GetAlpha(), 0x33);
}

TEST(BasicBrushTest, KindAccessorsAreInert) {
    CQarnBasicBrushProperty brush;
    brush.SetBrushType(3);
    brush.SetHatchStyle(5);
    brush.SetImageName(QStringLiteral("x.png"));
    brush.SetStretch(false);
    EXPECT_EQ(brush.GetBrushType(), 0);
    EXPECT_EQ(brush.GetHatchStyle(), 0);
    EXPECT_TRUE(brush.GetImageName().isEmpty());
    EXPECT_TRUE(brush.GetStretch());
    EXPECT_EQ(brush.GetStyle(), 0u);
    EXPECT_EQ(brush.GetImage(), nullptr);
}

TEST(BasicBrushTest, EqualComparesEntriesInOrder) {
    CQarnBasicBrushProperty a;
    CQarnBasicBrushProperty b;
    EXPECT_EQ(a.Equal(&b), 1);
    b.SetColor(Color(0xFF000001u), 0);
    EXPECT_EQ(a.Equal(&b), 0);
    b.SetColor(Color(0xFF000000u), 0);
    b.SetColor(Color(0xFF000000u), 1);
    EXPECT_EQ(a.Equal(&b), 0);  // lengths differ
}

TEST(BrushTest, HatchStyleGradientModeAndSubTypeShareOneField) {
    CQarnBrushProperty brush;
    brush.SetHatchStyle(7);
    EXPECT_EQ(brush.GetLinearGradientMode(), 7);
    brush.SetLinearGradientMode(2);
    EXPECT_EQ(brush.GetHatchStyle(), 2);
    brush.SetQarnBrushType(3);
    EXPECT_EQ(brush.GetHatchStyle(), 3);
}

TEST(BrushTest, BlendBitsExcludeEachOther) {
    CQarnBrushProperty brush;
    EXPECT_TRUE(brush.GetStretch());
    brush.SetBlend(true);
    brush.SetBlendBell(true);
    EXPECT_TRUE(brush.GetBlendBell());
    EXPECT_FALSE(brush.GetBlend());
    brush.SetToCenter(true);
    brush.SetBlendTriangle(true);
    EXPECT_EQ(brush.GetStyle(), 0x1u | 0x2u | 0x200u);
    brush.SetBlendTriangle(false);
    EXPECT_EQ(brush.GetStyle(), 0x3u);
    brush.SetBlendColors(true);
    brush.SetBlendBell(false);  // clearing another bit clears only that bit
    EXPECT_TRUE(brush.GetBlendColors());
}

TEST(BrushTest, CloneCopiesEverythingAndIsIndependent) {
    CQarnBrushProperty brush(6000);
    brush.SetBrushType(CQarnBrushProperty::LinearGradient);
    brush.SetColor1(Color(0xFF0000FFu));
    brush.SetColor(Color(0xFF00FF00u), 2);
    brush.SetHatchStyle(3);
    brush.SetWrapMode(4);
    brush.SetImageName(QStringLiteral("a.png"));
    brush.SetStretch(false);
    std::unique_ptr<CQarnBrushProperty> clone(static_cast<CQarnBrushProperty*>(brush.Clone()));
    EXPECT_EQ(clone->GetId(), 6000u);
    EXPECT_EQ(clone->GetRefCount(), 0);
    EXPECT_EQ(clone->Eqaul(&brush), 1);
    EXPECT_EQ(clone->GetColorCount(), 3);
    clone->SetWrapMode(1);
    EXPECT_EQ(clone->Eqaul(&brush), 0);
    EXPECT_EQ(brush.GetWrapMode(), 4);
}

TEST(BrushTest, CopyingAPlainColourGivesASolidBrushOfThatColour) {
    CQarnBasicBrushProperty basic;
    basic.SetColor1(Color(0xFF123456u));
    CQarnBrushProperty brush;
    brush.SetBrushType(CQarnBrushProperty::Hatch);
    brush.Copy(&basic);
    EXPECT_EQ(brush.GetBrushType(), 0);
    EXPECT_EQ(brush.GetColor1().GetValue(), 0xFF123456u);
}

TEST(BrushTest, ThePictureIsLoadedOnceAndDroppedWithANewName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.png"));
    QImage picture(4, 3, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(path));

    CQarnBrushProperty brush;
    EXPECT_EQ(brush.GetImage(), nullptr);  // no name
    brush.SetImageName(path);
    QImage* loaded = brush.GetImage();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->width(), 4);
    EXPECT_EQ(brush.GetImage(), loaded);
    brush.SetImageName(dir.filePath(QStringLiteral("missing.png")));
    EXPECT_EQ(brush.GetImage(), nullptr);
    brush.SetImageName(path);
    brush.ClearImage();
    EXPECT_NE(brush.GetImage(), nullptr);
}

TEST(GradientTest, EntriesStartWhiteAndRoundTrip) {
    CQarnGradient g;
    EXPECT_EQ(g.GetColor().GetValue(), 0xFFFFFFFFu);
    g.SetPosition(0.5f);
    g.SetColor(Color(0x80FF0000u));
    QByteArray bytes;
    {
        CArchive ar(CArchive::store, &bytes);
        g.Serialize(ar);
    }
    EXPECT_EQ(bytes, QByteArray::fromHex("0000003f80ff0000"));
    CQarnGradient back;
    CArchive in(CArchive::load, &bytes);
    back.Serialize(in);
    EXPECT_TRUE(back.Equal(g));
}
