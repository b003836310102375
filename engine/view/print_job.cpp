#include "view/print_job.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "core/canvas.h"
#include "core/component.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/layer.h"
#include "platform/graphics.h"

namespace {

// A document unit is 1/100 inch.
constexpr double kUnitsPerInch = 100.0;
// The component drawing flags of printing.
constexpr BYTE kPrinting = 0x08;
constexpr BYTE kNoBackground = 0x20;
constexpr BYTE kTightBounds = 0x40;

}  // namespace

CQarnPrintJob::CQarnPrintJob(const CQarnDoc& doc) : m_Doc(doc) {}

void CQarnPrintJob::SetMode(int mode) {
    m_nMode = mode >= 0 && mode < kModeCount ? mode : ActualSize;
}

int CQarnPrintJob::GetMaxPage() const {
    return int(m_Doc.GetCanvasList().size());
}

QTransform CQarnPrintJob::PageMapping(int mode, const CSize& canvas, const QRectF& printable,
                                      double dpiX, double dpiY) {
    QTransform mapping;
    const double actualX = dpiX / kUnitsPerInch;
    const double actualY = dpiY / kUnitsPerInch;
    switch (mode) {
        case Centred: {
            // Half of what the printable area has to spare, where it is larger.
            const double spareX = printable.width() - canvas.cx * actualX;
            const double spareY = printable.height() - canvas.cy * actualY;
            mapping.translate(std::max(0.0, spareX / 2), std::max(0.0, spareY / 2));
            mapping.scale(actualX, actualY);
            break;
        }
        case FitToPage: {
            if (canvas.cx <= 0 || canvas.cy <= 0) {
                break;
            }
            // The same scale both ways, so that circles stay circles.
            const double scale =
                std::min(printable.width() / canvas.cx, printable.height() / canvas.cy);
            mapping.scale(scale, scale);
            break;
        }
        default:
            mapping.scale(actualX, actualY);
            break;
    }
    return mapping;
}

bool CQarnPrintJob::Print(QPrinter& printer, int fromPage, int toPage, QString* error) {
    const int pages = GetMaxPage();
    if (pages == 0) {
        *error = QStringLiteral("the drawing has no page to print");
        return false;
    }
    if (fromPage <= 0 && toPage <= 0) {
        fromPage = 1;
        toPage = pages;
    }
    fromPage = std::clamp(fromPage, 1, pages);
    toPage = std::clamp(toPage, fromPage, pages);
    if (!m_PrintList.isEmpty()) {
        // The selection is on one page: the page its components lie on.
        const CQarnLayer* layer = m_PrintList.first()->GetLayer();
        const int page = layer != nullptr ? m_Doc.GetCanvasIndex(layer->GetCanvas()) + 1 : fromPage;
        fromPage = toPage = std::max(page, 1);
    }
    auto sizePaper = [&](int index) {
        if (m_bPaperFollowsCanvas) {
            const CQarnCanvas* canvas = m_Doc.GetCanvasList()[index];
            printer.setPageMargins(QMarginsF(0, 0, 0, 0));
            printer.setPageSize(QPageSize(
                QSizeF(canvas->GetWidth() / kUnitsPerInch, canvas->GetHeight() / kUnitsPerInch),
                QPageSize::Inch, QString(), QPageSize::ExactMatch));
            printer.setPageOrientation(QPageLayout::Portrait);
        }
    };
    sizePaper(fromPage - 1);
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("printing could not start on %1")
                     .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                             : printer.outputFileName());
        return false;
    }
    for (int page = fromPage; page <= toPage; ++page) {
        if (page > fromPage) {
            sizePaper(page - 1);
            if (!printer.newPage()) {
                painter.end();
                printer.abort();
                *error = QStringLiteral("page %1 could not be started").arg(page);
                return false;
            }
        }
        const CQarnCanvas* canvas = m_Doc.GetCanvasList()[page - 1];
        const QRectF printable = printer.pageLayout().paintRectPixels(printer.resolution());
        painter.save();
        painter.setTransform(PageMapping(m_nMode, canvas->GetSize(),
                                         QRectF(QPointF(0, 0), printable.size()),
                                         printer.logicalDpiX(), printer.logicalDpiY()));
        painter.setRenderHint(QPainter::Antialiasing);
        if (m_PrintList.isEmpty()) {
            DrawCanvas(painter, page - 1);
        } else {
            DrawPrintList(painter);
        }
        painter.restore();
    }
    return painter.end();
}

void CQarnPrintJob::DrawCanvas(QPainter& painter, int index) {
    CQarnCanvas* canvas = m_Doc.GetCanvasList()[index];
    const CRect clip(0, 0, canvas->GetWidth(), canvas->GetHeight());
    painter.setClipRect(QRect(0, 0, canvas->GetWidth(), canvas->GetHeight()));
    Graphics graphics(&painter);
    // What shows on paper: the background when it is drawn, then the visible layers; the
    // grid and the layer's name are the screen's.
    if (Qarn::GetConfig()->m_nDrawBackground != 0) {
        canvas->DrawBkGround(&graphics);
    }
    for (const CQarnLayer* layer : canvas->GetLayers()) {
        if (!layer->IsVisible(-1)) {
            continue;
        }
        for (CQarnComponent* c : layer->GetList()) {
            c->Draw(&graphics, clip, nullptr, nullptr, kPrinting);
        }
    }
}

void CQarnPrintJob::DrawPrintList(QPainter& painter) {
    const CCustomConfig* config = Qarn::GetConfig();
    BYTE mode = kPrinting;
    if (config->m_nDrawBackground == 0) {
        mode |= kNoBackground;
    }
    if (config->m_nDrawTightBound == 1) {
        mode |= kTightBounds;
    }
    Graphics graphics(&painter);
    const CRect clip = CQarnDoc::GetBound(m_PrintList);
    for (CQarnComponent* c : m_PrintList) {
        if (m_Doc.Contains(c)) {
            c->Draw(&graphics, clip, nullptr, nullptr, mode);
        }
    }
    // The list prints once.
    m_PrintList.clear();
}
