#pragma once
// The drawing application started as a person starts it (settings in a temporary file), with
// a scripted prompt in place of the message boxes and file dialogs, and helpers that drive
// the active drawing view with simulated input.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "child_frame.h"
#include "core/canvas.h"
#include "core/component.h"
#include "core/layer.h"
#include "inkvane_app.h"
#include "main_frame.h"
#include "my_qarn_doc.h"
#include "my_qarn_view.h"
#include "user_prompt.h"
#include "view/command_set.h"

class ScriptedPrompt : public CUserPrompt {
public:
    SaveAnswer AskSaveChanges(QWidget*, const QString& name) override {
        questions << SaveQuestion(name);
        return answers.isEmpty() ? Cancel : answers.takeFirst();
    }
    QString AskOpenFileName(QWidget*, const QString& filter) override {
        filters << filter;
        return openName;
    }
    QString AskSaveFileName(QWidget*, const QString&, const QString& filter) override {
        filters << filter;
        return saveName;
    }
    void ShowError(QWidget*, const QString& text) override { errors << text; }

    QList<SaveAnswer> answers;
    QStringList questions;
    QStringList errors;
    QStringList filters;
    QString openName;
    QString saveName;
};

class AppTest : public ::testing::Test {
protected:
    // Starts the application on the file (a new drawing when empty).
    void Start(const QString& file = QString()) {
        app = std::make_unique<CInkvaneApp>();
        app->UseProfileFile(dir.filePath(QStringLiteral("inkvane.ini")));
        ASSERT_TRUE(app->InitInstance(file));
        frame = app->GetMainFrame();
        auto owned = std::make_unique<ScriptedPrompt>();
        prompt = owned.get();
        frame->SetUserPrompt(std::move(owned));
        frame->show();
        QApplication::setActiveWindow(frame);
        Settle();
    }
    void TearDown() override {
        if (app != nullptr) {
            // Nothing is asked any more: the documents go as they are.
            for (CMyQarnDoc* doc : frame->GetDocuments()) {
                doc->SetModifiedFlag(false);
            }
            app->ExitInstance();
        }
    }
    // The events at hand are handled (the frame refreshes after them).
    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
            // Windows closed by the person go as they would in the event loop.
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    // A copy of the bundled sample in the temporary folder.
    QString SampleCopy(const QString& name = QStringLiteral("sample.met")) {
        const QString path = dir.filePath(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(QStringLiteral(QARN_SAMPLE_FILE), path));
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return path;
    }

    CMyQarnView* View() const { return frame->ActiveView(); }
    CMyQarnDoc* Doc() const { return frame->ActiveDocument(); }
    QWidget* Surface() const { return View()->viewport(); }
    bool Trigger(unsigned int id) {
        const bool done = frame->GetCommands()->Trigger(id);
        Settle();
        return done;
    }
    QAction* Action(unsigned int id) const { return frame->GetCommands()->Action(id); }
    bool IsEnabled(unsigned int id) const {
        frame->GetCommands()->Refresh();
        return Action(id)->isEnabled();
    }

    // Client point of the centre of a component.
    QPoint CentreOf(const CQarnComponent* c) const {
        CRect r = const_cast<CQarnComponent*>(c)->GetBoundRect(false);
        View()->DocToClient(r);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // The first component of the current page that a click at its centre hits.
    CQarnComponent* ClickableComponent() const {
        for (CQarnLayer* layer : Doc()->GetCurrentCanvas()->GetLayers()) {
            for (CQarnComponent* c : layer->GetList()) {
                const QPoint p = CentreOf(c);
                PointF at = View()->ToDoc(CPoint(p.x(), p.y()));
                if (c->GetParentGroup() == nullptr &&
                    View()->HitAt(at, View()->HitTolerance()) == c &&
                    Surface()->rect().contains(p)) {
                    return c;
                }
            }
        }
        return nullptr;
    }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(Surface(), Qt::LeftButton, Qt::NoModifier, from);
        for (int i = 1; i <= 8; ++i) {
            const QPoint p = from + (to - from) * i / 8;
            QMouseEvent move(QEvent::MouseMove, QPointF(p), Surface()->mapToGlobal(QPointF(p)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Surface(), &move);
        }
        QTest::mouseRelease(Surface(), Qt::LeftButton, Qt::NoModifier, to);
        Settle();
    }

    QTemporaryDir dir;
    std::unique_ptr<CInkvaneApp> app;
    CMainFrame* frame = nullptr;
    ScriptedPrompt* prompt = nullptr;
};
