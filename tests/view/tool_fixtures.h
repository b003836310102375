#pragma once
// A drawing view with its tools, on a fresh document shown on the offscreen platform, driven
// by simulated mouse and key events; a recorder stands in for the main window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/library_init.h"
#include "platform/window_messages.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "support/message_recorder.h"
#include "support/stored_record.h"
#include "undo/undo_manager.h"
#include "view/qarn_view.h"
#include "view/tool.h"

class ToolViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        QarnDllInitialize();
        Qarn::RegisterSelectionTools();
        Qarn::RegisterDrawingTools();
    }

    void SetUp() override {
        AfxSetMainWnd(&mainWindow);
        CQarnTool::SetToolID(CQarnTool::kSelectTool);
        doc = std::make_unique<CQarnDoc>();
        doc->OnNewDocument();
        doc->GetCurrentCanvas()->SetSize(800, 600);
        view = std::make_unique<CQarnView>();
        view->resize(500, 400);
        view->SetDocument(doc.get());
        view->show();
        QApplication::processEvents();
        mainWindow.messages.clear();
    }
    void TearDown() override {
        view.reset();
        doc.reset();
        AfxSetMainWnd(nullptr);
    }

    CQarnRect* AddBox(const RectF& r, CQarnLayer* layer = nullptr) {
        auto* box = new CQarnRect(r);
        box->SetShapeID(Qarn::kShapeRectangle);
        box->UpdateRotateCenter();
        box->ResetPath();
        doc->AddTail(box, layer);
        return box;
    }
    CQarnLayer* Layer0() const { return doc->GetCurrentCanvas()->GetLayers().first(); }

    // The client point over a document point.
    QPoint At(float x, float y) const {
        CPoint p{int(x), int(y)};
        view->DocToClient(p);
        return QPoint(p.x, p.y);
    }
    QWidget* Surface() const { return view->viewport(); }
    void Press(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mousePress(Surface(), Qt::LeftButton, keys, p);
        m_Buttons = Qt::LeftButton;
    }
    void Release(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mouseRelease(Surface(), Qt::LeftButton, keys, p);
        m_Buttons = Qt::NoButton;
    }
    // A move with the left button down (while a press is held) and the keys held.
    void MoveTo(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QMouseEvent move(QEvent::MouseMove, QPointF(p), Surface()->mapToGlobal(QPointF(p)),
                         Qt::NoButton, m_Buttons, keys);
        QApplication::sendEvent(Surface(), &move);
    }
    void Click(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Press(p, keys);
        Release(p, keys);
    }
    // A drag in steps, as a hand makes it.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier,
              bool release = true) {
        Press(from, keys);
        for (int i = 1; i <= 8; ++i) {
            MoveTo(from + (to - from) * i / 8, keys);
        }
        if (release) {
            Release(to, keys);
        }
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::keyClick(view.get(), key, keys);
    }
    // A double click as a hand makes it: press, release, then the second press arrives as a
    // double click, and its release.
    void DoubleClick(QPoint p, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        Click(p, keys);
        QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(p),
                          Surface()->mapToGlobal(QPointF(p)), Qt::LeftButton, Qt::LeftButton, keys);
        QApplication::sendEvent(Surface(), &twice);
        Release(p, keys);
    }
    void RightClick(QPoint p) {
        QTest::mousePress(Surface(), Qt::RightButton, Qt::NoModifier, p);
        QTest::mouseRelease(Surface(), Qt::RightButton, Qt::NoModifier, p);
    }
    // Makes the tool current as the window's command would.
    void Use(UINT tool) { CQarnTool::SetToolID(tool); }
    // The components of the first layer, in order.
    ComponentList Components() const { return Layer0()->GetList(); }
    long RedoDepth() const { return gUndoManager->GetStackSize(doc.get(), 1); }
    bool Undo() { return view->OnCommand(57643); }
    bool Redo() { return view->OnCommand(57644); }
    QByteArray Bytes() { return StoredRecord(*doc); }
    long UndoDepth() const { return gUndoManager->GetStackSize(doc.get(), 0); }

    Qt::MouseButtons m_Buttons = Qt::NoButton;
    MessageRecorder mainWindow;
    std::unique_ptr<CQarnDoc> doc;
    std::unique_ptr<CQarnView> view;
};
