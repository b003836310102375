// Writes the seed corpora of the fuzz targets with the project's own writers:
// qarn_fuzz_make_corpus DIR fills DIR/archive_reader, DIR/compound_file, the document folders
// of the reader, SVG-export and render targets, and DIR/template_file. Each archive seed
// starts with the byte that tells the target what the rest holds (0 objects, 1 a property
// list, 2 a component list); the compound-file seeds are whole document files.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QList>
#include <cstdio>
#include <functional>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "platform/archive.h"
#include "platform/compound_file.h"
#include "platform/compound_storage.h"
#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/blend_data.h"
#include "properties/brush_property.h"
#include "properties/gradient.h"
#include "properties/pen_property.h"
#include "properties/property_value.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "shapes/arc_outline.h"
#include "shapes/arc_pie.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"
#include "shapes/catalogue/cube.h"
#include "shapes/catalogue/star.h"
#include "shapes/group.h"
#include "shapes/point.h"
#include "shapes/poly.h"
#include "shapes/poly_outline.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "shapes/template_file.h"

namespace {

bool SaveFile(const QDir& dir, const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Archived(const std::function<void(CArchive&)>& write) {
    QByteArray bytes;
    CArchive out(CArchive::store, &bytes);
    write(out);
    return bytes;
}

bool Save(const QDir& dir, const char* name, char shape,
          const std::function<void(CArchive&)>& write) {
    return SaveFile(dir, name, QByteArray(1, shape) + Archived(write));
}

bool SaveCompound(const QDir& dir, const char* name, const CCompoundStorage& root) {
    QByteArray bytes;
    QString error;
    return CCompoundFile::Write(root, &bytes, &error) && SaveFile(dir, name, bytes);
}

CQarnComponent* Styled(const RectF& frame) {
    auto* c = new CQarnComponent(frame);
    c->SetName(QStringLiteral("Shape"));
    c->SetID(3);
    c->SetShapeID(18228);
    c->GetPenProperty()->SetBrushType(CQarnBrushProperty::LinearGradient);
    c->SetBrushType(CQarnBrushProperty::Texture);
    c->GetBrushProperty()->SetImageName(QStringLiteral("paper.png"));
    auto* arrow = new CQarnArrowProperty();
    arrow->SetEndArrow(ArrowTypeArrow);
    c->AddProperty(arrow);
    return c;
}

QList<CQarnProperty*> Values() {
    return {
        new CQarnPropertyValue(7000, QStringLiteral("i2"), CVariant(std::int16_t(-5))),
        new CQarnPropertyValue(7001, QStringLiteral("i4"), CVariant(123456)),
        new CQarnPropertyValue(7002, QStringLiteral("r4"), CVariant(1.25f)),
        new CQarnPropertyValue(7003, QStringLiteral("r8"), CVariant(-2.5)),
        new CQarnPropertyValue(7004, QStringLiteral("date"), CVariant::Date(36526.5)),
        new CQarnPropertyValue(7005, QStringLiteral("text"), CVariant("Grüße")),
        new CQarnPropertyValue(7006, QStringLiteral("bool"), CVariant(true)),
        new CQarnPropertyValue(7007, QStringLiteral("byte"), CVariant(BYTE(7))),
        new CQarnPropertyValue(7008, QStringLiteral("null"), CVariant::Null()),
    };
}

}  // namespace

// Documents as the program saves them: an empty one, and one with pages, layers, a group,
// shared properties and a symbol.
bool SaveDocuments(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        return false;
    }
    bool ok = true;
    CQarnDoc empty;
    empty.OnNewDocument();
    QString error;
    ok &= empty.OnSaveDocument(QDir(folder).filePath(QStringLiteral("empty.met")), &error);

