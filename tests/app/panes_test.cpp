// The panes change the drawing only through undoable actions and follow what the view shows.
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <cmath>

#include "app_fixture.h"
#include "core/property_ids.h"
#include "panes/distance_pane.h"
#include "panes/layer_pane.h"
#include "panes/navigation_pane.h"
#include "panes/svg_preview_pane.h"
#include "panes/visual_effect_pane.h"
#include "platform/variant.h"
#include "undo/undo_manager.h"
#include "unit_text.h"
#include "view/command_ids.h"
#include "view/zoom_dialog.h"

namespace {

using namespace QarnCmd;

}  // namespace

class PaneTest : public AppTest {
protected:
    template <class T>
    T* ShownPane(unsigned int id) {
        QDockWidget* dock = frame->GetPaneDock(id);
        dock->show();
        dock->raise();
        Settle();
        return qobject_cast<T*>(frame->GetPane(id));
    }
    CQarnCanvas* Page() const { return Doc()->GetCurrentCanvas(); }
};

TEST_F(PaneTest, LayersAreAddedRenamedToggledAndMovedAsUndoableSteps) {
    Start(SampleCopy());
    auto* pane = ShownPane<CLayerPane>(PaneLayer);
    ASSERT_NE(pane, nullptr);
    const int layers = int(Page()->GetLayers().size());
    EXPECT_EQ(pane->GetLayerList()->topLevelItemCount(), layers);

    ASSERT_TRUE(pane->AddLayer());
    Settle();
    ASSERT_EQ(int(Page()->GetLayers().size()), layers + 1);
    EXPECT_EQ(pane->GetLayerList()->topLevelItemCount(), layers + 1);
    CQarnLayer* added = Page()->GetCurrentLayer();
    EXPECT_EQ(pane->LayerOfRow(
                  pane->GetLayerList()->indexOfTopLevelItem(pane->GetLayerList()->currentItem())),
              added);

    // Renamed by editing its row; hidden by its check box.
    QTreeWidgetItem* row = pane->GetLayerList()->currentItem();
    row->setText(CLayerPane::NameColumn, QStringLiteral("Notes"));
    Settle();
    EXPECT_EQ(added->GetName(), QStringLiteral("Notes"));
    row = pane->GetLayerList()->currentItem();
    row->setCheckState(CLayerPane::VisibleColumn, Qt::Unchecked);
    Settle();
    EXPECT_FALSE(added->IsVisible(-1));
    // A name of blanks is refused and the row shows the name again.
    pane->GetLayerList()->currentItem()->setText(CLayerPane::NameColumn, QStringLiteral("  "));
    Settle();
    EXPECT_EQ(added->GetName(), QStringLiteral("Notes"));
    EXPECT_EQ(pane->GetLayerList()->currentItem()->text(CLayerPane::NameColumn),
              QStringLiteral("Notes"));

    // Each was one step.
    Trigger(EditUndo);
    EXPECT_TRUE(added->IsVisible(-1));
    Trigger(EditUndo);
    EXPECT_NE(added->GetName(), QStringLiteral("Notes"));
    Trigger(EditUndo);
    EXPECT_EQ(int(Page()->GetLayers().size()), layers);
    EXPECT_EQ(pane->GetLayerList()->topLevelItemCount(), layers);
}

TEST_F(PaneTest, TheLastLayerAndPageCannotBeDeletedAndPagesMove) {
    Start();
    auto* pane = ShownPane<CLayerPane>(PaneLayer);
    EXPECT_FALSE(pane->DeleteLayer());
    EXPECT_FALSE(pane->DeletePage());
    ASSERT_TRUE(pane->AddPage());
    Settle();
    ASSERT_EQ(Doc()->GetCanvasList().size(), 2);
    EXPECT_EQ(pane->GetPageList()->count(), 2);
    CQarnCanvas* second = Doc()->GetCurrentCanvas();
    EXPECT_EQ(Doc()->GetCanvasIndex(second), 1);
    ASSERT_TRUE(pane->MovePage(false));
    Settle();
    EXPECT_EQ(Doc()->GetCanvasIndex(second), 0);
    EXPECT_FALSE(pane->MovePage(false));
    // Choosing a page in the list shows it.
    pane->GetPageList()->setCurrentRow(1);
    Settle();
    EXPECT_EQ(Doc()->GetCanvasIndex(Doc()->GetCurrentCanvas()), 1);
    ASSERT_TRUE(pane->DeletePage());
    Settle();
    EXPECT_EQ(Doc()->GetCanvasList().size(), 1);
    Trigger(EditUndo);
    EXPECT_EQ(Doc()->GetCanvasList().size(), 2);
}

TEST_F(PaneTest, VisualEffectsEditTheWholeSelectionInOneStep) {
    Start(SampleCopy());
    auto* pane = ShownPane<CVisualEffectPane>(PaneVisualEffect);
    EXPECT_FALSE(pane->Control(QarnPropId::LineWidth)->isEnabled());
    Trigger(EditSelectAll);
    const ComponentList selection = View()->GetSelection();
    ASSERT_GE(selection.size(), 2);
    EXPECT_TRUE(pane->Control(QarnPropId::LineWidth)->isEnabled());
    EXPECT_EQ(pane->GetSummary()->text(),
              QStringLiteral("%1 objects selected").arg(selection.size()));
    std::vector<float> widths;
    for (CQarnComponent* c : selection) {
        widths.push_back(c->GetLineWidth());
    }
    const long steps = gUndoManager->GetStackSize(Doc(), 0);

    auto* width = qobject_cast<QDoubleSpinBox*>(pane->Control(QarnPropId::LineWidth));
    width->setValue(6.5);
    Settle();
    for (CQarnComponent* c : selection) {
        if (c->GetPenProperty() != nullptr) {
            EXPECT_FLOAT_EQ(c->GetLineWidth(), 6.5f);
        }
    }
    EXPECT_EQ(gUndoManager->GetStackSize(Doc(), 0), steps + 1);
    ASSERT_TRUE(pane->ApplyColor(QarnPropId::LineColor1, QColor(255, 0, 0)));
    EXPECT_EQ(selection.first()->GetLineColor().GetValue(), 0xFFFF0000u);
    Trigger(EditUndo);
    Trigger(EditUndo);
    for (size_t i = 0; i < widths.size(); ++i) {
        EXPECT_FLOAT_EQ(selection[int(i)]->GetLineWidth(), widths[i]);
    }
    // The pane shows the values back.
    EXPECT_DOUBLE_EQ(width->value(),
                     double(std::round(selection.first()->GetLineWidth() * 10) / 10));
}

