// PostScript and EPS from File > Export and the command line, through the printing path: what
// a PostScript interpreter accepts, the bounding box an EPS publishes, the messages when a
// converter or the chosen printer is missing, and a failed export that leaves the target as
// it was. Then the document's Page Setup as one undo step.
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "app_fixture.h"
#include "command_line.h"
#include "controls/number_edit.h"
#include "controls/page_setup_sheet.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "export/eps_rewriter.h"
#include "export/postscript_converter.h"
#include "headless_runner.h"
#include "view/command_ids.h"
#include "view/printer_export.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs ghostscript; its exit code (-1 when it could not run) and, with a device, the page.
int RunGhostscript(const QStringList& arguments) {
    QProcess gs;
    gs.start(QStringLiteral("gs"), QStringList{QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"),
                                               QStringLiteral("-dBATCH"), QStringLiteral("-dSAFER")}
                                       << arguments);
    if (!gs.waitForFinished(60000) || gs.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return gs.exitCode();
}

int InkedPixels(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            inked += qGray(image.pixel(x, y)) < 240 ? 1 : 0;
        }
    }
    return inked;
}

// The "%%BoundingBox" comment of a file, or an empty list.
QList<int> BoundingBoxOf(const QByteArray& eps) {
    for (const QByteArray& line : eps.split('\n')) {
        if (line.startsWith("%%BoundingBox:")) {
            QList<int> box;
            for (const QByteArray& word : line.mid(14).simplified().split(' ')) {
                box << word.toInt();
            }
            return box;
        }
    }
    return {};
}

class PostScriptExportTest : public AppTest {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty()) {
            GTEST_SKIP() << "ghostscript is not installed";
        }
        const CCustomConfig* config = Qarn::GetConfig();
        savedPS = config->m_strPSPrinter;
        savedPDF = config->m_strPDFPrinter;
        savedSelection = config->m_nExportSelectionToEPS;
        savedPaths = CPostScriptConverter::GetSearchPaths();
    }
    void TearDown() override {
        CCustomConfig* config = Qarn::GetConfig();
        config->m_strPSPrinter = savedPS;
        config->m_strPDFPrinter = savedPDF;
        config->m_nExportSelectionToEPS = savedSelection;
        CPostScriptConverter::SetSearchPaths(savedPaths);
        AppTest::TearDown();
    }
    // File > Export to that name; the errors the export showed.
    QStringList ExportTo(const QString& path) {
        prompt->errors.clear();
        prompt->saveName = path;
        EXPECT_TRUE(Trigger(QarnCmd::FileExport));
        return prompt->errors;
    }
    // Converters are looked for in an empty folder only (with `failing`, a pdftops that
    // fails there).
    void HideConverters(bool failing = false) {
        const QString bin = dir.filePath(QStringLiteral("bin"));
        QDir().mkpath(bin);
        if (failing) {
            QFile program(bin + QStringLiteral("/pdftops"));
            ASSERT_TRUE(program.open(QIODevice::WriteOnly));
            program.write("#!/bin/sh\necho 'partial' > \"$4\"\nexit 1\n");
            program.close();
            program.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        CPostScriptConverter::SetSearchPaths({bin});
    }
    // The box an EPS publishes for the box of a page that prints at its own size.
    static QList<int> ExpectedBox(const CSize& canvas, const CRect& box) {
        const CEpsRewriter::PointBox page{0, 0, canvas.cx * 72 / 100, canvas.cy * 72 / 100};
        const CEpsRewriter::PointBox b = CEpsRewriter::ComputeBoundingBox(box, page);
        return {b.llx, b.lly, b.urx, b.ury};
    }

    QString savedPS;
    QString savedPDF;
    int savedSelection = 0;
    QStringList savedPaths;
};

}  // namespace

