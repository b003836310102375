#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include <zlib.h>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

#include "export/svg_definitions.h"
#include "export/svg_file_writer.h"
#include "export/svg_number_format.h"
#include "export/svg_paint_writer.h"
#include "export/svg_text_filters.h"
#include "platform/matrix.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"

namespace {

class SvgPaintTest : public ::testing::Test {
protected:
    CSvgDefinitions definitions;
    CSvgNumberFormat format{2};
    CSvgPaintWriter writer{definitions, format};
    QString defs;
};

// The definitions text parses as XML (wrapped in a root that declares xlink).
bool WellFormed(const QString& fragment) {
    QDomDocument doc;
    const QString wrapped = QStringLiteral(
                                "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                "xmlns:xlink=\"http://www.w3.org/1999/xlink\"><defs>") +
                            fragment + QStringLiteral("</defs></svg>");
    return bool(doc.setContent(wrapped));
}

}  // namespace

TEST(SvgNumberFormatTest, DecimalsOnlyWhenTheValueHasAFraction) {
    CSvgNumberFormat two(2);
    EXPECT_EQ(two.Num(3.0), QStringLiteral("3"));
    EXPECT_EQ(two.Num(3.456), QStringLiteral("3.46"));
    EXPECT_EQ(two.Num(12.5), QStringLiteral("12.50"));
    EXPECT_EQ(two.Num(2.999), QStringLiteral("3"));
    // Negative values keep their decimals like positive ones.
    EXPECT_EQ(two.Num(-3.5), QStringLiteral("-3.50"));
    EXPECT_EQ(two.Num(-3.0), QStringLiteral("-3"));
    EXPECT_EQ(CSvgNumberFormat(0).Num(7.6), QStringLiteral("8"));
    Matrix m(1, 0, 0, -1, 2.5f, 3);
    EXPECT_EQ(CSvgNumberFormat::MatrixToString(m, 1, true),
              QStringLiteral("transform=\"matrix(1.0, 0.0, 0.0, -1.0, 2.5, 3.0)\""));
}

TEST(SvgNumberFormatTest, AgreesWithPrintfAndStaysANumber) {
    // Values with a fraction at the precision print as "%.*f" does, for every precision and
    // magnitude the writer meets.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> spread(-1e6, 1e6);
    for (int precision = 1; precision <= 6; ++precision) {
        const CSvgNumberFormat format(precision);
        for (int i = 0; i < 2000; ++i) {
            const double value = spread(random) / std::pow(10.0, i % 7);
            const QString written = format.Num(value);
            QString appended = QStringLiteral("x");
            format.AppendNum(appended, value);
            EXPECT_EQ(appended, QLatin1Char('x') + written);
            if (written.contains(QLatin1Char('.'))) {
                char expected[64];
                std::snprintf(expected, sizeof expected, "%.*f", precision, value);
                EXPECT_EQ(written, QString::fromLatin1(expected)) << value;
            } else {
                EXPECT_NEAR(written.toDouble(), value, 0.5 / std::pow(10.0, precision) + 1e-9);
            }
        }
    }
    const CSvgNumberFormat two(2);
    // Nothing that is not a number reaches the file, and no "-0".
    EXPECT_EQ(two.Num(std::nan("")), QStringLiteral("0"));
    EXPECT_EQ(two.Num(HUGE_VAL), QStringLiteral("0"));
    EXPECT_EQ(two.Num(-0.001), QStringLiteral("0"));
    EXPECT_TRUE(two.Num(1e300).startsWith(QStringLiteral("1000000000000000052")));
    // A precision beyond any double's digits is capped rather than overflowing the text.
    EXPECT_EQ(CSvgNumberFormat(500).Num(0.5).size(), 22);
}

