#pragma once
// The printing commands of the main window: print with the page range and the selection
// choice and the placement of each canvas, print preview, page setup (paper, orientation,
// margins), and the PDF export, which takes the same printing path. The printer chosen is
// kept in the settings section "PrinterConfig" and chosen again at the next start.

#include <QString>
#include <memory>

class CQarnDoc;
class CQarnView;
class CWinApp;
class QPrinter;
class QWidget;

class CPrintController {
public:
    CPrintController(QWidget* frame, CWinApp* app);
    ~CPrintController();

    QPrinter& GetPrinter();
    // How each canvas is placed on the paper (CQarnPrintJob::PrintMode), kept in the settings.
    int GetPrintMode() const { return m_nMode; }
    void SetPrintMode(int mode);

    // The print dialog, then the pages (or the selection) of the view's document.
    void Print(CQarnView* view);
    void PrintPreview(CQarnView* view);
    // Paper, orientation and margins of the printer.
    void PageSetup();

    // Prints the document's pages from..to (0, 0: all; with `selectionOnly` the view's
    // selection) to the printer; false with *error when printing failed.
    bool PrintDocument(const CQarnDoc& doc, QPrinter& printer, int fromPage, int toPage,
                       CQarnView* selectionOf, QString* error) const;
    // Every canvas as one vector PDF page of the canvas's size.
    bool ExportPdf(const CQarnDoc& doc, const QString& path, QString* error) const;

private:
    void RestorePrinter();

    QWidget* m_pFrame;
    CWinApp* m_pApp;
    std::unique_ptr<QPrinter> m_pPrinter;
    int m_nMode = 0;
};