TEST_F(PostScriptExportTest, PostScriptOfTheSampleIsWhatAnInterpreterAcceptsAndDraws) {
    Start(SampleCopy());
    EXPECT_TRUE(prompt->filters.isEmpty());
    const QString ps = dir.filePath(QStringLiteral("sample.ps"));
    EXPECT_TRUE(ExportTo(ps).isEmpty());
    EXPECT_TRUE(prompt->filters.value(0).contains(QStringLiteral("PostScript (*.ps)")));
    EXPECT_TRUE(
        prompt->filters.value(0).contains(QStringLiteral("Encapsulated PostScript (*.eps)")));
    const QByteArray bytes = ReadAll(ps);
    ASSERT_TRUE(bytes.startsWith("%!PS-Adobe-3.0"));
    EXPECT_EQ(RunGhostscript({QStringLiteral("-sDEVICE=nullpage"), ps}), 0);
    // Drawn at 20 pixels per inch, the page shows the drawing.
    const QString png = dir.filePath(QStringLiteral("sample.png"));
    ASSERT_EQ(RunGhostscript({QStringLiteral("-sDEVICE=pnggray"), QStringLiteral("-r20"),
                              QStringLiteral("-sOutputFile=") + png, ps}),
              0);
    const QImage page(png);
    ASSERT_FALSE(page.isNull());
    const CSize canvas = Doc()->GetCurrentCanvas()->GetSize();
    EXPECT_NEAR(page.width(), canvas.cx / 5, 1);
    EXPECT_NEAR(page.height(), canvas.cy / 5, 1);
    EXPECT_GT(InkedPixels(page), 50);
    // A damaged file is what the witness refuses.
    QFile damaged(dir.filePath(QStringLiteral("damaged.ps")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes.left(bytes.size() / 2) + "\n} } ]\n");
    damaged.close();
    EXPECT_NE(RunGhostscript({QStringLiteral("-sDEVICE=nullpage"), damaged.fileName()}), 0);
}

TEST_F(PostScriptExportTest, EpsPublishesTheBoxOfTheSelectionOrOfTheDrawing) {
    Start(SampleCopy());
    CQarnComponent* picked = ClickableComponent();
    ASSERT_NE(picked, nullptr);
    View()->Select(picked, false);
    const CRect selection = picked->GetBoundRect(false);
    const CRect drawing = Doc()->GetBound();
    const CSize canvas = Doc()->GetCurrentCanvas()->GetSize();
    ASSERT_NE(selection, drawing);

    // The setting off: the drawing's box, whatever is selected.
    Qarn::GetConfig()->m_nExportSelectionToEPS = 0;
    const QString whole = dir.filePath(QStringLiteral("whole.eps"));
    EXPECT_TRUE(ExportTo(whole).isEmpty());
    const QByteArray wholeEps = ReadAll(whole);
    ASSERT_TRUE(wholeEps.startsWith("%!PS-Adobe-3.0 EPSF-3.0\n"));
    EXPECT_EQ(BoundingBoxOf(wholeEps), ExpectedBox(canvas, drawing));
    EXPECT_EQ(wholeEps.count("%%BoundingBox"), 1);

    Qarn::GetConfig()->m_nExportSelectionToEPS = 1;
    const QString part = dir.filePath(QStringLiteral("part.eps"));
    EXPECT_TRUE(ExportTo(part).isEmpty());
    const QByteArray partEps = ReadAll(part);
    const QList<int> box = BoundingBoxOf(partEps);
    EXPECT_EQ(box, ExpectedBox(canvas, selection));
    ASSERT_EQ(box.size(), 4);
    // Ghostscript crops to the box: a page of its size, showing the selected shape.
    const QString png = dir.filePath(QStringLiteral("part.png"));
    ASSERT_EQ(RunGhostscript({QStringLiteral("-dEPSCrop"), QStringLiteral("-sDEVICE=pnggray"),
                              QStringLiteral("-r72"), QStringLiteral("-sOutputFile=") + png, part}),
              0);
    const QImage cropped(png);
    EXPECT_NEAR(cropped.width(), box[2] - box[0], 1);
    EXPECT_NEAR(cropped.height(), box[3] - box[1], 1);
    EXPECT_GT(InkedPixels(cropped), 0);
}

TEST_F(PostScriptExportTest, AMissingConverterOrPrinterIsSaidOnceAndWritesNothing) {
    Start(SampleCopy());
    HideConverters();
    const QString ps = dir.filePath(QStringLiteral("none.ps"));
    EXPECT_EQ(ExportTo(ps), QStringList{CPostScriptConverter::MissingMessage()});
    EXPECT_FALSE(QFileInfo::exists(ps));
    EXPECT_EQ(ExportTo(dir.filePath(QStringLiteral("none.eps"))).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("none.eps"))));
    // PDF needs no converter.
    EXPECT_TRUE(ExportTo(dir.filePath(QStringLiteral("still.pdf"))).isEmpty());
    EXPECT_TRUE(ReadAll(dir.filePath(QStringLiteral("still.pdf"))).startsWith("%PDF"));
    CPostScriptConverter::SetSearchPaths(savedPaths);

    // A chosen printer that is not installed.
    const QString gone = QStringLiteral(
        "PostScript Printer is not available\nPlease select one in the Preference "
        "page.");
    Qarn::GetConfig()->m_strPSPrinter = QStringLiteral("No Such Printer 4711");
    EXPECT_EQ(ExportTo(ps), QStringList{gone});
    EXPECT_FALSE(QFileInfo::exists(ps));
    Qarn::GetConfig()->m_strPDFPrinter = QStringLiteral("No Such Printer 4711");
    EXPECT_EQ(ExportTo(dir.filePath(QStringLiteral("gone.pdf"))), QStringList{gone});
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("gone.pdf"))));
    // None chosen (the settings' "Invalid", or nothing): the built-in path.
    Qarn::GetConfig()->m_strPSPrinter = QStringLiteral("Invalid");
    EXPECT_TRUE(ExportTo(ps).isEmpty());
    Qarn::GetConfig()->m_strPSPrinter.clear();
    EXPECT_TRUE(ExportTo(dir.filePath(QStringLiteral("again.ps"))).isEmpty());
}

