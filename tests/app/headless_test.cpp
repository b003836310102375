#include <gtest/gtest.h>

#include <zlib.h>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "command_line.h"
#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "headless_runner.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"
#include "shapes/catalogue/star.h"
#include "support/svg_witness.h"

namespace {

class HeadlessTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("in.met"));

    void SetUp() override {
        CQarnDoc doc;
        ASSERT_TRUE(doc.OnNewDocument());
        auto* c = new CQarnComponent(RectF(1, 2, 30, 40));
        c->SetShapeID(18228);
        doc.AddTail(c);
        doc.GetCurrentCanvas()->AddNewLayer()->SetVisible(false);
        doc.AddNewCanvas()->SetSize(640, 480);
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(input, &error)) << error.toStdString();
    }

    int Run(const QStringList& args, QString* output, QString* error) {
        CommandLine line = CommandLine::Parse(QStringList{QStringLiteral("InkvaneU")} + args);
        EXPECT_TRUE(line.error.isEmpty()) << line.error.toStdString();
        return CHeadlessRunner::Run(line, output, error);
    }
};

}  // namespace

TEST_F(HeadlessTest, InfoSummarisesPagesLayersAndComponents) {
    QString output;
    QString error;
    ASSERT_EQ(Run({QStringLiteral("--info"), input}, &output, &error), 0) << error.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(output.toUtf8()).object();
    const QJsonArray pages = root[QStringLiteral("pages")].toArray();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[1].toObject()[QStringLiteral("width")].toInt(), 640);
    const QJsonArray layers = pages[0].toObject()[QStringLiteral("layers")].toArray();
    ASSERT_EQ(layers.size(), 2);
    EXPECT_FALSE(layers[1].toObject()[QStringLiteral("visible")].toBool());
    const QJsonObject c =
        layers[0].toObject()[QStringLiteral("components")].toArray()[0].toObject();
    EXPECT_EQ(c[QStringLiteral("class")].toString(), QStringLiteral("CQarnComponent"));
    EXPECT_EQ(c[QStringLiteral("name")].toString(), QStringLiteral("Rectangle-0"));
    EXPECT_EQ(c[QStringLiteral("frame")].toArray()[3].toDouble(), 40.0);
    EXPECT_EQ(c[QStringLiteral("style")].toString(), QStringLiteral("0x00504007"));
}

TEST_F(HeadlessTest, InfoListsSymbolsTheirInstancesAndParametricShapes) {
    const QString path = dir.filePath(QStringLiteral("symbols.met"));
    {
        CQarnDoc doc;
        ASSERT_TRUE(doc.OnNewDocument());
        auto* t = new CQarnAutoShapeTempl();
        t->SetTemplateID(80000);
        t->SetTemplateName(QStringLiteral("Valve"));
        t->SetPosition(RectF(0, 0, 100, 50));
        t->AddComponent(new CQarnComponent(RectF(0, 0, 100, 50)));
        t->AddAnchorPoint(PointF(100, 25), 2);
        doc.AddTemplate(t, false);
        auto* instance = new CQarnAutoShape(RectF(10, 10, 100, 50), 80000);
        doc.AddTail(instance);
        instance->Initialize(instance->GetLayer());
        doc.AddTail(new CQarnAutoShape(RectF(10, 100, 20, 20), 123));
        auto* star = new CQarnShapeStar(RectF(0, 0, 100, 100));
        star->SetShapeID(18291);
        doc.AddTail(star);
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
    }
    QString output;
    QString error;
    ASSERT_EQ(Run({QStringLiteral("--info"), path}, &output, &error), 0) << error.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(output.toUtf8()).object();
    const QJsonArray symbols = root[QStringLiteral("symbols")].toArray();
    ASSERT_EQ(symbols.size(), 1);
    EXPECT_EQ(symbols[0].toObject()[QStringLiteral("name")].toString(), QStringLiteral("Valve"));
    EXPECT_EQ(symbols[0].toObject()[QStringLiteral("anchors")].toInt(), 1);
    const QJsonArray components = root[QStringLiteral("pages")]
                                      .toArray()[0]
                                      .toObject()[QStringLiteral("layers")]
                                      .toArray()[0]
                                      .toObject()[QStringLiteral("components")]
                                      .toArray();
    ASSERT_EQ(components.size(), 3);
    const QJsonObject instance = components[0].toObject();
    EXPECT_EQ(instance[QStringLiteral("class")].toString(), QStringLiteral("CQarnAutoShape"));
    EXPECT_EQ(instance[QStringLiteral("template")].toInt(), 80000);
    EXPECT_EQ(instance[QStringLiteral("symbol")].toString(), QStringLiteral("Valve"));
    EXPECT_EQ(instance[QStringLiteral("name")].toString(), QStringLiteral("Valve-0"));
    EXPECT_TRUE(components[1].toObject()[QStringLiteral("symbol")].isNull());
    const QJsonObject shape = components[2].toObject();
    EXPECT_EQ(shape[QStringLiteral("name")].toString(), QStringLiteral("Star-2"));
    EXPECT_EQ(shape[QStringLiteral("freeHandles")].toArray().size(), 1);
}