    CQarnDoc full;
    full.OnNewDocument();
    auto* a = Styled(RectF(0, 0, 40, 40));
    auto* b = Styled(RectF(50, 10, 20, 60));
    full.AddTail(a);
    full.AddTail(b);
    auto* group = new CQarnGroup();
    group->AddComponent(a);
    group->AddComponent(b);
    group->RecalcBounds();
    full.AddTail(group);
    auto* shared = new CQarnPenProperty();
    a->AddProperty(shared);
    b->AddProperty(shared);
    // Two shapes joined by a connector resting on an anchor of each.
    auto* from = Styled(RectF(100, 0, 40, 40));
    auto* to = Styled(RectF(200, 60, 40, 40));
    full.AddTail(from);
    full.AddTail(to);
    auto* connector = new CQarnConnector(RectF(140, 20, 0, 0));
    connector->AddPoint(PointF(140, 20));
    connector->AddPoint(PointF(200, 80));
    connector->SetLeftConnection(new CQarnConnection(from, 2, connector, PointF()));
    connector->SetRightConnection(new CQarnConnection(to, 4, connector, PointF()));
    connector->AutoLayout();
    connector->ResetHandles();
    full.AddTail(connector);
    full.GetCurrentCanvas()->AddNewLayer()->SetVisible(false);
    full.AddNewCanvas()->SetSize(300, 200);
    auto* templ = new CQarnAutoShapeTempl();
    templ->SetTemplateID(80000);
    templ->SetPosition(RectF(0, 0, 20, 10));
    templ->AddComponent(Styled(RectF(0, 0, 20, 10)));
    templ->AddAnchorPoint(PointF(1, 1), 2);
    full.AddTemplate(templ, false);
    // An instance of the document's symbol and two parametric shapes on the first page.
    auto* instance = new CQarnAutoShape(RectF(10, 100, 60, 30), 80000);
    full.AddTail(instance, full.GetCanvasList().first()->GetLayers().first());
    instance->Initialize(instance->GetLayer());
    auto* star = new CQarnShapeStar(RectF(80, 100, 30, 30));
    star->SetShapeID(18291);
    full.AddTail(star, full.GetCanvasList().first()->GetLayers().first());
    full.AddTail(new CQarnShapeCube(RectF(120, 100, 40, 30)),
                 full.GetCanvasList().first()->GetLayers().first());
    ok &= full.OnSaveDocument(QDir(folder).filePath(QStringLiteral("full.met")), &error);
    return ok;
}

// A page of everything that draws differently: polygons and curves, an outline band, an arc
// band, points, dashed and wide pens, hatch and gradient fills, text with a shadow.
bool SaveDrawing(const QString& folder) {
    CQarnDoc doc;
    doc.OnNewDocument();
    doc.GetCurrentCanvas()->SetSize(400, 300);
    auto* polygon = new CQarnPoly(RectF(0, 0, 100, 100));
    polygon->SetPointArray({PointF(10, 10), PointF(90, 60), PointF(20, 90), PointF(60, 5)});
    polygon->SetPointCount(4);
    polygon->SetClosed(true);
    polygon->SetFill(true);
    polygon->SetBrushType(CQarnBrushProperty::Hatch);
    polygon->GetPenProperty()->SetLineWidth(6);
    polygon->GetPenProperty()->SetDashStyle(3);
    doc.AddTail(polygon);
    auto* curve = new CQarnPoly(RectF(100, 0, 100, 100));
    curve->SetPointArray({PointF(110, 10), PointF(190, 60), PointF(120, 90)});
    curve->SetPointCount(3);
    curve->SetPolyStyle(CQarnPoly::JoinCurve);
    doc.AddTail(curve);
    auto* band = new CQarnPolyOutline(RectF(200, 0, 100, 100));
    band->SetPointArray({PointF(210, 10), PointF(290, 90), PointF(210, 90), PointF(290, 10)});
    band->SetPointCount(4);
    band->SetFill(true);
    doc.AddTail(band);
    doc.AddTail(new CQarnArcOutline(RectF(10, 150, 80, 80)));
    doc.AddTail(new CQarnPoint(PointF(150, 200)));
    auto* box = new CQarnRect(RectF(200, 150, 120, 80));
    box->SetFill(true);
    box->SetBrushType(CQarnBrushProperty::PathGradient);
    auto* text = new CQarnTextProperty();
    text->SetText(QStringLiteral("Pump station"));
    box->AddProperty(text);
    box->AddProperty(new CQarnShadowProperty());
    doc.AddTail(box);
    QString error;
    return doc.OnSaveDocument(QDir(folder).filePath(QStringLiteral("drawing.met")), &error);
}

