#include "panes/svg_preview_pane.h"

#include <QPainter>
#include <QSvgRenderer>

#include "core/doc.h"
#include "view/qarn_view.h"

namespace {

// Changes within this time are shown by one export.
constexpr int kExportDelayMs = 250;

}  // namespace

CSvgPreviewPane::CSvgPreviewPane(QWidget* parent)
    : CPane(parent), m_pRenderer(std::make_unique<QSvgRenderer>()) {
    setObjectName(QStringLiteral("SvgPreviewPane"));
    setMinimumSize(120, 100);
    setToolTip(QStringLiteral("The page as it is exported to SVG"));
    m_ExportTimer.setSingleShot(true);
    m_ExportTimer.setInterval(kExportDelayMs);
    connect(&m_ExportTimer, &QTimer::timeout, this, &CSvgPreviewPane::ExportNow);
}

CSvgPreviewPane::~CSvgPreviewPane() = default;

bool CSvgPreviewPane::IsShowingDrawing() const {
    return m_pRenderer->isValid();
}

void CSvgPreviewPane::OnChanges(unsigned changes) {
    if (changes & (ViewChanged | DrawingChanged | PagesChanged | LayersChanged)) {
        if (changes & ViewChanged) {
            // Another drawing: show it at once.
            ExportNow();
        } else {
            m_ExportTimer.start();
        }
    }
}

void CSvgPreviewPane::ExportNow() {
    m_ExportTimer.stop();
    CQarnView* view = GetView();
    CQarnDoc* doc = view != nullptr ? view->GetDoc() : nullptr;
    if (doc == nullptr || !m_Folder.isValid()) {
        m_pRenderer->load(QByteArray());
        m_strFile.clear();
        m_strProblem = doc == nullptr ? QStringLiteral("No drawing is open")
                                      : QStringLiteral("No folder for the preview");
        update();
        return;
    }
    const QString path = m_Folder.filePath(QStringLiteral("preview.svg"));
    QString error;
    // The export tells the main window, which hands the file back through ShowFile.
    if (!doc->ExportToSVG(path, nullptr, 0, &error)) {
        m_strProblem = error;
        update();
        return;
    }
    if (m_strFile != path) {
        // No main window passed it on (the pane works alone).
        ShowFile(path);
    }
}

void CSvgPreviewPane::ShowFile(const QString& path) {
    m_strFile = path;
    if (!m_pRenderer->load(path)) {
        m_strProblem = QStringLiteral("The SVG file cannot be shown");
    } else {
        m_strProblem.clear();
    }
    update();
}

void CSvgPreviewPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (!m_pRenderer->isValid()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect().adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap,
                         m_strProblem);
        return;
    }
    QSizeF size = m_pRenderer->defaultSize();
    if (size.isEmpty()) {
        size = QSizeF(100, 100);
    }
    size.scale(QSizeF(rect().adjusted(6, 6, -6, -6).size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2),
                        size);
    painter.fillRect(target, Qt::white);
    m_pRenderer->render(&painter, target);
}
