// The PDF of a page keeps its text as text (with the fonts embedded) and its gradients compact,
// and looks like the page drawn as an image.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/doc.h"
#include "export/page_renderer.h"
#include "support/mixed_page.h"

namespace {

// The standard output of a witness program, or a null string when it is missing or failed.
QString Witness(const QString& program, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        return QString();
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return QString();
    }
    // A witness that prints nothing still answered.
    return QString::fromUtf8(process.readAllStandardOutput()).append(QLatin1String(""));
}

class PdfPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(doc.OnNewDocument());
        Qarn::Bench::FillMixedPage(doc, 400, 31u);
        QString error;
        ASSERT_TRUE(CPageRenderer::WritePdf(doc, doc.GetCurrentCanvas(), pdf, &error))
            << error.toStdString();
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    CQarnDoc doc;
};

TEST_F(PdfPageTest, TextIsTextWithItsFontsEmbedded) {
    const QString text = Witness(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (text.isNull()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    // Every twentieth shape of the page carries "Item N" (wrapped in a narrow shape).
    for (const int item : {19, 39, 199, 399}) {
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Item\\s+%1\\b").arg(item))))
            << item << " in " << text.toStdString();
    }
    const QString fonts = Witness(QStringLiteral("pdffonts"), {pdf});
    ASSERT_FALSE(fonts.isNull());
    const QStringList lines = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3) << fonts.toStdString();
    // After the two heading lines, every font listed is embedded (the "emb" column says yes).
    for (qsizetype i = 2; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].contains(QStringLiteral(" yes "))) << lines[i].toStdString();
    }
}

TEST_F(PdfPageTest, GradientsAndTextKeepTheFileSmall) {
    // Written out per repetition across the page and with text as outlines, pages of this
    // kind took 5 to 13 kB a component (the benchmark's pages of 10,000 and 100,000); now
    // about a quarter of a kB.
    EXPECT_LT(QFileInfo(pdf).size(), 200 * 1024);
}

TEST_F(PdfPageTest, LooksLikeThePageDrawnAsAnImage) {
    const QString prefix = dir.filePath(QStringLiteral("shown"));
    if (Witness(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                 QStringLiteral("-singlefile"), pdf, prefix})
            .isNull()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    const QImage shown =
        QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    const QImage drawn = CPageRenderer::ToImage(doc, doc.GetCurrentCanvas(), 96, 1)
                             .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), drawn.size());
    // Two rasterisers smooth edges differently; shapes, colours and text must be in place.
    double total = 0;
    int far = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb p = shown.pixel(x, y);
            const QRgb q = drawn.pixel(x, y);
            const int d = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                          std::abs(qBlue(p) - qBlue(q));
            total += d;
            far += d > 96 ? 1 : 0;
        }
    }
    const double pixels = double(drawn.width()) * drawn.height();
    EXPECT_LT(total / pixels, 6.0);
    EXPECT_LT(far / pixels, 0.02);
}

}  // namespace
