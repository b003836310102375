// Damaged and hostile documents and a full disk on the command line: every run ends within
// seconds with a clean result or one line of error, and a failed export leaves the previous
// file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

#include "command_line.h"
#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "headless_runner.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "support/patched_document.h"

namespace {

constexpr float kMarkerWidth = 1234.5f;
const QStringList kFormats{QStringLiteral("png"), QStringLiteral("pdf"), QStringLiteral("svg"),
                           QStringLiteral("svgz"), QStringLiteral("met")};

class HostileInputTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString program = QStringLiteral(QARN_BINARY_DIR "/app/InkvaneU");

    int Run(const QStringList& args, QString* error, qint64* milliseconds = nullptr) {
        CommandLine line = CommandLine::Parse(QStringList{QStringLiteral("InkvaneU")} + args);
        EXPECT_TRUE(line.error.isEmpty()) << line.error.toStdString();
        QElapsedTimer clock;
        clock.start();
        QString output;
        const int status = CHeadlessRunner::Run(line, &output, error);
        if (milliseconds != nullptr) {
            *milliseconds = clock.elapsed();
        }
        return status;
    }
    static CQarnRect* AddBox(CQarnDoc& doc, const RectF& frame, ARGB fill) {
        auto* box = new CQarnRect(frame);
        box->SetFill(true);
        box->SetFillColor(Color(fill));
        doc.AddTail(box);
        return box;
    }
    QString Fifo(const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    }
    // A document of a thousand boxes of many colours, which makes every export larger than
    // the room the full-disk tests leave.
    QString LargeDocument() {
        CQarnDoc doc;
        EXPECT_TRUE(doc.OnNewDocument());
        for (int i = 0; i < 1000; ++i) {
            AddBox(doc, RectF(float(i % 40) * 20, float(i / 40) * 20, 17, 17),
                   0xFF000000u | ARGB(i * 2654435761u));
        }
        const QString path = dir.filePath(QStringLiteral("large.met"));
        QString error;
        EXPECT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
        return path;
    }
    QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

}  // namespace

TEST_F(HostileInputTest, DevicesAndFifosAreNeverOpenedAsDocumentsOrPictures) {
    const QString fifo = Fifo(QStringLiteral("pipe.met"));
    for (const QString& document : {QStringLiteral("/dev/zero"), fifo}) {
        for (const QString& option :
             {QStringLiteral("--info"),
              QStringLiteral("--export-filename=") + dir.filePath(QStringLiteral("out.png"))}) {
            QString error;
            qint64 ms = 0;
            EXPECT_EQ(Run({option, document}, &error, &ms), 1);
            EXPECT_LT(ms, 2000);
            EXPECT_EQ(error,
                      QStringLiteral("cannot open %1: %1 is not a regular file").arg(document));
        }
    }
    // Named as a texture's picture, a FIFO paints nothing and blocks no export.
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    CQarnRect* box = AddBox(doc, RectF(20, 20, 200, 100), 0xFFFFFF00u);
    box->SetBrushType(CQarnBrushProperty::Texture);
    box->GetBrushProperty()->SetImageName(Fifo(QStringLiteral("picture.png")));
    const QString input = dir.filePath(QStringLiteral("texture.met"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(input, &error));
    for (const QString& format :
         {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")}) {
        qint64 ms = 0;
        const QString out = dir.filePath(QStringLiteral("texture.") + format);
        EXPECT_EQ(Run({QStringLiteral("--export-filename=") + out, input}, &error, &ms), 0)
            << error.toStdString();
        EXPECT_LT(ms, 2000) << format.toStdString();
    }
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("texture.png"))).pixel(100, 60), 0xFFFFFFFFu);
}

