// Opens one of the library's dialogs, wells or pickers on a sample drawing, so that each can be
// looked at (and screenshot):  qarn_controls_gallery NAME
// NAME: sheet, sheet-fill, sheet-arrows, sheet-text, sheet-label, sheet-tip, sheet-shadow,
// multi, size, shadow, canvas, poly-style, poly-data, anchor, page-setup, page-margins,
// layers, rotate, tooltip, wells, and a drop-down opened: color, width, dash, compound,
// arrow, shadow-well, hatch, label-pos.
#include <QApplication>
#include <QFormLayout>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>

#include "connectors/anchor_point.h"
#include "controls/anchor_dialog.h"
#include "controls/arrow_well.h"
#include "controls/canvas_color_dialog.h"
#include "controls/color_well.h"
#include "controls/compound_line_well.h"
#include "controls/form_rows.h"
#include "controls/hatch_well.h"
#include "controls/label_pos_well.h"
#include "controls/layer_dialog.h"
#include "controls/line_style_well.h"
#include "controls/line_width_well.h"
#include "controls/multi_edit_dialog.h"
#include "controls/page_setup_sheet.h"
#include "controls/poly_data_dialog.h"
#include "controls/poly_style_dialog.h"
#include "controls/property_sheet.h"
#include "controls/recent_colors.h"
#include "controls/rotate_dialog.h"
#include "controls/shadow_dialog.h"
#include "controls/shadow_well.h"
#include "controls/size_dialog.h"
#include "controls/tool_tip.h"
#include "core/canvas.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/layer.h"
#include "platform/hatch_style.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/label_property.h"
#include "properties/pen_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "properties/tip_property.h"
#include "shapes/poly.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"

namespace {

// A sample drawing: a filled box with text, label, tip and shadow; a polyline with arrow
// heads; a second layer.
struct Sample {
    CQarnDoc doc;
    CQarnRect* box = nullptr;
    CQarnPoly* line = nullptr;

