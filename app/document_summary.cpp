#include "document_summary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"
#include "shapes/shape_base.h"

namespace {

QJsonObject Component(CQarnComponent* c) {
    const RectF r = c->GetRectF();
    QJsonObject o;
    o[QStringLiteral("class")] = QString::fromLatin1(c->GetRuntimeClass()->m_lpszClassName);
    o[QStringLiteral("id")] = qint64(c->GetID());
    o[QStringLiteral("name")] = c->GetName();
    o[QStringLiteral("frame")] =
        QJsonArray{double(r.X), double(r.Y), double(r.Width), double(r.Height)};
    o[QStringLiteral("angle")] = double(c->GetRotateAngle());
    o[QStringLiteral("style")] = QStringLiteral("0x%1").arg(c->GetStyle(), 8, 16, QLatin1Char('0'));
    o[QStringLiteral("shapeId")] = c->GetShapeID();
    o[QStringLiteral("grouped")] = c->GetParentGroup() != nullptr;
    if (auto* shape = dynamic_cast<CQarnShapeBase*>(c)) {
        QJsonArray handles;
        for (int k = 0; k < shape->GetFreeHandleCount(); ++k) {
            const PointF p = shape->GetFreeHandle(k);
            handles.append(QJsonArray{double(p.X), double(p.Y)});
        }
        o[QStringLiteral("freeHandles")] = handles;
    }
    if (auto* instance = dynamic_cast<CQarnAutoShape*>(c)) {
        o[QStringLiteral("template")] = qint64(instance->GetTemplateNumber());
        o[QStringLiteral("state")] = qint64(instance->GetCurrentState());
        // The symbol drawn, or null when it is found nowhere (the instance is its rectangle).
        CQarnAutoShapeTempl* templ = instance->GetTemplate();
        o[QStringLiteral("symbol")] =
            templ != nullptr ? QJsonValue(templ->GetTemplateName()) : QJsonValue(QJsonValue::Null);
    }
    return o;
}

QJsonObject Symbol(CQarnAutoShapeTempl* t) {
    const RectF r = t->GetRectF();
    QJsonObject o;
    o[QStringLiteral("id")] = qint64(t->GetTemplateID());
    o[QStringLiteral("name")] = t->GetTemplateName();
    o[QStringLiteral("frame")] =
        QJsonArray{double(r.X), double(r.Y), double(r.Width), double(r.Height)};
    o[QStringLiteral("components")] = int(t->GetComponents().size());
    o[QStringLiteral("anchors")] = int(t->GetAnchorPoints().size());
    o[QStringLiteral("standardAnchors")] = t->HasStandardAnchors();
    return o;
}

QJsonObject Layer(CQarnLayer* layer) {
    QJsonArray components;
    for (CQarnComponent* c : layer->GetList()) {
        components.append(Component(c));
    }
    QJsonObject o;
    o[QStringLiteral("name")] = layer->GetName();
    o[QStringLiteral("visible")] = layer->IsVisible(-1);
    o[QStringLiteral("selectable")] = layer->IsSelectable() != 0;
    o[QStringLiteral("locked")] = layer->IsLocked() != 0;
    o[QStringLiteral("components")] = components;
    return o;
}

}  // namespace

QByteArray CDocumentSummary::ToJson(CQarnDoc& doc) {
    QJsonArray pages;
    for (CQarnCanvas* canvas : doc.GetCanvasList()) {
        QJsonArray layers;
        for (CQarnLayer* layer : canvas->GetLayers()) {
            layers.append(Layer(layer));
        }
        QJsonObject page;
        page[QStringLiteral("width")] = canvas->GetWidth();
        page[QStringLiteral("height")] = canvas->GetHeight();
        page[QStringLiteral("layers")] = layers;
        pages.append(page);
    }
    QJsonObject root;
    root[QStringLiteral("file")] = doc.GetPathName();
    root[QStringLiteral("version")] = doc.GetVersionText();
    root[QStringLiteral("nextId")] = qint64(doc.GetNextID());
    root[QStringLiteral("templates")] = int(doc.GetTemplates().size());
    QJsonArray symbols;
    for (CQarnAutoShapeTempl* t : doc.GetTemplates()) {
        symbols.append(Symbol(t));
    }
    root[QStringLiteral("symbols")] = symbols;
    root[QStringLiteral("pages")] = pages;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
