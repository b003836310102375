#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <zlib.h>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/canvas.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/notification_messages.h"
#include "platform/window_messages.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/text_property.h"
#include "shapes/poly.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "support/file_size_limit.h"
#include "support/message_recorder.h"
#include "support/svg_witness.h"

namespace {

CQarnRect* Box(const RectF& r, ARGB fill) {
    auto* box = new CQarnRect(r);
    box->SetShapeID(Qarn::kShapeRectangle);
    box->SetFillColor(Color(fill));
    box->ResetPath();
    return box;
}

class SvgExportTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CQarnDoc doc;
    QString path = dir.filePath(QStringLiteral("out.svg"));

    void SetUp() override {
        ASSERT_TRUE(doc.OnNewDocument());
        doc.GetCurrentCanvas()->SetSize(200, 100);
    }
    QString Export(int compressed = 0) {
        QString error;
        EXPECT_TRUE(doc.ExportToSVG(path, nullptr, compressed, &error)) << error.toStdString();
        ExpectSvgWitnessesAccept(path);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    }
};

}  // namespace

TEST_F(SvgExportTest, ComponentsBecomeGroupsOfWellFormedMarkup) {
    CQarnRect* box = Box(RectF(10, 10, 180, 40), 0xFFFF0000u);
    box->SetName(QStringLiteral("A \"quoted\" <name> & more"));
    auto* text = new CQarnTextProperty();
    text->SetText(QStringLiteral("Grüße <x>"));
    box->AddProperty(text);
    doc.AddTail(box);
    const QString svg = Export();
    QDomDocument dom;
    ASSERT_TRUE(bool(dom.setContent(svg))) << svg.toStdString();
    EXPECT_EQ(dom.documentElement().attribute(QStringLiteral("width")), QStringLiteral("200"));
    EXPECT_TRUE(
        svg.contains(QStringLiteral("<g id=\"A &quot;quoted&quot; &lt;name&gt; &amp; more\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("fill=\"rgb(255,0,0)\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("Grüße &lt;x&gt;</text>")));
    EXPECT_TRUE(svg.endsWith(QStringLiteral("\n</svg>")));
}

TEST_F(SvgExportTest, EqualGradientsAreDefinedOnceAndHiddenLayersLeaveOnlyTheFrame) {
    for (float x : {10.0f, 100.0f}) {
        CQarnRect* box = Box(RectF(x, 10, 50, 40), 0xFF00FF00u);
        box->SetBrushType(CQarnBrushProperty::LinearGradient);
        doc.AddTail(box);
    }
    const QString svg = Export();
    EXPECT_EQ(svg.count(QStringLiteral("<linearGradient")), 1);
    EXPECT_EQ(svg.count(QStringLiteral("url(#_GradL")), 2);
    doc.GetCurrentCanvas()->GetLayers().first()->SetVisible(false);
    const QString empty = Export();
    // Only the frame: the header up to the svg start tag, then the closing tag.
    const qsizetype start = empty.indexOf(QStringLiteral("<svg width=\"200\" height=\"100\""));
    ASSERT_GE(start, 0);
    const qsizetype body = empty.indexOf(QStringLiteral(">\n"), start) + 2;
    EXPECT_EQ(empty.mid(body), QStringLiteral("\n</svg>"));
}

TEST_F(SvgExportTest, ArrowHeadsAreMarkersOrPartOfTheFilledOutline) {
    auto* line = new CQarnPoly(RectF(10, 50, 150, 1));
    line->AddPoint(PointF(10, 50));
    line->AddPoint(PointF(160, 50));
    line->SetFill(false);
    line->SetClosed(false);
    line->SetLineWidth(2);
    line->SetEndArrow(ArrowTypeArrow);
    line->RecalcBounds();
    line->ResetPath();
    doc.AddTail(line);
    CCustomConfig* config = Qarn::GetConfig();
    const int saved = config->m_nUseSVGAnchor;
    config->m_nUseSVGAnchor = 1;
    EXPECT_TRUE(Export().contains(QStringLiteral("marker-end=\"url(#_End-Arrow4_)\"")));
    config->m_nUseSVGAnchor = 0;
    const QString outline = Export();
    EXPECT_FALSE(outline.contains(QStringLiteral("marker-end")));
    EXPECT_TRUE(outline.contains(QStringLiteral("fill-rule=\"nonzero\"")));
    config->m_nUseSVGAnchor = saved;
}

TEST_F(SvgExportTest, CompressedUnicodeAndNotified) {
    doc.AddTail(Box(RectF(10, 10, 50, 40), 0xFF0000FFu));
    MessageRecorder mainWindow;
    AfxSetMainWnd(&mainWindow);
    const QString plain = Export();
    EXPECT_EQ(mainWindow.Count(QARN_WM_SVGEXPORT_UPDATED), 1);
    AfxSetMainWnd(nullptr);

    path = dir.filePath(QStringLiteral("out.svgz"));
    QString error;
    ASSERT_TRUE(doc.ExportToSVG(path, nullptr, 1, &error));
    gzFile gz = gzopen(QFile::encodeName(path).constData(), "rb");
    ASSERT_NE(gz, nullptr);
    QByteArray back(1 << 20, '\0');
    const int n = gzread(gz, back.data(), unsigned(back.size()));
    gzclose(gz);
    EXPECT_EQ(QString::fromUtf8(back.left(n)), plain);

    CCustomConfig* config = Qarn::GetConfig();
    config->m_nOutputUnicodeSVG = 1;
    path = dir.filePath(QStringLiteral("wide.svg"));
    ASSERT_TRUE(doc.ExportToSVG(path, nullptr, 0, &error));
    config->m_nOutputUnicodeSVG = 0;
    QFile wide(path);
    ASSERT_TRUE(wide.open(QIODevice::ReadOnly));
    EXPECT_TRUE(wide.read(2) == QByteArray::fromHex("fffe"));

    EXPECT_FALSE(
        doc.ExportToSVG(dir.filePath(QStringLiteral("no/such/dir/x.svg")), nullptr, 0, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(SvgExportTest, TheWitnessesAcceptAndRenderTheFile) {
    doc.AddTail(Box(RectF(20, 20, 60, 40), 0xFF0000FFu));
    Export();
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (xmllint.isEmpty() || rsvg.isEmpty()) {
        GTEST_SKIP() << "xmllint or rsvg-convert is missing (libxml2-utils, librsvg2-bin)";
    }
    EXPECT_EQ(QProcess::execute(xmllint, {QStringLiteral("--noout"), path}), 0);
    const QString png = dir.filePath(QStringLiteral("out.png"));
    ASSERT_EQ(QProcess::execute(rsvg, {path, QStringLiteral("-o"), png}), 0);
    QImage image(png);
    ASSERT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(image.pixel(50, 40) & 0xFFFFFFu, 0x0000FFu);
}

TEST_F(SvgExportTest, AFailedExportKeepsTheEarlierFile) {
    doc.AddTail(Box(RectF(10, 10, 50, 40), 0xFF0000FFu));
    for (const int compressed : {0, 1}) {
        path = dir.filePath(compressed ? QStringLiteral("keep.svgz") : QStringLiteral("keep.svg"));
        QString error;
        ASSERT_TRUE(doc.ExportToSVG(path, nullptr, compressed, &error));
        QFile before(path);
        ASSERT_TRUE(before.open(QIODevice::ReadOnly));
        const QByteArray original = before.readAll();
        before.close();
        // The next export is several megabytes and may not grow past a few kilobytes.
        CQarnDoc big;
        ASSERT_TRUE(big.OnNewDocument());
        for (int i = 0; i < 20000; ++i) {
            big.AddTail(
                Box(RectF(float(i % 190), float(i % 90), 5, 5), ARGB(0xFF000000u | i * 7919u)));
        }
        bool written = true;
        {
            const FileSizeLimit limit(rlim_t(original.size() + 4096));
            written = big.ExportToSVG(path, nullptr, compressed, &error);
        }
        EXPECT_FALSE(written) << compressed;
        EXPECT_TRUE(error.startsWith(path)) << error.toStdString();
        QFile after(path);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(after.readAll(), original) << compressed;
    }
    // Nothing half-written is left beside them.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(SvgWitnessTest, ABrokenFileIsRefused) {
    if (QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty()) {
        GTEST_SKIP() << "xmllint is missing (libxml2-utils)";
    }
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.svg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<svg width=\"10\" height=\"10\"><g></svg>");
    file.close();
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        ExpectSvgWitnessesAccept(broken);
    }
    ASSERT_GE(failures.size(), 1);
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("broken.svg"),
              std::string::npos);
}