TEST_F(PostScriptExportTest, AFailedExportLeavesTheFileAtTheTargetUntouched) {
    Start(SampleCopy());
    const QString target = dir.filePath(QStringLiteral("kept.eps"));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the earlier file");
    }
    HideConverters(true);
    const QStringList errors = ExportTo(target);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("exit code 1"))) << errors[0].toStdString();
    EXPECT_EQ(ReadAll(target), QByteArray("the earlier file"));
    // Nothing is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("kept*")}, QDir::Files),
              QStringList{QStringLiteral("kept.eps")});
}

TEST_F(PostScriptExportTest, TheCommandLineWritesPostScriptAndEpsOfThePageAskedFor) {
    Start();
    const QString sample = SampleCopy();
    for (const QString& name : {QStringLiteral("line.ps"), QStringLiteral("line.eps")}) {
        const CommandLine line =
            CommandLine::Parse({QStringLiteral("InkvaneU"),
                                QStringLiteral("--export-filename=") + dir.filePath(name), sample});
        QString output;
        QString error;
        EXPECT_EQ(CHeadlessRunner::Run(line, &output, &error), 0) << error.toStdString();
        EXPECT_EQ(RunGhostscript({QStringLiteral("-sDEVICE=nullpage"), dir.filePath(name)}), 0);
    }
    EXPECT_TRUE(
        ReadAll(dir.filePath(QStringLiteral("line.eps"))).startsWith("%!PS-Adobe-3.0 EPSF"));
    HideConverters();
    const CommandLine line = CommandLine::Parse(
        {QStringLiteral("InkvaneU"),
         QStringLiteral("--export-filename=") + dir.filePath(QStringLiteral("no.ps")), sample});
    QString output;
    QString error;
    EXPECT_EQ(CHeadlessRunner::Run(line, &output, &error), 1);
    EXPECT_TRUE(error.contains(QStringLiteral("pdftops"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("no.ps"))));
}

namespace {

// Answers the next Page Setup sheet: with OK after typing the width, or with Cancel.
void AnswerPageSetup(const QString& width, bool ok) {
    QTimer::singleShot(0, [width, ok] {
        auto* sheet = qobject_cast<CQarnPageSetupSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        if (!ok) {
            sheet->reject();
            return;
        }
        sheet->GetWidthEdit()->selectAll();
        QTest::keyClicks(sheet->GetWidthEdit(), width);
        sheet->GetMarginEdit(1)->selectAll();
        QTest::keyClicks(sheet->GetMarginEdit(1), QStringLiteral("1"));
        sheet->accept();
    });
}

}  // namespace

TEST_F(AppTest, PageSetupIsOneUndoStepAndCancelChangesNothing) {
    Start(SampleCopy());
    ASSERT_TRUE(IsEnabled(QarnCmd::FilePageSetup));
    EXPECT_EQ(Action(QarnCmd::FilePageSetup)->text(), QStringLiteral("Page Set&up..."));
    CMyQarnDoc* doc = Doc();
    const QString before = dir.filePath(QStringLiteral("before.met"));
    QString error;
    ASSERT_TRUE(doc->OnSaveDocument(before, &error)) << error.toStdString();
    const CSize size = doc->GetCurrentCanvas()->GetSize();
    const CRect margins = doc->GetMargins();
    ASSERT_NE(size.cx, 1234);

    AnswerPageSetup(QString(), false);
    Trigger(QarnCmd::FilePageSetup);
    EXPECT_EQ(doc->GetCurrentCanvas()->GetSize(), size);
    EXPECT_FALSE(IsEnabled(QarnCmd::EditUndo));

    AnswerPageSetup(QStringLiteral("12.34"), true);
    Trigger(QarnCmd::FilePageSetup);
    EXPECT_EQ(doc->GetCurrentCanvas()->GetSize(), CSize(1234, size.cy));
    EXPECT_EQ(doc->GetMargins().top, 100);
    EXPECT_EQ(View()->GetTotalSize(), CSize(1234, size.cy));

    // Redo brings both back; one undo takes both away.
    ASSERT_TRUE(IsEnabled(QarnCmd::EditUndo));
    Trigger(QarnCmd::EditUndo);
    Trigger(QarnCmd::EditRedo);
    EXPECT_EQ(doc->GetCurrentCanvas()->GetSize(), CSize(1234, size.cy));
    EXPECT_EQ(doc->GetMargins().top, 100);
    Trigger(QarnCmd::EditUndo);
    EXPECT_FALSE(IsEnabled(QarnCmd::EditUndo));
    EXPECT_EQ(doc->GetMargins(), margins);
    EXPECT_EQ(doc->GetCurrentCanvas()->GetSize(), size);
    const QString after = dir.filePath(QStringLiteral("after.met"));
    ASSERT_TRUE(doc->OnSaveDocument(after, &error)) << error.toStdString();
    EXPECT_EQ(ReadAll(after), ReadAll(before));
}
