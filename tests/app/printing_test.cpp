// Printing through the print path: a PDF printer gets one page per canvas, in vectors that
// the PDF tools read; the page mapping of the three print modes; the printer choice kept in
// the settings.
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include "app_fixture.h"
#include "controls/warning.h"
#include "print_controller.h"
#include "undo/add_canvas_action.h"
#include "view/command_ids.h"
#include "view/enum_printers.h"
#include "view/print_job.h"

namespace {

// The output of a poppler tool, or an empty string when it is not installed.
QString RunTool(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        return QString();
    }
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page as pdftoppm draws it (null when it cannot), and how much of it is not white.
QImage RenderPage(const QString& pdf, int page) {
    const QString prefix = pdf + QStringLiteral("-page%1").arg(page);
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("30"),
             QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
             QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
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

int PageCount(const QString& info) {
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

}  // namespace

TEST_F(AppTest, PrintingTheSampleToAPdfGivesOnePagePerCanvasThatPdfToolsRead) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    Start(SampleCopy());
    // A second page, so that page counting means something.
    CQarnDoc* doc = Doc();
    auto* added = dynamic_cast<CAddCanvasAction*>(
        View()->RecordAction(std::make_unique<CAddCanvasAction>(View(), 8055)));
    ASSERT_NE(added, nullptr);
    added->Finish();
    const int emptyPage = doc->GetCanvasIndex(added->GetCanvas()) + 1;
    const int canvases = int(doc->GetCanvasList().size());
    ASSERT_GE(canvases, 2);

    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QString error;
    ASSERT_TRUE(frame->GetPrintController()->PrintDocument(*doc, printer, 0, 0, nullptr, &error))
        << error.toStdString();
    EXPECT_EQ(PageCount(RunTool(QStringLiteral("pdfinfo"), {path})), canvases);
    // The drawing is there in vectors that the PDF tools draw; the new page is empty paper.
    const QImage first = RenderPage(path, 1);
    ASSERT_FALSE(first.isNull());
    EXPECT_GT(InkedPixels(first), first.width() * first.height() / 50);
    EXPECT_EQ(InkedPixels(RenderPage(path, emptyPage)), 0);
    // The screen's layer name is not printed.
    EXPECT_FALSE(RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
                     .contains(QStringLiteral("Layer:")));

    // A page range prints those pages only.
    const QString second = dir.filePath(QStringLiteral("second.pdf"));
    printer.setOutputFileName(second);
    ASSERT_TRUE(frame->GetPrintController()->PrintDocument(*doc, printer, 2, 2, nullptr, &error));
    EXPECT_EQ(PageCount(RunTool(QStringLiteral("pdfinfo"), {second})), 1);
}

TEST_F(AppTest, PrintingTheSelectionPrintsOnlyItOnce) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    Start(SampleCopy());
    CQarnComponent* chosen = nullptr;
    for (CQarnComponent* c : Doc()->GetCurrentCanvas()->GetLayers().first()->GetList()) {
        if (c->GetText() == QStringLiteral("Tank")) {
            chosen = c;
        }
    }
    ASSERT_NE(chosen, nullptr);
    View()->Select(chosen);
    CQarnPrintJob job(*Doc());
    job.SetPrintList(View()->GetSelection());
    const QString path = dir.filePath(QStringLiteral("selection.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QString error;
    ASSERT_TRUE(job.Print(printer, 0, 0, &error));
    EXPECT_TRUE(job.GetPrintList().isEmpty());
    EXPECT_EQ(PageCount(RunTool(QStringLiteral("pdfinfo"), {path})), 1);
    // Only the one shape: some ink, and much less than the whole page has.
    const QString whole = dir.filePath(QStringLiteral("whole.pdf"));
    printer.setOutputFileName(whole);
    CQarnPrintJob all(*Doc());
    ASSERT_TRUE(all.Print(printer, 1, 1, &error));
    const int selectionInk = InkedPixels(RenderPage(path, 1));
    const int pageInk = InkedPixels(RenderPage(whole, 1));
    EXPECT_GT(selectionInk, 0);
    EXPECT_LT(selectionInk * 2, pageInk);
}

TEST_F(AppTest, PdfExportTakesThePrintingPathWithPagesOfTheCanvasSize) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    }
    Start(SampleCopy());
    const QString path = dir.filePath(QStringLiteral("export.pdf"));
    prompt->saveName = path;
    ASSERT_TRUE(Trigger(QarnCmd::FileExport));
    EXPECT_TRUE(prompt->errors.isEmpty());
    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_EQ(PageCount(info), int(Doc()->GetCanvasList().size()));
    // 1/100 inch is 0.72 point.
    const CQarnCanvas* page = Doc()->GetCanvasList().first();
    const QString size = QStringLiteral("%1 x %2 pts")
                             .arg(QString::number(page->GetWidth() * 0.72, 'g', 6),
                                  QString::number(page->GetHeight() * 0.72, 'g', 6));
    EXPECT_TRUE(info.contains(size)) << info.toStdString() << " lacks " << size.toStdString();
}

