#pragma once
// PostScript, EPS and PDF files through the printing path: the pages print as they would on
// paper, to a PDF made by Qt's PDF engine; PostScript is converted from it by an outside
// program, and EPS is that PostScript with the box of the drawing (or of the selection) as its
// bounding box. The file appears at the target only when all of it was made; a failed export
// leaves whatever was there.
//
// The printer named in the settings ("PS Printer" for PostScript and EPS, "PDF Printer" for
// PDF) gives the paper; an empty setting, or the "Invalid" that stands for none chosen, makes
// each page the size of its canvas. The system's default printer is never changed.

#include <QString>

#include "core/component_list.h"
#include "platform/crect.h"

class CQarnCanvas;
class CQarnDoc;
class CQarnEditView;

class CPrinterExport {
public:
    enum Kind { PostScript = 0, Eps = 1, Pdf = 2 };

    explicit CPrinterExport(const CQarnDoc& doc);

    // The pages to print, 1-based. By default every page for PostScript and PDF, and the
    // current page for EPS (one page, as EPS holds one).
    void SetPages(int fromPage, int toPage);
    // The selection whose box an EPS publishes when "Export Selection To EPS" is on.
    void SetSelection(const ComponentList& selection) { m_Selection = selection; }

    // False with *error (one message for the person) when nothing was written.
    bool Export(const QString& path, int kind, QString* error);

    // The box an EPS of that page publishes (document units): the selection's when the
    // setting asks for it and the selection is on the page, else the drawing's. Empty when
    // neither is at least one unit wide and high.
    CRect ComputeEpsBox(const CQarnCanvas* canvas) const;

    // The printer the settings name for the kind, empty when none is chosen.
    static QString ConfiguredPrinter(int kind);

    static const char* const kPrinterMissingMessage;

private:
    bool PrintToPdf(const QString& pdfPath, int kind, int fromPage, int toPage, QString* error);

    const CQarnDoc& m_Doc;
    int m_nFromPage = 0;
    int m_nToPage = 0;
    ComponentList m_Selection;
};

namespace Qarn {

// The document's export through the printing path (kind 0 PostScript, 1 EPS, 2 PDF) of the
// view's current page and selection; the view may be null. False with *error when nothing
// was written.
bool ExportToFileByPrinter(const CQarnDoc& doc, const QString& path, const CQarnEditView* view,
                           int kind, QString* error);

}  // namespace Qarn