TEST_F(PaneTest, TheFillKindAndShadowSwitchApplyToEverySelectedShape) {
    Start(SampleCopy());
    auto* pane = ShownPane<CVisualEffectPane>(PaneVisualEffect);
    Trigger(EditSelectAll);
    const ComponentList selection = View()->GetSelection();
    ASSERT_TRUE(pane->ApplyBrushType(1));
    for (CQarnComponent* c : selection) {
        if (c->GetBrushProperty() != nullptr) {
            EXPECT_EQ(c->GetBrushType(), 1);
        }
    }
    auto* shadow = qobject_cast<QCheckBox*>(pane->Control(QarnPropId::DrawShadow));
    const bool had = selection.first()->GetDrawShadow();
    shadow->setChecked(!had);
    Settle();
    for (CQarnComponent* c : selection) {
        EXPECT_EQ(c->GetDrawShadow(), !had);
    }
    Trigger(EditUndo);
    EXPECT_EQ(selection.first()->GetDrawShadow(), had);
}

TEST_F(PaneTest, DistanceAndAngleOfTwoClickedPoints) {
    Start(SampleCopy());
    auto* pane = ShownPane<CDistancePane>(PaneDistance);
    pane->Clear();
    // A press in the drawing gives the pane its point.
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    Settle();
    ASSERT_EQ(pane->GetPoints().size(), 1);
    pane->Clear();
    pane->AddPoint(QPoint(100, 100));
    pane->AddPoint(QPoint(400, -300));
    EXPECT_DOUBLE_EQ(pane->GetDistance(), 500.0);
    EXPECT_NEAR(pane->GetAngle(), 53.13, 0.01);
    pane->GetUnitBox()->setCurrentIndex(0);
    EXPECT_EQ(pane->GetDistanceField()->text(), QStringLiteral("5.00\""));
    pane->GetUnitBox()->setCurrentIndex(1);
    EXPECT_EQ(pane->GetDistanceField()->text(), Qarn::DocUnitsToText(500, 1));
    // A third point starts a new pair.
    pane->AddPoint(QPoint(0, 0));
    EXPECT_EQ(pane->GetPoints().size(), 1);
    EXPECT_EQ(pane->GetDistanceField()->text(), QStringLiteral("-"));
}

TEST_F(PaneTest, NavigationShowsTheVisibleAreaAndScrollsTheView) {
    Start(SampleCopy());
    auto* pane = ShownPane<CNavigationPane>(PaneNavigation);
    pane->resize(220, 180);
    View()->ApplyZoomChoice(CZoomDlg::Custom, 400);
    Settle();
    const QRectF page = pane->GetPageRect();
    ASSERT_FALSE(page.isEmpty());
    const QRectF before = pane->GetVisibleFrame();
    ASSERT_FALSE(before.isEmpty());
    EXPECT_LT(before.width(), page.width());
    // Pressing near the bottom right brings that part into view.
    QTest::mousePress(pane, Qt::LeftButton, Qt::NoModifier,
                      (page.bottomRight() - QPointF(5, 5)).toPoint());
    QTest::mouseRelease(pane, Qt::LeftButton, Qt::NoModifier,
                        (page.bottomRight() - QPointF(5, 5)).toPoint());
    Settle();
    const QRectF after = pane->GetVisibleFrame();
    EXPECT_GT(after.center().x(), before.center().x());
    EXPECT_GT(after.center().y(), before.center().y());
}

TEST_F(PaneTest, SvgPreviewShowsTheExportedPageAndFollowsEdits) {
    Start(SampleCopy());
    auto* pane = ShownPane<CSvgPreviewPane>(PaneSvgPreview);
    pane->ExportNow();
    EXPECT_TRUE(pane->IsShowingDrawing());
    QFile svg(pane->GetShownFile());
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray first = svg.readAll();
    EXPECT_TRUE(first.contains("Pump station"));
    svg.close();
    Trigger(EditSelectAll);
    Trigger(EditClear);
    pane->ExportNow();
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_FALSE(svg.readAll().contains("Pump station"));
}

TEST_F(PaneTest, TheStatusBarShowsZoomPointerAndSelectionSize) {
    Start(SampleCopy());
    EXPECT_TRUE(frame->GetZoomField()->text().endsWith(QLatin1Char('%')));
    EXPECT_TRUE(frame->GetSizeField()->text().isEmpty());
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 60), Surface()->mapToGlobal(QPointF(50, 60)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Surface(), &move);
    Settle();
    EXPECT_TRUE(frame->GetPositionField()->text().contains(QLatin1Char(',')));
    Trigger(EditSelectAll);
    EXPECT_TRUE(frame->GetSizeField()->text().contains(QStringLiteral(" x ")));
    View()->ApplyZoomChoice(CZoomDlg::Custom, 200);
    Settle();
    EXPECT_EQ(frame->GetZoomField()->text(), QStringLiteral("200%"));
}
