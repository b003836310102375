// Keyboard scrolling with page changes at the ends, and the zoom dialog's choices.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include "controls/message_beep.h"
#include "core/notification_messages.h"
#include "view/zoom_dialog.h"
#include "view_fixtures.h"

namespace {

using KeyboardTest = ViewTest;

}  // namespace

TEST_F(KeyboardTest, ArrowsScrollByATenthAcrossAndATwentiethDown) {
    const CPoint centre(400, 300);
    view->DoZoomIn(&centre, 3.0f);
    const CSize client = view->GetClientSize();
    const CPoint before = view->GetDeviceScrollPosition();
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(view->GetDeviceScrollPosition().x, before.x + client.cx / 10);
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(view->GetDeviceScrollPosition().y, before.y + client.cy / 20);
    QTest::keyClick(view.get(), Qt::Key_Left);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->GetDeviceScrollPosition(), before);
    EXPECT_TRUE(view->IsRedrawPending());
    // With a selection the arrows are the selection's (the view does not scroll).
    view->Select(AddBox(RectF(400, 300, 10, 10)));
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(view->GetDeviceScrollPosition(), before);
}

TEST_F(KeyboardTest, PageKeysScrollAndTurnPagesAtTheEnds) {
    CQarnCanvas* first = doc->GetCurrentCanvas();
    const CPoint top(400, 0);
    view->DoZoomIn(&top, 2.0f);
    view->ScrollToDevicePosition(QPoint(0, 0));
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(view->GetDeviceScrollPosition().y, 200);
    // At the top of the only page Page Up beeps and changes nothing.
    view->ScrollToDevicePosition(QPoint(0, 0));
    const int beeps = GetMessageBeepCount();
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    EXPECT_EQ(GetMessageBeepCount(), beeps + 1);
    EXPECT_EQ(doc->GetCurrentCanvas(), first);
    // At the bottom Page Down goes to the next page, shown from its top.
    CQarnCanvas* second = doc->AddNewCanvas();
    second->SetSize(800, 600);
    doc->GoToCanvas(first);
    doc->NotifyPageChanged(first, Qarn::PageChange::Current);
    view->ScrollToDevicePosition(QPoint(0, 100000));
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(doc->GetCurrentCanvas(), second);
    EXPECT_EQ(view->GetDeviceScrollPosition().y, 0);
    // And Page Up at its top comes back to the bottom of the first.
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    EXPECT_EQ(doc->GetCurrentCanvas(), first);
    EXPECT_EQ(view->GetDeviceScrollPosition().y, view->verticalScrollBar()->maximum());
    EXPECT_GT(view->verticalScrollBar()->maximum(), 0);
}

TEST(ZoomDialogTest, OpensAt100PercentWithEveryChoiceNamed) {
    CZoomDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zoom"));
    EXPECT_EQ(dialog.GetChoice(), CZoomDlg::Zoom100);
    const QList<QRadioButton*> choices = dialog.findChildren<QRadioButton*>();
    ASSERT_EQ(choices.size(), CZoomDlg::ChoiceCount);
    EXPECT_EQ(choices[0]->text(), QStringLiteral("&400%"));
    EXPECT_EQ(choices[8]->text(), QStringLiteral("&Fit &Width"));
    EXPECT_EQ(choices[9]->text(), QStringLiteral("&Custom:"));
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (child->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(child->accessibleName().isEmpty()) << child->metaObject()->className();
        }
    }
    // The custom field keeps to 10..1000, and typing in it chooses it.
    dialog.SetPercent(5);
    EXPECT_EQ(dialog.GetPercent(), 10);
    dialog.SetPercent(5000);
    EXPECT_EQ(dialog.GetPercent(), 1000);
    EXPECT_EQ(dialog.GetChoice(), CZoomDlg::Custom);
}

TEST(ZoomDialogTest, ChoicesGiveTheirRatios) {
    const float fixed[] = {4.0f, 2.0f, 1.0f, 0.75f, 0.5f, 0.25f};
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(CZoomDlg::TargetRatio(CZoomDlg::Choice(i), 100, 1.3f, 500, 800), fixed[i]);
    }
    EXPECT_FLOAT_EQ(CZoomDlg::TargetRatio(CZoomDlg::Custom, 250, 1.0f, 500, 800), 2.5f);
    EXPECT_FLOAT_EQ(CZoomDlg::TargetRatio(CZoomDlg::Custom, 2, 1.0f, 500, 800), 0.1f);
    // Fit width: the client shows 500 of 800 units at 1.6, so 1.0 fits them.
    EXPECT_FLOAT_EQ(CZoomDlg::TargetRatio(CZoomDlg::FitWidth, 100, 1.6f, 500, 800), 1.0f);
    EXPECT_FLOAT_EQ(CZoomDlg::TargetRatio(CZoomDlg::FitWidth, 100, 1.6f, 500, 0), 1.6f);
}

namespace {

using ZoomChoiceTest = ViewTest;

}  // namespace

TEST_F(ZoomChoiceTest, TheViewAppliesEachChoiceAboutTheCentre) {
    const CPoint centre = view->GetLogicalCenterPoint();
    view->ApplyZoomChoice(CZoomDlg::Zoom200, 100);
    EXPECT_FLOAT_EQ(view->GetZoomRatio(), 2.0f);
    EXPECT_NEAR(view->GetLogicalCenterPoint().x, centre.x, 1);
    view->ApplyZoomChoice(CZoomDlg::Custom, 40);
    EXPECT_NEAR(view->GetZoomRatio(), 0.4f, 1e-5);
    view->ApplyZoomChoice(CZoomDlg::FitWidth, 100);
    EXPECT_NEAR(view->GetZoomRatio(), view->GetClientSize().cx / 800.0, 0.01);
    view->ApplyZoomChoice(CZoomDlg::FitPage, 100);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
    // Fit selection: without a selection 100%, with one the selection fills the client.
    view->ApplyZoomChoice(CZoomDlg::FitSelection, 100);
    EXPECT_NEAR(view->GetZoomRatio(), 1.0f, 1e-5);
    view->Select(AddBox(RectF(100, 100, 40, 40)));
    view->ApplyZoomChoice(CZoomDlg::FitSelection, 100);
    EXPECT_GT(view->GetZoomRatio(), 3.0f);
}