TEST_F(HeadlessTest, ExportingToMetWritesTheDocumentAgain) {
    const QString out = dir.filePath(QStringLiteral("out.met"));
    QString output;
    QString error;
    ASSERT_EQ(Run({QStringLiteral("--export-filename=") + out, input}, &output, &error), 0)
        << error.toStdString();
    CQarnDoc back;
    ASSERT_TRUE(back.OnOpenDocument(out, &error));
    EXPECT_EQ(back.GetCanvasList().size(), 2);
}

TEST_F(HeadlessTest, FailuresGiveOneLineAndANonZeroStatus) {
    QString output;
    QString error;
    EXPECT_EQ(
        Run({QStringLiteral("--info"), dir.filePath(QStringLiteral("none.met"))}, &output, &error),
        1);
    EXPECT_TRUE(error.contains(QStringLiteral("none.met")));
    EXPECT_FALSE(error.contains(QLatin1Char('\n')));
    EXPECT_NE(
        Run({QStringLiteral("--export-filename=") + dir.filePath(QStringLiteral("x.doc")), input},
            &output, &error),
        0);
    EXPECT_TRUE(error.contains(QStringLiteral(".doc")));
    EXPECT_EQ(
        Run({QStringLiteral("--page=3"),
             QStringLiteral("--export-filename=") + dir.filePath(QStringLiteral("p.met")), input},
            &output, &error),
        1);
    EXPECT_TRUE(error.contains(QStringLiteral("page 3")));
}

TEST(HeadlessCommandLineTest, OptionsNeedValuesAndADocument) {
    auto parse = [](QStringList args) {
        return CommandLine::Parse(QStringList{QStringLiteral("InkvaneU")} + args);
    };
    EXPECT_FALSE(parse({QStringLiteral("--info")}).error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("--page=0"), QStringLiteral("a.met")}).error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("--dpi=abc"), QStringLiteral("a.met")}).error.isEmpty());
    EXPECT_FALSE(
        parse({QStringLiteral("--export-filename="), QStringLiteral("a.met")}).error.isEmpty());
    CommandLine ok = parse({QStringLiteral("--export-filename=o.png"), QStringLiteral("--page=2"),
                            QStringLiteral("--dpi=300"), QStringLiteral("a.met")});
    EXPECT_TRUE(ok.error.isEmpty());
    EXPECT_EQ(ok.page, 2);
    EXPECT_EQ(ok.dpi, 300);
    EXPECT_TRUE(ok.IsHeadless());
}

TEST_F(HeadlessTest, PagesExportAsPngAtTheChosenResolutionAndAsPdf) {
    QString output;
    QString error;
    const QString png = dir.filePath(QStringLiteral("page2.png"));
    ASSERT_EQ(Run({QStringLiteral("--export-filename=") + png, QStringLiteral("--page=2"),
                   QStringLiteral("--dpi=50"), input},
                  &output, &error),
              0)
        << error.toStdString();
    QImage image(png);
    EXPECT_EQ(image.size(), QSize(320, 240));  // 640 by 480 units at half a pixel per unit
    EXPECT_EQ(image.pixel(10, 10), 0xFFFFFFFFu);

    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    ASSERT_EQ(Run({QStringLiteral("--export-filename=") + pdf, input}, &output, &error), 0)
        << error.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
}

TEST_F(HeadlessTest, PagesExportAsPlainAndCompressedSvg) {
    QString output;
    QString error;
    const QString svg = dir.filePath(QStringLiteral("page.svg"));
    ASSERT_EQ(Run({QStringLiteral("--export-filename=") + svg, input}, &output, &error), 0)
        << error.toStdString();
    ExpectSvgWitnessesAccept(svg);
    QFile plain(svg);
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    const QByteArray bytes = plain.readAll();
    EXPECT_TRUE(bytes.contains("<g id=\"Rectangle-0\""));

    const QString svgz = dir.filePath(QStringLiteral("page.svgz"));
    ASSERT_EQ(Run({QStringLiteral("--export-filename=") + svgz, input}, &output, &error), 0)
        << error.toStdString();
    gzFile gz = gzopen(QFile::encodeName(svgz).constData(), "rb");
    ASSERT_NE(gz, nullptr);
    QByteArray back(1 << 20, '\0');
    const int n = gzread(gz, back.data(), unsigned(back.size()));
    gzclose(gz);
    EXPECT_EQ(back.left(n), bytes);

    // The second page is 640 by 480 and holds nothing.
    const QString second = dir.filePath(QStringLiteral("second.svg"));
    ASSERT_EQ(
        Run({QStringLiteral("--export-filename=") + second, QStringLiteral("--page=2"), input},
            &output, &error),
        0);
    QFile page2(second);
    ASSERT_TRUE(page2.open(QIODevice::ReadOnly));
    const QByteArray two = page2.readAll();
    EXPECT_TRUE(two.contains("<svg width=\"640\" height=\"480\""));
    EXPECT_FALSE(two.contains("<g id="));

    EXPECT_EQ(Run({QStringLiteral("--export-filename=") +
                       dir.filePath(QStringLiteral("missing/dir/page.svg")),
                   input},
                  &output, &error),
              1);
    EXPECT_TRUE(error.contains(QStringLiteral("page.svg")));
    EXPECT_FALSE(error.contains(QLatin1Char('\n')));
}
