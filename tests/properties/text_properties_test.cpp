#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "platform/archive.h"
#include "platform/font_mapper.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/label_property.h"
#include "properties/persp_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "properties/tip_property.h"

namespace {

template <typename T>
std::unique_ptr<T> RoundTrip(T& source, QByteArray* bytesOut = nullptr) {
    QByteArray bytes;
    {
        CArchive ar(CArchive::store, &bytes);
        source.Serialize(ar);
    }
    auto back = std::make_unique<T>();
    CArchive in(CArchive::load, &bytes);
    back->Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    if (bytesOut != nullptr) {
        *bytesOut = bytes;
    }
    return back;
}

void ExpectPoint(const PointF& p, float x, float y) {
    EXPECT_NEAR(p.X, x, 1e-4f);
    EXPECT_NEAR(p.Y, y, 1e-4f);
}

}  // namespace

TEST(TextPropertyTest, DefaultsAndParagraphs) {
    CQarnTextProperty text;
    EXPECT_EQ(text.GetId(), 6004u);
    EXPECT_EQ(text.GetText(), QStringLiteral("Text"));
    EXPECT_EQ(text.GetFontName(), QStringLiteral("Arial"));
    EXPECT_FLOAT_EQ(text.GetFontSize(), 12.0f);
    EXPECT_EQ(text.GetXAlignment(), 1);
    EXPECT_EQ(text.GetYAlignment(), 1);
    EXPECT_EQ(text.GetBrush()->GetRefCount(), 1);
    text.SetText(QStringLiteral("a\nb\n"));
    EXPECT_EQ(text.GetNumPara(), 3);
}

TEST(TextPropertyTest, EverySetterInvalidatesTheMeasuredLayout) {
    CQarnTextProperty text;
    auto measured = [&text] {
        text.SetLayout({RectF(0, 0, 10, 10)}, {CQarnCharRange{0, 4}});
        EXPECT_TRUE(text.IsLayoutValid());
    };
    measured();
    text.SetText(QStringLiteral("x"));
    EXPECT_FALSE(text.IsLayoutValid());
    measured();
    text.SetFontSize(20);
    EXPECT_FALSE(text.IsLayoutValid());
    measured();
    text.SetFontName(QStringLiteral("Courier New"));
    EXPECT_FALSE(text.IsLayoutValid());
    measured();
    text.SetNoWrap(true);
    EXPECT_FALSE(text.IsLayoutValid());
    measured();
    text.SetXAlignment(2);
    EXPECT_FALSE(text.IsLayoutValid());
}

TEST(TextPropertyTest, ColoursAreAnsweredAsColourReferences) {
    CQarnTextProperty text;
    text.SetColor(Color(0xFF112233u), 0);
    EXPECT_EQ(text.GetColor(0), 0x332211u);
    text.SetColor(static_cast<unsigned long>(RGB(9, 8, 7)), 0);
    EXPECT_EQ(text.GetBrush()->GetColor1().GetValue(), 0xFF090807u);
}

TEST(TextPropertyTest, TheFileKeepsOnlyTheLowByteOfTheFormatFlags) {
    CQarnTextProperty text;
    text.SetText(QStringLiteral("Grüße"));
    text.SetRightToLeft(true);
    text.SetVertical(true);
    text.SetNoWrap(true);
    text.SetStringTrimming(3);
    text.SetYAlignment(2);
    text.SetFontStyle(CQarnFontProperty::Bold | CQarnFontProperty::Italic);
    text.SetColor(Color(0xFF00AA00u), 0);
    auto back = RoundTrip(text);
    EXPECT_EQ(back->GetText(), QStringLiteral("Grüße"));
    EXPECT_TRUE(back->GetRightToLeft());
    EXPECT_TRUE(back->GetVertical());
    EXPECT_FALSE(back->GetNoWrap());
    EXPECT_EQ(back->GetStringTrimming(), 3);
    EXPECT_EQ(back->GetYAlignment(), 2);
    EXPECT_EQ(back->GetFontStyle(), 3);
    EXPECT_EQ(back->GetBrush()->GetColor1().GetValue(), 0xFF00AA00u);
}

TEST(TextPropertyTest, AFullColourBrushComesBackAsAFullBrush) {
    CQarnTextProperty text;
    auto* hatch = new CQarnBrushProperty();
    hatch->SetBrushType(CQarnBrushProperty::Hatch);
    text.SetBrush(hatch);
    auto back = RoundTrip(text);
    EXPECT_TRUE(back->GetBrush()->IsKindOf(RUNTIME_CLASS(CQarnBrushProperty)));
    EXPECT_EQ(back->GetBrush()->GetRefCount(), 1);
}