TEST(PrintJobTest, PageMappingOfTheThreeModes) {
    const CSize canvas(400, 200);
    const QRectF printable(0, 0, 1200, 1200);
    // Actual size: 100 units are an inch of the printer's resolution.
    QTransform actual =
        CQarnPrintJob::PageMapping(CQarnPrintJob::ActualSize, canvas, printable, 300, 300);
    EXPECT_EQ(actual.map(QPointF(100, 100)), QPointF(300, 300));
    // Centred: the spare room is shared on both sides.
    QTransform centred =
        CQarnPrintJob::PageMapping(CQarnPrintJob::Centred, canvas, printable, 150, 150);
    EXPECT_EQ(centred.map(QPointF(0, 0)), QPointF(300, 450));
    EXPECT_EQ(centred.map(QPointF(400, 200)), QPointF(900, 750));
    // A canvas larger than the paper is not pushed off it.
    QTransform big =
        CQarnPrintJob::PageMapping(CQarnPrintJob::Centred, CSize(2000, 2000), printable, 300, 300);
    EXPECT_EQ(big.map(QPointF(0, 0)), QPointF(0, 0));
    // Fit to page keeps the proportions: a circle stays a circle.
    QTransform fit =
        CQarnPrintJob::PageMapping(CQarnPrintJob::FitToPage, canvas, printable, 300, 300);
    EXPECT_EQ(fit.map(QPointF(400, 200)), QPointF(1200, 600));
    EXPECT_DOUBLE_EQ(fit.m11(), fit.m22());
}

TEST(EnumPrintersTest, BadIndicesOrientationsAndAVanishedPrinter) {
    CEnumPrinters printers;
    EXPECT_EQ(printers.GetPrinterName(printers.GetPrinterCount()), QStringLiteral("Error"));
    EXPECT_EQ(printers.GetDriver(-1), QStringLiteral("Error"));
    EXPECT_EQ(printers.QueryPSSupport(-1), 0);
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Portrait);
    EXPECT_FALSE(CEnumPrinters::SetPrintOrientation(printer, 3));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_TRUE(CEnumPrinters::SetPrintOrientation(printer, 2));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);

    QTemporaryDir dir;
    CWinApp app(QStringLiteral("Inkvane"));
    app.SetProfileFile(dir.filePath(QStringLiteral("p.ini")));
    QStringList warnings;
    const Qarn::WarningHandler old =
        Qarn::SetWarningHandler([&warnings](QWidget*, const QString& text) { warnings << text; });
    // Nothing saved: nothing to restore, nothing said.
    EXPECT_FALSE(printers.RestorePrinterSelection(printer, &app));
    EXPECT_TRUE(warnings.isEmpty());
    // A printer saved once and gone since: the warning, and the default stays.
    app.WriteProfileString(QStringLiteral("PrinterConfig"), QStringLiteral("PrinterName"),
                           QStringLiteral("No Such Printer 42"));
    EXPECT_FALSE(printers.RestorePrinterSelection(printer, &app));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings.first(), QString::fromLatin1(CEnumPrinters::kPrinterGoneMessage));
    Qarn::SetWarningHandler(old);
}