TEST(SvgTextFilterTest, EscapesKeepMarkupWellFormed) {
    EXPECT_EQ(QarnSvg::HtmlFilter(QStringLiteral("a<b & c>d")),
              QStringLiteral("a&lt;b &amp; c&gt;d"));
    EXPECT_EQ(QarnSvg::AttributeFilter(QStringLiteral("say \"hi\"")),
              QStringLiteral("say &quot;hi&quot;"));
    EXPECT_EQ(QarnSvg::HtmlFilter(QString(QChar(0x01)) + QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(QarnSvg::NameStrFilter(QStringLiteral("my_pic/a b\\c.png")),
              QStringLiteral("my.pic.a.b.c.png"));
}

TEST_F(SvgPaintTest, SolidFillsScaleByPercent) {
    EXPECT_EQ(
        writer.SVG_AddFill(Color(0x80FF6432u), 100),
        QStringLiteral("fill=\"rgb(255,100,50)\" fill-opacity=\"0.50\" fill-rule=\"evenodd\""));
    EXPECT_EQ(writer.SVG_AddFill(Color(0xFFFF6432u), 50),
              QStringLiteral("fill=\"rgb(127,50,25)\" fill-opacity=\"1\" fill-rule=\"evenodd\""));
}

TEST_F(SvgPaintTest, StrokesCarryDashesCapsJoinsAndMiter) {
    CQarnPenProperty pen;
    pen.SetLineWidth(2);
    pen.SetDashStyle(1);
    pen.SetLineCap(2);
    pen.SetLineJoin(2);
    pen.SetColor1(Color(0xFF0000FFu));
    const QString stroke = writer.SVG_AddStroke(&pen, RectF(0, 0, 10, 10), nullptr, 0, &defs);
    EXPECT_EQ(stroke,
              QStringLiteral("stroke=\"rgb(0,0,255)\" stroke-opacity=\"1\" stroke-width=\"2\" "
                             "stroke-dasharray=\"4, 4\" stroke-linecap=\"round\" "
                             "stroke-linejoin=\"round\" stroke-miterlimit=\"10\""));
    pen.SetLineCap(0);
    pen.SetDashStyle(4);
    pen.SetLineJoin(3);
    const QString butt = writer.SVG_AddStroke(&pen, RectF(), nullptr, 0, &defs);
    EXPECT_TRUE(butt.contains(QStringLiteral("stroke-dasharray=\"6, 2, 2, 2, 2, 2\"")));
    EXPECT_TRUE(butt.contains(QStringLiteral("stroke-linejoin=\"miter\"")));
    pen.SetDashStyle(0);
    EXPECT_FALSE(
        writer.SVG_AddStroke(&pen, RectF(), nullptr, 0, &defs).contains(QStringLiteral("dash")));
}

TEST_F(SvgPaintTest, EqualGradientsShareOneDefinition) {
    CQarnBrushProperty brush;
    brush.SetBrushType(CQarnBrushProperty::LinearGradient);
    brush.SetColor1(Color(0xFF112233u));
    brush.SetColor2(Color(0x80445566u));
    brush.SetLinearGradientMode(1);
    const QString first = writer.SVG_AppendGradient(&brush, RectF(0, 0, 10, 10), &defs, 0);
    const QString second = writer.SVG_AppendGradient(&brush, RectF(5, 5, 10, 10), &defs, 0);
    EXPECT_EQ(first, QStringLiteral("url(#_GradL112233FF445566801NA_)"));
    EXPECT_EQ(first, second);
    EXPECT_EQ(defs.count(QStringLiteral("<linearGradient")), 1);
    EXPECT_TRUE(defs.contains(QStringLiteral("x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\"")));
    EXPECT_TRUE(WellFormed(defs));

    // In user space the rectangle is part of the id and the points are absolute.
    const QString user = writer.SVG_AppendGradient(&brush, RectF(10, 20, 30, 40), &defs, 1);
    EXPECT_EQ(user, QStringLiteral("url(#_GradL112233FF445566801-10-20-40-60_)"));
    EXPECT_TRUE(defs.contains(QStringLiteral(
        "gradientUnits=\"userSpaceOnUse\" x1=\"10\" y1=\"20\" x2=\"10\" y2=\"60\"")));

    CQarnBrushProperty solid;
    EXPECT_EQ(writer.SVG_AppendGradient(&solid, RectF(), &defs, 0), QStringLiteral("none"));
}

TEST_F(SvgPaintTest, RadialGradientsSwapStopsTowardsTheCentre) {
    CQarnBrushProperty brush;
    brush.SetBrushType(CQarnBrushProperty::PathGradient);
    brush.SetColor1(Color(0xFFFF0000u));
    brush.SetColor2(Color(0xFF0000FFu));
    writer.SVG_AppendGradient(&brush, RectF(0, 0, 100, 50), &defs, 1);
    EXPECT_TRUE(defs.contains(QStringLiteral("scale(1,0.50)\" cx=\"50\" cy=\"25\" r=\"50\"")));
    const qsizetype red = defs.indexOf(QStringLiteral("rgb(255,0,0)"));
    const qsizetype blue = defs.indexOf(QStringLiteral("rgb(0,0,255)"));
    EXPECT_LT(red, blue);  // the centre stop comes first
    defs.clear();
    brush.SetToCenter(true);
    writer.SVG_AppendGradient(&brush, RectF(0, 0, 100, 50), &defs, 0);
    EXPECT_LT(defs.indexOf(QStringLiteral("rgb(0,0,255)")),
              defs.indexOf(QStringLiteral("rgb(255,0,0)")));
    EXPECT_TRUE(WellFormed(defs));
}

TEST_F(SvgPaintTest, HatchPatternsAreEightByEightTiles) {
    CQarnBrushProperty brush;
    brush.SetBrushType(CQarnBrushProperty::Hatch);
    brush.SetHatchStyle(4);
    const QString ref = writer.SVG_AppendHatch(&brush, &defs, nullptr);
    EXPECT_TRUE(ref.startsWith(QStringLiteral("url(#_Hatch")));
    EXPECT_TRUE(
        defs.contains(QStringLiteral("patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\"")));
    EXPECT_EQ(defs.count(QStringLiteral("<line")), 2);
    Matrix turned;
    turned.Rotate(30);
    const QString rotated = writer.SVG_AppendHatch(&brush, &defs, &turned);
    EXPECT_NE(rotated, ref);
    EXPECT_TRUE(defs.contains(QStringLiteral("patternTransform=\"matrix(")));
    EXPECT_TRUE(WellFormed(defs));
}

TEST_F(SvgPaintTest, ArrowMarkersAreWrittenOncePerKindEndAndSize) {
    for (ArrowType type :
         {ArrowTypeSquare, ArrowTypeRound, ArrowTypeDiamond, ArrowTypeArrow, ArrowTypeOpen,
          ArrowTypeNotched, ArrowTypeBarbFirst, ArrowTypeBarbSecond}) {
        EXPECT_FALSE(writer.SVG_AppendArrow(1, type, 4, &defs).isEmpty());
        EXPECT_FALSE(writer.SVG_AppendArrow(0, type, 4, &defs).isEmpty());
    }
    EXPECT_EQ(writer.SVG_AppendArrow(1, ArrowTypeArrow, 4, &defs),
              QStringLiteral("url(#_End-Arrow4_)"));
    EXPECT_EQ(defs.count(QStringLiteral("<marker")), 16);
    EXPECT_TRUE(defs.contains(QStringLiteral("id=\"_Start-Dimond4_\"")));
    EXPECT_TRUE(writer.SVG_AppendArrow(1, ArrowTypeNone, 4, &defs).isEmpty());
    EXPECT_TRUE(WellFormed(defs));
}

TEST_F(SvgPaintTest, FiltersAndImagesAreWellFormedDefinitions) {
    EXPECT_EQ(writer.SVG_AppendOpacityFilter(50, &defs),
              QStringLiteral("url(#_FilterOpacity0.50_)"));
    EXPECT_EQ(writer.SVG_AppendGrayScaleFilter(80, &defs),
              QStringLiteral("url(#_FilterGrayScale0.80_)"));
    EXPECT_EQ(writer.SVG_AppendImage(QStringLiteral("a b&c.png"), CSize(4, 3), &defs),
              QStringLiteral("#_IMAGE-a.b&amp;c.png_"));
    EXPECT_TRUE(WellFormed(defs));
    EXPECT_TRUE(definitions.Registry().contains(QStringLiteral("_FilterOpacity0.50_")));
}

TEST(SvgFileWriterTest, EncodingsAndSafeWrites) {
    const QString text = QStringLiteral("<t>Grüße €</t>");
    EXPECT_EQ(CSvgFileWriter::Encode(text, false), text.toUtf8());
    QByteArray wide = CSvgFileWriter::Encode(QStringLiteral("A€"), true);
    EXPECT_EQ(wide, QByteArray::fromHex("fffe4100ac20"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.svg"));
    QString error;
    ASSERT_TRUE(CSvgFileWriter::Write(path, QByteArray("first"), false, &error))
        << error.toStdString();
    EXPECT_FALSE(CSvgFileWriter::Write(dir.filePath(QStringLiteral("missing/dir/x.svg")),
                                       QByteArray("x"), false, &error));
    EXPECT_FALSE(error.isEmpty());

    const QString zipped = dir.filePath(QStringLiteral("out.svgz"));
    QByteArray big(200000, 'z');
    ASSERT_TRUE(CSvgFileWriter::Write(zipped, big, true, &error)) << error.toStdString();
    gzFile gz = gzopen(QFile::encodeName(zipped).constData(), "rb");
    ASSERT_NE(gz, nullptr);
    QByteArray back(300000, '\0');
    int n = gzread(gz, back.data(), unsigned(back.size()));
    gzclose(gz);
    EXPECT_EQ(n, big.size());
    EXPECT_EQ(back.left(n), big);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no temporary left behind

    const QString preview = CSvgFileWriter::WritePreview(path, 500, 400);
    ASSERT_FALSE(preview.isEmpty());
    QFile html(preview);
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(html.readAll().contains("WIDTH=\"500\" HEIGHT=\"400\""));
}

TEST_F(SvgPaintTest, EveryHatchStyleWritesAPatternWithItsForeground) {
    CQarnBrushProperty brush;
    brush.SetBrushType(CQarnBrushProperty::Hatch);
    for (WORD style = 0; style < 53; ++style) {
        brush.SetHatchStyle(style);
        QString one;
        writer.SVG_AppendHatch(&brush, &one, nullptr);
        EXPECT_TRUE(one.contains(QStringLiteral("<pattern"))) << style;
        EXPECT_TRUE(one.contains(QStringLiteral("<line")) || one.count(QStringLiteral("<rect")) > 1)
            << "style " << style << " has no foreground";
        EXPECT_TRUE(WellFormed(one)) << style;
    }
}
