#pragma once
// Printing a drawing: one canvas per printed page, placed on the paper by one of three modes,
// or only the components of a print list (the selection), once. The same job draws the print
// preview and the PDF export, so all three show the same vectors.

#include <QRectF>
#include <QString>
#include <QTransform>

#include "core/component_list.h"
#include "platform/cpoint.h"

class CQarnCanvas;
class CQarnDoc;
class QPainter;
class QPrinter;

class CQarnPrintJob {
public:
    enum PrintMode {
        ActualSize = 0,  // one document unit is 1/100 inch on paper, from the page's corner
        Centred = 1,     // actual size, centred on the printable area when it is smaller
        FitToPage = 2,   // as large as the printable area allows, proportions kept
    };
    static constexpr int kModeCount = 3;

    explicit CQarnPrintJob(const CQarnDoc& doc);

    void SetMode(int mode);
    int GetMode() const { return m_nMode; }
    // Only these components print (on the page of the first one), and only once: the list is
    // emptied by the page that prints them.
    void SetPrintList(const ComponentList& components) { m_PrintList = components; }
    const ComponentList& GetPrintList() const { return m_PrintList; }
    // Each page takes the size of its canvas (a PDF export); otherwise the printer's paper.
    void SetPaperFollowsCanvas(bool follow) { m_bPaperFollowsCanvas = follow; }

    // Pages 1 to the number of canvases.
    int GetMaxPage() const;
    // Prints pages from..to (1-based, clamped to the document; 0 and 0 for all). False with
    // *error when the printer cannot start or a page fails; the printer's output is then
    // abandoned.
    bool Print(QPrinter& printer, int fromPage, int toPage, QString* error);

    // Where the canvas goes on the printable area (device pixels) at the printer's resolution
    // (pixels per inch): the transform from document units to device pixels.
    static QTransform PageMapping(int mode, const CSize& canvas, const QRectF& printable,
                                  double dpiX, double dpiY);

private:
    // Draws canvas index on the painter, already mapped to document units.
    void DrawCanvas(QPainter& painter, int index);
    void DrawPrintList(QPainter& painter);

    const CQarnDoc& m_Doc;
    int m_nMode = ActualSize;
    bool m_bPaperFollowsCanvas = false;
    ComponentList m_PrintList;
};
