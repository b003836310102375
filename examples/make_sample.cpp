// Writes the bundled sample drawing, examples/sample.met, with the program's own classes:
// qarn_make_sample OUT.met
#include <QGuiApplication>
#include <cstdio>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/label_property.h"
#include "properties/pen_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "shapes/arc_pie.h"
#include "shapes/group.h"
#include "shapes/poly.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"

namespace {

CQarnRect* Box(const RectF& r, int shape, ARGB fill) {
    auto* box = new CQarnRect(r);
    box->SetShapeID(shape);
    box->SetFillColor(Color(fill));
    box->SetLineColor(Color(0xFF203040u));
    box->SetLineWidth(2);
    box->ResetPath();
    return box;
}

void AddText(CQarnComponent* c, const QString& words) {
    auto* text = new CQarnTextProperty();
    text->SetText(words);
    text->SetFontSize(14);
    c->AddProperty(text);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.met\n", argv[0]);
        return 2;
    }
    CQarnDoc doc;
    doc.OnNewDocument();
    doc.GetCurrentCanvas()->SetSize(800, 600);

    CQarnRect* pump = Box(RectF(60, 60, 160, 90), Qarn::kShapeRoundRectangle, 0xFFB3D9FFu);
    AddText(pump, QStringLiteral("Pump station"));
    auto* shadow = new CQarnShadowProperty();
    shadow->SetXOffset(2);
    shadow->SetYOffset(2);
    pump->AddProperty(shadow);
    doc.AddTail(pump);

    CQarnRect* tank = Box(RectF(420, 50, 140, 140), Qarn::kShapeEllipse, 0xFFFFE0A0u);
    AddText(tank, QStringLiteral("Tank"));
    tank->AddProperty(new CQarnLabelProperty(RectF(440, 200, 100, 24)));
    doc.AddTail(tank);

    auto* pipe = new CQarnPoly(RectF(220, 105, 200, 15));
    pipe->AddPoint(PointF(220, 105));
    pipe->AddPoint(PointF(320, 105));
    pipe->AddPoint(PointF(320, 120));
    pipe->AddPoint(PointF(405, 120));
    pipe->SetLineWidth(3);
    pipe->SetEndArrow(ArrowTypeArrow);
    pipe->SetFill(false);
    pipe->SetClosed(false);
    pipe->RecalcBounds();
    pipe->ResetPath();
    doc.AddTail(pipe);

    CQarnRect* a = Box(RectF(80, 300, 120, 60), Qarn::kShapeRectangle, 0xFFC8F0C8u);
    CQarnRect* b = Box(RectF(220, 300, 120, 60), Qarn::kShapeRectangle, 0xFFC8F0C8u);
    b->SetBrushType(CQarnBrushProperty::LinearGradient);
    b->GetBrushProperty()->SetColor2(Color(0xFF2E8B57u));
    AddText(a, QStringLiteral("Valve A"));
    AddText(b, QStringLiteral("Valve B"));
    doc.AddTail(a);
    doc.AddTail(b);
    auto* valves = new CQarnGroup();
    valves->AddComponent(a);
    valves->AddComponent(b);
    valves->RecalcBounds();
    doc.AddTail(valves);

    // The pump feeds valve A through a connector that follows both when they move.
    const PointF pumpOutlet(140, 150);
    const PointF valveInlet(140, 300);
    auto* feed = new CQarnConnector(RectF(pumpOutlet.X, pumpOutlet.Y, 0, 0));
    feed->SetConnectorType(CQarnConnector::TypeRoundCorner);
    feed->SetClosed(false);
    feed->AddPoint(pumpOutlet);
    feed->AddPoint(valveInlet);
    feed->SetLineWidth(2);
    feed->SetEndArrow(ArrowTypeArrow);
    doc.AddTail(feed);
    feed->SetLeftConnection(
        new CQarnConnection(pump, pump->GetNearbyAnchor(pumpOutlet), feed, pumpOutlet));
    feed->SetRightConnection(
        new CQarnConnection(a, a->GetNearbyAnchor(valveInlet), feed, valveInlet));
    feed->AutoLayout();
    feed->RecalcBounds(0);
    feed->ResetHandles();
    feed->ResetPath();

    auto* gauge = new CQarnArcPie(RectF(460, 320, 120, 120));
    gauge->SetShapeID(Qarn::kShapePie);
    gauge->SetFillColor(Color(0xFFFF9090u));
    gauge->ResetPath();
    doc.AddTail(gauge);

    CQarnLayer* notes = doc.GetCurrentCanvas()->AddNewLayer();
    notes->SetName(QStringLiteral("Notes"));
    CQarnRect* note = Box(RectF(560, 480, 200, 60), Qarn::kShapeRectangle, 0xFFFFFFC0u);
    AddText(note, QStringLiteral("Drawn with Inkvane"));
    doc.AddTail(note, notes);

    CQarnCanvas* second = doc.AddNewCanvas();
    second->SetSize(500, 400);
    doc.AddTail(Box(RectF(100, 100, 300, 200), Qarn::kShapeEllipse, 0xFFE0E0FFu));

    QString error;
    if (!doc.OnSaveDocument(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