TEST_F(HostileInputTest, InfiniteAndNanPenWidthsWithEveryDashStyleExportWithinSeconds) {
    const float widths[] = {std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN(), 3.0e38f};
    for (int dash = 0; dash <= 4; ++dash) {
        for (const float width : widths) {
            CQarnDoc doc;
            ASSERT_TRUE(doc.OnNewDocument());
            CQarnRect* box = AddBox(doc, RectF(20, 20, 200, 100), 0xFFFFFF00u);
            box->GetPenProperty()->SetLineWidth(kMarkerWidth);
            box->GetPenProperty()->SetDashStyle(WORD(dash));
            const QString input = dir.filePath(QStringLiteral("pen.met"));
            ASSERT_EQ(SaveWithFloatReplaced(doc, input, kMarkerWidth, width), 1);
            for (const QString& format :
                 {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")}) {
                QString error;
                qint64 ms = 0;
                const QString out = dir.filePath(QStringLiteral("pen.") + format);
                EXPECT_EQ(Run({QStringLiteral("--export-filename=") + out, input}, &error, &ms), 0)
                    << error.toStdString();
                EXPECT_LT(ms, 5000)
                    << "dash " << dash << " width " << width << " " << format.toStdString();
            }
            // What was read is a width drawing can use.
            CQarnDoc back;
            QString error;
            ASSERT_TRUE(back.OnOpenDocument(input, &error)) << error.toStdString();
            const auto* pen =
                back.GetCanvasList()[0]->GetLayers()[0]->GetList()[0]->GetPenProperty();
            EXPECT_TRUE(std::isfinite(pen->GetLineWidth()));
            EXPECT_GE(pen->GetLineWidth(), 0.0f);
        }
    }
}

TEST_F(HostileInputTest, AFileSizeLimitFailsEveryExportInOneLineAndKeepsThePreviousFile) {
    const QString input = LargeDocument();
    const QString outputs = dir.filePath(QStringLiteral("outputs"));
    ASSERT_TRUE(QDir().mkpath(outputs));
    for (const QString& format : kFormats) {
        const QString out = QDir(outputs).filePath(QStringLiteral("page.") + format);
        const QByteArray previous = "the previous file, which must survive\n";
        WriteFile(out, previous);
        QProcess run;
        run.setProgram(QStringLiteral("/bin/sh"));
        // 32 blocks of 512 bytes: 16 KiB, less than any of these exports needs.
        run.setArguments({QStringLiteral("-c"), QStringLiteral("ulimit -f 32; exec \"$0\" \"$@\""),
                          program, QStringLiteral("--export-filename=") + out, input});
        run.start();
        ASSERT_TRUE(run.waitForFinished(20000)) << format.toStdString();
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << format.toStdString();
        EXPECT_EQ(run.exitCode(), 1) << format.toStdString();
        const QString err = QString::fromLocal8Bit(run.readAllStandardError());
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
        EXPECT_TRUE(err.startsWith(QStringLiteral("InkvaneU: cannot "))) << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
            << err.toStdString();
        EXPECT_EQ(ReadFile(out), previous) << format.toStdString();
        EXPECT_EQ(
            QDir(outputs).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
            kFormats.indexOf(format) + 1)
            << "a temporary file was left behind for " << format.toStdString();
    }
}

TEST_F(HostileInputTest, AFullFilesystemFailsEveryExportInOneLineAndKeepsThePreviousFile) {
    if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty()) {
        GTEST_SKIP() << "unshare is missing (util-linux): no tiny filesystem can be made";
    }
    const QString input = LargeDocument();
    const QString mount = dir.filePath(QStringLiteral("tiny"));
    const QString results = dir.filePath(QStringLiteral("results"));
    ASSERT_TRUE(QDir().mkpath(mount) && QDir().mkpath(results));
    // In a mount namespace of its own: a 256 KiB filesystem filled up to its last 8 KiB, the
    // previous file in place, then the export; what became of it is noted outside.
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=256k tmpfs \"$1\" || exit 77\n"
        "for f in png pdf svg svgz met; do\n"
        "  printf 'the previous file\\n' > \"$1/page.$f\"\n"
        "done\n"
        "dd if=/dev/zero of=\"$1/filler\" bs=4096 2>/dev/null\n"
        "truncate -s -8K \"$1/filler\"\n"
        "for f in png pdf svg svgz met; do\n"
        "  \"$2\" --export-filename=\"$1/page.$f\" \"$3\" 2> \"$4/$f.err\"\n"
        "  echo $? > \"$4/$f.status\"\n"
        "  cat \"$1/page.$f\" > \"$4/$f.after\"\n"
        "done\n"
        "ls -A \"$1\" > \"$4/listing\"\n");
    QProcess run;
    run.start(QStringLiteral("unshare"),
              {QStringLiteral("-rm"), QStringLiteral("/bin/sh"), QStringLiteral("-c"), script,
               QStringLiteral("sh"), mount, program, input, results});
    ASSERT_TRUE(run.waitForFinished(60000));
    if (run.exitCode() == 77 || run.exitCode() != 0) {
        GTEST_SKIP() << "no tiny filesystem can be mounted here: "
                     << run.readAllStandardError().toStdString();
    }
    for (const QString& format : kFormats) {
        const QString err = QString::fromLocal8Bit(
            ReadFile(results + QLatin1Char('/') + format + QStringLiteral(".err")));
        EXPECT_EQ(ReadFile(results + QLatin1Char('/') + format + QStringLiteral(".status")),
                  QByteArray("1\n"))
            << format.toStdString() << ": " << err.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))))
            << err.toStdString();
        EXPECT_EQ(ReadFile(results + QLatin1Char('/') + format + QStringLiteral(".after")),
                  QByteArray("the previous file\n"))
            << format.toStdString();
    }
    EXPECT_EQ(ReadFile(results + QStringLiteral("/listing")),
              QByteArray("filler\npage.met\npage.pdf\npage.png\npage.svg\npage.svgz\n"));
}

TEST_F(HostileInputTest, SuccessfulRunsPrintNothingOnStandardError) {
    // A frame of NaN (an ellipse of NaN arcs) and a texture with no picture name.
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    auto* ellipse = new CQarnRect(RectF(kMarkerWidth, 10, 50, 40));
    ellipse->SetShapeID(Qarn::kShapeEllipse);
    doc.AddTail(ellipse);
    CQarnRect* box = AddBox(doc, RectF(100, 100, 50, 50), 0xFF00FF00u);
    box->SetBrushType(CQarnBrushProperty::Texture);
    const QString input = dir.filePath(QStringLiteral("odd.met"));
    ASSERT_GE(SaveWithFloatReplaced(doc, input, kMarkerWidth, std::nanf("")), 1);
    for (const QString& option :
         {QStringLiteral("--info"),
          QStringLiteral("--export-filename=") + dir.filePath(QStringLiteral("o.png")),
          QStringLiteral("--export-filename=") + dir.filePath(QStringLiteral("o.svg")),
          QStringLiteral("--export-filename=") + dir.filePath(QStringLiteral("o.pdf"))}) {
        QProcess run;
        run.start(program, {option, input});
        ASSERT_TRUE(run.waitForFinished(20000));
        EXPECT_EQ(run.exitCode(), 0) << option.toStdString();
        EXPECT_EQ(run.readAllStandardError(), QByteArray()) << option.toStdString();
    }
}