TEST(TextPropertyTest, CopyTakesContentButNotTheLayoutAndClonesTheBrush) {
    CQarnTextProperty source;
    source.SetText(QStringLiteral("hello"));
    source.SetGrowWithSizing(true);
    source.SetLayout({RectF(0, 0, 1, 1)}, {CQarnCharRange{0, 5}});
    std::unique_ptr<CQarnTextProperty> clone(static_cast<CQarnTextProperty*>(source.Clone()));
    EXPECT_EQ(clone->GetText(), QStringLiteral("hello"));
    EXPECT_TRUE(clone->GetGrowWithSizing());
    EXPECT_FALSE(clone->IsLayoutValid());
    EXPECT_EQ(clone->GetBoxCount(), 0);
    EXPECT_NE(clone->GetBrush(), source.GetBrush());
}

TEST(FontPropertyTest, CharacterFormatsCarryFaceAndSizeInTwips) {
    CQarnFontProperty font;
    font.SetFontSize(13.5f);
    CCharFormat format = font.GetCharFormat();
    EXPECT_EQ(format.yHeight, 270);
    EXPECT_EQ(format.szFaceName, QStringLiteral("Arial"));
    CCharFormat change;
    change.dwMask = CFM_SIZE;
    change.yHeight = 480;
    change.szFaceName = QStringLiteral("Ignored");
    font.SetCharFormat(change, nullptr);
    EXPECT_FLOAT_EQ(font.GetFontSize(), 24.0f);
    EXPECT_EQ(font.GetFontName(), QStringLiteral("Arial"));
}

TEST(FontMapperTest, WindowsFacesUseMetricCompatibleFonts) {
    EXPECT_EQ(CFontMapper::MapFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(CFontMapper::MapFamily(QStringLiteral("times new roman")),
              QStringLiteral("Liberation Serif"));
    EXPECT_EQ(CFontMapper::MapFamily(QStringLiteral("Courier New")),
              QStringLiteral("Liberation Mono"));
    EXPECT_EQ(CFontMapper::MapFamily(QStringLiteral("No Such Face 123")),
              QStringLiteral("Liberation Sans"));
    EXPECT_FALSE(CFontMapper::IsInstalled(QStringLiteral("No Such Face 123")));
    ASSERT_TRUE(CFontMapper::IsInstalled(QStringLiteral("Arial")))
        << "fonts-liberation2 is missing";
    // Arial's advance widths: H 1479, e 1139, l 455, o 1139 units of a 2048-unit em.
    QFont font = CFontMapper::CreateFont(QStringLiteral("Arial"), 12, 0);
    font.setPixelSize(2048);
    QFontMetricsF metrics(font);
    EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("Hello")), 1479 + 1139 + 455 + 455 + 1139,
                2.0);
    QFont bold = CFontMapper::CreateFont(QStringLiteral("Arial"), 12,
                                         CQarnFontProperty::Bold | CQarnFontProperty::Underline);
    EXPECT_TRUE(bold.bold());
    EXPECT_TRUE(bold.underline());
    EXPECT_FALSE(bold.italic());
}

TEST(LabelPropertyTest, SmallRectanglesGrowAboutTheirCentre) {
    CQarnLabelProperty label(RectF(95, 95, 10, 10));
    RectF r = label.GetRectF();
    EXPECT_FLOAT_EQ(r.X, 75);
    EXPECT_FLOAT_EQ(r.Y, 88);
    EXPECT_FLOAT_EQ(r.Width, 50);
    EXPECT_FLOAT_EQ(r.Height, 24);
    EXPECT_TRUE(label.GetLastRect().Equals(r));
    CQarnLabelProperty wide(RectF(0, 0, 80, 40));
    EXPECT_TRUE(wide.GetRectF().Equals(RectF(0, 0, 80, 40)));
    EXPECT_EQ(label.GetText(), QStringLiteral("Label"));
    ExpectPoint(label.GetCenterPointF(), 100, 100);
}

TEST(LabelPropertyTest, RecordAndCopyKeepEveryField) {
    CQarnLabelProperty label(RectF(1, 2, 60, 30));
    label.SetText(QStringLiteral("Pump 3"));
    label.SetColor(Color(0x80102030u));
    label.GetFont()->SetFontName(QStringLiteral("Courier New"));
    label.SetXAlignment(2);
    label.SetStringFormat(4);
    auto back = RoundTrip(label);
    EXPECT_EQ(back->GetText(), QStringLiteral("Pump 3"));
    EXPECT_EQ(back->GetColor().GetValue(), 0x80102030u);
    EXPECT_EQ(back->GetFont()->GetFontName(), QStringLiteral("Courier New"));
    EXPECT_TRUE(back->GetRectF().Equals(RectF(1, 2, 60, 30)));
    EXPECT_EQ(back->GetXAlignment(), 2);
    EXPECT_EQ(back->GetStringFormat(), 4);
    std::unique_ptr<CQarnLabelProperty> clone(static_cast<CQarnLabelProperty*>(label.Clone()));
    EXPECT_NE(clone->GetFont(), label.GetFont());
    EXPECT_EQ(clone->GetFont()->GetFontName(), QStringLiteral("Courier New"));
}