// Symbol files as the symbol editor exports them: one holding a symbol of every kind of part
// (a state of a two-state symbol among them, and a symbol drawing an instance of itself), one
// of several small symbols, and one without any.
bool SaveTemplateFiles(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        return false;
    }
    const QDir dir(folder);
    CQarnTemplateFileInfo info;
    info.description = QStringLiteral("Plant symbols");
    info.author = QStringLiteral("Ada");

    auto* parts = new CQarnAutoShapeTempl();
    parts->SetTemplateID(80000);
    parts->SetTemplateName(QStringLiteral("Every part"));
    parts->SetPosition(RectF(0, 0, 200, 100));
    parts->SetTextPosition(RectF(10, 10, 180, 20));
    parts->SetDefaultSize(200, 100);
    auto* round = new CQarnRect(RectF(0, 0, 40, 20));
    round->SetShapeID(Qarn::kShapeRoundRectangle);
    round->SetUseItsOwn(true);
    parts->AddComponent(round);
    auto* pie = new CQarnArcPie(RectF(40, 0, 30, 30));
    pie->SetShapeID(Qarn::kShapePie);
    pie->RotateAt(30, pie->GetCenterPointF(), 1);
    parts->AddComponent(pie);
    auto* line = new CQarnPoly(RectF(0, 0, 1, 1));
    line->AddPoint(PointF(80, 10));
    line->AddPoint(PointF(120, 60));
    line->AddPoint(PointF(90, 90));
    line->RecalcBounds();
    line->SetClosed(false);
    auto* arrow = new CQarnArrowProperty();
    arrow->SetEndArrow(ArrowTypeArrow);
    line->AddProperty(arrow);
    parts->AddComponent(line);
    auto* star = new CQarnShapeStar(RectF(120, 0, 40, 40));
    star->SetShapeID(18326);
    star->SetPointCount(8);
    parts->AddComponent(star);
    auto* cube = new CQarnShapeCube(RectF(160, 40, 40, 60));
    cube->SetFillWithPen(true);
    parts->AddComponent(cube);
    parts->AddComponent(new CQarnAutoShape(RectF(0, 60, 40, 40), 80000));
    parts->AddComponent(new CQarnAutoShape(RectF(40, 60, 40, 40), 80001));
    parts->AddComponent(new CQarnPoint(PointF(100, 95)));
    parts->AddAnchorPoint(PointF(200, 50), 2);
    parts->AddAnchorPoint(PointF(100, 100), 4);
    auto* open = static_cast<CQarnAutoShapeTempl*>(parts->Clone(nullptr));
    open->SetTemplateID(80001);
    open->SetStandardAnchors(false);

    CQarnTemplateList small;
    for (UINT id = 1; id <= 3; ++id) {
        auto* t = new CQarnAutoShapeTempl();
        t->SetTemplateID(id);
        t->SetPosition(RectF(0, 0, 10.0f * id, 10));
        t->AddComponent(Styled(RectF(0, 0, 10.0f * id, 10)));
        small.append(t);
    }
    const bool ok =
        SaveFile(dir, "parts.tpl", Qarn::WriteTemplateFile({parts, open}, info)) &&
        SaveFile(dir, "small.tpl", Qarn::WriteTemplateFile(small, info)) &&
        SaveFile(dir, "empty.tpl", Qarn::WriteTemplateFile({}, CQarnTemplateFileInfo()));
    delete parts;
    delete open;
    qDeleteAll(small);
    return ok;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const QDir top(QString::fromLocal8Bit(argv[1]));
    const QDir dir(top.filePath(QStringLiteral("archive_reader")));
    const QDir files(top.filePath(QStringLiteral("compound_file")));
    if (!QDir().mkpath(dir.path()) || !QDir().mkpath(files.path())) {
        std::fprintf(stderr, "cannot make the folders under %s\n", argv[1]);
        return 1;
    }
    bool ok = true;

    ok &= Save(dir, "objects_component", 0, [](CArchive& ar) {
        std::unique_ptr<CQarnComponent> c(Styled(RectF(1, 2, 30, 40)));
        for (CQarnProperty* v : Values()) {
            c->AddProperty(v);
        }
        ar.WriteObject(c.get());
    });
    ok &= Save(dir, "objects_parts", 0, [](CArchive& ar) {
        CQarnGradient gradient(0.5f, Color(0x80102030u));
        CQarnBlendData blend(0.25f, 0.75f);
        CQarnBasicBrushProperty basic;
        CQarnPenProperty pen;
        ar.WriteObject(&gradient);
        ar.WriteObject(&blend);
        ar.WriteObject(&basic);
        ar.WriteObject(&pen);
        ar.WriteObject(nullptr);
    });
    ok &= Save(dir, "properties_shared", 1, [](CArchive& ar) {
        QList<CQarnProperty*> list = Values();
        auto* pen = new CQarnPenProperty();
        pen->SetBrushType(CQarnBrushProperty::Hatch);
        list << pen << new CQarnArrowProperty() << new CQarnBrushProperty() << pen;
        ar.WriteObjectList(list);
        list.removeLast();
        qDeleteAll(list);
    });
    ok &= Save(dir, "components_shared", 2, [](CArchive& ar) {
        std::unique_ptr<CQarnComponent> first(Styled(RectF(0, 0, 10, 10)));
        std::unique_ptr<CQarnComponent> second(new CQarnComponent());
        second->SetName(QString(300, QLatin1Char('n')));
        for (CQarnProperty* p : first->GetPropList()) {
            second->AddProperty(p);
        }
        ar.WriteObjectList(QList<CQarnComponent*>{first.get(), second.get()});
    });
    ok &= Save(dir, "components_shapes", 2, [](CArchive& ar) {
        CQarnRect round(RectF(0, 0, 40, 20));
        round.SetShapeID(Qarn::kShapeRoundRectangle);
        CQarnPoint point(PointF(5, 5));
        CQarnArcPie pie(RectF(0, 0, 30, 10));
        pie.SetShapeID(Qarn::kShapePie);
        CQarnArcOutline outline(RectF(0, 0, 30, 10));
        outline.SetShapeID(Qarn::kShapeArc);
        ar.WriteObjectList(QList<CQarnComponent*>{&round, &point, &pie, &outline});
    });
    ok &= Save(dir, "components_empty", 2,
               [](CArchive& ar) { ar.WriteObjectList(QList<CQarnComponent*>{}); });

    CCompoundStorage document;
    document.SetStream(QString::fromLatin1(CCompoundFile::kContentsStream),
                       Archived([](CArchive& ar) {
                           std::unique_ptr<CQarnComponent> c(Styled(RectF(1, 2, 3, 4)));
                           ar.WriteObject(c.get());
                       }));
    ok &= SaveCompound(files, "document", document);
    CCompoundStorage withItem = document;
    CCompoundStorage& item = withItem.Storage(QStringLiteral("Embedding 1"));
    item.SetStream(QStringLiteral("\001Ole"), QByteArray(20, '\0'));
    item.Storage(QStringLiteral("Inner")).SetStream(QStringLiteral("Data"), QByteArray(5000, 'd'));
    ok &= SaveCompound(files, "document_with_item", withItem);
    ok &= SaveCompound(files, "empty", CCompoundStorage());
    ok &= SaveDocuments(top.filePath(QStringLiteral("document_reader")));
    ok &= SaveDocuments(top.filePath(QStringLiteral("svg_export")));
    ok &= SaveDocuments(top.filePath(QStringLiteral("render")));
    ok &= SaveDrawing(top.filePath(QStringLiteral("render")));
    ok &= SaveTemplateFiles(top.filePath(QStringLiteral("template_file")));
    return ok ? 0 : 1;
}
