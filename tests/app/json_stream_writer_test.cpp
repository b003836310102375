// The streamed summary must be byte for byte what Qt's JSON document writes for the same values:
// its readers and any script comparing outputs see no change.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "document_summary.h"
#include "json_stream_writer.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"
#include "shapes/catalogue/star.h"

namespace {

// What Qt writes for the same JSON: read back and written again by QJsonDocument.
QByteArray AsQtWrites(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.toJson(QJsonDocument::Indented);
}

QByteArray Written(const std::function<void(CJsonStreamWriter&)>& write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        CJsonStreamWriter json(&buffer);
        write(json);
    }
    return bytes;
}

TEST(JsonStreamWriter, WritesTheBytesOfQtsIndentedDocument) {
    const QString awkward = QStringLiteral("quote \" slash \\ / tab \t line \n bell \a nul ") +
                            QChar(0) + QStringLiteral(" e\u0301t\u00e9 \u4e2d ") +
                            QString::fromUcs4(U"\U0001F600") + QStringLiteral(" \u007f end");
    const QByteArray ours = Written([&](CJsonStreamWriter& json) {
        json.BeginObject();
        json.Key(QStringLiteral("a empty array"));
        json.BeginArray();
        json.EndArray();
        json.Key(QStringLiteral("b empty object"));
        json.BeginObject();
        json.EndObject();
        json.Key(QStringLiteral("c numbers"));
        json.BeginArray();
        json.Value(0.1f);
        json.Value(double(0.1f));
        json.Value(1e21);
        json.Value(-3.0);
        json.Value(qint64(-9007199254740993LL));
        json.Value(std::numeric_limits<double>::infinity());
        json.EndArray();
        json.Key(QStringLiteral("d nested"));
        json.BeginArray();
        json.BeginArray();
        json.Value(true);
        json.Null();
        json.EndArray();
        json.BeginObject();
        json.Key(awkward);
        json.Value(awkward);
        json.EndObject();
        json.EndArray();
        json.EndObject();
    });
    EXPECT_EQ(ours, AsQtWrites(ours));
    EXPECT_TRUE(ours.contains("\\u0000")) << ours.toStdString();
}

TEST(JsonStreamWriter, TheDocumentSummaryHasTheBytesOfItsQtDocument) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    auto* t = new CQarnAutoShapeTempl();
    t->SetTemplateID(80000);
    t->SetTemplateName(QStringLiteral("Valve \"A\""));
    t->SetPosition(RectF(0, 0, 100, 50));
    t->AddComponent(new CQarnComponent(RectF(0, 0, 100, 50)));
    doc.AddTemplate(t, false);
    auto* instance = new CQarnAutoShape(RectF(10.25f, 10.1f, 100, 50), 80000);
    doc.AddTail(instance);
    instance->Initialize(instance->GetLayer());
    doc.AddTail(new CQarnAutoShape(RectF(10, 100, 20, 20), 123));
    doc.AddTail(new CQarnShapeStar(RectF(0, 0, 100, 100)));
    auto* plain = new CQarnComponent(RectF(-1.5f, 2, 30, 40));
    plain->SetName(QStringLiteral("tab\there \u00fc"));
    plain->SetRotateAngle(33.3f);
    doc.AddTail(plain);
    doc.GetCurrentCanvas()->AddNewLayer()->SetVisible(false);
    doc.AddNewCanvas()->SetSize(640, 480);

    const QByteArray ours = CDocumentSummary::ToJson(doc);
    EXPECT_EQ(ours, AsQtWrites(ours));
    // Every component is there, with the keys of each kind.
    const QJsonArray components = QJsonDocument::fromJson(ours)
                                      .object()[QStringLiteral("pages")]
                                      .toArray()[0]
                                      .toObject()[QStringLiteral("layers")]
                                      .toArray()[0]
                                      .toObject()[QStringLiteral("components")]
                                      .toArray();
    ASSERT_EQ(components.size(), 4);
    EXPECT_TRUE(components[0].toObject().contains(QStringLiteral("template")));
    EXPECT_TRUE(components[2].toObject().contains(QStringLiteral("freeHandles")));
    EXPECT_EQ(components[3].toObject()[QStringLiteral("name")].toString(),
              QStringLiteral("tab\there \u00fc"));
}

// A device that takes only so many bytes.
class ShortDevice : public QIODevice {
public:
    explicit ShortDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override {
        const qint64 taken = std::min(length, room_);
        room_ -= taken;
        return taken;
    }

private:
    qint64 room_;
};

TEST(JsonStreamWriter, AFailedWriteIsReported) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    for (int i = 0; i < 2000; ++i) {
        doc.AddTail(new CQarnComponent(RectF(float(i), 0, 10, 10)));
    }
    ShortDevice full(1000);
    EXPECT_FALSE(CDocumentSummary::Write(doc, &full));
    ShortDevice roomy(qint64(1) << 30);
    EXPECT_TRUE(CDocumentSummary::Write(doc, &roomy));
}

}  // namespace