    Sample() {
        doc.OnNewDocument();
        doc.GetCurrentCanvas()->SetSize(827, 1169);
        box = new CQarnRect(RectF(100, 80, 180, 110));
        box->SetShapeID(Qarn::kShapeRoundRectangle);
        box->SetFillColor(Color(0xFFB3D9FFu));
        box->SetLineColor(Color(0xFF203040u));
        box->SetLineWidth(2);
        auto* text = new CQarnTextProperty();
        text->SetText(QStringLiteral("Pump station"));
        text->SetFontSize(14);
        box->AddProperty(text);
        box->AddProperty(new CQarnLabelProperty(RectF(140, 194, 100, 24)));
        box->AddProperty(new CQarnTipProperty(
            QStringLiteral("<b>Pump 3</b><br>Flow: <font color=\"#C00000\">120 l/min</font>")));
        auto* shadow = new CQarnShadowProperty();
        shadow->SetXOffset(3);
        shadow->SetYOffset(3);
        box->AddProperty(shadow);
        box->ResetPath();
        doc.AddTail(box);

        line = new CQarnPoly(RectF(320, 120, 200, 60));
        for (PointF p : {PointF(320, 180), PointF(380, 120), PointF(450, 170), PointF(520, 130)}) {
            line->AddPoint(p);
        }
        line->RecalcBounds(0);
        line->SetEndArrow(ArrowTypeArrow);
        line->SetStartArrow(ArrowTypeRound);
        line->ResetPath();
        doc.AddTail(line);

        CQarnCanvas* page = doc.GetCurrentCanvas();
        page->GetLayers().front()->SetName(QStringLiteral("Pipes and pumps"));
        CQarnLayer* notes = page->AddNewLayer();
        notes->SetName(QStringLiteral("Notes"));
        notes->SetLocked(true);
        CQarnLayer* hidden = page->AddNewLayer();
        hidden->SetName(QStringLiteral("Construction lines"));
        hidden->SetVisible(false);
        page->SetCurrentLayer(notes);
    }
};

// A window holding one well of each kind, the first one focused.
QWidget* WellsWindow() {
    auto* window = new QWidget();
    window->setWindowTitle(QStringLiteral("Wells"));
    auto* form = new QFormLayout(window);
    auto* color = new CQarnColorWell(QStringLiteral("Fill colour"), window);
    color->SetColor(Color(0xC0336699u));
    Qarn::AddFormRow(form, QStringLiteral("&Colour:"), color);
    auto* width = new CQarnLineWidthWell(window);
    width->SetLineWidth(3);
    Qarn::AddFormRow(form, QStringLiteral("&Width:"), width);
    auto* dash = new CQarnLineStyleWell(window);
    dash->SetDashStyle(3);
    Qarn::AddFormRow(form, QStringLiteral("&Dashes:"), dash);
    auto* compound = new CQarnCompoundLineWell(window);
    compound->SetLineStyle(3);
    Qarn::AddFormRow(form, QStringLiteral("C&ompound:"), compound);
    auto* arrow = new CQarnArrowWell(CQarnArrowHeadItems::End::End, window);
    arrow->SetArrowType(ArrowTypeOpen);
    Qarn::AddFormRow(form, QStringLiteral("&Arrow head:"), arrow);
    auto* shadow = new CQarnShadowWell(window);
    shadow->SetShadowStyle(4);
    Qarn::AddFormRow(form, QStringLiteral("&Shadow:"), shadow);
    auto* hatch = new CQarnHatchWell(window);
    hatch->SetHatchStyle(HatchStyleDiagonalBrick);
    hatch->SetColors(QColor(0, 64, 160), QColor(255, 255, 220));
    Qarn::AddFormRow(form, QStringLiteral("&Hatch:"), hatch);
    auto* label = new CQarnLabelPosWell(window);
    label->SetLabelPosition(7);
    Qarn::AddFormRow(form, QStringLiteral("&Label:"), label);
    window->resize(320, 300);
    return window;
}

// Shows a window with one well and opens its drop-down once it is on screen.
void DropDown(CQarnWell* well) {
    auto* window = new QWidget();
    window->setWindowTitle(well->accessibleName());
    auto* form = new QFormLayout(window);
    well->setParent(window);
    Qarn::AddFormRow(form, well->accessibleName() + QLatin1Char(':'), well);
    window->resize(300, 60);
    window->move(40, 40);
    window->show();
    QTimer::singleShot(500, well, [well] {
        well->setFocus();
        well->ShowDropDown();
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Inkvane"));
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("sheet");
    Sample sample;
    CQarnRecentColors::Add(Color(0xFF2E7D32u));
    CQarnRecentColors::Add(Color(0x80FF8000u));
    CCustomConfig config;
    config.m_nTipWithPosition = 1;

    auto sheetAt = [&](int page, CQarnComponent* c) {
        auto* sheet = new CQarnPropertySheet(*c);
        sheet->GetTabs()->setCurrentIndex(page);
        sheet->show();
    };
    const std::map<QString, std::function<void()>> shows = {
        {QStringLiteral("sheet"), [&] { sheetAt(0, sample.box); }},
        {QStringLiteral("sheet-fill"), [&] { sheetAt(1, sample.box); }},
        {QStringLiteral("sheet-arrows"), [&] { sheetAt(2, sample.line); }},
        {QStringLiteral("sheet-text"), [&] { sheetAt(2, sample.box); }},
        {QStringLiteral("sheet-label"), [&] { sheetAt(3, sample.box); }},
        {QStringLiteral("sheet-tip"), [&] { sheetAt(4, sample.box); }},
        {QStringLiteral("sheet-shadow"), [&] { sheetAt(5, sample.box); }},
        {QStringLiteral("multi"),
         [&] {
             (new CQarnMultiEditDialog(ComponentList{sample.box, sample.line}))->show();
         }},
        {QStringLiteral("size"), [&] { (new CQarnSizeDialog(*sample.box))->show(); }},
        {QStringLiteral("shadow"), [&] { (new CQarnShadowDialog(*sample.box))->show(); }},
        {QStringLiteral("canvas"),
         [&] { (new CQarnCanvasColorDialog(Color(0xFFFFFF99u)))->show(); }},
        {QStringLiteral("poly-style"), [&] { (new CQarnPolyStyleDialog(*sample.line))->show(); }},
        {QStringLiteral("poly-data"), [&] { (new CQarnPolyDataDialog(*sample.line))->show(); }},
        {QStringLiteral("anchor"),
         [&] {
             static CQarnAnchorPoint anchor(PointF(10, 10));
             anchor.SetDirection(2);
             (new CQarnAnchorDialog(anchor))->show();
         }},
        {QStringLiteral("page-setup"), [&] { (new CQarnPageSetupSheet(sample.doc))->show(); }},
        {QStringLiteral("page-margins"),
         [&] {
             auto* sheet = new CQarnPageSetupSheet(sample.doc);
             sheet->GetTabs()->setCurrentIndex(1);
             sheet->show();
         }},
        {QStringLiteral("layers"),
         [&] { (new CLayerDialog(&sample.doc, nullptr, nullptr))->show(); }},
        {QStringLiteral("rotate"), [&] { (new CQarnRotateDialog(45.0f))->show(); }},
        {QStringLiteral("tooltip"),
         [&] {
             static CQarnToolTip tip;
             tip.ShowFor(sample.box, QPoint(60, 60), config);
         }},
        {QStringLiteral("wells"), [&] { WellsWindow()->show(); }},
        {QStringLiteral("color"),
         [&] {
             auto* w = new CQarnColorWell(QStringLiteral("Fill colour"));
             w->SetColor(Color(0xC0FF6600u));
             DropDown(w);
         }},
        {QStringLiteral("width"),
         [&] {
             auto* w = new CQarnLineWidthWell();
             w->SetLineWidth(2);
             DropDown(w);
         }},
        {QStringLiteral("dash"), [&] { DropDown(new CQarnLineStyleWell()); }},
        {QStringLiteral("compound"), [&] { DropDown(new CQarnCompoundLineWell()); }},
        {QStringLiteral("arrow"),
         [&] { DropDown(new CQarnArrowWell(CQarnArrowHeadItems::End::End)); }},
        {QStringLiteral("shadow-well"), [&] { DropDown(new CQarnShadowWell()); }},
        {QStringLiteral("hatch"),
         [&] {
             auto* w = new CQarnHatchWell();
             w->SetHatchStyle(HatchStyleCross);
             DropDown(w);
         }},
        {QStringLiteral("label-pos"),
         [&] {
             auto* w = new CQarnLabelPosWell();
             w->SetLabelPosition(7);
             DropDown(w);
         }},
    };
    const auto show = shows.find(name);
    if (show == shows.end()) {
        std::fprintf(stderr, "qarn_controls_gallery: unknown name %s\n", qPrintable(name));
        return 2;
    }
    show->second();
    return app.exec();
}
