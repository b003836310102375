#include "document_summary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"

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
    root[QStringLiteral("pages")] = pages;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
