#include "document_summary.h"

#include <QBuffer>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "json_stream_writer.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"
#include "shapes/shape_base.h"

// Keys are written in the order QJsonObject keeps them (sorted), so the bytes are those of the
// summary built as a QJsonDocument.
namespace {

void Frame(CJsonStreamWriter& json, const RectF& r) {
    json.BeginArray();
    json.Value(double(r.X));
    json.Value(double(r.Y));
    json.Value(double(r.Width));
    json.Value(double(r.Height));
    json.EndArray();
}

void Component(CJsonStreamWriter& json, CQarnComponent* c) {
    auto* shape = dynamic_cast<CQarnShapeBase*>(c);
    auto* instance = dynamic_cast<CQarnAutoShape*>(c);
    json.BeginObject();
    json.Key(QStringLiteral("angle"));
    json.Value(double(c->GetRotateAngle()));
    json.Key(QStringLiteral("class"));
    json.Value(QString::fromLatin1(c->GetRuntimeClass()->m_lpszClassName));
    json.Key(QStringLiteral("frame"));
    Frame(json, c->GetRectF());
    if (shape != nullptr) {
        json.Key(QStringLiteral("freeHandles"));
        json.BeginArray();
        for (int k = 0; k < shape->GetFreeHandleCount(); ++k) {
            const PointF p = shape->GetFreeHandle(k);
            json.BeginArray();
            json.Value(double(p.X));
            json.Value(double(p.Y));
            json.EndArray();
        }
        json.EndArray();
    }
    json.Key(QStringLiteral("grouped"));
    json.Value(c->GetParentGroup() != nullptr);
    json.Key(QStringLiteral("id"));
    json.Value(qint64(c->GetID()));
    json.Key(QStringLiteral("name"));
    json.Value(c->GetName());
    json.Key(QStringLiteral("shapeId"));
    json.Value(qint64(c->GetShapeID()));
    if (instance != nullptr) {
        json.Key(QStringLiteral("state"));
        json.Value(qint64(instance->GetCurrentState()));
    }
    json.Key(QStringLiteral("style"));
    json.Value(QStringLiteral("0x%1").arg(c->GetStyle(), 8, 16, QLatin1Char('0')));
    if (instance != nullptr) {
        // The symbol drawn, or null when it is found nowhere (the instance is its rectangle).
        json.Key(QStringLiteral("symbol"));
        if (CQarnAutoShapeTempl* templ = instance->GetTemplate()) {
            json.Value(templ->GetTemplateName());
        } else {
            json.Null();
        }
        json.Key(QStringLiteral("template"));
        json.Value(qint64(instance->GetTemplateNumber()));
    }
    json.EndObject();
}

void Symbol(CJsonStreamWriter& json, CQarnAutoShapeTempl* t) {
    json.BeginObject();
    json.Key(QStringLiteral("anchors"));
    json.Value(int(t->GetAnchorPoints().size()));
    json.Key(QStringLiteral("components"));
    json.Value(int(t->GetComponents().size()));
    json.Key(QStringLiteral("frame"));
    Frame(json, t->GetRectF());
    json.Key(QStringLiteral("id"));
    json.Value(qint64(t->GetTemplateID()));
    json.Key(QStringLiteral("name"));
    json.Value(t->GetTemplateName());
    json.Key(QStringLiteral("standardAnchors"));
    json.Value(bool(t->HasStandardAnchors()));
    json.EndObject();
}

void Layer(CJsonStreamWriter& json, CQarnLayer* layer) {
    json.BeginObject();
    json.Key(QStringLiteral("components"));
    json.BeginArray();
    for (CQarnComponent* c : layer->GetList()) {
        Component(json, c);
    }
    json.EndArray();
    json.Key(QStringLiteral("locked"));
    json.Value(layer->IsLocked() != 0);
    json.Key(QStringLiteral("name"));
    json.Value(layer->GetName());
    json.Key(QStringLiteral("selectable"));
    json.Value(layer->IsSelectable() != 0);
    json.Key(QStringLiteral("visible"));
    json.Value(bool(layer->IsVisible(-1)));
    json.EndObject();
}

}  // namespace

bool CDocumentSummary::Write(CQarnDoc& doc, QIODevice* device) {
    CJsonStreamWriter json(device);
    json.BeginObject();
    json.Key(QStringLiteral("file"));
    json.Value(doc.GetPathName());
    json.Key(QStringLiteral("nextId"));
    json.Value(qint64(doc.GetNextID()));
    json.Key(QStringLiteral("pages"));
    json.BeginArray();
    for (CQarnCanvas* canvas : doc.GetCanvasList()) {
        json.BeginObject();
        json.Key(QStringLiteral("height"));
        json.Value(qint64(canvas->GetHeight()));
        json.Key(QStringLiteral("layers"));
        json.BeginArray();
        for (CQarnLayer* layer : canvas->GetLayers()) {
            Layer(json, layer);
        }
        json.EndArray();
        json.Key(QStringLiteral("width"));
        json.Value(qint64(canvas->GetWidth()));
        json.EndObject();
    }
    json.EndArray();
    json.Key(QStringLiteral("symbols"));
    json.BeginArray();
    for (CQarnAutoShapeTempl* t : doc.GetTemplates()) {
        Symbol(json, t);
    }
    json.EndArray();
    json.Key(QStringLiteral("templates"));
    json.Value(int(doc.GetTemplates().size()));
    json.Key(QStringLiteral("version"));
    json.Value(doc.GetVersionText());
    json.EndObject();
    return json.Flush();
}

QByteArray CDocumentSummary::ToJson(CQarnDoc& doc) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Write(doc, &buffer);
    return bytes;
}