TEST(TipPropertyTest, RecordIsTheKindAndTheText) {
    CQarnTipProperty tip(QStringLiteral("Hi"));
    QByteArray bytes;
    auto back = RoundTrip(tip, &bytes);
    EXPECT_EQ(bytes, QByteArray::fromHex("79170000fffeff0248006900"));
    EXPECT_EQ(back->GetText(), QStringLiteral("Hi"));
    EXPECT_EQ(CQarnTipProperty().GetText(), QStringLiteral("Tip"));
}

TEST(ShadowPropertyTest, OffsetStylesAddTheUserOffset) {
    CQarnShadowProperty shadow;
    EXPECT_EQ(shadow.GetColor1().GetValue(), 0x80000000u);
    shadow.SetXOffset(3);
    shadow.SetYOffset(4);
    Matrix m;
    shadow.GetTransformMatrix(m, RectF(0, 0, 100, 50));
    ExpectPoint(m.Map(PointF(0, 0)), 8, 9);
    shadow.SetStyle(3);
    Matrix m3;
    shadow.GetTransformMatrix(m3, RectF(0, 0, 100, 50));
    ExpectPoint(m3.Map(PointF(0, 0)), -2, -1);
}

TEST(ShadowPropertyTest, EnlargedAndReducedStylesScaleAboutACorner) {
    CQarnShadowProperty shadow;
    shadow.SetStyle(4);
    RectF b = shadow.GetBoundRect(RectF(0, 0, 10, 10));
    EXPECT_NEAR(b.X, 6, 1e-4f);
    EXPECT_NEAR(b.Y, 6, 1e-4f);
    EXPECT_NEAR(b.Width, 12, 1e-4f);
    EXPECT_NEAR(b.Height, 12, 1e-4f);
    shadow.SetStyle(8);  // reduced about the bottom-right corner
    Matrix m;
    shadow.GetTransformMatrix(m, RectF(0, 0, 10, 10));
    // (5, 5) moves to (10, 10), then shrinks towards (10, 10): it stays.
    ExpectPoint(m.Map(PointF(5, 5)), 10, 10);
}

TEST(ShadowPropertyTest, LaidDownStylesLeanAboutTheBottomLeftCorner) {
    CQarnShadowProperty shadow;
    shadow.SetStyle(12);
    Matrix m;
    shadow.GetTransformMatrix(m, RectF(0, 0, 100, 50));
    ExpectPoint(m.Map(PointF(0, 0)), 25, 25);
    ExpectPoint(m.Map(PointF(0, 50)), 0, 50);
    shadow.SetStyle(14);  // below the bottom edge
    Matrix below;
    shadow.GetTransformMatrix(below, RectF(0, 0, 100, 50));
    EXPECT_NEAR(below.Map(PointF(0, 0)).Y, 75, 1e-4f);
    shadow.SetStyle(16);
    Matrix none;
    shadow.GetTransformMatrix(none, RectF(0, 0, 100, 50));
    EXPECT_TRUE(none.IsIdentity());
}

TEST(ShadowPropertyTest, RecordKeepsStyleOffsetsAndBrushClass) {
    CQarnShadowProperty shadow;
    shadow.SetStyle(13);
    shadow.SetXOffset(-7);
    shadow.SetYOffset(9);
    shadow.SetBrushProperty(new CQarnBrushProperty());
    shadow.SetBrushType(CQarnBrushProperty::LinearGradient);
    QByteArray bytes;
    auto back = RoundTrip(shadow, &bytes);
    EXPECT_EQ(bytes.left(21), QByteArray::fromHex("0d000000f9ffffff09000000000000000000000001"));
    EXPECT_EQ(back->GetStyle(), 13u);
    EXPECT_EQ(back->GetXOffset(), -7);
    EXPECT_TRUE(back->GetBrushProperty()->IsKindOf(RUNTIME_CLASS(CQarnBrushProperty)));
    std::unique_ptr<CQarnShadowProperty> clone(static_cast<CQarnShadowProperty*>(shadow.Clone()));
    EXPECT_EQ(clone->GetYOffset(), 9);
    EXPECT_NE(clone->GetBrushProperty(), shadow.GetBrushProperty());
}

TEST(PerspPropertyTest, CornersRoundTripInThirtyTwoBytes) {
    CQarnPerspProperty persp;
    ExpectPoint(persp.GetCorner(2), 0, 0);
    persp.SetCorner(0, PointF(1, 2));
    persp.SetCorner(3, PointF(-4, 8));
    QByteArray bytes;
    auto back = RoundTrip(persp, &bytes);
    EXPECT_EQ(bytes.size(), 32);
    ExpectPoint(back->GetCorner(3), -4, 8);
    EXPECT_EQ(back->GetId(), 6007u);
}
