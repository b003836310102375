// Draws a diagram in the drawing view by simulated mouse and key input alone, the way a person
// would, and saves it: qarn_draw_by_mouse OUT.met. Used to look at what the drawing tools
// make (qarn_show_view OUT.met).
#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "controls/text_page.h"
#include "controls/text_sheet.h"
#include "core/canvas.h"
#include "core/default_properties.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/library_init.h"
#include "undo/undo_manager.h"
#include "view/command_ids.h"
#include "view/qarn_view.h"
#include "view/tool.h"

namespace {

class Hand {
public:
    explicit Hand(CQarnView* view) : m_pView(view) {}

    QPoint At(int x, int y) const {
        CPoint p(x, y);
        m_pView->DocToClient(p);
        return QPoint(p.x, p.y);
    }
    void Send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QWidget* surface = m_pView->viewport();
        QMouseEvent event(type, QPointF(p), surface->mapToGlobal(QPointF(p)), button, held, keys);
        QApplication::sendEvent(surface, &event);
    }
    void Click(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, keys);
        Send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, keys);
    }
    void DoubleClick(QPoint p) {
        Click(p);
        Send(QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    }
    void Move(QPoint p) { Send(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
    void Drag(QPoint from, QPoint to) {
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (int i = 1; i <= 10; ++i) {
            Send(QEvent::MouseMove, from + (to - from) * i / 10, Qt::NoButton, Qt::LeftButton);
        }
        Send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    void Use(unsigned int command) { m_pView->OnCommand(command); }

private:
    CQarnView* m_pView;
};

// Answers the text tool's Properties sheet with the text, as typed.
void WriteInNextSheet(const QString& text) {
    QTimer::singleShot(0, [text] {
        if (auto* sheet = qobject_cast<CQarnTextSheet*>(QApplication::activeModalWidget())) {
            QPlainTextEdit* edit = sheet->GetTextPage()->GetTextEdit();
            edit->selectAll();
            edit->insertPlainText(text);
            edit->document()->setModified(true);
            sheet->accept();
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qarn_draw_by_mouse OUT.met\n");
        return 2;
    }
    QarnDllInitialize();
    Qarn::CreateDefaultProperty();
    gUndoManager = new CUndoManager();
    Qarn::RegisterSelectionTools();
    Qarn::RegisterDrawingTools();

    CQarnDoc doc;
    doc.OnNewDocument();
    doc.GetCurrentCanvas()->SetSize(900, 650);
    CQarnView view;
    view.resize(1000, 760);
    view.SetDocument(&doc);
    view.show();
    QApplication::processEvents();
    Hand hand(&view);

    // Two shapes joined by a connector with an arrow head.
    hand.Use(QarnCmd::ShapeRectangle);
    hand.Drag(hand.At(60, 60), hand.At(220, 160));
    hand.Use(QarnCmd::ShapeEllipse);
    hand.Drag(hand.At(480, 60), hand.At(640, 160));
    hand.Use(QarnCmd::ShapeRoundRectangle);
    hand.Drag(hand.At(480, 300), hand.At(640, 400));
    hand.Use(QarnCmd::ToolConnector + 1);
    hand.Drag(hand.At(218, 110), hand.At(482, 110));
    hand.Use(QarnCmd::ToolConnectorRounded + 1);
    hand.Drag(hand.At(560, 158), hand.At(560, 302));
    // A text under them.
    hand.Use(QarnCmd::ToolText);
    WriteInNextSheet(QStringLiteral("Drawn with the mouse"));
    hand.Click(hand.At(260, 200));
    // A star and a block arrow, grouped.
    hand.Use(18290);
    hand.Drag(hand.At(80, 260), hand.At(200, 380));
    hand.Use(18251);
    hand.Drag(hand.At(230, 290), hand.At(400, 350));
    hand.Click(hand.At(140, 320));
    hand.Click(hand.At(300, 320), Qt::ShiftModifier);
    view.OnCommand(QarnCmd::Group);
    // A polyline and a closed curve drawn point by point, and a scribble.
    hand.Use(QarnCmd::ToolPolyline);
    for (const QPoint& p : {QPoint(60, 460), QPoint(160, 420), QPoint(260, 500)}) {
        hand.Move(hand.At(p.x(), p.y()));
        hand.Click(hand.At(p.x(), p.y()));
    }
    hand.Move(hand.At(360, 440));
    hand.DoubleClick(hand.At(360, 440));
    hand.Use(QarnCmd::ToolClosedCurve);
    for (const QPoint& p : {QPoint(700, 440), QPoint(820, 470), QPoint(780, 580)}) {
        hand.Move(hand.At(p.x(), p.y()));
        hand.Click(hand.At(p.x(), p.y()));
    }
    hand.Move(hand.At(690, 560));
    hand.DoubleClick(hand.At(690, 560));
    hand.Use(QarnCmd::ToolArrow);
    hand.Drag(hand.At(420, 600), hand.At(620, 520));
    // Nothing selected, so the picture shows the drawing alone.
    hand.Click(hand.At(880, 630));

    QString error;
    if (!doc.OnSaveDocument(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "qarn_draw_by_mouse: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%lld components drawn\n",
                static_cast<long long>(doc.GetCurrentCanvas()->GetLayers().first()->GetCount()));
    delete gUndoManager;
    gUndoManager = nullptr;
    return 0;
}
