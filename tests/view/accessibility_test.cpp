// Every control of every dialog can be reached from the keyboard and tells assistive
// technology what it is.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QTabBar>
#include <functional>
#include <memory>

#include "connectors/anchor_point.h"
#include "controls/anchor_dialog.h"
#include "controls/canvas_color_dialog.h"
#include "controls/layer_dialog.h"
#include "controls/multi_edit_dialog.h"
#include "controls/page_setup_sheet.h"
#include "controls/poly_data_dialog.h"
#include "controls/poly_style_dialog.h"
#include "controls/property_sheet.h"
#include "controls/rotate_dialog.h"
#include "controls/shadow_dialog.h"
#include "controls/size_dialog.h"
#include "controls_fixtures.h"

namespace {

// The controls that take the focus and have no name: neither an accessible name nor, for a
// button, a text.
QStringList UnnamedControls(QWidget& dialog) {
    QStringList unnamed;
    const QList<QWidget*> widgets = dialog.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        // Drop-down lists are windows of their own, shown by their combo box.
        if (w->focusPolicy() == Qt::NoFocus || qobject_cast<QTabBar*>(w) != nullptr ||
            w->window() != &dialog) {
            continue;
        }
        // Parts of a compound control (the edit of a combo box, the cells of a list).
        QWidget* parent = w->parentWidget();
        if (qobject_cast<QComboBox*>(parent) != nullptr ||
            qobject_cast<QAbstractItemView*>(parent) != nullptr ||
            (parent != nullptr && qobject_cast<QAbstractItemView*>(parent->parentWidget()))) {
            continue;
        }
        const auto* button = qobject_cast<QAbstractButton*>(w);
        if (w->accessibleName().isEmpty() && (button == nullptr || button->text().isEmpty())) {
            unnamed.append(QString::fromLatin1(w->metaObject()->className()));
        }
    }
    return unnamed;
}

}  // namespace

TEST(AccessibilityTest, EveryControlOfEveryDialogHasAName) {
    SampleDrawing drawing;
    CQarnAnchorPoint anchor(PointF(5, 5));
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> dialogs = {
        {"sheet of a line", [&] { return std::make_unique<CQarnPropertySheet>(*drawing.line); }},
        {"sheet of a box", [&] { return std::make_unique<CQarnPropertySheet>(*drawing.box); }},
        {"multi-edit",
         [&] {
             return std::make_unique<CQarnMultiEditDialog>(
                 ComponentList{drawing.box, drawing.line});
         }},
        {"size", [&] { return std::make_unique<CQarnSizeDialog>(*drawing.box); }},
        {"shadow", [&] { return std::make_unique<CQarnShadowDialog>(*drawing.box); }},
        {"canvas", [&] { return std::make_unique<CQarnCanvasColorDialog>(Color(0xFFFFFFFFu)); }},
        {"poly style", [&] { return std::make_unique<CQarnPolyStyleDialog>(*drawing.line); }},
        {"poly data", [&] { return std::make_unique<CQarnPolyDataDialog>(*drawing.line); }},
        {"anchor", [&] { return std::make_unique<CQarnAnchorDialog>(anchor); }},
        {"page setup", [&] { return std::make_unique<CQarnPageSetupSheet>(drawing.doc); }},
        {"layers", [&] { return std::make_unique<CLayerDialog>(&drawing.doc, nullptr, nullptr); }},
        {"rotate", [&] { return std::make_unique<CQarnRotateDialog>(0.0f); }},
    };
    for (const auto& [name, make] : dialogs) {
        std::unique_ptr<QWidget> dialog = make();
        EXPECT_FALSE(dialog->accessibleName().isEmpty()) << name;
        EXPECT_EQ(UnnamedControls(*dialog).join(QLatin1Char(' ')).toStdString(), "") << name;
    }
}
